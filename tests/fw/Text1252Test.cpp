#include "fw/core/Text1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Text1252, EveryByteSurvivesTheRoundTripThroughUtf8)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    bool replaced = true;
    EXPECT_EQ(fw::Utf8ToCp1252(fw::Cp1252ToUtf8(all), &replaced), all);
    EXPECT_FALSE(replaced);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(fw::UnicodeToCp1252(fw::Cp1252ToUnicode(static_cast<unsigned char>(b))), b) << b;
}

TEST(Text1252, EncodesToTheExpectedUtf8Bytes)
{
    struct Case { std::string cp1252; std::string utf8; };
    const Case cases[] = {
        {"A", "A"},
        {"\x80", "\xE2\x82\xAC"},       // euro sign
        {"\x81", "\xC2\x81"},           // undefined byte passes through as U+0081
        {"\x8A", "\xC5\xA0"},           // S caron
        {"\x9F", "\xC5\xB8"},           // Y diaeresis
        {"\xA0", "\xC2\xA0"},
        {"\xE4", "\xC3\xA4"},           // a umlaut
        {"\xFF", "\xC3\xBF"},
        {std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fw::Cp1252ToUtf8(c.cp1252), c.utf8) << c.utf8;
}

TEST(Text1252, ReplacesWhatItCannotHoldAndSaysSo)
{
    struct Case { std::string utf8; std::string cp1252; bool replaced; };
    const Case cases[] = {
        {"Tr\xC3\xA4ger", "Tr\xE4ger", false},
        {"\xE2\x84\xA2", "\x99", false},              // trade mark sign
        {"x\xE6\x97\xA5y", "x?y", true},              // CJK character
        {"\xF0\x9F\x98\x80", "?", true},              // 4-byte sequence
        {"\xC2\x80", "?", true},                      // C1 control 0x80 has no byte (0x80 is the euro)
        {"\xC0\x80", "??", true},                     // overlong NUL
        {"\xED\xA0\x80", "???", true},                // surrogate
        {"\x80", "?", true},                          // lone continuation byte
        {"ab\xE2\x82", "ab??", true},                 // truncated sequence
        {"\xF5\x80\x80\x80", "????", true},           // beyond U+10FFFF
    };
    for (const Case& c : cases) {
        bool replaced = !c.replaced;
        EXPECT_EQ(fw::Utf8ToCp1252(c.utf8, &replaced), c.cp1252) << c.utf8;
        EXPECT_EQ(replaced, c.replaced) << c.utf8;
    }
}

TEST(Text1252, FoldsCaseOfAsciiAndLatinLetters)
{
    struct Case { char lower; char upper; };
    const Case pairs[] = {{'a', 'A'}, {'z', 'Z'}, {'\xE4', '\xC4'}, {'\xE0', '\xC0'}, {'\xFE', '\xDE'},
                          {'\x9A', '\x8A'}, {'\x9C', '\x8C'}, {'\x9E', '\x8E'}, {'\xFF', '\x9F'}};
    for (const Case& c : pairs) {
        EXPECT_EQ(fw::ToUpper1252(c.lower), c.upper);
        EXPECT_EQ(fw::ToLower1252(c.upper), c.lower);
    }
    for (char unchanged : {'1', '\\', '\xF7', '\xD7', '\xDF', '\xB5', '\x80', '\0'}) {
        EXPECT_EQ(fw::ToUpper1252(unchanged), unchanged);
        EXPECT_EQ(fw::ToLower1252(unchanged), unchanged);
    }
    EXPECT_EQ(fw::Upper1252("b12.prt \xE4"), "B12.PRT \xC4");
    EXPECT_EQ(fw::Lower1252("B12.PRT \xC4"), "b12.prt \xE4");
}

TEST(Text1252, ComparesWithoutCase)
{
    EXPECT_TRUE(fw::EqualsNoCase1252("C:\\Kestrom\\B12.PRT", "c:\\kestrom\\b12.prt"));
    EXPECT_TRUE(fw::EqualsNoCase1252("Tr\xC4ger", "tr\xE4GER"));
    EXPECT_FALSE(fw::EqualsNoCase1252("abc", "abcd"));
    EXPECT_LT(fw::CompareNoCase1252("abc", "ABD"), 0);
    EXPECT_GT(fw::CompareNoCase1252("b", "A"), 0);
    EXPECT_LT(fw::CompareNoCase1252("ab", "AB1"), 0);
    EXPECT_GT(fw::CompareNoCase1252("\xE4", "z"), 0);   // high bytes sort after ASCII
    EXPECT_EQ(fw::CompareNoCase1252("", ""), 0);
}

} // namespace
