#include "lenbox/LenboxModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace lenbox;

namespace {

struct RecordedEvents : LenboxEvents {
    struct ValueError {
        double inches;
        std::string input, minText, maxText;
    };
    std::vector<ValueError> valueErrors;
    int changed = 0;

    void DecimalInchValueError(double inches, const std::string& input, const std::string& minText,
                               const std::string& maxText) override
    {
        valueErrors.push_back({inches, input, minText, maxText});
    }
    void Changed() override { ++changed; }
};

struct ModelTest : ::testing::Test {
    ModelTest() { model.SetEvents(&events); }

    // Focuses the control and types the keys over its whole edit range.
    void TypeOver(const std::string& keys)
    {
        EditRange range = model.FocusIn();
        int start = range.first, end = range.last;
        for (char key : keys) {
            model.TypeChar(key, false, start, end);
            end = start;
        }
    }
    void ExpectAllForms(double inches)
    {
        EXPECT_NEAR(model.FeetInchFrac().GetValue(), inches, 1.0 / 128);
        EXPECT_NEAR(model.DecimalInch().GetValue(), inches, 1e-6);
        EXPECT_NEAR(model.Metric().GetValue(), inches * 25.4, 0.5);
    }

    LenboxModel model;
    RecordedEvents events;
};

} // namespace

TEST_F(ModelTest, StartsWithTheDefaults)
{
    EXPECT_TRUE(model.GetAutoSize());
    EXPECT_EQ(model.GetBackGround(), 1);
    EXPECT_EQ(model.GetDecimalInchAppendage(), "(In)");
    EXPECT_EQ(model.GetDecimalInches(), 0.0);
    EXPECT_EQ(model.GetDefaultDenominator(), 64);
    EXPECT_EQ(model.GetDimensionType(), 0);
    EXPECT_TRUE(model.GetEnableInput());
    EXPECT_EQ(model.GetFormatFeet(), "99'99\"99/99");
    EXPECT_EQ(model.GetFormatInch(), "9990.099999");
    EXPECT_EQ(model.GetFormatMetric(), "99990");
    EXPECT_EQ(model.GetInitialValue(), 0.0);
    EXPECT_EQ(model.GetJustifyType(), 0);
    EXPECT_EQ(model.GetMaxDenominator(), 64);
    EXPECT_EQ(model.GetMaxInches(), 1200.0);
    EXPECT_EQ(model.GetMetricAppendage(), "(mm)");
    EXPECT_EQ(model.GetMinInches(), 0.0);
    EXPECT_FALSE(model.GetPacked());
    EXPECT_FALSE(model.GetToolTips());
    EXPECT_EQ(model.GetGetFloatDecInch(), 0.0f);
    EXPECT_FALSE(model.IsModified());
    EXPECT_EQ(model.GetProperties(), LenboxProperties{});
}

TEST_F(ModelTest, TheToolTipShowsTheTwoOtherForms)
{
    ASSERT_TRUE(model.SetDecimalInches(30.5));
    EXPECT_EQ(model.ToolTipText(), "30.5(In),775(mm)");
    model.SetDimensionType(DecimalInchType);
    EXPECT_EQ(model.ToolTipText(), "2'6\"1/2,775(mm)");
    model.SetDimensionType(MetricType);
    EXPECT_DOUBLE_EQ(model.GetDecimalInches(), 775 / 25.4);   // the metric form's whole millimetres
    EXPECT_EQ(model.ToolTipText(), "2'6\"1/2,30.5(In)");
}

