#include "QtPrint.h"

#include "lenbox/ui/LenboxCtrl.h"
#include "lenbox/ui/LenboxPropPage.h"
#include "lenbox/ui/LenboxPropPage2.h"

#include "fw/core/MessageService.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>

#include <gtest/gtest.h>

using namespace lenbox;

namespace {

QLineEdit* Edit(QDialog& page, const char* property)
{
    auto* edit = page.findChild<QLineEdit*>(QString::fromLatin1(property));
    EXPECT_NE(edit, nullptr) << property;
    return edit;
}

QButtonGroup* Group(QDialog& page, const char* property)
{
    auto* group = page.findChild<QButtonGroup*>(QString::fromLatin1(property));
    EXPECT_NE(group, nullptr) << property;
    return group;
}

QCheckBox* Check(QDialog& page, const char* property)
{
    auto* box = page.findChild<QCheckBox*>(QString::fromLatin1(property));
    EXPECT_NE(box, nullptr) << property;
    return box;
}

} // namespace

TEST(GeneralPageDialog, OkHandsTheValuesToTheControl)
{
    CLenboxCtrl ctrl;
    CLenboxPropPage page(ctrl);
    EXPECT_EQ(page.windowTitle(), QStringLiteral("General"));
    EXPECT_EQ(Edit(page, "FormatFeet")->text(), QStringLiteral("99'99\"99/99"));
    EXPECT_EQ(Edit(page, "MaxInches")->text(), QStringLiteral("1200"));
    Edit(page, "FormatFeet")->setText(QStringLiteral("999'99\"99/99"));
    Edit(page, "MetricAppendage")->setText(QStringLiteral("mm"));
    Edit(page, "MinInches")->setText(QStringLiteral("-12.5"));
    Edit(page, "InitialValue")->setText(QStringLiteral("3"));
    Group(page, "DimensionType")->button(2)->click();
    Check(page, "Packed")->click();
    Group(page, "JustifyType")->button(1)->click();
    page.accept();
    EXPECT_EQ(page.result(), QDialog::Accepted);
    EXPECT_EQ(ctrl.GetFormatFeet(), QStringLiteral("999'99\"99/99"));
    EXPECT_EQ(ctrl.GetMetricAppendage(), QStringLiteral("mm"));
    EXPECT_EQ(ctrl.GetMinInches(), -12.5);
    EXPECT_EQ(ctrl.GetInitialValue(), 3.0);
    EXPECT_EQ(ctrl.GetDimensionType(), 2);
    EXPECT_TRUE(ctrl.GetPacked());
    EXPECT_EQ(ctrl.GetJustifyType(), 1);
    EXPECT_EQ(ctrl.text(), QStringLiteral("  0mm   "));   // packed and centred, with the sign position
}

TEST(GeneralPageDialog, ARefusedValueIsShownAndThePageStaysOpen)
{
    fw::ScriptedMessages messages;
    messages->Answer(fw::IDOK).Answer(fw::IDOK);
    CLenboxCtrl ctrl;
    CLenboxPropPage page(ctrl);
    Edit(page, "FormatFeet")->setText(QStringLiteral("09'99\""));
    page.accept();
    Edit(page, "FormatFeet")->setText(QStringLiteral("99'99\""));
    Edit(page, "MaxDenominator")->setText(QStringLiteral("128"));
    page.accept();
    EXPECT_NE(page.result(), QDialog::Accepted);
    ASSERT_EQ(messages->Shown().size(), 2u);
    EXPECT_EQ(messages->Shown()[0].text, "Illegal Feet-Inch-Frac Format");
    EXPECT_EQ(messages->Shown()[0].caption, "Lenbox Control");
    EXPECT_EQ(messages->Shown()[1].text, "Please enter an integer between 2 and 64.");
    EXPECT_EQ(ctrl.GetFormatFeet(), QStringLiteral("99'99\"99/99"));
    EXPECT_FALSE(ctrl.Model().IsModified());
}

TEST(GeneralPageDialog, CancelChangesNothing)
{
    CLenboxCtrl ctrl;
    CLenboxPropPage page(ctrl);
    Edit(page, "MaxInches")->setText(QStringLiteral("10"));
    page.reject();
    EXPECT_EQ(page.result(), QDialog::Rejected);
    EXPECT_EQ(ctrl.GetMaxInches(), 1200.0);
}

TEST(GeneralPageDialog, JustifyIsEnabledOnlyWhilePacked)
{
    CLenboxCtrl ctrl;
    CLenboxPropPage page(ctrl);
    QCheckBox* packed = Check(page, "Packed");
    QAbstractButton* left = Group(page, "JustifyType")->button(0);
    EXPECT_FALSE(left->isEnabled());
    packed->click();
    EXPECT_TRUE(left->isEnabled());
    packed->click();
    EXPECT_FALSE(left->isEnabled());
}

TEST(SpecificsPageDialog, OkHandsTheValuesToTheControl)
{
    CLenboxCtrl ctrl;
    CLenboxPropPage2 page(ctrl);
    EXPECT_EQ(page.windowTitle(), QStringLiteral("Specifics"));
    QButtonGroup* background = Group(page, "BackGround");
    EXPECT_EQ(background->checkedButton()->text(), QStringLiteral("Transparent"));   // BackGround 1
    Check(page, "AutoSize")->click();
    Check(page, "ToolTips")->click();
    Check(page, "EnableInput")->click();
    Edit(page, "BorderStyle")->setText(QStringLiteral("0"));
    Group(page, "Appearance")->button(0)->click();
    background->button(1)->click();   // "Opaque"
    page.accept();
    EXPECT_EQ(page.result(), QDialog::Accepted);
    EXPECT_FALSE(ctrl.GetAutoSize());
    EXPECT_TRUE(ctrl.GetToolTips());
    EXPECT_FALSE(ctrl.GetEnableInput());
    EXPECT_EQ(ctrl.GetBorderStyle(), 0);
    EXPECT_FALSE(ctrl.hasFrame());
    EXPECT_EQ(ctrl.GetAppearance(), 0);
    EXPECT_EQ(ctrl.GetBackGround(), 0);
    EXPECT_NE(ctrl.palette().color(QPalette::Base), QColor(Qt::transparent));
}

TEST(SpecificsPageDialog, ARefusedBorderIsShownAndCancelChangesNothing)
{
    fw::ScriptedMessages messages;
    messages->Answer(fw::IDOK);
    CLenboxCtrl ctrl;
    CLenboxPropPage2 page(ctrl);
    Check(page, "ToolTips")->click();
    Edit(page, "BorderStyle")->setText(QStringLiteral("2"));
    page.accept();
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_EQ(messages->Shown()[0].text, "Invalid property value");
    page.reject();
    EXPECT_EQ(page.result(), QDialog::Rejected);
    EXPECT_FALSE(ctrl.GetToolTips());
    EXPECT_EQ(ctrl.GetBorderStyle(), 1);
}
