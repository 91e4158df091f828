#include "baselib/BreakString.h"

#include "baselib/StringTable.h"
#include "convert/Convert.h"
#include "convert/except/Log.h"
#include "convert/except/zrException.h"

#include <cstring>
#include <string>

namespace zr {

namespace {

[[noreturn]] void ThrowUnexpected(const char* operation)
{
    CUnexpectedException e;
    e.SetMessage((std::string("Unexpected Exception in CBreakString::") + operation).c_str());
    throw e;
}

}  // namespace

CBreakString& CBreakString::operator=(const CBreakString& other)
{
    const CString remaining(static_cast<const char*>(other));
    text_ = remaining;
    start_ = 0;
    return *this;
}

CBreakString& CBreakString::operator=(const CString& text)
{
    text_ = text;
    start_ = 0;
    return *this;
}

CBreakString& CBreakString::operator=(const char* text)
{
    return *this = CString(text);
}

CBreakString& CBreakString::operator=(const wchar_t* text)
{
    return *this = CString(text);
}

CBreakString& CBreakString::operator=(const unsigned char* text)
{
    return *this = CString(text);
}

CBreakString& CBreakString::operator=(char ch)
{
    text_ = ch;
    start_ = 0;
    return *this;
}

void CBreakString::Empty()
{
    text_.Empty();
    start_ = 0;
}

int CBreakString::GetLength() const
{
    return start_ < text_.GetLength() ? text_.GetLength() - start_ : 0;
}

char CBreakString::GetAt(int i) const
{
    if (i < 0 || i >= GetLength()) {
        CLog::LogError("ZRString", __LINE__, "CStringData::GetAt Error");
        return 0;
    }
    return text_.GetAt(start_ + i);
}

CBreakString::operator const char*() const
{
    return GetLength() > 0 ? static_cast<const char*>(text_) + start_ : "";
}

bool CBreakString::CompareCharToDelimits(const char* delimiters, char ch)
{
    return ch != '\0' && delimiters && std::strchr(delimiters, ch);
}

int CBreakString::FindDelimit(const char* delimiters) const
{
    const char* rest = *this;
    for (int i = 0; rest[i]; ++i)
        if (CompareCharToDelimits(delimiters, rest[i]))
            return i;
    return -1;
}

int CBreakString::FindTCharString(const char* text) const
{
    const char* rest = *this;
    const char* hit = text ? std::strstr(rest, text) : nullptr;
    return hit ? static_cast<int>(hit - rest) : -1;
}

int CBreakString::FindTCharStrings(const char* const* texts, int count, int& which) const
{
    for (which = 0; texts && which < count; ++which) {
        const int position = FindTCharString(texts[which]);
        if (position >= 0)
            return position;
    }
    which = -1;
    return -1;
}

void CBreakString::TrimWhiteSpace()
{
    while (start_ < text_.GetLength() && IsWhite(text_.GetAt(start_)))
        ++start_;
}

template <class Convert>
void CBreakString::BreakNumber(const char* missing, const char* illegal, const char* legalFirst,
                               unsigned targetId, const char* operation, Convert convert)
{
    try {
        TrimWhiteSpace();
        if (IsEmpty())
            throw CNumericConversionException(missing);
        if (!std::strchr(legalFirst, GetAt(0)))
            throw CNumericConversionException(illegal);
        start_ += convert(static_cast<const char*>(*this));
    } catch (const CNumericConversionException& e) {
        std::string message = e.GetMessage();
        if (!message.empty())
            message += "\r\n";
        message += std::string(LibraryString(IDS_ERROR_CONVERTING)) + " " +
                   static_cast<const char*>(*this) + " " + LibraryString(targetId) + "\r\n";
        throw CNumericConversionException(message.c_str());
    } catch (...) {
        ThrowUnexpected(operation);
    }
}

void CBreakString::BreakDouble(double& value)
{
    value = 0;
    BreakNumber("Missing Double", "Illegal Character in Double", "0123456789.+-", IDS_TO_A_DOUBLE,
                "BreakDouble", [&](const char* text) { return CConvert::TCharToDouble(text, value); });
}

void CBreakString::BreakInteger(int& value)
{
    value = 0;
    BreakNumber("Missing Integer in String", "Illegal Character in Integer", "0123456789+-",
                IDS_TO_AN_INTEGER, "BreakInteger",
                [&](const char* text) { return CConvert::TCharToInteger(text, value); });
}

void CBreakString::BreakText(CString& text)
{
    try {
        text.Empty();
        TrimWhiteSpace();
        const char* rest = *this;
        int length = 0;
        while (rest[length] && !IsWhite(rest[length]))
            ++length;
        text = std::string(rest, static_cast<std::size_t>(length)).c_str();
        start_ += length;
    } catch (...) {
        ThrowUnexpected("BreakText");
    }
}

CString CBreakString::Break(int count)
{
    try {
        CString piece = text_.Mid(start_, count);
        start_ += piece.GetLength();
        return piece;
    } catch (...) {
        ThrowUnexpected("Break");
    }
}

CString& CBreakString::ConvertPath(CString& text)
{
    try {
        const int slash = text.Find('/');
        if (slash >= 0)
            text.SetAt(slash, '_');
        if (text.GetLength() > 10)
            text = text.Mid(1, 10);
        return text;
    } catch (...) {
        ThrowUnexpected("ConvertPath");
    }
}

}  // namespace zr
