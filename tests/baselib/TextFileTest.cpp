#include "baselib/TextFile.h"
#include "convert/except/zrException.h"
#include "tests/baselib/TempFolder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using zr::CBreakString;
using zr::CFile;
using zr::CString;
using zr::CTextFile;

namespace {

struct Line {
    int result;
    std::string text;
};

struct ReadLineCase {
    const char* name;
    std::string bytes;
    std::vector<Line> lines;   // what each ReadLine gives before the final 0
    int lineNumber;            // after the last ReadLine
};

TEST(CTextFile, ReadLineTable)
{
    const std::string longLine(300, 'x');
    const ReadLineCase cases[] = {
        {"CR-LF", "ab\r\ncd\r\n", {{3, "ab"}, {3, "cd"}}, 2},
        {"LF", "ab\ncd\n", {{3, "ab"}, {3, "cd"}}, 2},
        {"lone CR keeps the next character", "ab\rcd\r", {{3, "ab"}, {3, "cd"}}, 2},
        {"no final line break", "ab\r\ncd", {{3, "ab"}, {3, "cd"}}, 1},
        {"empty file", "", {}, 0},
        {"empty lines", "\r\n\n\r", {{1, ""}, {1, ""}, {1, ""}}, 3},
        {"CR before CR-LF", "a\r\r\nb", {{2, "a"}, {1, ""}, {2, "b"}}, 2},
        {"LF then CR", "a\n\rb", {{2, "a"}, {1, ""}, {2, "b"}}, 2},
        {"a line over 255 characters", longLine + "\r\ny", {{301, longLine}, {2, "y"}}, 1},
    };
    TempFolder folder;
    for (const ReadLineCase& c : cases) {
        const std::string path = folder.Write("lines.txt", c.bytes);
        CTextFile file;
        ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead)) << c.name;
        CBreakString line;
        for (const Line& expected : c.lines) {
            EXPECT_EQ(file.ReadLine(line), expected.result) << c.name;
            EXPECT_STREQ(line, expected.text.c_str()) << c.name;
        }
        line = "stale";
        EXPECT_EQ(file.ReadLine(line), 0) << c.name;
        EXPECT_STREQ(line, "") << c.name;
        EXPECT_EQ(file.GetLineNumber(), c.lineNumber) << c.name;
    }
}

// One read of a sequence: the operation, its result, and the value, text or error it gives.
enum class Op { Double, Integer, Text, Line };

struct Step {
    Op op;
    int result;
    std::string value;   // the value or text read; for an error the message less the file part
    int errorLine = 0;   // nonzero: the read throws, naming this line
};

struct SequenceCase {
    const char* name;
    std::string bytes;
    std::vector<Step> steps;
};

std::string Show(double value)
{
    std::ostringstream out;
    out << value;
    return out.str();
}

TEST(CTextFile, ReadSequenceTable)
{
    const std::string digits24 = "123456789012345678901234";
    const SequenceCase cases[] = {
        {"numbers and fields",
         "12.5,7\r\n-3 x",
         {{Op::Double, 4, "12.5"},        // the comma is consumed
          {Op::Double, 1, "7"},           // the line break is left
          {Op::Line, 1, ""},
          {Op::Integer, 0, "99"},         // '-' is not a digit: 0, value untouched
          {Op::Double, 1, "3"},
          {Op::Text, 1, "x"},
          {Op::Double, 0, "0"}}},
        {"-3 read as a double", "-3", {{Op::Double, 2, "-3"}}},
        {"a letter where a number belongs", "abc", {{Op::Double, 0, "Unexpected Character", 1}}},
        {"line numbers over CR-LF", "1\r\n2\r\n\r\n  x",
         {{Op::Double, 1, "1"}, {Op::Double, 1, "2"}, {Op::Double, 0, "Unexpected Character", 4}}},
        {"line numbers over LF", "1\n2\n\n  x",
         {{Op::Double, 1, "1"}, {Op::Double, 1, "2"}, {Op::Double, 0, "Unexpected Character", 4}}},
        {"a double of 25 characters", digits24 + "5", {{Op::Double, 0, "Double String Too Long", 1}}},
        {"an integer of 25 digits", digits24 + "5", {{Op::Integer, 0, "99"}}},
        {"an integer too large for its type", digits24, {{Op::Integer, 0, "99"}}},
        {"a double of 24 characters", "1.2345678901234567890123", {{Op::Double, 24, Show(1.2345678901234567890123)}}},
        {"an integer then its line break", "7\nnext", {{Op::Integer, 1, "7"}, {Op::Line, 1, ""}, {Op::Text, 4, "next"}}},
        {"delimited fields", "a,b c\r\nd",
         {{Op::Text, 1, "a"}, {Op::Text, 1, "b"}, {Op::Text, 1, "c"}, {Op::Text, 1, "d"}, {Op::Text, 0, ""}}},
    };
    TempFolder folder;
    for (const SequenceCase& c : cases) {
        const std::string path = folder.Write("data.txt", c.bytes);
        CTextFile file;
        ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead)) << c.name;
        for (const Step& step : c.steps) {
            std::string value;
            int result = -1;
            try {
                if (step.op == Op::Double) {
                    double d = 99;
                    result = file.ReadDouble(d);
                    value = Show(d);
                } else if (step.op == Op::Integer) {
                    int n = 99;
                    result = file.ReadInteger(n);
                    value = std::to_string(n);
                } else if (step.op == Op::Text) {
                    CString text("stale");
                    result = file.ReadText(text);
                    value = text;
                } else {
                    CBreakString line;
                    result = file.ReadLine(line);
                    value = line;
                }
            } catch (const CNumericConversionException& e) {
                value = e.GetMessage();
                result = 0;
            }
            const std::string expected = step.errorLine == 0
                ? step.value
                : step.value + "\r\nConversion error in file " + path + " on line " +
                      std::to_string(step.errorLine) + "\r\n";
            EXPECT_EQ(value, expected) << c.name;
            EXPECT_EQ(result, step.result) << c.name;
        }
    }
}

TEST(CTextFile, OpenStartsCountingAgain)
{
    TempFolder folder;
    const std::string path = folder.Write("a.txt", "1\n2\n");
    CTextFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead));
    CBreakString line;
    file.ReadLine(line);
    file.ReadLine(line);
    EXPECT_EQ(file.GetLineNumber(), 2);
    file.Close();
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead));
    EXPECT_EQ(file.GetLineNumber(), 0);
    EXPECT_EQ(file.SkipWhiteSpace(), 0);   // on '1' already
    int n = 0;
    EXPECT_EQ(file.ReadInteger(n), 1);
    EXPECT_EQ(file.SkipWhiteSpace(), 1);
    EXPECT_EQ(file.GetLineNumber(), 1);
    EXPECT_EQ(file.ReadInteger(n), 1);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(file.SkipWhiteSpace(), 0);   // only white space up to the end
    EXPECT_EQ(file.GetLineNumber(), 2);
}

}  // namespace
