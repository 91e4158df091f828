#pragma once
// The class library's string: narrow Windows-1252 text in one of three states. A null string
// (never assigned) has length 0 and converts to a null pointer; an empty string converts to "".
// Misuse is logged (source "ZRString") and the operation goes on with its fallback result.
// Lengths and positions are ints; an edit buffer handed out by GetBuffer lives until
// ReleaseBuffer.

#include "baselib/BRAXLibExport.h"
#include <compare>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

namespace zr {

class BRAXLIB_EXPORT CString {
public:
    CString() = default;
    CString(const CString& other);
    CString(CString&& other) noexcept = default;
    CString(const char* text);            // a null pointer gives a null string
    CString(const wchar_t* text);
    CString(const unsigned char* text);
    ~CString();

    CString& operator=(const CString& other);
    CString& operator=(CString&& other) noexcept = default;
    CString& operator=(const char* text);
    CString& operator=(const wchar_t* text);
    CString& operator=(const unsigned char* text);
    CString& operator=(char ch);

    CString& operator+=(const char* text);
    CString& operator+=(char ch);
    CString& operator+=(const CString& other);

    int GetLength() const;
    bool IsEmpty() const { return GetLength() == 0; }
    operator const char*() const { return text_ ? text_->c_str() : nullptr; }

    // Byte order; a null string is below any text and equal to a null one; a null text argument
    // is below any string.
    int Compare(const char* text) const;
    int CompareNoCase(const char* text) const;
    int Collate(const char* text) const;   // locale order; 0 for a null string

    char GetAt(int i) const;
    char operator[](int i) const { return GetAt(i); }
    void SetAt(int i, char ch);

    int Find(char ch) const;
    int Find(const char* text) const;
    int FindOneOf(const char* set) const;
    int ReverseFind(char ch) const;

    void MakeUpper();
    void MakeLower();
    void MakeReverse();
    void TrimRight();
    int TrimLeft();   // the number of characters removed

    // Clamped extraction; an empty or out-of-range result is logged.
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Left(int count) const;
    CString Right(int count) const;

    // A zero-filled buffer of at least minimum + 1 bytes holding the text; asking again with a
    // larger minimum grows the buffer (and moves it).
    char* GetBuffer(int minimum);
    // A fresh buffer of length + 1 bytes with the first `length` characters; nullptr (logged)
    // when a buffer is already out or the length is negative.
    char* GetBufferSetLength(int length);
    // The buffer's text, cut at `length` when that is shorter, becomes the string.
    void ReleaseBuffer(int length = -1);

    // Loads an entry of the library's string table; false (nothing changes) for an unknown id.
    bool LoadString(unsigned id);

    // Numbered inserts: %1 .. %99 take the arguments, optionally typed printf-style as in
    // %1!5.2f! or %2!d!; %% gives %, %n a carriage return and line feed.
    template <class... Args> void FormatMessage(const char* format, const Args&... args)
    {
        FormatMessageArgs(format, {MessageArgOf(args)...});
    }
    template <class... Args> bool FormatMessage(unsigned id, const Args&... args)
    {
        CString format;
        if (!format.LoadString(id))
            return false;
        FormatMessage(static_cast<const char*>(format), args...);
        return true;
    }

    std::wstring AllocSysString() const;
    void Empty() { *this = ""; }

private:
    using MessageArg = std::variant<long long, unsigned long long, double, std::string>;

    template <class T> static MessageArg MessageArgOf(const T& arg)
    {
        if constexpr (std::is_same_v<T, bool> || std::is_same_v<T, char> ||
                      (std::is_signed_v<T> && std::is_integral_v<T>))
            return static_cast<long long>(arg);
        else if constexpr (std::is_integral_v<T>)
            return static_cast<unsigned long long>(arg);
        else if constexpr (std::is_floating_point_v<T>)
            return static_cast<double>(arg);
        else if constexpr (std::is_convertible_v<const T&, const char*>) {
            const char* text = arg;
            return std::string(text ? text : "");
        } else
            return std::string(arg);
    }
    void FormatMessageArgs(const char* format, std::initializer_list<MessageArg> args);

    // Runs an edit on a copy of the text; a null string logs "CStringData::CopyOf Error" and
    // then `error`.
    template <class Edit> void EditCopy(const char* error, Edit edit);
    CString Extract(int first, int count) const;

    std::optional<std::string> text_;
    std::unique_ptr<std::vector<char>> buffer_;
};

BRAXLIB_EXPORT CString operator+(const CString& a, const CString& b);
BRAXLIB_EXPORT CString operator+(const CString& a, const char* b);
BRAXLIB_EXPORT CString operator+(const char* a, const CString& b);

BRAXLIB_EXPORT bool operator==(const CString& a, const CString& b);
BRAXLIB_EXPORT bool operator==(const CString& a, const char* b);
BRAXLIB_EXPORT std::strong_ordering operator<=>(const CString& a, const CString& b);
BRAXLIB_EXPORT std::strong_ordering operator<=>(const CString& a, const char* b);

// White space as the class library trims and splits on it: blank, tab, line and page breaks.
inline bool IsWhite(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace zr
