#pragma once
// A sequence of bytes to read and write in order: what archives read from and write to.

#include "fw/core/FwCoreExport.h"
#include <cstddef>
#include <cstdint>

namespace fw {

class FW_CORE_EXPORT ByteStream {
public:
    virtual ~ByteStream() = default;

    // Reads up to count bytes; returns how many were read, fewer only at the end.
    virtual std::size_t Read(void* buffer, std::size_t count) = 0;
    // Writes all count bytes or throws.
    virtual void Write(const void* buffer, std::size_t count) = 0;
    virtual std::uint64_t GetPosition() = 0;
    virtual std::uint64_t GetLength() = 0;
};

} // namespace fw
