#include "baselib/String.h"

#include "baselib/StringTable.h"
#include "convert/except/Log.h"
#include "convert/except/zrException.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <new>
#include <utility>

namespace zr {

namespace {

void Log(int line, const char* message)
{
    CLog::LogError("ZRString", line, message);
}

// Windows-1252 bytes 0x80..0x9F; the five unassigned bytes keep their control code points.
constexpr wchar_t kHighBytes[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

wchar_t Widen(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 && byte < 0xA0 ? kHighBytes[byte - 0x80] : byte;
}

char Narrow(wchar_t w)
{
    if (w < 0x80 || (w >= 0xA0 && w <= 0xFF))
        return static_cast<char>(w);
    const wchar_t* hit = std::find(std::begin(kHighBytes), std::end(kHighBytes), w);
    return hit != std::end(kHighBytes) ? static_cast<char>(0x80 + (hit - kHighBytes)) : '?';
}

// Case pairs of Windows-1252: ASCII, the Latin-1 letters and four letters in 0x8A..0x9F.
constexpr std::pair<unsigned char, unsigned char> kExtraCasePairs[] = {
    {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}};

char ToUpper(char c)
{
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7))
        return static_cast<char>(b - 0x20);
    for (const auto& [upper, lower] : kExtraCasePairs)
        if (b == lower)
            return static_cast<char>(upper);
    return c;
}

char ToLower(char c)
{
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
        return static_cast<char>(b + 0x20);
    for (const auto& [upper, lower] : kExtraCasePairs)
        if (b == upper)
            return static_cast<char>(lower);
    return c;
}

int SignOf(int n)
{
    return (n > 0) - (n < 0);
}

std::optional<std::string> NarrowText(const wchar_t* text)
{
    if (!text)
        return std::nullopt;
    std::string narrow;
    for (; *text; ++text)
        narrow += Narrow(*text);
    return narrow;
}

std::optional<std::string> TextOf(const char* text)
{
    return text ? std::optional<std::string>(text) : std::nullopt;
}

// A printf conversion for one message insert: flags, width and precision of at most three
// digits each, any length modifier (dropped), and the conversion letter. Combinations whose
// output printf leaves undefined are refused.
struct InsertFormat {
    std::string head;   // flags, width, precision
    char conversion = 0;
};

std::optional<InsertFormat> ParseInsertFormat(const std::string& text)
{
    const auto digitsEnd = [&](std::size_t from) {
        const std::size_t end = std::min(text.find_first_not_of("0123456789", from), text.size());
        return end - from <= 3 ? std::optional(end) : std::nullopt;
    };
    const std::string flags = text.substr(0, std::min(text.find_first_not_of("-+ #0"), text.size()));
    std::optional<std::size_t> pos = digitsEnd(flags.size());
    const bool precision = pos && *pos < text.size() && text[*pos] == '.';
    if (precision)
        pos = digitsEnd(*pos + 1);
    if (!pos)
        return std::nullopt;
    std::string rest = text.substr(*pos);
    for (const char* modifier : {"I64", "I32", "hh", "ll", "h", "l", "L", "z", "j", "t"})
        if (rest.rfind(modifier, 0) == 0) {
            rest.erase(0, std::strlen(modifier));
            break;
        }
    if (rest.size() != 1 || !std::strchr("diouxXcsfeEgGaA", rest[0]))
        return std::nullopt;
    const char conversion = rest[0];
    const bool textual = conversion == 'c' || conversion == 's';
    if ((flags.find('#') != std::string::npos && !std::strchr("oxXfeEgGaA", conversion)) ||
        (flags.find('0') != std::string::npos && textual) || (precision && conversion == 'c'))
        return std::nullopt;
    return InsertFormat{text.substr(0, *pos), conversion};
}

template <class T> std::string Printf(const std::string& format, T value)
{
    const int length = std::snprintf(nullptr, 0, format.c_str(), value);
    if (length < 0)
        return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format.c_str(), value);
    text.pop_back();
    return text;
}

std::string Insert(const std::variant<long long, unsigned long long, double, std::string>& arg,
                   const std::string& formatText)
{
    const std::optional<InsertFormat> format = ParseInsertFormat(formatText);
    const char conversion = format ? format->conversion : 0;
    const std::string head = "%" + (format ? format->head : std::string());
    const bool integral = conversion && std::strchr("diouxX", conversion);
    const bool signedIntegral = conversion == 'd' || conversion == 'i';
    if (const auto* n = std::get_if<long long>(&arg)) {
        if (conversion == 'c')
            return Printf(head + 'c', static_cast<int>(*n));
        if (integral)
            return signedIntegral ? Printf(head + "ll" + conversion, *n)
                                  : Printf(head + "ll" + conversion, static_cast<unsigned long long>(*n));
        return std::to_string(*n);
    }
    if (const auto* u = std::get_if<unsigned long long>(&arg)) {
        if (integral)
            return signedIntegral ? Printf(head + "ll" + conversion, static_cast<long long>(*u))
                                  : Printf(head + "ll" + conversion, *u);
        return std::to_string(*u);
    }
    if (const auto* d = std::get_if<double>(&arg))
        return Printf(conversion && std::strchr("feEgGaA", conversion) ? head + conversion : "%g", *d);
    const std::string& s = std::get<std::string>(arg);
    return conversion == 's' ? Printf(head + 's', s.c_str()) : s;
}

}  // namespace

