#include "fw/core/Number.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace fw {

namespace {

std::string_view TrimBlanks(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// from_chars takes '-' but not '+': drop a '+' that a digit or point follows.
std::string_view DropPlus(std::string_view text)
{
    if (text.size() > 1 && text[0] == '+' && text[1] != '-' && text[1] != '+')
        text.remove_prefix(1);
    return text;
}

template <class T> std::optional<T> ParseWhole(std::string_view text)
{
    text = DropPlus(TrimBlanks(text));
    T value{};
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

} // namespace

std::string FormatFixed(double value, int decimals)
{
    decimals = std::clamp(decimals, 0, 30);
    char buffer[400];   // 309 integer digits, sign, point and 30 decimals at most
    auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return ec == std::errc() ? std::string(buffer, ptr) : std::string();
}

std::string FormatGeneral(double value)
{
    char buffer[64];
    auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, ptr) : std::string();
}

std::optional<double> ParseDouble(std::string_view text)
{
    std::optional<double> value = ParseWhole<double>(text);
    if (value && !std::isfinite(*value))
        return std::nullopt;
    return value;
}

std::optional<int> ParseInt(std::string_view text)
{
    return ParseWhole<int>(text);
}

} // namespace fw
