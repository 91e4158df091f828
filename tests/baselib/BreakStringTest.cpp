#include "baselib/BreakString.h"
#include "convert/except/zrException.h"
#include "tests/convert/LogCapture.h"

#include <gtest/gtest.h>

#include <string>

using zr::CBreakString;
using zr::CString;

namespace {

TEST(CBreakString, NumberThenWordFromALine)
{
    CBreakString line;
    line = " 12.5 abc";
    double value = 0;
    line.BreakDouble(value);
    EXPECT_EQ(value, 12.5);
    EXPECT_STREQ(line, " abc");
    CString word("old");
    line.BreakText(word);
    EXPECT_STREQ(word, "abc");
    EXPECT_TRUE(line.IsEmpty());
    EXPECT_STREQ(line, "");
    line.BreakText(word);
    EXPECT_STREQ(word, "");
}

struct BreakCase {
    const char* text;
    bool integer;
    double value;
    const char* remaining;
    const char* error;   // nullptr: no error
};

TEST(CBreakString, BreakNumberTable)
{
    const BreakCase cases[] = {
        {"42 x", true, 42, " x", nullptr},
        {"  -7,3", true, -7, ",3", nullptr},
        {"+5", true, 5, "", nullptr},
        {"x1", true, 0, "x1", "Illegal Character in Integer\r\nError Converting x1 to an integer\r\n"},
        {".5", true, 0, ".5", "Illegal Character in Integer\r\nError Converting .5 to an integer\r\n"},
        {"   ", true, 0, "", "Missing Integer in String\r\nError Converting  to an integer\r\n"},
        {"99999999999 ", true, 0, "99999999999 ",
         "Integer Out Of Range\r\nError Converting 99999999999  to an integer\r\n"},
        {" 12.5 abc", false, 12.5, " abc", nullptr},
        {"-.5x", false, -0.5, "x", nullptr},
        {"\t3.", false, 3, "", nullptr},
        {"abc", false, 0, "abc", "Illegal Character in Double\r\nError Converting abc to a double\r\n"},
        {"", false, 0, "", "Missing Double\r\nError Converting  to a double\r\n"},
    };
    for (const BreakCase& c : cases) {
        CBreakString line;
        line = c.text;
        double value = -1;
        std::string error;
        try {
            if (c.integer) {
                int n = -1;
                line.BreakInteger(n);
                value = n;
            } else {
                line.BreakDouble(value);
            }
        } catch (const CNumericConversionException& e) {
            error = e.GetMessage();
        }
        EXPECT_EQ(error, c.error ? c.error : "") << c.text;
        if (!c.error) {
            EXPECT_EQ(value, c.value) << c.text;
        }
        EXPECT_STREQ(line, c.remaining) << c.text;
    }
}

TEST(CBreakString, CopyKeepsTheStartAssignmentTakesTheRemainingText)
{
    CBreakString line;
    line = "ab cd";
    line.Break(3);
    const CBreakString copy(line);
    EXPECT_EQ(copy.GetStartIndex(), 3);
    EXPECT_EQ(copy.GetAbsoluteLength(), 5);
    CBreakString assigned;
    assigned = line;
    EXPECT_EQ(assigned.GetStartIndex(), 0);
    EXPECT_EQ(assigned.GetAbsoluteLength(), 2);
    EXPECT_STREQ(assigned, "cd");
    line = 'x';   // one character replaces the text and rewinds
    EXPECT_EQ(line.GetStartIndex(), 0);
    EXPECT_STREQ(line, "x");
    line = CString("pq");
    EXPECT_STREQ(line, "pq");
    line = L"w";
    EXPECT_STREQ(line, "w");
    line.Empty();
    EXPECT_EQ(line.GetAbsoluteLength(), 0);
}

TEST(CBreakString, CharactersAreThoseOfTheRemainingText)
{
    LogCapture log;
    CBreakString line;
    line = "abcd";
    line.Break(2);
    EXPECT_EQ(line.GetLength(), 2);
    EXPECT_EQ(line.GetAt(0), 'c');
    EXPECT_EQ(line[1], 'd');
    EXPECT_EQ(log.Messages().size(), 0u);
    EXPECT_EQ(line.GetAt(-1), 0);   // would be 'b' in the whole text
    EXPECT_EQ(line.GetAt(2), 0);
    EXPECT_EQ(log.Messages(), (std::vector<std::string>{"CStringData::GetAt Error", "CStringData::GetAt Error"}));
}

TEST(CBreakString, SearchesTable)
{
    CBreakString line;
    line = "xaab;c,";
    line.Break(1);
    EXPECT_EQ(line.FindDelimit(",;"), 3);
    EXPECT_EQ(line.FindDelimit("#"), -1);
    EXPECT_EQ(line.FindDelimit(nullptr), -1);
    EXPECT_EQ(line.FindTCharString("ab"), 1);
    EXPECT_EQ(line.FindTCharString(""), 0);
    EXPECT_EQ(line.FindTCharString("x"), -1);
    EXPECT_TRUE(CBreakString::CompareCharToDelimits(",;", ';'));
    EXPECT_FALSE(CBreakString::CompareCharToDelimits(",;", '\0'));
    const char* texts[] = {"zz", "c", "a"};
    int which = 7;
    EXPECT_EQ(line.FindTCharStrings(texts, 3, which), 4);
    EXPECT_EQ(which, 1);
    EXPECT_EQ(line.FindTCharStrings(texts, 1, which), -1);
    EXPECT_EQ(which, -1);
}

TEST(CBreakString, BreakTable)
{
    struct Case {
        int count;
        const char* piece;
        int start;
        std::vector<std::string> log;
    };
    const Case steps[] = {
        {2, "AB", 2, {}}, {-1, "", 2, {"Count Error"}}, {10, "CDEF", 6, {}}, {1, "", 6, {"Length Error"}},
    };
    CBreakString line;
    line = "ABCDEF";
    for (const Case& step : steps) {
        LogCapture log;
        EXPECT_STREQ(line.Break(step.count), step.piece) << step.count;
        EXPECT_EQ(line.GetStartIndex(), step.start) << step.count;
        EXPECT_EQ(log.Messages(), step.log) << step.count;
    }
    EXPECT_TRUE(line.IsEmpty());
}

TEST(CBreakString, TrimStopsAtTheEnd)
{
    CBreakString line;
    line = " \t\r\n";
    line.TrimLeft();
    EXPECT_EQ(line.GetStartIndex(), 4);
    line.TrimWhiteSpace();
    EXPECT_EQ(line.GetStartIndex(), 4);
}

TEST(CBreakString, ConvertPathTable)
{
    const std::pair<const char*, const char*> cases[] = {
        {"a/b", "a_b"},
        {"a/b/c", "a_b/c"},
        {"1234567890", "1234567890"},
        {"ABCDEFGHIJKL", "BCDEFGHIJK"},   // longer than 10: positions 1 to 10
        {"W12/X26ABCD", "12_X26ABCD"},
        {"", ""},
    };
    for (const auto& [text, converted] : cases) {
        CString path(text);
        EXPECT_STREQ(CBreakString::ConvertPath(path), converted) << text;
        EXPECT_STREQ(path, converted) << text;
    }
}

}  // namespace
