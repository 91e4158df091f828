#include "fw/core/WinPath.h"

#include <gtest/gtest.h>

namespace {

namespace WinPath = fw::WinPath;

TEST(WinPath, TakesPathsApart)
{
    struct Case { const char* path; char drive; const char* folder; const char* name; const char* title; const char* ext; };
    const Case cases[] = {
        {"C:\\Kestrom\\Jobs\\J1\\G1\\B12.prt", 'C', "C:\\Kestrom\\Jobs\\J1\\G1", "B12.prt", "B12", ".prt"},
        {"d:\\B12.PRT", 'D', "d:", "B12.PRT", "B12", ".PRT"},
        {"C:\\Jobs\\", 'C', "C:\\Jobs", "", "", ""},
        {"C:\\a.b\\noext", 'C', "C:\\a.b", "noext", "noext", ""},
        {"C:\\x\\archive.tar.gz", 'C', "C:\\x", "archive.tar.gz", "archive.tar", ".gz"},
        {"C:\\x\\.hidden", 'C', "C:\\x", ".hidden", "", ".hidden"},
        {"B12.prt", '\0', "", "B12.prt", "B12", ".prt"},
        {"C:", 'C', "", "C:", "C:", ""},
        {"1:\\x", '\0', "1:", "x", "x", ""},
        {"\xE4:\\x", '\0', "\xE4:", "x", "x", ""},
        {"", '\0', "", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(WinPath::Drive(c.path), c.drive);
        EXPECT_EQ(WinPath::Folder(c.path), c.folder);
        EXPECT_EQ(WinPath::FileName(c.path), c.name);
        EXPECT_EQ(WinPath::Title(c.path), c.title);
        EXPECT_EQ(WinPath::Extension(c.path), c.ext);
    }
}

TEST(WinPath, JoinsWithOneSeparator)
{
    EXPECT_EQ(WinPath::Join("C:\\Jobs", "J1"), "C:\\Jobs\\J1");
    EXPECT_EQ(WinPath::Join("C:\\", "J1"), "C:\\J1");
    EXPECT_EQ(WinPath::Join("", "J1"), "J1");
    EXPECT_EQ(WinPath::Join("C:\\Jobs", ""), "C:\\Jobs\\");
}

TEST(WinPath, MatchesWildcardsIgnoringCase)
{
    struct Case { const char* pattern; const char* name; bool match; };
    const Case cases[] = {
        {"*.prt", "B12.PRT", true}, {"*.prt", "B12.prtx", false}, {"*.prt", "prt", false},
        {"*.PRT", "b12.prt", true}, {"B?2.*", "b12.prt", true}, {"B?2.*", "B2.prt", false},
        {"*.*", "README", true}, {"*.*", "a.b", true}, {"B*.*", "B12", true}, {"B*.*", "C12", false},
        {"*", "", true}, {"*", "anything", true}, {"?", "", false}, {"", "", true}, {"", "a", false},
        {"a*b*c", "aXbYc", true}, {"a*b*c", "aXbY", false}, {"a*b*c", "abcbc", true},
        {"**a", "ba", true}, {"%c%c*.shp", "%c%cW.shp", true}, {"WX*.shp", "wx8X10.SHP", true},
        {"\xE4*", "\xC4rger", true}, {"\x9A?", "\x8Ax", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WinPath::Match(c.pattern, c.name), c.match) << c.pattern << " ~ " << c.name;
}

TEST(WinPath, MatchesHostilePatternsQuickly)
{
    const std::string name(20000, 'a');
    EXPECT_FALSE(WinPath::Match("*a*a*a*a*a*a*a*a*b", name));
    EXPECT_TRUE(WinPath::Match("*a*a*a*a*a*a*a*a*", name));
}

} // namespace

TEST(WinPath, FileNameRule)
{
    struct Case {
        const char* name;
        bool ok;
        const char* bad;
    } cases[] = {
        {"B12", true, ""},        {"W 12X26", true, ""},   {"A.B", true, ""},      {"", false, ""},
        {".", false, ""},         {"..", false, ""},       {"A..B", false, ""},    {"J1\\G1", false, "\\"},
        {"a/b:c", false, "/:"},   {"x*?x*", false, "*?"},  {"<\"|>", false, "<\"|>"}, {"tab\there", false, "\t"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fw::WinPath::IsFileName(c.name), c.ok) << c.name;
        EXPECT_EQ(fw::WinPath::BadNameCharacters(c.name), c.bad) << c.name;
    }
}
