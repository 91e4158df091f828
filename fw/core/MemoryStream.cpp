#include "fw/core/MemoryStream.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace fw {

MemoryStream::MemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes))
{
}

std::size_t MemoryStream::Read(void* buffer, std::size_t count)
{
    const std::size_t n = std::min(count, bytes_.size() - position_);
    if (n)
        std::memcpy(buffer, bytes_.data() + position_, n);
    position_ += n;
    return n;
}

void MemoryStream::Write(const void* buffer, std::size_t count)
{
    if (count > bytes_.max_size() - position_)
        throw std::length_error("memory stream too long");
    if (position_ + count > bytes_.size())
        bytes_.resize(position_ + count);
    if (count)
        std::memcpy(bytes_.data() + position_, buffer, count);
    position_ += count;
}

void MemoryStream::SetPosition(std::uint64_t position)
{
    if (position > bytes_.size())
        throw std::out_of_range("memory stream position beyond its end");
    position_ = std::size_t(position);
}

} // namespace fw