TEST_F(ModelTest, SettersRefuseWhatTheControlCannotTake)
{
    struct Case {
        const char* what;
        std::function<void(LenboxModel&)> set;
        int number;
    } cases[] = {
        {"FormatFeet", [](LenboxModel& m) { m.SetFormatFeet("99'99"); }, 1000},
        {"FormatFeet 09", [](LenboxModel& m) { m.SetFormatFeet("09'99\""); }, 1000},
        {"FormatInch", [](LenboxModel& m) { m.SetFormatInch("9990.90"); }, 1001},
        {"FormatInch empty", [](LenboxModel& m) { m.SetFormatInch(""); }, 1001},
        {"FormatMetric", [](LenboxModel& m) { m.SetFormatMetric(".99"); }, 1002},
        {"MaxDenominator", [](LenboxModel& m) { m.SetMaxDenominator(48); }, 1003},
        {"MaxDenominator wide", [](LenboxModel& m) { m.SetMaxDenominator(128); }, 1003},
        {"MinInches", [](LenboxModel& m) { m.SetMinInches(1200.5); }, 1004},
        {"MaxInches", [](LenboxModel& m) { m.SetMaxInches(-1.0); }, 1004},
        {"DefaultDenominator", [](LenboxModel& m) { m.SetDefaultDenominator(0); }, 1005},
        {"DimensionType", [](LenboxModel& m) { m.SetDimensionType(3); }, 380},
        {"DimensionType negative", [](LenboxModel& m) { m.SetDimensionType(-1); }, 380},
        {"MinInches NaN", [](LenboxModel& m) { m.SetMinInches(std::nan("")); }, 380},
        {"InitialValue inf", [](LenboxModel& m) { m.SetInitialValue(INFINITY); }, 380},
        {"InitialValue beyond the range of lengths", [](LenboxModel& m) { m.SetInitialValue(-2e6); }, 380},
        {"MaxInches beyond the range of lengths", [](LenboxModel& m) { m.SetMaxInches(1e300); }, 380},
        {"appendage", [](LenboxModel& m) { m.SetMetricAppendage(std::string(33, 'x')); }, 380},
        {"BorderStyle", [](LenboxModel& m) { m.SetBorderStyle(2); }, 380},
        {"BackColor", [](LenboxModel& m) { m.SetBackColor(0x01000000); }, 380},
    };
    for (const Case& c : cases) {
        LenboxModel m;
        try {
            c.set(m);
            ADD_FAILURE() << c.what << " was accepted";
        } catch (const LenboxError& e) {
            EXPECT_EQ(e.Number(), c.number) << c.what;
            EXPECT_EQ(std::uint32_t(e.Status()), 0x800A0000u | std::uint32_t(c.number)) << c.what;
        }
        EXPECT_EQ(m.GetProperties(), LenboxProperties{}) << c.what;
        EXPECT_FALSE(m.IsModified()) << c.what;
    }
}

TEST_F(ModelTest, ErrorsCarryTheirDescriptions)
{
    EXPECT_EQ(LenboxError(LenboxErrorNumber::MinAboveMax).Description(), "Min Inches is greater than Max Inches\n");
    EXPECT_EQ(LenboxError(LenboxErrorNumber::IllegalFeetFormat).Description(), "Illegal Feet Format\nEx:99'99\"99/99");
    EXPECT_EQ(LenboxError(LenboxErrorNumber::DenominatorNotPower).Status(), std::int32_t(0x800A03EBu));
    EXPECT_EQ(LenboxError(LenboxErrorNumber::DefaultDenominatorNotPower).Description(),
              "Default Denominator Not Power\nEx. 2 4  8  16  32 64");
}

TEST_F(ModelTest, LimitsMayMeetButNotCross)
{
    model.SetMinInches(100.0);
    EXPECT_THROW(model.SetMaxInches(99.0), LenboxError);
    model.SetMaxInches(100.0);
    EXPECT_EQ(model.GetMaxInches(), 100.0);
    EXPECT_TRUE(model.IsModified());
}

TEST_F(ModelTest, ANegativeMinimumGivesEveryFormASignPosition)
{
    ASSERT_TRUE(model.SetDecimalInches(30.5));
    model.SetMinInches(-10.0);
    EXPECT_EQ(model.FeetInchFrac().GetEditText(), "  2' 6\" 1/2 ");
    EXPECT_EQ(model.DecimalInch().GetEditText(), "   30.5     (In)");
    EXPECT_EQ(model.Metric().GetEditText(), "   775(mm)");
    EXPECT_EQ(model.GetFormatFeet(), "99'99\"99/99");
    EXPECT_EQ(model.GetProperties().formatInch, "9990.099999");
    ASSERT_TRUE(model.SetDecimalInches(-2.0));
    EXPECT_EQ(model.FeetInchFrac().GetEditText(), "-  ' 2\"  /  ");
    model.SetMinInches(0.0);
    EXPECT_FALSE(model.FeetInchFrac().IsSigned());
    EXPECT_EQ(model.GetDecimalInches(), 0.0);   // a negative value cannot stay without a sign
}

TEST_F(ModelTest, AnEqualMaskChangesNothing)
{
    model.SetFormatFeet(" 99' 99\"99/99 ");
    model.SetMinInches(-1.0);
    model.SetModified(false);
    model.SetFormatFeet("-99'99\"99/99");
    model.SetFormatInch("9990.099999");
    EXPECT_FALSE(model.IsModified());
    model.SetFormatInch("9990.09");
    EXPECT_TRUE(model.IsModified());
    EXPECT_EQ(model.DecimalInch().GetEditText(), "    0.0 (In)");
}

