#pragma once
// Bytes written as text in tests: "0A 00 FF" -> {0x0A, 0x00, 0xFF}.

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

inline std::vector<std::uint8_t> Hex(const std::string& text)
{
    std::vector<std::uint8_t> bytes;
    std::istringstream in(text);
    std::string byte;
    while (in >> byte)
        bytes.push_back(std::uint8_t(std::stoul(byte, nullptr, 16)));
    return bytes;
}
