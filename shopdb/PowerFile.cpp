#include "shopdb/PowerFile.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

CPowerFile::~CPowerFile()
{
    try {
        Close();
    } catch (...) {
        // A destructor cannot report a failed close; the data was written when it changed.
    }
}

void CPowerFile::Open(std::unique_ptr<shopdb::FileMedium> medium, std::string path)
{
    Close();
    length_ = medium->Length();
    medium_ = std::move(medium);
    path_ = std::move(path);
}

void CPowerFile::Close()
{
    if (!medium_)
        return;
    std::unique_ptr<shopdb::FileMedium> medium = std::move(medium_);
    length_ = 0;
    medium->Close();
}

bool CPowerFile::Holds(std::int64_t offset, std::uint64_t count) const
{
    return offset >= 0 && std::uint64_t(offset) <= length_ && count <= length_ - std::uint64_t(offset);
}

void CPowerFile::ReadExact(std::int64_t offset, std::span<std::uint8_t> out)
{
    if (!Holds(offset, out.size()) || Medium().ReadAt(std::uint64_t(offset), out) != out.size())
        ThrowInvalidFile();
}

std::size_t CPowerFile::ReadSome(std::int64_t offset, std::span<std::uint8_t> out)
{
    if (!Holds(offset, 0))
        ThrowInvalidFile();
    return Medium().ReadAt(std::uint64_t(offset), out);
}

void CPowerFile::WriteAt(std::int32_t offset, std::span<const std::uint8_t> in)
{
    if (offset < 0)
        throw std::invalid_argument("CPowerFile::WriteAt: negative offset");
    Medium().WriteAt(std::uint64_t(offset), in);
    length_ = std::max<std::uint64_t>(length_, std::uint64_t(offset) + in.size());
}

std::int32_t CPowerFile::AppendBytes(std::span<const std::uint8_t> in)
{
    if (length_ > std::uint64_t(std::numeric_limits<std::int32_t>::max()))
        throw shopdb::FileError(shopdb::FileError::diskFull, path_);
    const auto offset = std::int32_t(length_);
    WriteAt(offset, in);
    return offset;
}

void CPowerFile::ThrowInvalidFile() const
{
    throw shopdb::FileError(shopdb::FileError::invalidFile, path_);
}

shopdb::FileMedium& CPowerFile::Medium() const
{
    if (!medium_)
        throw std::logic_error("shop database file used while closed: " + path_);
    return *medium_;
}