TEST_F(ModelTest, DecimalInchesIsNotRangeCheckedAndWrittenInFull)
{
    struct Case {
        double inches;
        const char* feet;     // the edit texts of the default masks, widened where needed
        const char* decimal;
        const char* metric;
    } cases[] = {
        {1440.0, "120'  \"  /  ", "1440.0     (In)", "36576(mm)"},   // 120 ft: three feet digits
        {5000.0, "416' 8\"  /  ", "5000.0     (In)", "127000(mm)"},
        {-6.5, "-  ' 6\" 1/2 ", "-   6.5     (In)", "-  165(mm)"},   // unsigned masks get a sign
        {1e6, "83333' 4\"  /  ", "1000000.0     (In)", "25400000(mm)"},
    };
    for (const Case& c : cases) {
        model.SetModified(false);
        EXPECT_TRUE(model.SetDecimalInches(c.inches)) << c.inches;
        ExpectAllForms(c.inches);
        EXPECT_EQ(model.FeetInchFrac().GetEditText(), c.feet);
        EXPECT_EQ(model.DecimalInch().GetEditText(), c.decimal);
        EXPECT_EQ(model.Metric().GetEditText(), c.metric);
        EXPECT_EQ(model.GetFormatFeet(), "99'99\"99/99");   // the masks stay
        EXPECT_TRUE(events.valueErrors.empty());
        EXPECT_FALSE(model.IsModified());
        for (int type : {FeetInchFracType, DecimalInchType, MetricType}) {
            model.SetDimensionType(type);   // every form reads the value back unchanged
            EXPECT_NEAR(model.GetDecimalInches(), c.inches, 0.5 / 25.4) << type;
        }
        model.SetDimensionType(FeetInchFracType);
    }
    ASSERT_TRUE(model.SetDecimalInches(30.5));
    for (double refused : {2e6, -2e6, std::nan("")})
        EXPECT_FALSE(model.SetDecimalInches(refused));   // beyond the range of lengths
    ExpectAllForms(30.5);
}

TEST_F(ModelTest, SwitchingTheFormCarriesTheValue)
{
    ASSERT_TRUE(model.SetDecimalInches(30.515625));
    model.SetDimensionType(MetricType);
    EXPECT_EQ(model.DisplayText(true), "  775(mm)");
    EXPECT_EQ(model.DisplayText(false), "  775(mm)");   // not packed: the edit text
    model.SetDimensionType(DecimalInchType);
    EXPECT_EQ(model.DisplayText(true), "  30.511811(In)");
    EXPECT_EQ(model.GetDecimalInchString(), "  30.511811(In)");
    model.SetPacked(true);
    model.SetJustifyType(2);
    EXPECT_EQ(model.GetDecimalInchString(), "  30.511811(In)");
    EXPECT_EQ(model.GetFeetInchFracString(), "  2'6\"33/64");
}

TEST_F(ModelTest, TypingCarriesTheValueToTheOtherForms)
{
    model.SetDimensionType(DecimalInchType);
    TypeOver("30.5");
    EXPECT_DOUBLE_EQ(model.GetDecimalInches(), 30.5);
    ExpectAllForms(30.5);
    EXPECT_EQ(model.ToolTipText(), "2'6\"1/2,775(mm)");
}

TEST_F(ModelTest, ADigitIsCarriedToAFormThatMustWidenForIt)
{
    model.SetMaxInches(2000.0);
    model.SetDimensionType(DecimalInchType);
    TypeOver("1440");   // 120 ft: wider than the two feet digits
    ExpectAllForms(1440.0);
    EXPECT_EQ(model.FeetInchFrac().GetEditText(), "120'  \"  /  ");
    model.FocusOut();
    EXPECT_TRUE(events.valueErrors.empty());
    model.SetDimensionType(FeetInchFracType);
    EXPECT_DOUBLE_EQ(model.GetDecimalInches(), 1440.0);
    EXPECT_EQ(model.GetFeetInchFracString(), "120'  \"  /  ");
    model.SetPacked(true);
    EXPECT_EQ(model.DisplayText(false), "120'        ");
}

TEST_F(ModelTest, ChangedFiresOncePerFocusPeriod)
{
    TypeOver("x");
    EXPECT_EQ(events.changed, 0);   // refused keys fire nothing
    TypeOver("12");
    EXPECT_EQ(events.changed, 1);
    model.FocusOut();
    model.FocusIn();
    model.Delete(0, 0);
    EXPECT_EQ(events.changed, 2);
    model.Backspace(1, 1);
    EXPECT_EQ(events.changed, 2);
}

