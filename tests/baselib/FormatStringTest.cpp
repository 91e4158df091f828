#include "baselib/FieldString.h"
#include "baselib/FormatString.h"
#include "convert/except/zrException.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using zr::CFieldString;
using zr::CFormatString;
using zr::CString;

namespace {

struct FormatOp {
    const char* name;
    const char* initial;
    std::function<std::string(CFormatString&)> run;
    std::string result;
    const char* after;
};

std::string Hit(bool found, int position)
{
    return (found ? "hit " : "miss ") + std::to_string(position);
}

template <class Search> std::string Searched(int position, Search search)
{
    const bool found = search(position);
    return Hit(found, position);
}

TEST(CFormatString, OperationsTable)
{
    const char* texts[] = {"x", "b"};
    const FormatOp ops[] = {
        {"FindDelimit", "a,b,c", [](CFormatString& s) { return Searched(2, [&](int& p) { return s.FindDelimit(",", p); }); }, "hit 3", "a,b,c"},
        {"FindDelimit none", "a,b,c", [](CFormatString& s) { return Searched(4, [&](int& p) { return s.FindDelimit(",", p); }); }, "miss 4", "a,b,c"},
        {"FindDelimitReverse", "a,b,c", [](CFormatString& s) { return Searched(2, [&](int& p) { return s.FindDelimitReverse(",", p); }); }, "hit 1", "a,b,c"},
        {"FindDelimitReverse past the end", "a,b,c", [](CFormatString& s) { return Searched(9, [&](int& p) { return s.FindDelimitReverse(",", p); }); }, "miss 9", "a,b,c"},
        {"FindTCharString", "aab", [](CFormatString& s) { return Searched(0, [&](int& p) { return s.FindTCharString("ab", p); }); }, "hit 1", "aab"},
        {"FindTCharString from past it", "aab", [](CFormatString& s) { return Searched(2, [&](int& p) { return s.FindTCharString("ab", p); }); }, "miss 2", "aab"},
        {"FindTCharStrings", "aab", [&](CFormatString& s) { int p = 0; const int i = s.FindTCharStrings(texts, 2, p); return Hit(i == 1, p); }, "hit 2", "aab"},
        {"RemoveChars", "1-2-3", [](CFormatString& s) { s.RemoveChars('-'); return ""; }, "", "123"},
        {"RemoveTrailing", "1.500", [](CFormatString& s) { s.RemoveTrailing('0'); return ""; }, "", "1.5"},
        {"RemoveTrailing all", "000", [](CFormatString& s) { s.RemoveTrailing('0'); return ""; }, "", ""},
        {"AddLeadingChars", "7", [](CFormatString& s) { s.AddLeadingChars(3, '0'); s.AddLeadingChars(-2, '0'); return ""; }, "", "0007"},
        {"AddTrailingChars", "ab", [](CFormatString& s) { s.AddTrailingChars(2, '.'); s.AddTrailingChars(0, '.'); return ""; }, "", "ab.."},
        {"RemoveLeadingChars", "abcd", [](CFormatString& s) { s.RemoveLeadingChars(2); return ""; }, "", "cd"},
        {"RemoveLeadingChars all", "abcd", [](CFormatString& s) { s.RemoveLeadingChars(4); return ""; }, "", ""},
        {"RemoveLeadingChars too many", "abcd", [](CFormatString& s) { s.RemoveLeadingChars(5); s.RemoveLeadingChars(0); return ""; }, "", "abcd"},
        {"FillArea", "abcd", [](CFormatString& s) { return std::to_string(s.FillArea(1, 2, '*')); }, "1", "a**d"},
        {"FillArea past the end", "abcd", [](CFormatString& s) { return std::to_string(s.FillArea(3, 2, '*')); }, "0", "abcd"},
        {"FillArea before the start", "abcd", [](CFormatString& s) { return std::to_string(s.FillArea(-1, 1, '*')); }, "0", "abcd"},
        {"FillArea at the end", "abcd", [](CFormatString& s) { return std::to_string(s.FillArea(4, 1, '*')); }, "0", "abcd"},
        {"FillArea nothing", "abcd", [](CFormatString& s) { return std::to_string(s.FillArea(9, 0, '*')); }, "1", "abcd"},
        {"Insert at the front", "ab", [](CFormatString& s) { return std::to_string(s.Insert(0, 'x')); }, "1", "xab"},
        {"Insert at the end", "ab", [](CFormatString& s) { return std::to_string(s.Insert(2, 'x')); }, "1", "abx"},
        {"Insert past the end", "ab", [](CFormatString& s) { return std::to_string(s.Insert(3, 'x')) + std::to_string(s.Insert(-1, 'x')); }, "00", "ab"},
        {"ReplaceArea", "abcd", [](CFormatString& s) { return std::to_string(s.ReplaceArea("XYZ", 1, 2)); }, "1", "aXYd"},
        {"ReplaceArea padded", "abcd", [](CFormatString& s) { return std::to_string(s.ReplaceArea("X", 1, 3)); }, "1", "aX  "},
        {"ReplaceArea reversed", "abcd", [](CFormatString& s) { return std::to_string(s.ReplaceArea("X", 2, 1)); }, "0", "abcd"},
        {"ReplaceArea past the end", "abcd", [](CFormatString& s) { return std::to_string(s.ReplaceArea("X", 1, 4)); }, "0", "abcd"},
        {"ConvertDouble", "ab12.5x", [](CFormatString& s) { double v; const int n = s.ConvertDouble(2, v); return std::to_string(n) + " " + std::to_string(v); }, "4 12.500000", "ab12.5x"},
        {"ConvertDouble past the end", "ab", [](CFormatString& s) { double v; return std::to_string(s.ConvertDouble(3, v)); }, "-1", "ab"},
        {"ConvertInteger", "ab-12x", [](CFormatString& s) { int v; const int n = s.ConvertInteger(2, v); return std::to_string(n) + " " + std::to_string(v); }, "3 -12", "ab-12x"},
        {"ConvertInteger overflow", "99999999999", [](CFormatString& s) { int v = 5; const int n = s.ConvertInteger(0, v); return std::to_string(n) + " " + std::to_string(v); }, "-1 0", "99999999999"},
        {"BreakDouble", "12.5,7", [](CFormatString& s) { double v; const int n = s.BreakDouble(v); return std::to_string(n) + " " + std::to_string(v); }, "4 12.500000", ",7"},
        {"BreakDouble nothing", "x", [](CFormatString& s) { double v; return std::to_string(s.BreakDouble(v)); }, "0", "x"},
        {"BreakInteger", "-3 4", [](CFormatString& s) { int v; const int n = s.BreakInteger(v); return std::to_string(n) + " " + std::to_string(v); }, "2 -3", " 4"},
        {"BreakInteger overflow", "123456789012345", [](CFormatString& s) { int v; return std::to_string(s.BreakInteger(v)); }, "-1", "123456789012345"},
        {"GetBetweenParens", "(12)X", [](CFormatString& s) { CString r("old"); int p = 0; s.GetBetweenParens(r, p); return std::string(r) + " " + std::to_string(p); }, "12 4", "(12)X"},
        {"GetBetweenParens unclosed", "(12", [](CFormatString& s) { CString r; int p = 0; s.GetBetweenParens(r, p); return std::string(r) + " " + std::to_string(p); }, "12 3", "(12"},
        {"GetBetweenParens inside", "X(1)", [](CFormatString& s) { CString r; int p = 1; s.GetBetweenParens(r, p); return std::string(r) + " " + std::to_string(p); }, "1 4", "X(1)"},
        {"GetBetweenParens no paren", "X(1)", [](CFormatString& s) { CString r("old"); int p = 0; s.GetBetweenParens(r, p); return std::string(r) + " " + std::to_string(p); }, " 0", "X(1)"},
        {"RemoveExtension", "PART.PRT.BAK", [](CFormatString& s) { return std::string(s.RemoveExtension()); }, ".PRT.BAK", "PART"},
        {"RemoveExtension none", "PART", [](CFormatString& s) { return std::string(s.RemoveExtension()); }, "", "PART"},
    };
    for (const FormatOp& op : ops) {
        CFormatString s(op.initial);
        EXPECT_EQ(op.run(s), op.result) << op.name;
        EXPECT_STREQ(s, op.after) << op.name;
    }
}

TEST(CFieldString, ConvertsTheTrimmedField)
{
    CFieldString field("  42  ");
    int n = 0;
    EXPECT_EQ(field.ConvertToInteger(n), 2);
    EXPECT_EQ(n, 42);
    EXPECT_STREQ(field, "42");
    field = " 2.5x ";
    double d = 0;
    EXPECT_EQ(field.ConvertToDouble(d), 3);
    EXPECT_EQ(d, 2.5);
    EXPECT_STREQ(field, "2.5x ");
    field = '7';
    EXPECT_EQ(field.ConvertToInteger(n), 1);
    EXPECT_EQ(n, 7);
    field = L"-3";
    const CFieldString copy(field);
    EXPECT_STREQ(copy, "-3");
    field = "99999999999";
    EXPECT_THROW(field.ConvertToInteger(n), CNumericConversionException);
}

}  // namespace