CString::CString(const CString& other) : text_(other.text_) {}

CString::CString(const char* text) : text_(TextOf(text)) {}

CString::CString(const wchar_t* text) : text_(NarrowText(text)) {}

CString::CString(const unsigned char* text) : CString(reinterpret_cast<const char*>(text)) {}

CString::~CString() = default;

CString& CString::operator=(const CString& other)
{
    text_ = other.text_;
    return *this;
}

CString& CString::operator=(const char* text)
{
    text_ = TextOf(text);
    return *this;
}

CString& CString::operator=(const wchar_t* text)
{
    text_ = NarrowText(text);
    return *this;
}

CString& CString::operator=(const unsigned char* text)
{
    return *this = reinterpret_cast<const char*>(text);
}

CString& CString::operator=(char ch)
{
    text_ = std::string(1, ch);
    return *this;
}

CString& CString::operator+=(const char* text)
{
    text_ = text_.value_or("") + (text ? text : "");
    return *this;
}

CString& CString::operator+=(char ch)
{
    text_ = text_.value_or("") + ch;
    return *this;
}

CString& CString::operator+=(const CString& other)
{
    return *this += static_cast<const char*>(other);
}

int CString::GetLength() const
{
    return text_ ? static_cast<int>(text_->size()) : 0;
}

int CString::Compare(const char* text) const
{
    if (!text_)
        return text ? -1 : 0;
    if (!text)
        return 1;
    return SignOf(std::strcmp(text_->c_str(), text));
}

int CString::CompareNoCase(const char* text) const
{
    if (!text_)
        return text ? -1 : 0;
    if (!text)
        return 1;
    const char* mine = text_->c_str();
    for (; *mine && ToLower(*mine) == ToLower(*text); ++mine, ++text) {
    }
    return SignOf(static_cast<unsigned char>(ToLower(*mine)) - static_cast<unsigned char>(ToLower(*text)));
}

int CString::Collate(const char* text) const
{
    if (!text_)
        return 0;
    if (!text)
        return 1;
    return SignOf(std::strcoll(text_->c_str(), text));
}

char CString::GetAt(int i) const
{
    if (!text_ || i < 0 || i >= GetLength()) {
        Log(__LINE__, "CStringData::GetAt Error");
        return 0;
    }
    return (*text_)[i];
}

void CString::SetAt(int i, char ch)
{
    if (!text_)
        Log(__LINE__, "CStringData::SetAt Error");
    else if (i < 0 || i >= GetLength())
        Log(__LINE__, "CString Error");
    else
        (*text_)[i] = ch;
}

