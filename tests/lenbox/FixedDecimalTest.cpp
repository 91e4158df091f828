#include "lenbox/DecimalInch.h"
#include "lenbox/Metric.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using lenbox::CaretKey;
using lenbox::CDecimalInch;
using lenbox::CMetric;
using lenbox::CVariable;

namespace {

CDecimalInch Inches(double value, const char* mask = "9990.099999")
{
    CDecimalInch v;
    EXPECT_TRUE(v.SetMask(mask));
    EXPECT_TRUE(v.SetValue(value));
    return v;
}

int TypeKeys(CVariable& v, const std::string& keys, int caret)
{
    for (char key : keys) {
        int start = caret, end = caret;
        EXPECT_TRUE(v.TypeChar(key, false, start, end)) << key;
        caret = start;
    }
    return caret;
}

} // namespace

TEST(FixedDecimal, ValuesGoIntoTheFieldsOfTheMask)
{
    struct Case {
        const char* mask;
        double value;
        const char* text;
        const char* packed;
    } cases[] = {
        {"9990.099999", 3.25, "   3.25    (In)", "3.25(In)       "},
        {"9990.099999", 3.0, "   3.0     (In)", "3.0(In)        "},
        {"9990.099999", 0.0, "   0.0     (In)", "0.0(In)        "},
        {"9990.099999", 1.0000005, "   1.000001(In)", "1.000001(In)   "},   // rounded half up
        {"9990.099999", 9999.9999994, "9999.999999(In)", "9999.999999(In)"},
        {"99990", 2.5, "    3(In)", "3(In)    "},
        {"99.99", 0.05, "  .05(In)", ".05(In)  "},    // no '0' position: no whole digit shown
        {"9.9", 0.04, " . (In)", ".(In)  "},
    };
    for (const Case& c : cases) {
        CDecimalInch v = Inches(c.value, c.mask);
        EXPECT_EQ(v.GetEditText(), c.text) << c.mask << " " << c.value;
        EXPECT_EQ(v.BuildText(true, 0), c.packed) << c.mask << " " << c.value;
    }
}

TEST(FixedDecimal, MetricShowsWholeMillimetresByDefault)
{
    CMetric v;
    EXPECT_EQ(v.GetMask(), "99999");
    ASSERT_TRUE(v.SetMask("99990"));
    ASSERT_TRUE(v.SetValue(774.7));
    EXPECT_EQ(v.GetEditText(), "  775(mm)");
    EXPECT_EQ(v.BuildText(true, 2), "  775(mm)");
}

TEST(FixedDecimal, AValueTooWideForTheMaskIsWrittenInFull)
{
    struct Case {
        bool metric;
        const char* mask;
        double value;
        const char* text;
        const char* packed;
    } cases[] = {
        {false, "9990.099999", 12345.0, "12345.0     (In)", "12345.0(In)"},   // four whole digits
        {false, "90.09", 1440.25, "1440.25(In)", "1440.25(In)"},
        {false, "9990.099999", -1.0, "-   1.0     (In)", "-1.0(In)"},   // no sign position in the mask
        {true, "99990", 36576.0, "36576(mm)", "36576(mm)"},             // 120 ft fits the metric mask
        {true, "990", 36576.0, "36576(mm)", "36576(mm)"},
        {true, "99990", 25400000.0, "25400000(mm)", "25400000(mm)"},    // the longest length stored
    };
    for (const Case& c : cases) {
        std::unique_ptr<lenbox::CVariable> v;
        if (c.metric)
            v = std::make_unique<CMetric>();
        else
            v = std::make_unique<CDecimalInch>();
        v->SetAppendage(c.metric ? "(mm)" : "(In)");
        ASSERT_TRUE(v->SetMask(c.mask));
        ASSERT_TRUE(v->SetValue(c.value)) << c.mask << " " << c.value;
        EXPECT_EQ(v->GetEditText(), c.text);
        EXPECT_DOUBLE_EQ(v->GetValue(), c.value);
        EXPECT_EQ(v->GetMask(), c.mask);
        const std::string packed = v->BuildText(true, 2);
        EXPECT_EQ(packed.size(), v->GetEditText().size());
        EXPECT_EQ(packed.substr(packed.find_first_not_of(' ')), c.packed);
        ASSERT_TRUE(v->SetValue(1.0));   // a value that fits takes the mask's width again
        EXPECT_EQ(v->GetEditText().size(), std::string(c.mask).size() + 4) << c.mask;
    }
    CDecimalInch v = Inches(12.5);
    EXPECT_FALSE(v.SetValue(1e300));
    EXPECT_FALSE(v.SetValue(std::nan("")));
    EXPECT_EQ(v.GetEditText(), "  12.5     (In)");
    v.SetSigned(true);
    EXPECT_TRUE(v.SetValue(-1.5));
    EXPECT_EQ(v.GetEditText(), "-   1.5     (In)");
    EXPECT_EQ(v.BuildText(true, 0), "-1.5(In)        ");
}