TEST_F(ModelTest, LeavingWithAValueOutOfRangeClampsIt)
{
    model.SetFormatFeet("999'99\"99/99");
    model.SetDimensionType(DecimalInchType);
    TypeOver("1300");
    model.FocusOut();
    ASSERT_EQ(events.valueErrors.size(), 1u);
    EXPECT_EQ(events.valueErrors[0].inches, 1300.0);
    EXPECT_EQ(events.valueErrors[0].input, "1300.      (In)");
    EXPECT_EQ(events.valueErrors[0].minText, "0.0(In)");
    EXPECT_EQ(events.valueErrors[0].maxText, "1200.0(In)");
    ExpectAllForms(1200.0);

    model.SetMinInches(10.0);
    TypeOver("2");
    model.FocusOut();
    EXPECT_EQ(events.valueErrors.size(), 2u);
    ExpectAllForms(10.0);
    TypeOver("20");
    model.FocusOut();
    EXPECT_EQ(events.valueErrors.size(), 2u);
    ExpectAllForms(20.0);
}

TEST_F(ModelTest, TextOutsideTheLimitsLeavesTheFormsAsTheyWere)
{
    ASSERT_TRUE(model.SetDecimalInches(30.5));
    struct Case {
        std::function<bool(LenboxModel&)> set;
        double inches;
    } cases[] = {
        {[](LenboxModel& m) { return m.SetFeetInchFracString("-2'6"); }, -30.0},
        {[](LenboxModel& m) { return m.SetDecimalInchString("1300"); }, 1300.0},
        {[](LenboxModel& m) { return m.SetMetricString("-5.5"); }, -5.5 / 25.4},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(c.set(model));
        ASSERT_FALSE(events.valueErrors.empty());
        EXPECT_DOUBLE_EQ(events.valueErrors.back().inches, c.inches);
        EXPECT_EQ(events.valueErrors.back().minText, "");   // 0.0 packed in feet-inch-fraction
        EXPECT_EQ(events.valueErrors.back().maxText, "100'");   // written in full
        ExpectAllForms(30.5);
    }
}

TEST_F(ModelTest, TextInsideTheLimitsSetsAllThreeForms)
{
    EXPECT_TRUE(model.SetFeetInchFracString("5'6\"1/4"));
    ExpectAllForms(66.25);
    EXPECT_TRUE(model.SetMetricString("775(mm)"));
    ExpectAllForms(775 / 25.4);
    EXPECT_TRUE(model.SetDecimalInchString("-0"));
    ExpectAllForms(0.0);
    EXPECT_FALSE(model.SetFeetInchFracString("5'x"));
    EXPECT_TRUE(events.valueErrors.empty());
}

TEST_F(ModelTest, NothingIsTypedWhileInputIsDisabled)
{
    model.SetEnableInput(false);
    TypeOver("5");
    EXPECT_EQ(model.GetDecimalInches(), 0.0);
    EXPECT_EQ(events.changed, 0);
}

TEST_F(ModelTest, ClicksNeverPutTheCaretOnTheSign)
{
    model.SetMinInches(-5.0);
    EXPECT_EQ(model.ClickAt(0), 1);
    EXPECT_EQ(model.ClickAt(5), 4);   // just after the inch field's digits (none)
}

TEST_F(ModelTest, LoadingSetsEveryPropertyAndTheInitialValue)
{
    LenboxProperties p;
    p.initialValue = -2.5;
    p.minInches = -10.0;
    p.maxInches = 500.0;
    p.dimensionType = DecimalInchType;
    p.formatInch = "990.09";
    p.formatFeet = "99'99";   // refused: the default stays
    p.maxDenominator = 6;     // refused: the default stays
    p.packed = true;
    p.decimalInchAppendage = "in";
    model.LoadProperties(p);
    EXPECT_FALSE(model.IsModified());
    EXPECT_TRUE(model.DecimalInch().IsSigned());
    EXPECT_DOUBLE_EQ(model.GetDecimalInches(), -2.5);
    EXPECT_EQ(model.DisplayText(true), "-  2.5 in");
    EXPECT_EQ(model.DisplayText(false), "-2.5in   ");
    LenboxProperties expected = p;
    expected.formatFeet = "99'99\"99/99";
    expected.maxDenominator = 64;
    EXPECT_EQ(model.GetProperties(), expected);

    LenboxProperties bad = p;
    bad.dimensionType = 3;
    EXPECT_THROW(model.LoadProperties(bad), LenboxError);
    EXPECT_EQ(model.GetProperties(), expected);
}