int CString::Find(char ch) const
{
    if (!text_) {
        Log(__LINE__, "CStringData::Find Error");
        return -1;
    }
    const std::size_t pos = ch ? text_->find(ch) : std::string::npos;
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(const char* text) const
{
    const std::size_t pos = text_ && text ? text_->find(text) : std::string::npos;
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::FindOneOf(const char* set) const
{
    if (!text_) {
        Log(__LINE__, "CStringData::FindOneOf Error");
        return -1;
    }
    const std::size_t pos = set ? text_->find_first_of(set) : std::string::npos;
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(char ch) const
{
    const std::size_t pos = text_ && ch ? text_->rfind(ch) : std::string::npos;
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

template <class Edit> void CString::EditCopy(const char* error, Edit edit)
{
    if (!text_) {
        Log(__LINE__, "CStringData::CopyOf Error");
        Log(__LINE__, error);
        return;
    }
    std::string copy = *text_;
    edit(copy);
    text_ = std::move(copy);
}

void CString::MakeUpper()
{
    EditCopy("CStringData::MakeUpper Error",
             [](std::string& s) { std::transform(s.begin(), s.end(), s.begin(), ToUpper); });
}

void CString::MakeLower()
{
    EditCopy("CStringData::MakeLower Error",
             [](std::string& s) { std::transform(s.begin(), s.end(), s.begin(), ToLower); });
}

void CString::MakeReverse()
{
    EditCopy("CStringData::MakeReverse Error", [](std::string& s) { std::reverse(s.begin(), s.end()); });
}

void CString::TrimRight()
{
    if (!text_) {
        Log(__LINE__, "String Error");
        return;
    }
    text_->erase(std::find_if_not(text_->rbegin(), text_->rend(), IsWhite).base(), text_->end());
}

int CString::TrimLeft()
{
    if (!text_) {
        Log(__LINE__, "String Error");
        return 0;
    }
    const auto removed = std::find_if_not(text_->begin(), text_->end(), IsWhite) - text_->begin();
    text_->erase(0, removed);
    return static_cast<int>(removed);
}

CString CString::Mid(int first) const
{
    first = std::max(first, 0);
    return Mid(first, GetLength() - first);
}

CString CString::Mid(int first, int count) const
{
    const int length = GetLength();
    first = std::max(first, 0);
    count = std::max(count, 0);
    if (first > length)
        count = 0;
    else if (count > length - first)
        count = length - first;
    return Extract(first, count);
}

CString CString::Left(int count) const
{
    return Extract(0, std::clamp(count, 0, GetLength()));
}

CString CString::Right(int count) const
{
    count = std::clamp(count, 0, GetLength());
    return Extract(GetLength() - count, count);
}

CString CString::Extract(int first, int count) const
{
    CString result("");
    if (!text_ || first >= GetLength() || count > GetLength() - first)
        Log(__LINE__, "Length Error");
    else if (count <= 0)
        Log(__LINE__, "Count Error");
    else
        result.text_ = text_->substr(first, count);
    return result;
}

char* CString::GetBuffer(int minimum)
{
    const std::size_t size = static_cast<std::size_t>(std::max(GetLength(), minimum)) + 1;
    try {
        if (!buffer_) {
            buffer_ = std::make_unique<std::vector<char>>(size, '\0');
            if (text_)
                std::copy(text_->begin(), text_->end(), buffer_->begin());
        } else if (buffer_->size() < size) {
            buffer_->resize(size, '\0');
        }
    } catch (const std::bad_alloc&) {
        throw CMemoryException();
    }
    return buffer_->data();
}

char* CString::GetBufferSetLength(int length)
{
    if (buffer_) {
        Log(__LINE__, "CString::GetBuffer Error");
        return nullptr;
    }
    if (length < 0) {
        Log(__LINE__, "CString Error");
        return nullptr;
    }
    try {
        buffer_ = std::make_unique<std::vector<char>>(static_cast<std::size_t>(length) + 1, '\0');
    } catch (const std::bad_alloc&) {
        throw CMemoryException();
    }
    if (text_)
        std::copy_n(text_->begin(), std::min(length, GetLength()), buffer_->begin());
    return buffer_->data();
}

void CString::ReleaseBuffer(int length)
{
    if (!buffer_)
        return;
    if (length < -1) {
        Log(__LINE__, "CString Error");
        length = -1;
    }
    // The buffer's text ends at its first zero byte, or at the buffer's end if it has none.
    const auto end = std::find(buffer_->begin(), buffer_->end(), '\0');
    const auto textLength = static_cast<std::size_t>(end - buffer_->begin());
    const std::size_t keep = length >= 0 ? std::min(static_cast<std::size_t>(length), textLength) : textLength;
    text_ = std::string(buffer_->data(), keep);
    buffer_.reset();
}

bool CString::LoadString(unsigned id)
{
    const char* text = LibraryString(id);
    if (text)
        *this = text;
    return text != nullptr;
}

void CString::FormatMessageArgs(const char* format, std::initializer_list<MessageArg> args)
{
    std::string out;
    for (const char* p = format ? format : ""; *p; ++p) {
        if (*p != '%' || !p[1]) {
            out += *p;
        } else if (p[1] == '%') {
            out += '%';
            ++p;
        } else if (p[1] == 'n') {
            out += "\r\n";
            ++p;
        } else if (p[1] >= '1' && p[1] <= '9') {
            std::size_t index = static_cast<std::size_t>(*++p - '0');
            if (p[1] >= '0' && p[1] <= '9')
                index = index * 10 + static_cast<std::size_t>(*++p - '0');
            std::string typed;
            if (const char* close = p[1] == '!' ? std::strchr(p + 2, '!') : nullptr) {
                typed.assign(p + 2, close);
                p = close;
            }
            if (index <= args.size())
                out += Insert(args.begin()[index - 1], typed);
        } else {
            out += *p;
        }
    }
    *this = out.c_str();
}

std::wstring CString::AllocSysString() const
{
    std::wstring wide;
    for (char c : text_.value_or(""))
        wide += Widen(c);
    return wide;
}

CString operator+(const CString& a, const CString& b)
{
    CString sum = a;
    sum += b;
    return sum;
}

CString operator+(const CString& a, const char* b)
{
    CString sum = a;
    sum += b;
    return sum;
}

CString operator+(const char* a, const CString& b)
{
    CString sum(a);
    sum += b;
    return sum;
}

bool operator==(const CString& a, const CString& b)
{
    return a.Compare(b) == 0;
}

bool operator==(const CString& a, const char* b)
{
    return a.Compare(b) == 0;
}

std::strong_ordering operator<=>(const CString& a, const CString& b)
{
    return a.Compare(b) <=> 0;
}

std::strong_ordering operator<=>(const CString& a, const char* b)
{
    return a.Compare(b) <=> 0;
}

}  // namespace zr
