#pragma once
// Little-endian integers and doubles at byte offsets of the shop database's fixed images.

#include <bit>
#include <cstdint>
#include <cstring>

namespace shopdb {

inline std::uint16_t GetU16(const std::uint8_t* p)
{
    return std::uint16_t(p[0] | (p[1] << 8));
}

inline std::uint32_t GetU32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16)
        | (std::uint32_t(p[3]) << 24);
}

inline std::int32_t GetI32(const std::uint8_t* p) { return std::int32_t(GetU32(p)); }

inline std::uint64_t GetU64(const std::uint8_t* p)
{
    return std::uint64_t(GetU32(p)) | (std::uint64_t(GetU32(p + 4)) << 32);
}

inline double GetDouble(const std::uint8_t* p) { return std::bit_cast<double>(GetU64(p)); }

inline void PutU16(std::uint8_t* p, std::uint16_t v)
{
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
}

inline void PutU32(std::uint8_t* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = std::uint8_t(v >> (8 * i));
}

inline void PutI32(std::uint8_t* p, std::int32_t v) { PutU32(p, std::uint32_t(v)); }

inline void PutU64(std::uint8_t* p, std::uint64_t v)
{
    PutU32(p, std::uint32_t(v));
    PutU32(p + 4, std::uint32_t(v >> 32));
}

inline void PutDouble(std::uint8_t* p, double v) { PutU64(p, std::bit_cast<std::uint64_t>(v)); }

} // namespace shopdb
