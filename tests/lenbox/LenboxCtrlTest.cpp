#include "QtPrint.h"

#include "lenbox/LenboxIds.h"
#include "lenbox/ui/LenboxAboutDlg.h"
#include "lenbox/ui/LenboxCtrl.h"
#include "lenbox/ui/LenboxRegistration.h"

#include "fw/core/Archive.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace lenbox;

namespace {

// A window with the control and a plain edit to take the focus away.
// The plain edit comes first, so that it has the focus when the window opens.
struct CtrlTest : ::testing::Test {
    CtrlTest()
    {
        auto* layout = new QVBoxLayout(&window);
        other = new QLineEdit(&window);
        ctrl = new CLenboxCtrl(&window);
        layout->addWidget(other);
        layout->addWidget(ctrl);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void FocusControl()
    {
        ctrl->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(ctrl->hasFocus());
    }
    void FocusOther()
    {
        other->setFocus(Qt::TabFocusReason);
        ASSERT_FALSE(ctrl->hasFocus());
    }

    QWidget window;
    CLenboxCtrl* ctrl;
    QLineEdit* other;
};

} // namespace

TEST_F(CtrlTest, FocusShowsTheEditTextAllSelected)
{
    QSignalSpy setFocus(ctrl, &CLenboxCtrl::SetFocus);
    ASSERT_TRUE(ctrl->SetDecimalInches(30.5));
    ASSERT_TRUE(ctrl->SetPacked(true));
    EXPECT_EQ(ctrl->text(), QStringLiteral("2'6\"1/2    "));
    FocusControl();
    EXPECT_EQ(ctrl->text(), QStringLiteral("2 ' 6\" 1/2 "));   // the feet field entered
    EXPECT_EQ(ctrl->selectedText(), ctrl->text());
    EXPECT_EQ(setFocus.count(), 1);
}

TEST_F(CtrlTest, TypingSetsTheValueAndChangedFiresOncePerFocusPeriod)
{
    QSignalSpy changed(ctrl, &CLenboxCtrl::Changed);
    FocusControl();
    QTest::keyClicks(ctrl, "5'6\"1/2");
    EXPECT_EQ(ctrl->text(), QStringLiteral(" 5' 6\" 1/2 "));
    EXPECT_DOUBLE_EQ(ctrl->GetDecimalInches(), 66.5);
    EXPECT_EQ(changed.count(), 1);
    QTest::keyClick(ctrl, Qt::Key_Backspace);
    EXPECT_EQ(changed.count(), 1);
    FocusOther();
    FocusControl();
    QTest::keyClicks(ctrl, "x");
    EXPECT_EQ(changed.count(), 1);   // a refused key is no change
    QTest::keyClicks(ctrl, "7");
    EXPECT_EQ(changed.count(), 2);
    EXPECT_DOUBLE_EQ(ctrl->GetDecimalInches(), 84.0);
}

TEST_F(CtrlTest, KillFocusClampsAndRedisplays)
{
    ASSERT_TRUE(ctrl->SetFormatFeet(QStringLiteral("999'99\"99/99")));
    ASSERT_TRUE(ctrl->SetDimensionType(1));
    QSignalSpy valueError(ctrl, &CLenboxCtrl::DecimalInchValueError);
    double valueAtKillFocus = 0.0;
    QObject::connect(ctrl, &CLenboxCtrl::KillFocus, [&] { valueAtKillFocus = ctrl->GetDecimalInches(); });
    FocusControl();
    QTest::keyClicks(ctrl, "1300");
    FocusOther();
    ASSERT_EQ(valueError.count(), 1);
    const QList<QVariant> args = valueError.first();
    EXPECT_EQ(args[0].toDouble(), 1300.0);
    EXPECT_EQ(args[1].toString(), QStringLiteral("1300.      (In)"));
    EXPECT_EQ(args[2].toString(), QStringLiteral("0.0(In)"));
    EXPECT_EQ(args[3].toString(), QStringLiteral("1200.0(In)"));
    EXPECT_EQ(valueAtKillFocus, 1200.0);
    EXPECT_EQ(ctrl->text(), QStringLiteral("1200.0     (In)"));
    EXPECT_EQ(ctrl->GetFeetInchFracString(), QStringLiteral("100'  \"  /  "));
}

TEST_F(CtrlTest, CaretKeysMoveFieldByField)
{
    ASSERT_TRUE(ctrl->SetDecimalInches(30.5));
    FocusControl();
    QTest::keyClick(ctrl, Qt::Key_Home);
    EXPECT_EQ(ctrl->cursorPosition(), 0);
    QTest::keyClick(ctrl, Qt::Key_Right);
    QTest::keyClick(ctrl, Qt::Key_Right);
    EXPECT_EQ(ctrl->cursorPosition(), 3);   // into the inch field
    QTest::keyClick(ctrl, Qt::Key_Up);
    QTest::keyClick(ctrl, Qt::Key_Down);
    EXPECT_EQ(ctrl->cursorPosition(), 3);
    QTest::keyClick(ctrl, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(ctrl->selectedText(), QStringLiteral("6"));
    QTest::keyClick(ctrl, Qt::Key_Delete);
    EXPECT_DOUBLE_EQ(ctrl->GetDecimalInches(), 24.5);
    QTest::keyClick(ctrl, Qt::Key_End);
    EXPECT_EQ(ctrl->cursorPosition(), 9);   // End lands in the denominator: its first position
    QTest::keyClick(ctrl, Qt::Key_Home, Qt::NoModifier);
    QTest::keyClick(ctrl, Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(ctrl->selectedText().size(), 11);
}

TEST_F(CtrlTest, ReturnAndEscapeReachTheDialog)
{
    FocusControl();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(ctrl, &enter);
    EXPECT_FALSE(enter.isAccepted());
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(ctrl, &up);
    EXPECT_TRUE(up.isAccepted());
}

TEST_F(CtrlTest, RefusedSettersFireErrorAndKeepTheValue)
{
    QSignalSpy error(ctrl, &CLenboxCtrl::Error);
    EXPECT_FALSE(ctrl->SetMinInches(2000.0));
    EXPECT_FALSE(ctrl->setProperty("DimensionType", 5) && ctrl->GetDimensionType() == 5);
    ASSERT_EQ(error.count(), 2);
    EXPECT_EQ(error[0][0].toInt(), 1004);
    EXPECT_EQ(error[0][1].toString(), QStringLiteral("Min Inches is greater than Max Inches\n"));
    EXPECT_EQ(std::uint32_t(error[0][2].toInt()), 0x800A03ECu);
    EXPECT_EQ(error[1][0].toInt(), 380);
    EXPECT_EQ(ctrl->GetMinInches(), 0.0);
    EXPECT_EQ(ctrl->GetDimensionType(), 0);
    EXPECT_FALSE(ctrl->SetDecimalInches(2e6));   // beyond the range of lengths: no error, just refused
    EXPECT_EQ(error.count(), 2);
}

TEST_F(CtrlTest, TheToolTipShowsTheOtherForms)
{
    ASSERT_TRUE(ctrl->SetDecimalInches(30.5));
    EXPECT_TRUE(ctrl->toolTip().isEmpty());
    ASSERT_TRUE(ctrl->SetToolTips(true));
    EXPECT_EQ(ctrl->toolTip(), QStringLiteral("30.5(In),775(mm)"));
    FocusControl();
    QTest::keyClicks(ctrl, "1");
    EXPECT_EQ(ctrl->toolTip(), QStringLiteral("12.0(In),305(mm)"));
}

TEST_F(CtrlTest, DisabledInputTakesNoKeys)
{
    QSignalSpy changed(ctrl, &CLenboxCtrl::Changed);
    ASSERT_TRUE(ctrl->SetEnableInput(false));
    EXPECT_TRUE(ctrl->isReadOnly());
    FocusControl();
    QTest::keyClicks(ctrl, "5");
    QTest::keyClick(ctrl, Qt::Key_Delete);
    EXPECT_EQ(ctrl->GetDecimalInches(), 0.0);
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(CtrlTest, PropertiesAreReachableByName)
{
    EXPECT_EQ(ctrl->property("FormatFeet").toString(), QStringLiteral("99'99\"99/99"));
    EXPECT_TRUE(ctrl->setProperty("DecimalInches", 12.0));
    EXPECT_EQ(ctrl->property("DecimalInchString").toString(), QStringLiteral("  12.0     (In)"));
    EXPECT_EQ(ctrl->property("GetFloatDecInch").toFloat(), 0.0f);
}

TEST_F(CtrlTest, ThePropertyStreamRoundTripsThroughTheWidget)
{
    ASSERT_TRUE(ctrl->SetFormatInch(QStringLiteral("990.09")));
    ASSERT_TRUE(ctrl->SetMinInches(-5.0));
    ASSERT_TRUE(ctrl->SetInitialValue(-2.5));
    ASSERT_TRUE(ctrl->SetDimensionType(1));
    ASSERT_TRUE(ctrl->SetBackColor(0x00FF0000));
    ctrl->resize(200, 30);
    fw::Archive out;
    ctrl->SaveProperties(out);

    CLenboxCtrl copy;
    fw::Archive in(out.TakeBytes());
    copy.LoadProperties(in);
    EXPECT_EQ(copy.size(), QSize(200, 30));
    LenboxProperties expected = ctrl->Model().GetProperties();
    expected.stock.extentX = copy.Model().GetStock().extentX;
    expected.stock.extentY = copy.Model().GetStock().extentY;
    EXPECT_EQ(copy.Model().GetProperties(), expected);
    EXPECT_DOUBLE_EQ(copy.GetDecimalInches(), -2.5);
    EXPECT_EQ(copy.text(), QStringLiteral("-  2.5 (In)"));
    EXPECT_EQ(copy.palette().color(QPalette::Base), QColor(Qt::transparent));   // BackGround 1

    fw::Archive truncated(std::vector<std::uint8_t>(10, 0));
    EXPECT_THROW(copy.LoadProperties(truncated), fw::ArchiveException);
    EXPECT_DOUBLE_EQ(copy.GetDecimalInches(), -2.5);
}

TEST_F(CtrlTest, TheControlIsCreatableByItsIdentifiers)
{
    ASSERT_EQ(RegisterServer(), fw::S_OK);
    std::unique_ptr<CLenboxCtrl> byProgId = fw::ClassRegistry::Instance().CreateAs<CLenboxCtrl>(kControlProgId);
    std::unique_ptr<CLenboxCtrl> byClassId = fw::ClassRegistry::Instance().CreateAs<CLenboxCtrl>(kControlClassId);
    EXPECT_NE(byProgId, nullptr);
    EXPECT_NE(byClassId, nullptr);
    EXPECT_EQ(UnregisterServer(), fw::S_OK);
    EXPECT_NE(UnregisterServer(), fw::S_OK);
    EXPECT_FALSE(fw::ClassRegistry::Instance().IsRegistered(kControlProgId));
}

TEST_F(CtrlTest, TheAboutBoxNamesTheControl)
{
    CLenboxAboutDlg about(ctrl);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Lenbox Control"));
    QStringList texts;
    for (QLabel* label : about.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("Lenbox Control, Version 1.0")));
    about.accept();
    EXPECT_EQ(about.result(), QDialog::Accepted);
}