TEST(FixedDecimal, AWidenedWholeFieldIsEditedInPlace)
{
    CDecimalInch v = Inches(12345.5);
    EXPECT_EQ(v.GetEditText(), "12345.5     (In)");
    int start = 1, end = 1;
    ASSERT_TRUE(v.TypeChar('9', false, start, end));   // overwrites the second of five digits
    EXPECT_DOUBLE_EQ(v.GetValue(), 19345.5);
    EXPECT_EQ(v.GetEditRange().last, 12);
    EXPECT_EQ(v.End(), 7);
}

TEST(FixedDecimal, TypedKeysFillTheFields)
{
    struct Case {
        const char* keys;
        const char* text;
        int caret;
        double value;
    } cases[] = {
        {"12.5", "  12.5     (In)", 6, 12.5},
        {"12", "12  .      (In)", 2, 12.0},   // the selection was blanked
        {".25", "    .25    (In)", 7, 0.25},   // '.' at once: into the fraction
        {"1234.123456", "1234.123456(In)", 11, 1234.123456},
        {"1.5.7", "   1.5     (In)", 11, 1.5},  // '.' in the fraction ends it
    };
    for (const Case& c : cases) {
        CDecimalInch v = Inches(0.0);
        int start = v.SetCaret(0), end = v.GetEditRange().last;   // all selected, as on focus
        ASSERT_TRUE(v.TypeChar(c.keys[0], false, start, end));
        const int caret = TypeKeys(v, c.keys + 1, start);
        EXPECT_EQ(v.GetEditText(), c.text) << c.keys;
        EXPECT_EQ(caret, c.caret) << c.keys;
        EXPECT_DOUBLE_EQ(v.GetValue(), c.value) << c.keys;
    }
}

TEST(FixedDecimal, KeysOutsideTheMaskAreRefused)
{
    CMetric v;
    ASSERT_TRUE(v.SetValue(12.0));
    for (char key : {'.', '-', '\'', 'a'}) {
        int start = 3, end = 3;
        EXPECT_FALSE(v.TypeChar(key, false, start, end)) << key;
        EXPECT_EQ(start, 3);
    }
    EXPECT_EQ(v.GetEditText(), "   12(mm)");
}

// On 12.5 at rest: "  12.5     (In)" (whole 0-3, '.' 4, fraction 5-10, appendage from 11).
TEST(FixedDecimal, CaretMovesFieldByField)
{
    struct Case {
        char op;
        int pos;
        int caret;
        const char* text;
    } cases[] = {
        {'S', 0, 0, "12  .5     (In)"},
        {'S', 4, 2, "12  .5     (In)"},    // on the '.': after the whole digits
        {'S', 8, 6, "  12.5     (In)"},
        {'S', 13, 13, "  12.5     (In)"},
        {'R', 0, 5, "  12.5     (In)"},    // from a blank of the whole field: the fraction
        {'R', 2, 3, "  12.5     (In)"},
        {'R', 4, 5, "  12.5     (In)"},
        {'R', 8, 6, "  12.5     (In)"},    // from a blank of the fraction: after its digits
        {'R', 14, 6, "  12.5     (In)"},   // beyond the end: to the end, back over blanks
        {'L', 5, 2, "12  .5     (In)"},    // from the fraction's start: after the whole digits
        {'L', 4, 2, "12  .5     (In)"},
        {'L', 6, 5, "  12.5     (In)"},
        {'L', 12, 6, "  12.5     (In)"},
        {'L', 0, 0, "12  .5     (In)"},
    };
    for (const Case& c : cases) {
        CDecimalInch v = Inches(12.5);
        const int caret = c.op == 'S'   ? v.SetCaret(c.pos)
                          : c.op == 'L' ? v.MoveCaret(CaretKey::Left, c.pos)
                                        : v.MoveCaret(CaretKey::Right, c.pos);
        EXPECT_EQ(caret, c.caret) << c.op << c.pos;
        EXPECT_EQ(v.GetEditText(), c.text) << c.op << c.pos;
    }
}

