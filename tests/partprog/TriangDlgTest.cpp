#include "partprog/ui/TriangDlg.h"

#include "partprog/ui/RadioGroup.h"

#include "LenboxFactory.h"

#include <QLabel>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

class TriangDlgTest : public testing::Test {
protected:
    test::LenboxFactory factory;
    CTriangDlg dialog;

    QRadioButton* Radio(int id) const { return dialog.findChild<QRadioButton*>(QString::number(id)); }
};

} // namespace

TEST_F(TriangDlgTest, OpensWithNeitherDistanceChosen)
{
    dialog.open();
    EXPECT_EQ(dialog.windowTitle(), "Triangulate distance");
    EXPECT_NE(dialog.findChild<QLabel*>(), nullptr);
    EXPECT_EQ(dialog.findChild<QLabel*>()->text(), "Absolute Distance:");
    EXPECT_EQ(Radio(CTriangDlg::IDC_ABSOLUTE_X)->text(), "Absolute X Distance");
    EXPECT_EQ(Radio(CTriangDlg::IDC_ABSOLUTE_U)->text(), "Absolute U Distance");
    EXPECT_FALSE(Radio(CTriangDlg::IDC_ABSOLUTE_X)->isChecked());
    EXPECT_FALSE(Radio(CTriangDlg::IDC_ABSOLUTE_U)->isChecked());
    EXPECT_EQ(test::LenboxFactory::Of(dialog.GetLenbox()).objectName(), "1083");

    dialog.accept();
    EXPECT_EQ(dialog.GetChoice(), -1);
    EXPECT_EQ(dialog.GetDistance(), 0.0);
}

TEST_F(TriangDlgTest, OkGivesTheChoiceAndTheDistance)
{
    dialog.SetChoice(CTriangDlg::absoluteX);   // the caller's preset
    dialog.SetDistance(6);
    dialog.open();
    EXPECT_TRUE(Radio(CTriangDlg::IDC_ABSOLUTE_X)->isChecked());
    EXPECT_EQ(test::LenboxFactory::Of(dialog.GetLenbox()).GetDecimalInches(), 6.0);

    Radio(CTriangDlg::IDC_ABSOLUTE_U)->click();
    test::LenboxFactory::Of(dialog.GetLenbox()).SetDecimalInches(30.5);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetChoice(), CTriangDlg::absoluteU);
    EXPECT_EQ(dialog.GetDistance(), 30.5);
}

TEST_F(TriangDlgTest, CancelKeepsTheValues)
{
    dialog.SetDistance(6);
    dialog.open();
    Radio(CTriangDlg::IDC_ABSOLUTE_X)->click();
    test::LenboxFactory::Of(dialog.GetLenbox()).SetDecimalInches(30.5);
    dialog.reject();
    EXPECT_EQ(dialog.GetChoice(), -1);
    EXPECT_EQ(dialog.GetDistance(), 6.0);
}
