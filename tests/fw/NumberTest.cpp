#include "fw/core/Number.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>

namespace {

void ExpectFormatsAndParses()
{
    struct Fixed { double value; int decimals; const char* text; };
    const Fixed fixed[] = {
        {0.0, 0, "0"}, {1.5, 2, "1.50"}, {-2.125, 2, "-2.12"}, {2.5, 0, "2"}, {3.5, 0, "4"},
        {12345.6789, 3, "12345.679"}, {1e20, 1, "100000000000000000000.0"}, {0.1, 20, "0.10000000000000000555"},
        {1.0, -3, "1"}, {1.0, 99, "1.000000000000000000000000000000"},
        {std::numeric_limits<double>::infinity(), 2, "inf"}, {-std::numeric_limits<double>::infinity(), 2, "-inf"},
    };
    for (const Fixed& f : fixed)
        EXPECT_EQ(fw::FormatFixed(f.value, f.decimals), f.text) << f.value;
    EXPECT_EQ(fw::FormatFixed(-std::numeric_limits<double>::max(), 2).size(), 309u + 1 + 3);

    struct General { double value; const char* text; };
    const General general[] = {{0.0, "0"}, {-0.0, "-0"}, {0.1, "0.1"}, {1.0 / 3, "0.3333333333333333"},
                               {1e300, "1e+300"}, {-123.25, "-123.25"}, {5e-324, "5e-324"}};
    for (const General& g : general) {
        EXPECT_EQ(fw::FormatGeneral(g.value), g.text);
        EXPECT_EQ(fw::ParseDouble(fw::FormatGeneral(g.value)), g.value);
    }

    struct Parse { const char* text; std::optional<double> value; };
    const Parse doubles[] = {
        {"1.5", 1.5}, {"  -2.25\t", -2.25}, {"+3", 3.0}, {".5", 0.5}, {"5.", 5.0}, {"1e3", 1000.0},
        {"", std::nullopt}, {"   ", std::nullopt}, {"1,5", std::nullopt}, {"1.5x", std::nullopt},
        {"x1.5", std::nullopt}, {"1 5", std::nullopt}, {"+-1", std::nullopt}, {"++1", std::nullopt},
        {"+", std::nullopt}, {"-", std::nullopt}, {"1e999", std::nullopt}, {"inf", std::nullopt},
        {"nan", std::nullopt}, {"0x10", std::nullopt},
    };
    for (const Parse& p : doubles)
        EXPECT_EQ(fw::ParseDouble(p.text), p.value) << '"' << p.text << '"';
    EXPECT_EQ(fw::ParseDouble(std::string_view("1\0", 2)), std::nullopt);

    struct ParseI { const char* text; std::optional<int> value; };
    const ParseI ints[] = {
        {"0", 0}, {" 42 ", 42}, {"-17", -17}, {"+8", 8}, {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<int>::min()}, {"2147483648", std::nullopt},
        {"99999999999999999999", std::nullopt}, {"1.0", std::nullopt}, {"12a", std::nullopt},
        {"", std::nullopt}, {"0x1F", std::nullopt}, {"- 1", std::nullopt},
    };
    for (const ParseI& p : ints)
        EXPECT_EQ(fw::ParseInt(p.text), p.value) << '"' << p.text << '"';
}

TEST(Number, FormatsAndParsesWithAPoint)
{
    ExpectFormatsAndParses();
}

// A C++ locale with a comma decimal point and '.' grouping, installed or not.
struct CommaDecimal : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

TEST(Number, IgnoresACommaDecimalGlobalLocale)
{
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    ExpectFormatsAndParses();
    std::locale::global(previous);
}

TEST(Number, IgnoresACommaDecimalCLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const char* names[] = {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8"};
    bool found = false;
    for (const char* name : names)
        found = found || (std::setlocale(LC_ALL, name) && *std::localeconv()->decimal_point == ',');
    if (!found) {
        std::setlocale(LC_ALL, previous.c_str());
        GTEST_SKIP() << "no comma-decimal locale installed";
    }
    ExpectFormatsAndParses();
    std::setlocale(LC_ALL, previous.c_str());
}

} // namespace
