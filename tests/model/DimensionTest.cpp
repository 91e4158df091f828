#include "records/Dimension.h"

#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace modeltest;

namespace {

// Every text test runs in the C locale and again under a comma-decimal locale.
class DimensionText : public testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        if (GetParam()) {
            locale_ = std::make_unique<CommaLocale>();
            if (!locale_->Active())
                GTEST_SKIP() << "no comma-decimal locale installed";
        }
    }
    std::unique_ptr<CommaLocale> locale_;
};

} // namespace

TEST_P(DimensionText, FormatsPartsAndTextsInEverySystem)
{
    struct Case {
        double inches;
        unsigned feet, inch, numerator, denominator;
        const char* imperial;
        const char* decimal;
        const char* metric;
        const char* editImperial;
    } cases[] = {
        {40.5, 3, 4, 1, 2, "3'4\"1/2", "40.5 in.", "1028.7 mm", "3  '4 \"1 /2 "},
        {-40.5, 3, 4, 1, 2, "-3'4\"1/2", "-40.5 in.", "-1028.7 mm", "-3  '4 \"1 /2 "},
        {0.0, 0, 0, 0, 0, "", "0 in.", "0 mm", "   '  \"  /  "},
        {11.999, 0, 12, 0, 0, "12\"", "11.999 in.", "304.77 mm", "   '12\"  /  "},
        {0.5, 0, 0, 1, 2, "1/2", "0.5 in.", "12.7 mm", "   '  \"1 /2 "},
        {0.75, 0, 0, 3, 4, "3/4", "0.75 in.", "19.05 mm", "   '  \"3 /4 "},
        {1.0 / 128, 0, 0, 1, 64, "1/64", "0.007812 in.", "0.2 mm", "   '  \"1 /64"},
        {1.0, 0, 1, 0, 0, "1\"", "1 in.", "25.4 mm", "   '1 \"  /  "},
        {2.0, 0, 2, 0, 0, "2\"", "2 in.", "50.8 mm", "   '2 \"  /  "},
        {-1.25, 0, 1, 1, 4, "-1\"1/4", "-1.25 in.", "-31.75 mm", "-   '1 \"1 /4 "},
        {12.0, 1, 0, 0, 0, "1'", "12 in.", "304.8 mm", "1  '  \"  /  "},
        // 256 feet and more: the feet are not cut to a byte.
        {3072.0, 256, 0, 0, 0, "256'", "3072 in.", "78028.8 mm", "256'  \"  /  "},
        {3085.25, 257, 1, 1, 4, "257'1\"1/4", "3085.25 in.", "78365.35 mm", "257'1 \"1 /4 "},
        {1.0e6, 83333, 4, 0, 0, "83333'4\"", "1000000 in.", "25400000 mm", "83333'4 \"  /  "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.inches);
        CDimension d = Length(c.inches);
        EXPECT_EQ(d.GetValue(), c.inches);
        EXPECT_EQ(d.GetFeet(), c.feet);
        EXPECT_EQ(d.GetInch(), c.inch);
        EXPECT_EQ(d.GetNumerator(), c.numerator);
        EXPECT_EQ(d.GetDenominator(), c.denominator);
        EXPECT_EQ(d.FormatAs(0), c.imperial);
        EXPECT_EQ(d.FormatAs(1), c.decimal);
        EXPECT_EQ(d.FormatAs(2), c.metric);
        EXPECT_EQ(d.FormatAs(9), c.imperial);
        EXPECT_EQ(d.GetString(), c.imperial);
        EXPECT_EQ(d.GetEditText(), c.editImperial);
        EXPECT_EQ(Length(c.inches, 1).GetEditText(), c.decimal);
        EXPECT_EQ(Length(c.inches, 2).GetEditText(), c.metric);
        EXPECT_EQ(Length(c.inches, 2).GetString(), c.metric);
    }
}

