#include "fw/core/StringTable.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatString, SubstitutesNumberedInserts)
{
    struct Case { const char* format; std::initializer_list<std::string_view> args; const char* expected; };
    const Case cases[] = {
        {"ERROR: %1 -- On File %2", {"Disk Full", "C:\\a.rec"}, "ERROR: Disk Full -- On File C:\\a.rec"},
        {"%2%1%2", {"a", "b"}, "bab"},
        {"%1", {"%2"}, "%2"},                      // inserts are not scanned again
        {"%3 and %0 and %x and 100%", {"a"}, "%3 and %0 and %x and 100%"},
        {"%9", {"1", "2", "3", "4", "5", "6", "7", "8", "nine"}, "nine"},
        {"%10", {"one"}, "one0"},
        {"", {"a"}, ""},
        {"%", {}, "%"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fw::FormatString(c.format, c.args), c.expected) << c.format;
}

TEST(StringTable, ParsesEntriesEscapesAndComments)
{
    const fw::StringTable t = fw::StringTable::Parse(
        "# comment\r\n"
        "\r\n"
        "100\tIDS_A\tFile Not Found\r\n"
        "101\tIDS_B\tline\\none\\ttab \\\\ \\\"q\\\"\n"
        "102\tIDS_C\t\n"
        "65535\tIDS_D\tinner\ttab and Tr\xC3\xA4ger",
        "test");
    EXPECT_EQ(t.Size(), 4u);
    EXPECT_EQ(t.Get(100), "File Not Found");
    EXPECT_EQ(t.Get(101), "line\none\ttab \\ \"q\"");
    EXPECT_EQ(t.Get(102), "");
    EXPECT_EQ(t.Get(65535), "inner\ttab and Tr\xE4ger");
    EXPECT_EQ(t.Get(7), "");
    ASSERT_NE(t.Find("IDS_B"), nullptr);
    EXPECT_EQ(*t.Find("IDS_B"), t.Get(101));
    EXPECT_EQ(t.Find("ids_b"), nullptr);
    EXPECT_EQ(t.Format(100, {"x"}), "File Not Found");
}

TEST(StringTable, RefusesMalformedLinesNamingTheLine)
{
    struct Case { const char* content; const char* message; };
    const Case cases[] = {
        {"1 IDS_A text", "t line 1: missing tab after the id"},
        {"1\tIDS_A text", "t line 1: missing tab after the name"},
        {"#\n\nx\tIDS_A\ttext", "t line 3: the id must be a number from 0 to 65535"},
        {"\tIDS_A\ttext", "t line 1: the id must be a number from 0 to 65535"},
        {"-1\tIDS_A\ttext", "t line 1: the id must be a number from 0 to 65535"},
        {"65536\tIDS_A\ttext", "t line 1: the id must be a number from 0 to 65535"},
        {"99999999999999999999\tIDS_A\ttext", "t line 1: the id must be a number from 0 to 65535"},
        {" 1\tIDS_A\ttext", "t line 1: the id must be a number from 0 to 65535"},
        {"1\t\ttext", "t line 1: the name must be a C identifier"},
        {"1\t9A\ttext", "t line 1: the name must be a C identifier"},
        {"1\tIDS A\ttext", "t line 1: the name must be a C identifier"},
        {"1\tIDS_A\tbad \\q", "t line 1: unknown escape (use \\n \\t \\\\ \\\")"},
        {"1\tIDS_A\ttrailing \\", "t line 1: unknown escape (use \\n \\t \\\\ \\\")"},
        {"1\tIDS_A\t\xE6\x97\xA5", "t line 1: the text is not UTF-8 that Windows-1252 can hold"},
        {"1\tIDS_A\t\xE4", "t line 1: the text is not UTF-8 that Windows-1252 can hold"},
        {"1\tIDS_A\ta\n1\tIDS_B\tb", "t line 2: id 1 appears twice"},
        {"1\tIDS_A\ta\n2\tIDS_A\tb", "t line 2: name IDS_A appears twice"},
    };
    for (const Case& c : cases) {
        try {
            fw::StringTable::Parse(c.content, "t");
            ADD_FAILURE() << "accepted: " << c.content;
        } catch (const fw::StringTableError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

TEST(StringTables, FindsTheTableEmbeddedAtBuildTime)
{
    const fw::StringTable& t = fw::StringTables::Get("fwtest");
    EXPECT_EQ(t.Format(1, {"world"}), "Hello, world!");
    EXPECT_EQ(t.Get(2), "Say \"hi\"\tnow\nend \\ \xE4");
    ASSERT_NE(t.Find("IDS_EMPTY"), nullptr);
    EXPECT_EQ(*t.Find("IDS_EMPTY"), "");
    EXPECT_EQ(&fw::StringTables::Get("fwtest"), &t);
}

TEST(StringTables, KeepsTheFirstRegistrationAndReportsUnknownOrMalformedTables)
{
    fw::StringTables::Register("fwtest", "1\tIDS_OTHER\tother");
    EXPECT_EQ(fw::StringTables::Get("fwtest").Get(1), "Hello, %1!");
    EXPECT_THROW(fw::StringTables::Get("no such deliverable"), fw::StringTableError);
    fw::StringTables::Register("fwtest-bad", "1\tIDS_A");
    EXPECT_THROW(fw::StringTables::Get("fwtest-bad"), fw::StringTableError);
}

} // namespace
