#include "lenbox/MaskCheck.h"
#include "lenbox/MaskField.h"

#include <gtest/gtest.h>

using namespace lenbox;

TEST(MaskField, WritesNumbersIntoFields)
{
    struct Case {
        long long n;
        const char* mask;
        std::optional<std::string> text;
    } cases[] = {
        {6, "99", " 6"},
        {0, "99", "  "},
        {0, "9990", "   0"},
        {12, "90", "12"},
        {5, "900", " 05"},     // blanks stop at the first '0' position
        {100, "99", std::nullopt},
        {-1, "99", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatField(c.n, c.mask), c.text) << c.n << " " << c.mask;
}

TEST(MaskField, WritesFractionsBlankingTrailingZeros)
{
    EXPECT_EQ(FormatFraction(250000, "099999"), "25    ");
    EXPECT_EQ(FormatFraction(0, "099999"), "0     ");
    EXPECT_EQ(FormatFraction(50000, "099999"), "05    ");
    EXPECT_EQ(FormatFraction(1000000, "099999"), std::nullopt);
}

TEST(MaskField, ReadsAlignsAndJustifies)
{
    EXPECT_EQ(ReadField(" 12 "), 12);
    EXPECT_EQ(ReadField("   "), 0);
    EXPECT_EQ(AlignLeft(" 1 2"), "12  ");
    EXPECT_EQ(AlignRight("1 2 "), "  12");
    EXPECT_EQ(Justify("abc", 8, 0), "abc     ");
    EXPECT_EQ(Justify("abc", 8, 1), "  abc   ");   // the larger half on the right
    EXPECT_EQ(Justify("abc", 8, 2), "     abc");
    EXPECT_EQ(Justify("abcdef", 3, 2), "abcdef");
}

TEST(MaskCheck, FeetInchFractionMasks)
{
    struct Case {
        const char* mask;
        const char* message;
    } cases[] = {
        {"99'99\"99/99", ""},
        {"99 ' 99\" 99 / 99", ""},
        {"99'0\"", ""},
        {"999'", ""},
        {"99\"99/99", ""},
        {"99/99", ""},
        {"", "Feet Inch Frac Format is Empty"},
        {"   ", "Feet Inch Frac Format is Empty"},
        {"09'99\"", "Illegal Feet-Inch-Frac Format"},
        {"'99\"", "Illegal Feet-Inch-Frac Format"},
        {"99'9x\"", "Illegal Feet-Inch-Frac Format"},
        {"99'99\"99", "Illegal Feet-Inch-Frac Format Too Long"},
        {"99'99", "Illegal Feet-Inch-Frac Format Too Long"},
        {"99'99\"/99", "Illegal Feet-Inch-Frac Format"},
        {"99'99\"99/", "Illegal Feet-Inch-Frac Format"},
        {"99'99\"99/90", "Illegal Feet-Inch-Frac Format"},
        {"-99'99\"99/99", "Illegal Feet-Inch-Frac Format"},
        {"9999999999'", "Illegal Feet-Inch-Frac Format"},   // wider than a field can be
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckFeetMask(c.mask), c.message) << c.mask;
}

TEST(MaskCheck, DecimalMasks)
{
    struct Case {
        const char* mask;
        const char* message;
    } cases[] = {
        {"9990.099999", ""},
        {"99990", ""},
        {"0.9", ""},
        {"9 9 9 0 . 0 9", ""},
        {"", "Format is Empty"},
        {"9990.90", "Illegal Format"},
        {"9990.0x", "Illegal Format"},
        {"9990.", "Illegal Format String"},
        {".99", "Illegal Format String"},
        {"0990", "Illegal Format String"},
        {"99a0", "Illegal Format String"},
        {"9.9.9", "Illegal Format"},
        {"9999999999", "Illegal Format String"},
        {"9.0999999999", "Illegal Format"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckDecimalMask(c.mask), c.message) << c.mask;
}
