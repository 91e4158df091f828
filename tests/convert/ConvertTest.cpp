#include "convert/Convert.h"
#include "convert/except/zrException.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <string>

namespace {

struct IntegerCase {
    const char* text;
    int value;
    int used;
};

TEST(CConvert, TCharToIntegerTable)
{
    const IntegerCase cases[] = {
        {"123", 123, 3},          {"-42x", -42, 3},       {"+ 7", 7, 3},
        {"- 5", -5, 3},           {"12 34", 12, 2},       {"abc", 0, 0},
        {"", 0, 0},               {"-", 0, 1},            {"2147483647", INT_MAX, 10},
        {"-2147483648", INT_MIN, 11}, {"000000000007", 7, 12},
    };
    for (const IntegerCase& c : cases) {
        int value = -1;
        EXPECT_EQ(CConvert::TCharToInteger(c.text, value), c.used) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
    int value = -1;
    EXPECT_EQ(CConvert::TCharToInteger(nullptr, value), 0);
    EXPECT_EQ(value, 0);
}

TEST(CConvert, TCharToIntegerRefusesDigitRunsItsTypeCannotHold)
{
    for (const char* text : {"2147483648", "-2147483649", "123456789012345", "0000000000007"}) {
        int value = 0;
        EXPECT_THROW(CConvert::TCharToInteger(text, value), CNumericConversionException) << text;
    }
}

struct DoubleCase {
    const char* text;
    double value;
    int used;
};

TEST(CConvert, TCharToDoubleTable)
{
    const DoubleCase cases[] = {
        {"-0.25", -0.25, 5}, {"7.", 7, 2},      {"12.5,7", 12.5, 4},     {".5", 0.5, 2},
        {"- 3.5", -3.5, 5},  {"+2", 2, 2},      {"abc", 0, 0},           {".", 0, 1},
        {"1.5e3", 1.5, 3},   {"0.1", 0.1, 3},   {"3.14159265358979", 3.14159265358979, 16},
        {"-.125\"", -0.125, 5},
    };
    for (const DoubleCase& c : cases) {
        double value = -1;
        EXPECT_EQ(CConvert::TCharToDouble(c.text, value), c.used) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
    double value = 0;
    EXPECT_THROW(CConvert::TCharToDouble("99999999999.5", value), CNumericConversionException);
}

struct FeetInchCase {
    const char* text;
    int sign, feet, inches, numerator, denominator, used;
    double value;
};

TEST(CConvert, TCharToFeetInchFracTable)
{
    const FeetInchCase cases[] = {
        {"1'6\"1/2", 1, 1, 6, 1, 2, 7, 18.5},
        {"-1'6\"", -1, 1, 6, 0, 1, 5, -18},
        {"6\"", 1, 0, 6, 0, 1, 2, 6},
        {"3/4", 1, 0, 0, 3, 4, 3, 0.75},
        {"+ 2'", 1, 2, 0, 0, 1, 4, 24},
        {"1/2 ", 1, 0, 0, 1, 2, 3, 0.5},        // a blank after the denominator keeps it
        {"2\"1/2\"", 1, 0, 2, 1, 2, 6, 2.5},    // so does the inch mark, which is consumed
        {"-7/64", -1, 0, 0, 7, 64, 5, -7.0 / 64},
        {"1/0", 1, 0, 0, 0, 1, 0, 0},           // a zero denominator is refused
        {"2\"1/0", 1, 0, 2, 0, 1, 2, 2},
        {"1/", 1, 0, 0, 0, 1, 0, 0},
        {"1/2x", 1, 0, 0, 0, 1, 0, 0},
        {"1'6", 1, 1, 0, 0, 1, 2, 12},          // a number without its mark is not read
        {"6\"2'", 1, 0, 6, 0, 1, 2, 6},         // the foot mark counts on the first token only
        {"1'2'", 1, 1, 0, 0, 1, 2, 12},
        {"", 1, 0, 0, 0, 1, 0, 0},
    };
    for (const FeetInchCase& c : cases) {
        int sign = 0, feet = -1, inches = -1, numerator = -1, denominator = -1;
        EXPECT_EQ(CConvert::TCharToFeetInchFrac(c.text, sign, feet, inches, numerator, denominator),
                  c.used) << c.text;
        EXPECT_EQ(sign, c.sign) << c.text;
        EXPECT_EQ(feet, c.feet) << c.text;
        EXPECT_EQ(inches, c.inches) << c.text;
        EXPECT_EQ(numerator, c.numerator) << c.text;
        EXPECT_EQ(denominator, c.denominator) << c.text;
        double value = -1;
        EXPECT_EQ(CConvert::TCharToFeetInchFrac(c.text, value), c.used) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
    double value = 0;
    EXPECT_THROW(CConvert::TCharToFeetInchFrac("99999999999'", value), CNumericConversionException);
}

struct OutputCase {
    double value;
    int denominator;   // 0: the fixed 64ths form
    const char* delimited;
    const char* plain;
};

std::string InchFrac(double value, int denominator, bool delimits)
{
    char out[32];
    std::memset(out, 'x', sizeof out);
    const bool ok = denominator == 0
        ? (delimits ? CConvert::DoubleToInchFrac(value, out, sizeof out)
                    : CConvert::DoubleToInchFracNoDelimits(value, out, sizeof out))
        : (delimits ? CConvert::DoubleToInchFrac(value, out, sizeof out, denominator)
                    : CConvert::DoubleToInchFracNoDelimits(value, out, sizeof out, denominator));
    return ok ? std::string(out) : "refused:" + std::string(out);
}

TEST(CConvert, DoubleToInchFracTable)
{
    const OutputCase cases[] = {
        {5.5, 0, "5\"1/2", "512"},
        {0.75, 0, "3/4", "34"},
        {0.3 + 0.45, 0, "3/4", "34"},
        {0.35 - 0.1, 0, "1/4", "14"},         // 0.24999999999999997: within the tolerance
        {0.57 - 0.07, 0, "1/2", "12"},
        {2.999, 0, "2\"63/64", "26364"},      // 64ths truncate
        {2.9999999, 0, "3\"", "3"},
        {1.0 / 64, 0, "1/64", "164"},
        {3, 0, "3\"", "3"},
        {0, 0, "", ""},
        {-5.5, 0, "-5\"1/2", "-512"},
        {-0.0000001, 0, "", ""},
        {2.99, 16, "3\"", "3"},               // a rounded full unit carries
        {2.5, 16, "2\"1/2", "212"},
        {0.3, 8, "1/4", "14"},
        {2.0 / 3, 12, "2/3", "23"},
        {-1.25, 4, "-1\"1/4", "-114"},
        {1.5, -4, "refused:", "refused:"},
    };
    for (const OutputCase& c : cases) {
        const int denominator = c.denominator;
        EXPECT_EQ(InchFrac(c.value, denominator, true), c.delimited) << c.value << " /" << denominator;
        EXPECT_EQ(InchFrac(c.value, denominator, false), c.plain) << c.value << " /" << denominator;
    }
}

TEST(CConvert, InchFracRefusesAZeroDenominatorAndLengthsOutOfRange)
{
    char out[16] = "x";
    EXPECT_FALSE(CConvert::DoubleToInchFrac(2.5, out, sizeof out, 0));
    EXPECT_STREQ(out, "");
    EXPECT_FALSE(CConvert::DoubleToInchFrac(1e300, out, sizeof out));
    EXPECT_FALSE(CConvert::DoubleToInchFrac(std::nan(""), out, sizeof out));
    EXPECT_FALSE(CConvert::DoubleToInchDecimal(-1e300, out, sizeof out));
}

TEST(CConvert, WritersHonourTheBufferSize)
{
    char out[8];
    std::memset(out, 'x', sizeof out);
    EXPECT_FALSE(CConvert::DoubleToInchFrac(5.5, out, 5));   // 5"1/2 needs 6 bytes
    EXPECT_STREQ(out, "");
    EXPECT_EQ(out[1], 'x');
    EXPECT_TRUE(CConvert::DoubleToInchFrac(5.5, out, 6));
    EXPECT_STREQ(out, "5\"1/2");
    EXPECT_FALSE(CConvert::FeetInchFractToTCHAR(18.5, out, 7));
    EXPECT_FALSE(CConvert::DoubleToInchDecimal(5.05, out, 0));
    EXPECT_FALSE(CConvert::DoubleToInchDecimal(5.05, nullptr, 8));
    EXPECT_TRUE(CConvert::DoubleToInchDecimal(5.05, out, 5));
}

TEST(CConvert, DoubleToInchDecimalTable)
{
    const OutputCase cases[] = {
        {5.05, 0, "5.05", "505"},     {5.9996, 0, "6", "6"},      {5.5, 0, "5.5", "55"},
        {0.125, 0, ".125", "125"},    {12.3456, 0, "12.346", "12346"}, {0.05, 0, ".05", "05"},
        {0.0005, 0, ".001", "001"},   {0.0004, 0, "", ""},        {3, 0, "3", "3"},
        {0, 0, "", ""},               {-2.25, 0, "-2.25", "-225"},
    };
    for (const OutputCase& c : cases) {
        char out[32];
        EXPECT_TRUE(CConvert::DoubleToInchDecimal(c.value, out, sizeof out));
        EXPECT_STREQ(out, c.delimited) << c.value;
        EXPECT_TRUE(CConvert::DoubleToInchDecimalNoDelimits(c.value, out, sizeof out));
        EXPECT_STREQ(out, c.plain) << c.value;
    }
}

struct PartsCase {
    double value;
    const char* parts[5];
    const char* joined;
};

TEST(CConvert, FeetInchFracTable)
{
    const PartsCase cases[] = {
        {18.5, {"", "1", "6", "1", "2"}, "1'6\"1/2"},
        {-24, {"-", "2", "", "", ""}, "-2'"},
        {0.75, {"", "", "", "3", "4"}, "3/4"},
        {12, {"", "1", "", "", ""}, "1'"},
        {11.9999999, {"", "1", "", "", ""}, "1'"},
        {-0.5, {"-", "", "", "1", "2"}, "-1/2"},
        {125.015625, {"", "10", "5", "1", "64"}, "10'5\"1/64"},
        {0, {"", "", "", "", ""}, ""},
    };
    for (const PartsCase& c : cases) {
        char parts[5][8];
        EXPECT_TRUE(CConvert::FeetInchFracToTCHAR(c.value, parts[0], parts[1], parts[2], parts[3],
                                                  parts[4], sizeof parts[0]));
        for (int i = 0; i < 5; ++i)
            EXPECT_STREQ(parts[i], c.parts[i]) << c.value << " part " << i;
        char joined[32];
        EXPECT_TRUE(CConvert::FeetInchFractToTCHAR(c.value, joined, sizeof joined));
        EXPECT_STREQ(joined, c.joined) << c.value;
    }
}

TEST(CConvert, FeetInchFracPartsAllOrNothing)
{
    char parts[5][2];
    EXPECT_FALSE(CConvert::FeetInchFracToTCHAR(125.5, parts[0], parts[1], parts[2], parts[3],
                                               parts[4], sizeof parts[0]));   // "10" feet
    for (const char* part : parts)
        EXPECT_STREQ(part, "");
    EXPECT_FALSE(CConvert::FeetInchFracToTCHAR(1.5, parts[0], nullptr, parts[2], parts[3],
                                               parts[4], sizeof parts[0]));
}

TEST(CConvert, GetCommonDenominatorTable)
{
    const int cases[][4] = {
        {48, 64, 3, 4}, {0, 64, 0, 0}, {2, 4, 1, 2}, {3, 64, 3, 64},
        {8, 12, 2, 3},  {5, 0, 5, 0},  {-6, 8, -3, 4},
    };
    for (const auto& c : cases) {
        int numerator = c[0], denominator = c[1];
        CConvert::GetCommonDenominator(numerator, denominator);
        EXPECT_EQ(numerator, c[2]) << c[0] << "/" << c[1];
        EXPECT_EQ(denominator, c[3]) << c[0] << "/" << c[1];
        numerator = c[0], denominator = c[1];
        UtilityGetCommonDenominator(numerator, denominator);
        EXPECT_EQ(numerator, c[2]);
    }
}

TEST(CConvert, FreeFunctionsMatchTheStatics)
{
    char a[16], b[16];
    const double value = 7.328125;
    ASSERT_TRUE(UtilityConvertToInchFrac(value, a, sizeof a));
    CConvert::DoubleToInchFrac(value, b, sizeof b);
    EXPECT_STREQ(a, b);
    ASSERT_TRUE(UtilityConvertToInchFracNoDelimits(value, a, sizeof a));
    CConvert::DoubleToInchFracNoDelimits(value, b, sizeof b);
    EXPECT_STREQ(a, b);
    ASSERT_TRUE(UtilityConvertToInchDecimal(value, a, sizeof a));
    EXPECT_STREQ(a, "7.328");
    ASSERT_TRUE(UtilityConvertToInchDecimalNoDelimits(value, a, sizeof a));
    EXPECT_STREQ(a, "7328");
}

TEST(CConvert, OsVersionReportsAnOtherPlatform)
{
    int kind = -1, version = -1, minor = -1;
    EXPECT_TRUE(UtilitGetOSVersion(kind, version, minor));
    EXPECT_EQ(kind, 0);
    EXPECT_EQ(version, 95);
    EXPECT_EQ(minor, 0);
}

// Every k/64 inch up to 100 feet, either sign, written and read back, in both the
// feet-inch-fraction and the inch-fraction texts.
TEST(CConvert, SixtyFourthsRoundTripUpToOneHundredFeet)
{
    int failures = 0;
    for (int k = 0; k <= 100 * 12 * 64 && failures < 10; ++k) {
        for (const double value : {k / 64.0, -k / 64.0}) {
            char text[32];
            double back = -1;
            ASSERT_TRUE(CConvert::FeetInchFractToTCHAR(value, text, sizeof text));
            const int used = CConvert::TCharToFeetInchFrac(text, back);
            if (back != value || used != static_cast<int>(std::strlen(text))) {
                ++failures;
                ADD_FAILURE() << value << " -> " << text << " -> " << back;
            }
            ASSERT_TRUE(CConvert::DoubleToInchFrac(value, text, sizeof text));
            CConvert::TCharToFeetInchFrac(text, back);
            if (back != value) {
                ++failures;
                ADD_FAILURE() << value << " -> " << text << " -> " << back;
            }
        }
    }
}

}  // namespace
