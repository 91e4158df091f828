#include "partprog/ui/RefDialog.h"

#include "model/RefPlane.h"
#include "partprog/ui/RadioGroup.h"

#include "LenboxFactory.h"

#include <QCoreApplication>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

using LengthField = CRefDialog::Length;

class RefDialogTest : public testing::Test {
protected:
    test::LenboxFactory factory;
    CRefDialog dialog;

    lenbox::CLenboxCtrl& Control(LengthField length) { return test::LenboxFactory::Of(dialog.GetLenbox(length)); }
    std::vector<int> Radios() const
    {
        return {dialog.GetXDirectionGroup().GetIndex(), dialog.GetUDirectionGroup().GetIndex(),
                dialog.GetPatternTypeGroup().GetIndex()};
    }
    static CRefPlane Plane(char xDirection, char uDirection, char type)
    {
        CRefPlane plane;
        plane.Set(12.5, 3.25, xDirection, uDirection, 3, 12, type);
        return plane;
    }
};

} // namespace

TEST_F(RefDialogTest, OpensEmptyWithNoChoiceMade)
{
    dialog.open();
    EXPECT_EQ(dialog.windowTitle(), "Custom Reference Plane");
    EXPECT_EQ(Radios(), (std::vector{-1, -1, -1}));
    const char* texts[] = {"&Positive", "&Negative", "P&ositive", "N&egative", "&Above", "&Below", "&Center"};
    for (int id = CRefDialog::IDC_X_POSITIVE; id <= CRefDialog::IDC_CENTER; ++id) {
        auto* button = dialog.findChild<QRadioButton*>(QString::number(id));
        ASSERT_NE(button, nullptr) << id;
        EXPECT_EQ(button->text(), texts[id - CRefDialog::IDC_X_POSITIVE]);
    }
    for (int length = 0; length < CRefDialog::lengthCount; ++length) {
        EXPECT_EQ(Control(LengthField(length)).objectName(), QString::number(CRefDialog::IDC_START_X + length));
        EXPECT_EQ(Control(LengthField(length)).GetDecimalInches(), 0.0);
    }
    dialog.reject();
}

TEST_F(RefDialogTest, ShowsThePlaneInTheMeasuringSystem)
{
    const double kHalfMillimetre = 0.5 / 25.4 + 1e-9;   // the metric form shows whole millimetres
    for (int system : {0, 1, 2}) {
        CRefDialog shown;
        shown.FillFrom(Plane('-', '+', 'C'), system);
        shown.open();
        const double lengths[] = {12.5, 3.25, 3, 12};
        for (int length = 0; length < CRefDialog::lengthCount; ++length) {
            const lenbox::CLenboxCtrl& control = test::LenboxFactory::Of(shown.GetLenbox(LengthField(length)));
            EXPECT_EQ(control.GetDimensionType(), system);
            EXPECT_NEAR(control.GetDecimalInches(), lengths[length], kHalfMillimetre) << system;
        }
        EXPECT_EQ(shown.GetXDirectionGroup().GetIndex(), 1);
        EXPECT_EQ(shown.GetUDirectionGroup().GetIndex(), 0);
        EXPECT_EQ(shown.GetPatternTypeGroup().GetIndex(), 2);
        shown.reject();
    }
}

TEST_F(RefDialogTest, OkWritesTheChoicesBackToThePlane)
{
    const struct {
        std::vector<int> radios;   // X, U, type; -1 none chosen
        char xDirection, uDirection, type;
    } cases[] = {
        {{1, 0, 2}, '-', '+', 'C'},
        {{0, 1, 1}, '+', '-', 'B'},
        {{1, 1, 0}, '-', '-', 'A'},
        {{-1, -1, -1}, '+', '+', 'A'},
    };
    for (const auto& c : cases) {
        CRefDialog edit;
        edit.FillFrom(Plane('+', '-', 'A'), 1);
        edit.open();
        edit.GetXDirectionGroup().SetIndex(c.radios[0]);
        edit.GetUDirectionGroup().SetIndex(c.radios[1]);
        edit.GetPatternTypeGroup().SetIndex(c.radios[2]);
        test::LenboxFactory::Of(edit.GetLenbox(CRefDialog::startX)).SetDecimalInches(40);
        test::LenboxFactory::Of(edit.GetLenbox(CRefDialog::rise)).SetDecimalInches(5);
        edit.accept();
        ASSERT_EQ(edit.result(), QDialog::Accepted);

        CRefPlane plane;
        edit.WriteTo(plane);
        EXPECT_EQ(plane.GetStartX().GetValue(), 40);
        EXPECT_EQ(plane.GetStartU().GetValue(), 3.25);
        EXPECT_EQ(plane.GetRise().GetValue(), 5);
        EXPECT_EQ(plane.GetRun().GetValue(), 12);
        const std::string expected{c.xDirection, c.uDirection, c.type};
        EXPECT_EQ(std::string({plane.GetXDirection(), plane.GetUDirection(), plane.GetPatternType()}), expected);
    }
}

TEST_F(RefDialogTest, CancelKeepsTheValuesItWasGiven)
{
    dialog.FillFrom(Plane('-', '-', 'B'), 0);
    dialog.open();
    Control(CRefDialog::run).SetDecimalInches(99);
    dialog.GetPatternTypeGroup().SetIndex(0);
    dialog.reject();

    CRefPlane plane;
    dialog.WriteTo(plane);
    EXPECT_TRUE(plane.IsEqual(Plane('-', '-', 'B')));
}

TEST_F(RefDialogTest, LeavingALengthPostsItsFieldChanged)
{
    std::vector<int> changed;
    QObject::connect(&dialog, &CRefDialog::FieldChanged, [&](int id) { changed.push_back(id); });
    dialog.open();
    for (int length = CRefDialog::lengthCount - 1; length >= 0; --length)
        emit Control(LengthField(length)).KillFocus();
    EXPECT_TRUE(changed.empty());   // posted, not sent
    QCoreApplication::processEvents();
    EXPECT_EQ(changed, (std::vector{CRefDialog::IDC_RUN, CRefDialog::IDC_RISE, CRefDialog::IDC_START_U,
                                    CRefDialog::IDC_START_X}));
    dialog.reject();
}
