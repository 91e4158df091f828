#include "baselib/FormatString.h"

#include "convert/Convert.h"
#include "convert/except/zrException.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace zr {

namespace {

bool IsDelimiter(const char* delimiters, char c)
{
    return c != '\0' && delimiters && std::strchr(delimiters, c);
}

}  // namespace

CFormatString& CFormatString::operator=(const char* text)
{
    text_ = text;
    return *this;
}

CFormatString& CFormatString::operator=(const CString& text)
{
    text_ = text;
    return *this;
}

std::string CFormatString::Text() const
{
    const char* text = text_;
    return text ? text : "";
}

bool CFormatString::FindDelimit(const char* delimiters, int& position) const
{
    for (int i = std::max(position, 0); i < GetLength(); ++i)
        if (IsDelimiter(delimiters, text_.GetAt(i))) {
            position = i;
            return true;
        }
    return false;
}

bool CFormatString::FindDelimitReverse(const char* delimiters, int& position) const
{
    if (position >= GetLength())
        return false;
    for (int i = position; i >= 0; --i)
        if (IsDelimiter(delimiters, text_.GetAt(i))) {
            position = i;
            return true;
        }
    return false;
}

bool CFormatString::FindTCharString(const char* text, int& position) const
{
    if (!text || position < 0 || position > GetLength())
        return false;
    const std::size_t hit = Text().find(text, static_cast<std::size_t>(position));
    if (hit == std::string::npos)
        return false;
    position = static_cast<int>(hit);
    return true;
}

int CFormatString::FindTCharStrings(const char* const* texts, int count, int& position) const
{
    for (int i = 0; texts && i < count; ++i)
        if (FindTCharString(texts[i], position))
            return i;
    return -1;
}

void CFormatString::RemoveChars(char ch)
{
    std::string text = Text();
    text.erase(std::remove(text.begin(), text.end(), ch), text.end());
    SetText(text);
}

void CFormatString::RemoveTrailing(char ch)
{
    std::string text = Text();
    const std::size_t last = text.find_last_not_of(ch);
    text.erase(last == std::string::npos ? 0 : last + 1);
    SetText(text);
}

void CFormatString::AddLeadingChars(int count, char ch)
{
    if (count > 0)
        SetText(std::string(static_cast<std::size_t>(count), ch) + Text());
}

void CFormatString::AddTrailingChars(int count, char ch)
{
    if (count > 0)
        SetText(Text() + std::string(static_cast<std::size_t>(count), ch));
}

void CFormatString::RemoveLeadingChars(int count)
{
    if (count > 0 && count <= GetLength())
        SetText(Text().substr(static_cast<std::size_t>(count)));
}

bool CFormatString::FillArea(int position, int count, char ch)
{
    if (count <= 0)
        return true;
    if (position < 0 || position >= GetLength() || count > GetLength() - position)
        return false;
    std::string text = Text();
    text.replace(static_cast<std::size_t>(position), static_cast<std::size_t>(count),
                 static_cast<std::size_t>(count), ch);
    SetText(text);
    return true;
}

bool CFormatString::Insert(int position, char ch)
{
    if (position < 0 || position > GetLength())
        return false;
    std::string text = Text();
    text.insert(text.begin() + position, ch);
    SetText(text);
    return true;
}

bool CFormatString::ReplaceArea(const char* source, int first, int last)
{
    if (first < 0 || first > last || last >= GetLength())
        return false;
    const auto area = static_cast<std::size_t>(last - first + 1);
    std::string piece = std::string(source ? source : "").substr(0, area);
    piece.resize(area, ' ');
    std::string text = Text();
    text.replace(static_cast<std::size_t>(first), area, piece);
    SetText(text);
    return true;
}

template <class Convert> int CFormatString::ConvertFrom(int position, Convert convert) const
{
    if (position < 0 || position > GetLength())
        return -1;
    try {
        return convert(Text().c_str() + position);
    } catch (const CNumericConversionException&) {
        return -1;
    }
}

int CFormatString::ConvertDouble(int position, double& value) const
{
    value = 0;
    return ConvertFrom(position, [&](const char* text) { return CConvert::TCharToDouble(text, value); });
}

int CFormatString::ConvertInteger(int position, int& value) const
{
    value = 0;
    return ConvertFrom(position, [&](const char* text) { return CConvert::TCharToInteger(text, value); });
}

int CFormatString::BreakDouble(double& value)
{
    const int used = ConvertDouble(0, value);
    if (used > 0)
        SetText(Text().substr(static_cast<std::size_t>(used)));
    return used;
}

int CFormatString::BreakInteger(int& value)
{
    const int used = ConvertInteger(0, value);
    if (used > 0)
        SetText(Text().substr(static_cast<std::size_t>(used)));
    return used;
}

void CFormatString::GetBetweenParens(CString& result, int& position) const
{
    result.Empty();
    if (position < 0 || position >= GetLength() || text_.GetAt(position) != '(')
        return;
    const std::string text = Text();
    const std::size_t close = text.find(')', static_cast<std::size_t>(position) + 1);
    const std::size_t end = close == std::string::npos ? text.size() : close;
    const std::size_t from = static_cast<std::size_t>(position) + 1;
    result = text.substr(from, end - from).c_str();
    position = static_cast<int>(close == std::string::npos ? end : end + 1);
}

CString CFormatString::RemoveExtension()
{
    const std::string text = Text();
    const std::size_t dot = text.find('.');
    if (dot == std::string::npos)
        return CString("");
    SetText(text.substr(0, dot));
    return CString(text.substr(dot).c_str());
}

}  // namespace zr
