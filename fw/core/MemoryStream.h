#pragma once
// A byte stream over a growable buffer in memory.

#include "fw/core/FwCoreExport.h"
#include "fw/core/ByteStream.h"

#include <vector>

namespace fw {

class FW_CORE_EXPORT MemoryStream : public ByteStream {
public:
    MemoryStream() = default;
    // A stream over the given bytes, positioned at their start.
    explicit MemoryStream(std::vector<std::uint8_t> bytes);

    std::size_t Read(void* buffer, std::size_t count) override;
    // Overwrites from the position on and grows the buffer as needed.
    void Write(const void* buffer, std::size_t count) override;
    std::uint64_t GetPosition() override { return position_; }
    std::uint64_t GetLength() override { return bytes_.size(); }

    // Moves to a position within the bytes (the length at most); throws std::out_of_range beyond.
    void SetPosition(std::uint64_t position);
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

} // namespace fw
