#include "shopdb/FileMedium.h"

#include <algorithm>

namespace shopdb {

MemoryMedium::MemoryMedium(std::shared_ptr<Bytes> bytes, bool readOnly)
    : bytes_(std::move(bytes)), readOnly_(readOnly)
{
}

std::uint64_t MemoryMedium::Length() { return bytes_->size(); }

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
        throw FileError(FileError::accessDenied, "memory");
    if (bytes_->size() < offset + in.size())
        bytes_->resize(offset + in.size());
    std::copy(in.begin(), in.end(), bytes_->begin() + std::ptrdiff_t(offset));
}

} // namespace shopdb