TEST(FixedDecimal, DeleteAndBackspaceKeepThePoint)
{
    struct Case {
        char op;
        int start, end;
        int caret;
        const char* text;
        double value;
    } cases[] = {
        {'D', 2, 2, 1, "2   .5     (In)", 2.5},
        {'D', 4, 4, 2, "12  .5     (In)", 12.5},
        {'D', 3, 6, 1, "1   .      (In)", 1.0},
        {'B', 4, 4, 1, "1   .5     (In)", 1.5},
        {'B', 5, 5, 2, "12  .5     (In)", 12.5},   // over the point: the caret only moves
        {'B', 6, 6, 5, "  12.      (In)", 12.0},
        {'D', 0, 15, 0, "    .      (In)", 0.0},    // the appendage is never touched
    };
    for (const Case& c : cases) {
        CDecimalInch v = Inches(12.5);
        const int caret = c.op == 'D' ? v.Delete(c.start, c.end) : v.Backspace(c.start, c.end);
        EXPECT_EQ(caret, c.caret) << c.op << c.start;
        EXPECT_EQ(v.GetEditText(), c.text) << c.op << c.start;
        EXPECT_DOUBLE_EQ(v.GetValue(), c.value) << c.op << c.start;
    }
}

TEST(FixedDecimal, TextsFromOutsideAreParsed)
{
    struct Case {
        const char* text;
        double value;
        bool takenUnsigned;
        bool takenSigned;
    } cases[] = {
        {"3.25(In)", 3.25, true, true},
        {" 1 2 . 5 ", 12.5, true, true},
        {".5", 0.5, true, true},
        {"7.", 7.0, true, true},
        {"1.1234567", 1.1234567, true, true},   // rounded to the mask's decimals when shown
        {"-5.5", -5.5, true, true},             // shown with a sign the mask has no room for
        {"5-5", 55.0, true, true},              // a '-' counts only in first place
        {"abc", 0.0, true, true},
        {"12345", 12345.0, true, true},          // written in full
        {"1234567890", 1234567890.0, false, false},   // beyond a billion
        {"1.2.3", 1.23, true, true},
    };
    for (const Case& c : cases) {
        for (bool isSigned : {false, true}) {
            CDecimalInch v = Inches(1.0);
            v.SetSigned(isSigned);
            std::optional<double> value = v.ValueOfText(c.text);
            ASSERT_TRUE(value) << c.text;
            EXPECT_DOUBLE_EQ(*value, c.value) << c.text;
            const bool taken = isSigned ? c.takenSigned : c.takenUnsigned;
            EXPECT_EQ(v.SetFromText(c.text), taken) << c.text;
            EXPECT_NEAR(v.GetValue(), taken ? c.value : 1.0, 1e-6) << c.text;
        }
    }
}

TEST(FixedDecimal, ANewMaskRoundsTheValueToItsDecimals)
{
    CDecimalInch v = Inches(3.14159);
    EXPECT_FALSE(v.SetMask(""));
    EXPECT_FALSE(v.SetMask("9990.90"));
    EXPECT_EQ(v.GetMask(), "9990.099999");
    ASSERT_TRUE(v.SetMask("90.09"));
    EXPECT_EQ(v.GetEditText(), " 3.14(In)");
    EXPECT_DOUBLE_EQ(v.GetValue(), 3.14);
    ASSERT_TRUE(v.SetValue(50.0));
    EXPECT_TRUE(v.SetMask("0.09"));   // 50 written in full
    EXPECT_EQ(v.GetEditText(), "50.0 (In)");
    EXPECT_EQ(v.GetMask(), "0.09");
}

TEST(FixedDecimal, AppendageLosesItsBlanks)
{
    CDecimalInch v = Inches(3.25);
    v.SetAppendage(" in ch ");
    EXPECT_EQ(v.GetAppendage(), "inch");
    EXPECT_EQ(v.GetEditText(), "   3.25    inch");
}
