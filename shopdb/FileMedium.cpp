#include "shopdb/FileMedium.h"

#include <algorithm>
#include <stdexcept>

namespace shopdb {

DiskMedium::DiskMedium(fw::File file, bool writable) : file_(std::move(file)), writable_(writable) {}

std::size_t DiskMedium::ReadAt(std::uint64_t offset, std::span<std::uint8_t> out)
{
    file_.Seek(std::int64_t(offset), fw::File::begin);
    return file_.Read(out.data(), out.size());
}

void DiskMedium::WriteAt(std::uint64_t offset, std::span<const std::uint8_t> in)
{
    file_.Seek(std::int64_t(offset), fw::File::begin);
    file_.Write(in.data(), in.size());
}

MemoryMedium::MemoryMedium(std::shared_ptr<Bytes> bytes, bool readOnly)
    : bytes_(std::move(bytes)), readOnly_(readOnly)
{
}

std::size_t MemoryMedium::ReadAt(std::uint64_t offset, std::span<std::uint8_t> out)
{
    if (offset >= bytes_->size())
        return 0;
    const std::size_t count = std::min<std::uint64_t>(out.size(), bytes_->size() - offset);
    std::copy_n(bytes_->begin() + std::ptrdiff_t(offset), count, out.begin());
    return count;
}

void MemoryMedium::WriteAt(std::uint64_t offset, std::span<const std::uint8_t> in)
{
    if (readOnly_)
        throw std::logic_error("MemoryMedium: write to a read-only medium");
    if (bytes_->size() < offset + in.size())
        bytes_->resize(offset + in.size());
    std::copy(in.begin(), in.end(), bytes_->begin() + std::ptrdiff_t(offset));
}

} // namespace shopdb
