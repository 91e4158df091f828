#include "baselib/String.h"
#include "baselib/StringTable.h"
#include "tests/convert/LogCapture.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

using zr::CString;

namespace {

std::string Show(const CString& s)
{
    const char* text = s;
    if (!text)
        return "null";
    std::string quoted = "\"";
    quoted += text;
    quoted += '"';
    return quoted;
}

struct StringOp {
    const char* name;
    const char* initial;   // nullptr: a null string
    std::function<std::string(CString&)> run;
    std::string result;
    std::string after;     // as Show() writes it
    std::vector<std::string> log;
};

std::string Num(int n) { return std::to_string(n); }

const std::vector<StringOp>& StringOps()
{
    static const std::vector<StringOp> ops = {
        {"GetLength of null", nullptr, [](CString& s) { return Num(s.GetLength()) + Num(s.IsEmpty()); }, "01", "null", {}},
        {"GetLength of empty", "", [](CString& s) { return Num(s.GetLength()) + Num(s.IsEmpty()); }, "01", "\"\"", {}},
        {"GetAt inside", "ABC", [](CString& s) { return std::string(1, s.GetAt(1)); }, "B", "\"ABC\"", {}},
        {"GetAt at the end", "ABC", [](CString& s) { return Num(s.GetAt(3)); }, "0", "\"ABC\"", {"CStringData::GetAt Error"}},
        {"operator[] below 0", "ABC", [](CString& s) { return Num(s[-1]); }, "0", "\"ABC\"", {"CStringData::GetAt Error"}},
        {"GetAt of null", nullptr, [](CString& s) { return Num(s.GetAt(0)); }, "0", "null", {"CStringData::GetAt Error"}},
        {"SetAt inside", "ABC", [](CString& s) { s.SetAt(1, 'x'); return ""; }, "", "\"AxC\"", {}},
        {"SetAt at the end", "ABC", [](CString& s) { s.SetAt(3, 'x'); return ""; }, "", "\"ABC\"", {"CString Error"}},
        {"SetAt below 0", "ABC", [](CString& s) { s.SetAt(-1, 'x'); return ""; }, "", "\"ABC\"", {"CString Error"}},
        {"SetAt of null", nullptr, [](CString& s) { s.SetAt(0, 'x'); return ""; }, "", "null", {"CStringData::SetAt Error"}},
        {"Find char", "ABCB", [](CString& s) { return Num(s.Find('B')) + Num(s.Find('Z')); }, "1-1", "\"ABCB\"", {}},
        {"Find char in null", nullptr, [](CString& s) { return Num(s.Find('B')); }, "-1", "null", {"CStringData::Find Error"}},
        {"FindOneOf", "ABC", [](CString& s) { return Num(s.FindOneOf("CB")) + Num(s.FindOneOf("xy")); }, "1-1", "\"ABC\"", {}},
        {"FindOneOf in null", nullptr, [](CString& s) { return Num(s.FindOneOf("CB")); }, "-1", "null", {"CStringData::FindOneOf Error"}},
        {"Find text", "ABCBC", [](CString& s) { return Num(s.Find("BC")) + Num(s.Find("CA")); }, "1-1", "\"ABCBC\"", {}},
        {"Find text in null", nullptr, [](CString& s) { return Num(s.Find("B")); }, "-1", "null", {}},
        {"ReverseFind", "ABA", [](CString& s) { return Num(s.ReverseFind('A')) + Num(s.ReverseFind('Z')); }, "2-1", "\"ABA\"", {}},
        {"ReverseFind in null", nullptr, [](CString& s) { return Num(s.ReverseFind('A')); }, "-1", "null", {}},
        {"MakeUpper", "a\xe7z\xff", [](CString& s) { s.MakeUpper(); return ""; }, "", "\"A\xc7Z\x9f\"", {}},
        {"MakeLower", "A\xc7\xd7Z", [](CString& s) { s.MakeLower(); return ""; }, "", "\"a\xe7\xd7z\"", {}},
        {"MakeReverse", "ABC", [](CString& s) { s.MakeReverse(); return ""; }, "", "\"CBA\"", {}},
        {"MakeUpper of null", nullptr, [](CString& s) { s.MakeUpper(); return ""; }, "", "null",
         {"CStringData::CopyOf Error", "CStringData::MakeUpper Error"}},
        {"MakeLower of null", nullptr, [](CString& s) { s.MakeLower(); return ""; }, "", "null",
         {"CStringData::CopyOf Error", "CStringData::MakeLower Error"}},
        {"MakeReverse of null", nullptr, [](CString& s) { s.MakeReverse(); return ""; }, "", "null",
         {"CStringData::CopyOf Error", "CStringData::MakeReverse Error"}},
        {"TrimRight", " ab \t\r\n", [](CString& s) { s.TrimRight(); return ""; }, "", "\" ab\"", {}},
        {"TrimRight of null", nullptr, [](CString& s) { s.TrimRight(); return ""; }, "", "null", {"String Error"}},
        {"TrimLeft", "  X ", [](CString& s) { return Num(s.TrimLeft()); }, "2", "\"X \"", {}},
        {"TrimLeft of blanks", " \t", [](CString& s) { return Num(s.TrimLeft()); }, "2", "\"\"", {}},
        {"TrimLeft of null", nullptr, [](CString& s) { return Num(s.TrimLeft()); }, "0", "null", {"String Error"}},
        {"Mid past the end clamps", "ABC", [](CString& s) { return Show(s.Mid(1, 10)); }, "\"BC\"", "\"ABC\"", {}},
        {"Mid with a huge count", "ABC", [](CString& s) { return Show(s.Mid(1, INT_MAX)); }, "\"BC\"", "\"ABC\"", {}},
        {"Mid from below 0", "ABC", [](CString& s) { return Show(s.Mid(-5, 2)); }, "\"AB\"", "\"ABC\"", {}},
        {"Mid to the end", "ABC", [](CString& s) { return Show(s.Mid(1)); }, "\"BC\"", "\"ABC\"", {}},
        {"Mid at the length", "ABC", [](CString& s) { return Show(s.Mid(3)); }, "\"\"", "\"ABC\"", {"Length Error"}},
        {"Mid far past the end", "ABC", [](CString& s) { return Show(s.Mid(INT_MAX, INT_MAX)); }, "\"\"", "\"ABC\"", {"Length Error"}},
        {"Mid of null", nullptr, [](CString& s) { return Show(s.Mid(0, 1)); }, "\"\"", "null", {"Length Error"}},
        {"Mid of count 0", "ABC", [](CString& s) { return Show(s.Mid(1, 0)); }, "\"\"", "\"ABC\"", {"Count Error"}},
        {"Left", "ABC", [](CString& s) { return Show(s.Left(2)) + Show(s.Left(10)); }, "\"AB\"\"ABC\"", "\"ABC\"", {}},
        {"Left 0", "ABC", [](CString& s) { return Show(s.Left(0)); }, "\"\"", "\"ABC\"", {"Count Error"}},
        {"Right", "ABC", [](CString& s) { return Show(s.Right(2)) + Show(s.Right(-1)); }, "\"BC\"\"\"", "\"ABC\"", {"Length Error"}},
        {"Right 0", "ABC", [](CString& s) { return Show(s.Right(0)); }, "\"\"", "\"ABC\"", {"Length Error"}},
        {"Empty of null", nullptr, [](CString& s) { s.Empty(); return ""; }, "", "\"\"", {}},
        {"assign a character", nullptr, [](CString& s) { s = 'q'; return ""; }, "", "\"q\"", {}},
        {"append to null", nullptr, [](CString& s) { s += "ab"; s += 'c'; s += CString(); return ""; }, "", "\"abc\"", {}},
        {"Compare", "abc", [](CString& s) { return Num(s.Compare("abd")) + Num(s.Compare("abc")) + Num(s.Compare("ab")) + Num(s.Compare(nullptr)); }, "-101" "1", "\"abc\"", {}},
        {"Compare of null", nullptr, [](CString& s) { return Num(s.Compare("")) + Num(s.Compare(nullptr)); }, "-10", "null", {}},
        {"Compare bytes above 0x7F", "\xe9", [](CString& s) { return Num(s.Compare("z")); }, "1", "\"\xe9\"", {}},
        {"CompareNoCase", "Ab\xc4", [](CString& s) { return Num(s.CompareNoCase("aB\xe4")) + Num(s.CompareNoCase("AC")) + Num(s.CompareNoCase(nullptr)); }, "0-11", "\"Ab\xc4\"", {}},
        {"CompareNoCase of null", nullptr, [](CString& s) { return Num(s.CompareNoCase("a")) + Num(s.CompareNoCase(nullptr)); }, "-10", "null", {}},
        {"Collate", "a", [](CString& s) { return Num(s.Collate("b")) + Num(s.Collate("a")); }, "-10", "\"a\"", {}},
        {"Collate of null", nullptr, [](CString& s) { return Num(s.Collate("b")); }, "0", "null", {}},
    };
    return ops;
}

TEST(CString, OperationsTable)
{
    for (const StringOp& op : StringOps()) {
        LogCapture log;
        CString s = op.initial;
        EXPECT_EQ(op.run(s), op.result) << op.name;
        EXPECT_EQ(Show(s), op.after) << op.name;
        EXPECT_EQ(log.Messages(), op.log) << op.name;
        for (const LogEntry& e : log.Entries())
            EXPECT_EQ(e.source, "ZRString") << op.name;
    }
}

TEST(CString, NullEmptyAndTextStates)
{
    CString s;
    EXPECT_EQ(static_cast<const char*>(s), nullptr);
    s.Empty();
    ASSERT_NE(static_cast<const char*>(s), nullptr);
    EXPECT_STREQ(s, "");
    EXPECT_EQ(static_cast<const char*>(CString(static_cast<const char*>(nullptr))), nullptr);
    const CString copy = CString("abc");
    CString other = copy;
    other.SetAt(0, 'x');
    EXPECT_STREQ(copy, "abc");
    EXPECT_STREQ(other, "xbc");
}

TEST(CString, ComparisonOperatorsReverseTheSenseForTextOnTheLeft)
{
    const CString a("a"), b("b"), null;
    EXPECT_TRUE(a == "a");
    EXPECT_TRUE("a" == a);
    EXPECT_TRUE(a != b);
    EXPECT_TRUE(a < b);
    EXPECT_TRUE(a < "b");
    EXPECT_TRUE("b" > a);
    EXPECT_TRUE("a" <= a);
    EXPECT_TRUE(b >= "a");
    EXPECT_FALSE("a" < a);
    EXPECT_TRUE(null == CString());
    EXPECT_TRUE(null < "");
    EXPECT_TRUE(CString("") > null);
}

TEST(CString, Concatenation)
{
    EXPECT_STREQ(CString("a") + "b", "ab");
    EXPECT_STREQ("a" + CString("b"), "ab");
    EXPECT_STREQ(CString("a") + CString("b"), "ab");
    const CString none = CString() + CString();
    ASSERT_NE(static_cast<const char*>(none), nullptr);
    EXPECT_STREQ(none, "");
}

TEST(CString, WideAndUnsignedTextConvertThroughWindows1252)
{
    const CString fromWide(L"Ab\u20ac\u00e9\u4e2d");
    EXPECT_STREQ(fromWide, "Ab\x80\xe9?");
    EXPECT_EQ(fromWide.AllocSysString(), L"Ab\u20ac\u00e9?");
    CString s;
    s = L"\u0160";
    EXPECT_STREQ(s, "\x8a");
    const unsigned char bytes[] = {0x41, 0x9F, 0};
    s = bytes;
    EXPECT_EQ(s.AllocSysString(), L"A\u0178");
    EXPECT_EQ(static_cast<const char*>(CString(static_cast<const wchar_t*>(nullptr))), nullptr);
    EXPECT_EQ(CString().AllocSysString(), L"");
}

TEST(CString, GetBufferHoldsTheTextAndAtLeastTheMinimum)
{
    CString s("ABC");
    char* buffer = s.GetBuffer(10);
    EXPECT_STREQ(buffer, "ABC");
    std::memcpy(buffer, "0123456789", 11);   // the whole buffer: 10 characters and the zero
    s.ReleaseBuffer();
    EXPECT_STREQ(s, "0123456789");
    buffer = s.GetBuffer(0);                 // the text's length is the floor
    std::memset(buffer, 'z', 10);
    s.ReleaseBuffer();
    EXPECT_STREQ(s, "zzzzzzzzzz");
}

TEST(CString, GetBufferAskedAgainGrowsTheBufferItHandedOut)
{
    CString s("AB");
    s.GetBuffer(2);
    char* buffer = s.GetBuffer(20);
    EXPECT_STREQ(buffer, "AB");
    std::memset(buffer, 'q', 20);
    s.ReleaseBuffer();
    EXPECT_EQ(s.GetLength(), 20);
}

TEST(CString, ReleaseBufferLengthTable)
{
    struct Case {
        int length;
        const char* text;
        std::vector<std::string> log;
    };
    const Case cases[] = {
        {-1, "ABCD", {}}, {2, "AB", {}}, {4, "ABCD", {}}, {0, "", {}}, {100, "ABCD", {}},
        {-5, "ABCD", {"CString Error"}}, {INT_MIN, "ABCD", {"CString Error"}},
    };
    for (const Case& c : cases) {
        LogCapture log;
        CString s;
        std::memcpy(s.GetBuffer(4), "ABCD", 5);
        s.ReleaseBuffer(c.length);
        EXPECT_STREQ(s, c.text) << c.length;
        EXPECT_EQ(log.Messages(), c.log) << c.length;
    }
}

TEST(CString, ReleaseBufferReadsNoFurtherThanTheBuffer)
{
    CString s("ABCDEF");
    char* buffer = s.GetBufferSetLength(3);
    EXPECT_STREQ(buffer, "ABC");
    std::memset(buffer, 'X', 4);             // overwrites the terminating zero too
    s.ReleaseBuffer();
    EXPECT_STREQ(s, "XXXX");
    s.ReleaseBuffer();                       // no buffer out: nothing happens
    EXPECT_STREQ(s, "XXXX");
}

TEST(CString, GetBufferSetLengthMisuseIsLogged)
{
    LogCapture log;
    CString s("ABC");
    EXPECT_EQ(s.GetBufferSetLength(-1), nullptr);
    ASSERT_NE(s.GetBufferSetLength(5), nullptr);
    EXPECT_EQ(s.GetBufferSetLength(5), nullptr);
    EXPECT_EQ(log.Messages(), (std::vector<std::string>{"CString Error", "CString::GetBuffer Error"}));
    const CString copy = s;                   // a copy takes the text, not the buffer
    s.ReleaseBuffer();
    EXPECT_STREQ(s, "ABC");
    EXPECT_STREQ(copy, "ABC");
}

TEST(CString, FormatMessageTable)
{
    CString s;
    const auto format = [&](auto... args) {
        s.FormatMessage(args...);
        return std::string(s);
    };
    EXPECT_EQ(format("%1 and %2", 5, "x"), "5 and x");
    EXPECT_EQ(format("%2!d!-%1!s!", "a", 7), "7-a");
    EXPECT_EQ(format("[%1!5.2f!]", 3.14159), "[ 3.14]");
    EXPECT_EQ(format("%1!04x! %1!lu! %1!+d!", 255u), "00ff 255 +255");
    EXPECT_EQ(format("%1!c!%2!-3s!|", 'A', CString("z")), "Az  |");
    EXPECT_EQ(format("100%% done%n"), "100% done\r\n");
    EXPECT_EQ(format("%1!d!", "text"), "text");          // a mismatched type is inserted plainly
    EXPECT_EQ(format("%1!*d!|%1!99999d!|%2!05s!|%2!#s!", 5, "t"), "5|5|t|t");   // refused formats likewise
    EXPECT_EQ(format("%1!s!", 2.5), "2.5");
    EXPECT_EQ(format("<%3>", 1), "<>");
    EXPECT_EQ(format("%10", 1, 2, 3, 4, 5, 6, 7, 8, 9, 10), "10");
    EXPECT_EQ(format("50%", 1), "50%");
}

TEST(CString, LoadStringReadsTheLibraryStringTable)
{
    CString s("keep");
    EXPECT_FALSE(s.LoadString(99));
    EXPECT_STREQ(s, "keep");
    EXPECT_TRUE(s.LoadString(zr::IDS_CONVERSION_ERROR_IN_FILE));
    EXPECT_STREQ(s, "Conversion error in file");
    EXPECT_TRUE(s.FormatMessage(zr::IDS_ON_LINE));
    EXPECT_STREQ(s, "on line");
    EXPECT_FALSE(s.FormatMessage(0u, 1));
}

}  // namespace
