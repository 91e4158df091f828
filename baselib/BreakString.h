#pragma once
// A line taken apart from the front: a text and a start index marking how much has been
// consumed. Length, characters and narrow text are those of the remaining text.

#include "baselib/BRAXLibExport.h"
#include "baselib/String.h"

namespace zr {

class BRAXLIB_EXPORT CBreakString {
public:
    CBreakString() = default;
    CBreakString(const CBreakString& other) = default;   // text and start index
    CBreakString& operator=(const CBreakString& other);  // the other's remaining text
    CBreakString& operator=(const CString& text);
    CBreakString& operator=(const char* text);
    CBreakString& operator=(const wchar_t* text);
    CBreakString& operator=(const unsigned char* text);
    CBreakString& operator=(char ch);
    void Empty();

    int GetLength() const;
    int GetAbsoluteLength() const { return text_.GetLength(); }
    int GetStartIndex() const { return start_; }
    char GetAt(int i) const;   // 0 and a log entry outside the remaining text
    char operator[](int i) const { return GetAt(i); }
    bool IsEmpty() const { return GetLength() == 0; }
    operator const char*() const;   // never null

    static bool CompareCharToDelimits(const char* delimiters, char ch);
    // Positions in the remaining text, or -1.
    int FindDelimit(const char* delimiters) const;
    int FindTCharString(const char* text) const;   // 0 for an empty text
    // The position of the first of `texts` found, trying them in order; `which` its index.
    int FindTCharStrings(const char* const* texts, int count, int& which) const;

    void TrimWhiteSpace();
    void TrimLeft() { TrimWhiteSpace(); }

    // Convert the number at the front (after white space) and consume it. Failures throw
    // CNumericConversionException whose message names the remaining text.
    void BreakDouble(double& value);
    void BreakInteger(int& value);
    // The next run of non-white characters.
    void BreakText(CString& text);
    // The next `count` characters; the start index moves on by no more than what is left.
    CString Break(int count);

    // The first '/' becomes '_'; a text longer than 10 characters becomes its characters at
    // positions 1 to 10.
    static CString& ConvertPath(CString& text);

private:
    template <class Convert> void BreakNumber(const char* missing, const char* illegal,
                                              const char* legalFirst, unsigned targetId,
                                              const char* operation, Convert convert);

    CString text_{""};
    int start_ = 0;
};

}  // namespace zr