TEST_P(DimensionText, ParsesEveryTextForm)
{
    struct Case {
        int system;
        const char* text;
        double inches;
        const char* shown;   // the value text afterwards
    } cases[] = {
        {0, "3  '4 \"1 /2 ", 40.5, "3'4\"1/2"},
        {0, "-3  '4 \"1 /2 ", -40.5, "-3'4\"1/2"},
        {0, "   '  \"  /  ", 0.0, ""},
        {0, "3'4\"1/2", 40.5, "3'4\"1/2"},
        {0, " -1/2", -0.5, "-1/2"},
        // A field whose mark is missing counts 0 (not the previous value's part).
        {0, "3'", 36.0, "3'"},
        {0, "4\"", 4.0, "4\""},
        {0, "1/2", 0.5, "1/2"},
        {0, "3'1/4", 36.25, "3'1/4"},
        // Without any mark the number is whole inches.
        {0, "10", 10.0, "10\""},
        {0, "-10", -10.0, "-10\""},
        // A zero denominator is no fraction.
        {0, "5/0", 0.0, ""},
        {0, "2\"5/0", 2.0, "2\""},
        // Fields beyond their usual range are taken as they are.
        {0, "1'13\"", 25.0, "2'1\""},
        {0, "0'11\"2/2", 12.0, "1'"},
        {0, "2\"3/2", 3.5, "3\"1/2"},
        {0, "300'", 3600.0, "300'"},
        {0, "x'y\"z/w", 0.0, ""},
        {1, "1.5 in.", 1.5, "1.5 in."},
        {1, "  -2.25e1xyz", -22.5, "-22.5 in."},
        {1, "+3", 3.0, "3 in."},
        {1, ".5", 0.5, "0.5 in."},
        {1, "1.5e+2", 150.0, "150 in."},
        {1, "1e", 1.0, "1 in."},
        {1, "abc", 0.0, "0 in."},
        {1, "1e999", 0.0, "0 in."},
        {1, "1,5", 1.0, "1 in."},
        {2, "25.4 mm", 1.0, "25.4 mm"},
        {2, "-50.8", -2.0, "-50.8 mm"},
        {2, "mm", 0.0, "0 mm"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        CDimension d = Length(40.5, c.system);
        EXPECT_EQ(d.SetText(c.text), int(std::string(c.text).size()));
        EXPECT_DOUBLE_EQ(d.GetValue(), c.inches);
        EXPECT_EQ(d.GetString(), c.shown);
        EXPECT_EQ(d.GetEditText(), c.text);   // the text stays as typed
        EXPECT_EQ(d.GetCursor(), 0);
    }
}

TEST_P(DimensionText, EmptyTextClears)
{
    CDimension d = Length(40.5);
    EXPECT_EQ(d.SetText(""), 0);
    EXPECT_EQ(d.GetValue(), 0.0);
    EXPECT_EQ(d.GetDenominator(), 1);
    EXPECT_EQ(d.GetEditText(), "");
}

TEST_P(DimensionText, RoundedFeetFollowTheDisplayedText)
{
    struct Case {
        double inches;
        int system;
        double feet;
    } cases[] = {
        {40.5, 0, 3.375},
        {-40.5, 0, -3.375},
        {11.999, 0, 1.0},          // shown as 12"
        {1.0 / 3, 0, 21.0 / 64 / 12},
        {3072.0, 0, 256.0},
        {40.5, 1, 3.375},
        {1.0000004, 1, 1.0 / 12},  // shown as 1 in.
        {40.5, 2, 1028.7 * 0.0032808398950131233},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.inches << " in system " << c.system);
        EXPECT_DOUBLE_EQ(Length(c.inches, c.system).GetRoundedFeet(), c.feet);
    }
}

TEST_P(DimensionText, InchesAndFractionFormatter)
{
    struct Case {
        double inches;
        const char* text;
    } cases[] = {
        {3.5, "3\"1/2"}, {0.5, "1/2"}, {0.75, "3/4"}, {2.0, "2\""}, {0.0, ""},
        {3.999, "3\"63/64"},   // truncated, not rounded
        {1.0 / 128, ""},       // below a 64th
        {-3.5, "-3\"1/2"},
        {1000000.25, "1000000\"1/4"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatInchesFraction(c.inches), c.text) << c.inches;
}

INSTANTIATE_TEST_SUITE_P(Locales, DimensionText, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "CommaLocale" : "CLocale"; });

TEST(Dimension, ReducesFractionsDownToHalves)
{
    struct Case {
        int numerator, denominator, reducedNumerator, reducedDenominator;
    } cases[] = {
        {32, 64, 1, 2}, {48, 64, 3, 4}, {2, 64, 1, 32}, {1, 64, 1, 64}, {64, 64, 2, 2}, {0, 64, 0, 0}, {-32, 64, -1, 2},
    };
    for (const Case& c : cases) {
        int n = c.numerator, d = c.denominator;
        ReduceFraction(n, d);
        EXPECT_EQ(n, c.reducedNumerator) << c.numerator;
        EXPECT_EQ(d, c.reducedDenominator) << c.numerator;
    }
}

TEST(Dimension, UnitsAndConstruction)
{
    CDimension d;
    EXPECT_EQ(d.GetUnitLetter(), 'E');
    EXPECT_EQ(d.GetDenominator(), 1);
    EXPECT_EQ(d.GetEditText(), "");
    d.SetValue(2.0);
    EXPECT_EQ(*d.GetBoundValue(), 2.0);
    const struct {
        int system;
        char letter;
        int units;
    } cases[] = {{0, 'E', 0}, {1, 'D', 1}, {2, 'M', 2}, {7, 'E', 0}, {-1, 'E', 0}};
    for (const auto& c : cases) {
        d.SetUnits(c.system);
        EXPECT_EQ(d.GetUnitLetter(), c.letter);
        EXPECT_EQ(d.GetUnits(), c.units);
    }
}

TEST(Dimension, SetUnitsLeavesTheTextUntilTheValueIsSetAgain)
{
    CDimension d;
    d.SetValue(1.0);
    d.SetUnits(2);
    EXPECT_EQ(d.GetEditText(), "   '1 \"  /  ");
    EXPECT_EQ(d.GetString(), "25.4 mm");
    d.SetValue(d.GetValue());
    EXPECT_EQ(d.GetEditText(), "25.4 mm");
}

