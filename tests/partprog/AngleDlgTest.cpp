#include "partprog/ui/AngleDlg.h"

#include "fw/core/MessageService.h"
#include "partprog/ui/RadioGroup.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include <gtest/gtest.h>

TEST(AngleDlg, OpensClockwiseAtZeroUnderItsCaptionOrTitle)
{
    CAngleDlg plain;
    plain.open();
    EXPECT_EQ(plain.windowTitle(), "Anglular Input");
    EXPECT_EQ(plain.GetAngleBox().text(), "0");
    EXPECT_TRUE(plain.findChild<QRadioButton*>(QString::number(CAngleDlg::IDC_CLOCKWISE))->isChecked());
    EXPECT_EQ(plain.findChild<QRadioButton*>(QString::number(CAngleDlg::IDC_COUNTER_CLOCKWISE))->text(),
              "Counter Clockwise");
    plain.reject();

    CAngleDlg titled;
    titled.SetTitle("Rotate Degrees");
    titled.open();
    EXPECT_EQ(titled.windowTitle(), "Rotate Degrees");
    titled.reject();
}

TEST(AngleDlg, ArrowsStepWithinTheRange)
{
    CAngleDlg dialog;
    dialog.SetAngle(358);
    dialog.open();
    QSpinBox& box = dialog.GetAngleBox();
    box.stepBy(5);
    EXPECT_EQ(box.value(), 359);
    box.setValue(-358);
    box.stepBy(-1);
    box.stepBy(-1);
    EXPECT_EQ(box.value(), -359);
    dialog.reject();
}

TEST(AngleDlg, AnglesFromMinus359To359)
{
    const struct {
        const char* text;
        bool accepted;
        int angle;
    } cases[] = {{"359", true, 359}, {"-359", true, -359}, {"90", true, 90},
                 {"360", false, 10}, {"-360", false, 10}, {"1000", false, 10}};
    for (const auto& c : cases) {
        fw::ScriptedMessages messages;
        CAngleDlg dialog;
        dialog.SetAngle(10);
        dialog.open();
        dialog.GetDirectionGroup().SetIndex(CAngleDlg::counterClockwise);
        dialog.GetAngleBox().findChild<QLineEdit*>()->setText(c.text);
        if (!c.accepted)
            messages->Answer(fw::IDOK);
        dialog.accept();
        EXPECT_EQ(dialog.result(), c.accepted ? QDialog::Accepted : QDialog::Rejected) << c.text;
        EXPECT_EQ(dialog.isVisible(), !c.accepted) << c.text;
        EXPECT_EQ(dialog.GetAngle(), c.angle) << c.text;
        EXPECT_EQ(dialog.GetDirection(), c.accepted ? CAngleDlg::counterClockwise : CAngleDlg::clockwise) << c.text;
        ASSERT_EQ(messages->Shown().size(), c.accepted ? 0u : 1u) << c.text;
        if (!c.accepted) {
            EXPECT_EQ(messages->Shown()[0].text, "Please enter an integer between -359 and 359.");
        }
        dialog.reject();
    }
}
