#pragma once
// A text edited and searched in place, with numbers converted at its front. Positions are in
// the whole text; operations given a position or area outside the text return false (or -1)
// and change nothing.

#include "baselib/BRAXLibExport.h"
#include "baselib/String.h"

namespace zr {

class BRAXLIB_EXPORT CFormatString {
public:
    CFormatString() = default;
    CFormatString(const char* text) : text_(text) {}
    CFormatString(const CString& text) : text_(text) {}
    CFormatString& operator=(const char* text);
    CFormatString& operator=(const CString& text);

    operator const char*() const { return text_; }
    int GetLength() const { return text_.GetLength(); }

    // Search from `position` (forward, or backward for the reverse form); a hit sets `position`.
    bool FindDelimit(const char* delimiters, int& position) const;
    bool FindDelimitReverse(const char* delimiters, int& position) const;
    bool FindTCharString(const char* text, int& position) const;
    // The index of the first of `texts` found from `position` (which moves to it), or -1.
    int FindTCharStrings(const char* const* texts, int count, int& position) const;

    void RemoveChars(char ch);
    void RemoveTrailing(char ch);
    void AddLeadingChars(int count, char ch);
    void AddTrailingChars(int count, char ch);
    void RemoveLeadingChars(int count);   // nothing for a count of 0 or less, or above the length

    // Overwrite `count` characters from `position` (nothing to do for 0 or less).
    bool FillArea(int position, int count, char ch);
    // Insert before `position`; the length itself appends.
    bool Insert(int position, char ch);
    // Overwrite positions first..last with the source, cut to the area and padded with blanks.
    bool ReplaceArea(const char* source, int first, int last);

    // The number from `position` on; the characters used, or -1 when the conversion fails.
    int ConvertDouble(int position, double& value) const;
    int ConvertInteger(int position, int& value) const;
    // The number at the front, which is then removed.
    int BreakDouble(double& value);
    int BreakInteger(int& value);

    // At a '(' the characters up to ')' or the end; `position` moves past the ')'.
    void GetBetweenParens(CString& result, int& position) const;
    // Cuts the text at its first '.' and returns the part cut off, or an empty text.
    CString RemoveExtension();

private:
    std::string Text() const;
    void SetText(const std::string& text) { text_ = text.c_str(); }
    template <class Convert> int ConvertFrom(int position, Convert convert) const;

    CString text_;
};

}  // namespace zr