TEST(Dimension, CopiesKeepTheirOwnValueBinding)
{
    CDimension a = Length(40.5, 1);
    CDimension b(a);
    EXPECT_EQ(b.GetEditText(), "40.5 in.");
    CDimension c;
    c = a;
    EXPECT_EQ(c.GetValue(), 40.5);
    EXPECT_EQ(c.GetUnitLetter(), 'D');
    a.SetValue(1.0);
    b.SetValue(2.0);
    c.SetValue(3.0);
    EXPECT_EQ(*a.GetBoundValue(), 1.0);
    EXPECT_EQ(*b.GetBoundValue(), 2.0);
    EXPECT_EQ(*c.GetBoundValue(), 3.0);
}

TEST(Dimension, AssignCopiesValueAndUnitButNotText)
{
    CDimension source = Length(40.5, 2);
    CDimension target = Length(1.0);
    target.Assign(source);
    EXPECT_EQ(target.GetValue(), 40.5);
    EXPECT_EQ(target.GetUnitLetter(), 'M');
    EXPECT_EQ(target.GetFeet(), 3u);
    EXPECT_EQ(target.GetEditText(), "   '1 \"  /  ");
}

TEST(Dimension, ComparesAndAddsInches)
{
    CDimension a = Length(2.0), b = Length(3.0);
    EXPECT_TRUE(a < b);
    EXPECT_FALSE(b < a);
    EXPECT_TRUE(b > a);
    EXPECT_TRUE(a < 2.5);
    EXPECT_TRUE(a <= 2.0);
    EXPECT_TRUE(a >= 2.0);
    EXPECT_FALSE(a >= 2.0000001);
    EXPECT_TRUE(a == 2.0);
    EXPECT_TRUE(a != 2.0000001);
    EXPECT_EQ(a + b, 5.0);
    EXPECT_EQ(a + 0.5, 2.5);
    a += b;
    EXPECT_EQ(a.GetValue(), 5.0);
    EXPECT_EQ(a.GetString(), "5\"");
    a = 12.0;
    EXPECT_EQ(a.GetString(), "1'");
}

TEST(Dimension, CursorMovesWithinTheText)
{
    CDimension d;
    d.SetText("1/2");
    int cursor = 2;
    EXPECT_EQ(d.CursorRight(cursor), 3);
    EXPECT_EQ(cursor, 3);
    EXPECT_EQ(d.CursorRight(cursor), 3);
    EXPECT_EQ(cursor, 3);
    cursor = 1;
    EXPECT_EQ(d.CursorLeft(cursor), 0);
    EXPECT_EQ(d.CursorLeft(cursor), 0);
}

TEST(Dimension, VariableBaseHasNoText)
{
    CVariable v;
    EXPECT_EQ(v.SetText("abc"), 0);
    EXPECT_EQ(v.GetText(), "");
    EXPECT_EQ(v.GetBoundValue(), nullptr);
}

TEST(Dimension, ArchivesInchesAndUnitLetter)
{
    // 25.4 mm in the metric system: the double 1.0 and 'M'.
    CDimension metric = Length(1.0, 2);
    EXPECT_EQ(StoreDirect(metric), Dim(k1, 'M'));
    CDimension imperial = Length(-40.5);
    EXPECT_EQ(StoreDirect(imperial), Dim(0x8000000000000000 | k40_5, 'E'));

    CDimension loaded;
    LoadDirect(loaded, Dim(k40_5, 'D'));
    EXPECT_EQ(loaded.GetValue(), 40.5);
    EXPECT_EQ(loaded.GetUnits(), 1);
    EXPECT_EQ(loaded.GetFeet(), 3u);
    EXPECT_EQ(loaded.GetEditText(), "40.5 in.");
}

TEST(Dimension, RejectsTruncatedAndCorruptedArchives)
{
    ExpectTruncationsRejected(Dim(k1, 'M'), [](fw::Archive& ar) { CDimension().Serialize(ar); });
    const auto load = [](fw::Archive& ar) { CDimension().Serialize(ar); };
    EXPECT_EQ(LoadError(Dim(kNaN, 'E'), load), fw::ArchiveException::badValue);
    EXPECT_EQ(LoadError(Dim(0x7FF0000000000000, 'E'), load), fw::ArchiveException::badValue);   // infinity
    EXPECT_EQ(LoadError(Dim(k1, 'X'), load), fw::ArchiveException::badValue);
    EXPECT_EQ(LoadError(Dim(k1, 0), load), fw::ArchiveException::badValue);
}

TEST(Dimension, NotANumberGivesEmptyParts)
{
    CDimension d;
    d.SetValue(std::nan(""));
    EXPECT_EQ(d.GetFeet(), 0u);
    EXPECT_EQ(d.GetInch(), 0);
    d.SetValue(1.0e300);
    EXPECT_EQ(d.GetFeet(), 4294967295u);
}
