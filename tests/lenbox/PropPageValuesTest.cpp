#include "lenbox/PropPageValues.h"

#include <gtest/gtest.h>

using namespace lenbox;

TEST(GeneralPage, ShowsTheControlsProperties)
{
    LenboxModel model;
    GeneralPageValues v = GeneralPageValues::From(model);
    EXPECT_EQ(v.formatFeet, "99'99\"99/99");
    EXPECT_EQ(v.formatInch, "9990.099999");
    EXPECT_EQ(v.decimalInchAppendage, "(In)");
    EXPECT_EQ(v.formatMetric, "99990");
    EXPECT_EQ(v.metricAppendage, "(mm)");
    EXPECT_EQ(v.maxInches, "1200");
    EXPECT_EQ(v.minInches, "0");
    EXPECT_EQ(v.maxDenominator, "64");
    EXPECT_EQ(v.defaultDenominator, "64");
    EXPECT_EQ(v.initialValue, "0");
    EXPECT_EQ(v.dimensionType, 0);
    EXPECT_FALSE(v.packed);
    EXPECT_EQ(v.justifyType, 0);
}

TEST(GeneralPage, ChecksEveryFieldBeforeTheControlSeesIt)
{
    struct Case {
        const char* what;
        void (*edit)(GeneralPageValues&);
        const char* message;
    } cases[] = {
        {"feet", [](GeneralPageValues& v) { v.formatFeet = "09'99\""; }, "Illegal Feet-Inch-Frac Format"},
        {"feet long", [](GeneralPageValues& v) { v.formatFeet = "99'99\"99"; }, "Illegal Feet-Inch-Frac Format Too Long"},
        {"feet empty", [](GeneralPageValues& v) { v.formatFeet = " "; }, "Feet Inch Frac Format is Empty"},
        {"inch", [](GeneralPageValues& v) { v.formatInch = "9990.90"; }, "Decimal Inch Illegal Format"},
        {"inch empty", [](GeneralPageValues& v) { v.formatInch = ""; }, "Decimal Inch Format is Empty"},
        {"metric", [](GeneralPageValues& v) { v.formatMetric = ".99"; }, "Metric Illegal Format String"},
        {"max", [](GeneralPageValues& v) { v.maxInches = "12x"; }, "Please enter a number."},
        {"initial", [](GeneralPageValues& v) { v.initialValue = ""; }, "Please enter a number."},
        {"max den", [](GeneralPageValues& v) { v.maxDenominator = "128"; }, "Please enter an integer between 2 and 64."},
        {"default den", [](GeneralPageValues& v) { v.defaultDenominator = "1"; }, "Please enter an integer between 2 and 64."},
        {"not a power", [](GeneralPageValues& v) { v.maxDenominator = "48"; }, "Denominator Not Power\nEx. 2 4  8  16  32 64"},
        {"min above max", [](GeneralPageValues& v) { v.minInches = "10"; v.maxInches = "5"; },
         "Min Inches is greater than Max Inches\n"},
    };
    for (const Case& c : cases) {
        LenboxModel model;
        GeneralPageValues v = GeneralPageValues::From(model);
        c.edit(v);
        EXPECT_EQ(v.ApplyTo(model), c.message) << c.what;
        EXPECT_EQ(model.GetProperties(), LenboxProperties{}) << c.what;   // nothing was taken
    }
}

TEST(GeneralPage, HandsEveryValueToTheControl)
{
    LenboxModel model;
    GeneralPageValues v = GeneralPageValues::From(model);
    v.formatFeet = "999'99\"99/99";
    v.formatInch = "990.09";
    v.decimalInchAppendage = "in";
    v.formatMetric = "9990.0";
    v.metricAppendage = "mm";
    v.minInches = "-3000";   // both limits move below the old minimum
    v.maxInches = "-2000";
    v.maxDenominator = "32";
    v.defaultDenominator = "16";
    v.initialValue = "-2500.5";
    v.dimensionType = 1;
    v.packed = true;
    v.justifyType = 2;
    ASSERT_EQ(v.ApplyTo(model), "");
    LenboxProperties p = model.GetProperties();
    EXPECT_EQ(p.formatFeet, "999'99\"99/99");
    EXPECT_EQ(p.formatInch, "990.09");
    EXPECT_EQ(p.minInches, -3000.0);
    EXPECT_EQ(p.maxInches, -2000.0);
    EXPECT_EQ(p.maxDenominator, 32);
    EXPECT_EQ(p.defaultDenominator, 16);
    EXPECT_EQ(p.initialValue, -2500.5);
    EXPECT_EQ(p.dimensionType, 1);
    EXPECT_TRUE(p.packed);
    EXPECT_EQ(p.justifyType, 2);
    EXPECT_TRUE(model.IsModified());
    EXPECT_TRUE(model.DecimalInch().IsSigned());
}

TEST(SpecificsPage, ShowsAndHandsOnTheRest)
{
    LenboxModel model;
    SpecificsPageValues v = SpecificsPageValues::From(model);
    EXPECT_TRUE(v.autoSize);
    EXPECT_FALSE(v.toolTips);
    EXPECT_EQ(v.borderStyle, "1");
    EXPECT_TRUE(v.enableInput);
    EXPECT_EQ(v.appearance, 1);
    EXPECT_EQ(v.backGround, 1);

    v.borderStyle = "x";
    EXPECT_EQ(v.ApplyTo(model), "Please enter an integer.");
    v.borderStyle = "3";
    EXPECT_EQ(v.ApplyTo(model), "Invalid property value");
    EXPECT_FALSE(model.IsModified());

    v = {false, true, "0", false, 0, 0};
    ASSERT_EQ(v.ApplyTo(model), "");
    EXPECT_FALSE(model.GetAutoSize());
    EXPECT_TRUE(model.GetToolTips());
    EXPECT_EQ(model.GetStock().borderStyle, 0);
    EXPECT_FALSE(model.GetEnableInput());
    EXPECT_EQ(model.GetStock().appearance, 0);
    EXPECT_EQ(model.GetBackGround(), 0);
}
