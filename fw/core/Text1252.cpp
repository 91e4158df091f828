#include "fw/core/Text1252.h"

#include <algorithm>
#include <array>

namespace fw {

namespace {

// Code points of the bytes 0x80..0x9F; the undefined ones keep their own value.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

// Decodes one well-formed UTF-8 sequence at text[pos]; returns its length, 0 when malformed.
std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& cp)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 0;
    char32_t min = 0;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, cp = lead & 0x1F, min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, cp = lead & 0x0F, min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, cp = lead & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (text.size() - pos < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto c = static_cast<unsigned char>(text[pos + i]);
        if ((c & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

char32_t Cp1252ToUnicode(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? char32_t(kHigh[byte - 0x80]) : char32_t(byte);
}

int UnicodeToCp1252(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return int(codePoint);
    auto it = std::find(kHigh.begin(), kHigh.end(), codePoint);
    return it == kHigh.end() ? -1 : int(0x80 + (it - kHigh.begin()));
}

std::string Cp1252ToUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        AppendUtf8(out, Cp1252ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8, bool* replaced)
{
    std::string out;
    out.reserve(utf8.size());
    bool any = false;
    for (std::size_t pos = 0; pos < utf8.size();) {
        char32_t cp = 0;
        const std::size_t length = DecodeUtf8(utf8, pos, cp);
        const int byte = length ? UnicodeToCp1252(cp) : -1;
        any = any || byte < 0;
        out += byte < 0 ? '?' : char(byte);
        pos += length ? length : 1;
    }
    if (replaced)
        *replaced = any;
    return out;
}

char ToUpper1252(char c)
{
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7))
        return char(b - 0x20);
    switch (b) {
    case 0x9A: case 0x9C: case 0x9E: return char(b - 0x10);   // s, oe, z with their marks
    case 0xFF: return char(0x9F);                               // y diaeresis
    default: return c;
    }
}

char ToLower1252(char c)
{
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
        return char(b + 0x20);
    switch (b) {
    case 0x8A: case 0x8C: case 0x8E: return char(b + 0x10);
    case 0x9F: return char(0xFF);
    default: return c;
    }
}

std::string Upper1252(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) { return ToUpper1252(c); });
    return out;
}

std::string Lower1252(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) { return ToLower1252(c); });
    return out;
}

int CompareNoCase1252(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(ToUpper1252(a[i]));
        const auto y = static_cast<unsigned char>(ToUpper1252(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool EqualsNoCase1252(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && CompareNoCase1252(a, b) == 0;
}

} // namespace fw
