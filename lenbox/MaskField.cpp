#include "lenbox/MaskField.h"

#include <algorithm>

namespace lenbox {

std::string RemoveChar(std::string_view text, char c)
{
    std::string out;
    out.reserve(text.size());
    for (char ch : text)
        if (ch != c)
            out += ch;
    return out;
}

std::string RemoveBlanks(std::string_view text)
{
    return RemoveChar(text, ' ');
}

bool AllDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int DigitCount(long long n)
{
    int count = 1;
    while (n >= 10) {
        n /= 10;
        ++count;
    }
    return count;
}

namespace {

std::optional<std::string> PaddedDigits(long long n, std::size_t width)
{
    if (n < 0 || std::size_t(DigitCount(n)) > width)
        return std::nullopt;
    std::string digits = std::to_string(n);
    return std::string(width - digits.size(), '0') + digits;
}

} // namespace

std::optional<std::string> FormatField(long long n, std::string_view mask)
{
    std::optional<std::string> text = PaddedDigits(n, mask.size());
    if (!text)
        return std::nullopt;
    for (std::size_t i = 0; i < mask.size() && mask[i] == '9' && (*text)[i] == '0'; ++i)
        (*text)[i] = ' ';
    return text;
}

std::string FormatFieldInFull(long long n, std::string_view mask)
{
    n = std::max(n, 0LL);
    if (std::size_t(DigitCount(n)) > mask.size())
        return std::to_string(n);
    return *FormatField(n, mask);
}

std::optional<std::string> FormatFraction(long long n, std::string_view mask)
{
    std::optional<std::string> text = PaddedDigits(n, mask.size());
    if (!text)
        return std::nullopt;
    for (std::size_t i = mask.size(); i > 0 && mask[i - 1] == '9' && (*text)[i - 1] == '0'; --i)
        (*text)[i - 1] = ' ';
    return text;
}

int ReadField(std::string_view field)
{
    int value = 0;
    for (char c : field)
        if (c >= '0' && c <= '9')
            value = value * 10 + (c - '0');
    return value;
}

std::string AlignLeft(std::string_view field)
{
    std::string digits = RemoveBlanks(field);
    return digits + std::string(field.size() - digits.size(), ' ');
}

std::string AlignRight(std::string_view field)
{
    std::string digits = RemoveBlanks(field);
    return std::string(field.size() - digits.size(), ' ') + digits;
}

std::string Justify(std::string_view text, std::size_t width, int justify)
{
    std::size_t pad = width > text.size() ? width - text.size() : 0;
    std::size_t left = justify == 2 ? pad : justify == 1 ? pad / 2 : 0;
    return std::string(left, ' ') + std::string(text) + std::string(pad - left, ' ');
}

} // namespace lenbox
