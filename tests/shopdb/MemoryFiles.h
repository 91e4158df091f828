#pragma once
// Shop database files over bytes in memory, and byte-image helpers for the tests.

#include "shopdb/FileMedium.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace shopdb::test {

using Bytes = std::vector<std::uint8_t>;

inline std::shared_ptr<Bytes> NewBytes(Bytes initial = {}) { return std::make_shared<Bytes>(std::move(initial)); }

inline std::unique_ptr<FileMedium> Medium(const std::shared_ptr<Bytes>& bytes, bool readOnly = false)
{
    return std::make_unique<MemoryMedium>(bytes, readOnly);
}

// Little-endian pieces to build expected images: Le32(-1) = FF FF FF FF.
inline Bytes Le16(std::uint16_t v) { return {std::uint8_t(v), std::uint8_t(v >> 8)}; }
inline Bytes Le32(std::int32_t v)
{
    const auto u = std::uint32_t(v);
    return {std::uint8_t(u), std::uint8_t(u >> 8), std::uint8_t(u >> 16), std::uint8_t(u >> 24)};
}
// Bytes written as hex pairs separated by blanks: "0C 00 FF".
inline Bytes Hex(const std::string& hex)
{
    Bytes bytes;
    for (std::size_t i = 0; i < hex.size(); i += 3)
        bytes.push_back(std::uint8_t(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}
inline Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }
inline Bytes Fill(std::size_t count, std::uint8_t value) { return Bytes(count, value); }
inline Bytes Cat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

} // namespace shopdb::test

// The statement fails with the file error "Invalid File".
#define EXPECT_INVALID_FILE(statement)                                                                     \
    EXPECT_THROW(                                                                                          \
        try { statement; } catch (const fw::FileException& e) {                                           \
            EXPECT_EQ(e.cause(), fw::FileException::invalidFile);                                          \
            throw;                                                                                         \
        },                                                                                                 \
        fw::FileException)
