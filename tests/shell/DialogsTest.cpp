#include "shell/ui/AboutDlg.h"
#include "shell/ui/ChooseDriveDlg.h"
#include "shell/ui/EditFix.h"
#include "shell/ui/MarkDlg.h"
#include "shell/ui/NewItemDlg.h"
#include "shell/ui/RenamePartDlg.h"
#include "shell/ui/ShopDiskSetupDlg.h"
#include "shell/ui/YesNoAllDlg.h"
#include "tests/shell/QtFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

using DialogsTest = test::QtFixture;

TEST_F(DialogsTest, AboutShowsTheVersionBlockOrTheKeys)
{
    const VersionBlock block{{"CompanyName", "Kestrom"}, {"ProductName", ""}, {"ProductVersion", "4.2"}};
    CAboutDlg about(nullptr, &block);
    EXPECT_EQ(about.windowTitle(), "About Varnex");
    EXPECT_EQ(about.Text(1227)->text(), "Kestrom");
    EXPECT_EQ(about.Text(1228)->text(), "ProductName");   // empty value: the key stays
    EXPECT_EQ(about.Text(1229)->text(), "4.2");
    EXPECT_EQ(about.Text(1230)->text(), "LegalCopyright");
    CAboutDlg bare(nullptr, nullptr);
    EXPECT_EQ(bare.Text(1229)->text(), "ProductVersion");
    CAboutDlg program;
    EXPECT_EQ(program.Text(1228)->text(), "Varnex");
}

TEST_F(DialogsTest, ChooseDriveOffersTheDrivesAndFollowsTheSelection)
{
    CChooseDriveDlg dialog({'C', 'D'});
    EXPECT_EQ(dialog.windowTitle(), "Pick a Drive");
    EXPECT_EQ(dialog.DriveCombo().count(), 2);
    EXPECT_EQ(dialog.GetDrive(), "C:\\");
    dialog.DriveCombo().setCurrentIndex(1);
    EXPECT_EQ(dialog.GetDrive(), "D:\\");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(DialogsTest, ChooseDriveWithoutDrivesCannotReturnOk)
{
    messages->Answer(fw::IDOK);
    CChooseDriveDlg dialog({});
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_EQ(messages->Shown()[0],
              (fw::ShownMessage{"Failed to get drive letters: no drive letter stands for a folder.", "Error! ", fw::MB_OK,
                                fw::IDOK}));
    EXPECT_FALSE(dialog.Buttons().button(QDialogButtonBox::Ok)->isEnabled());
    dialog.setResult(QDialog::Rejected);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.GetDrive(), "");
}

TEST_F(DialogsTest, NewItemNameIsCheckedOnOk)
{
    struct Case {
        const char* name;
        const char* message;   // nullptr: accepted
    };
    const Case cases[] = {
        {"G12", nullptr},
        {"", "String must be 1 to 10 characters"},
        {"12345678901", "String must be 1 to 10 characters"},
        {"..", "A name may not hold \\ / : * ? \" < > | or \"..\""},
        {"J1\\G1", "A name may not hold \\ / : * ? \" < > | or \"..\""},
        {"C:", "A name may not hold \\ / : * ? \" < > | or \"..\""},
    };
    for (const Case& c : cases) {
        fw::ScriptedMessages box;
        if (c.message)
            box->Answer(fw::IDOK);
        CNewItemDlg dialog("old");
        dialog.Edit().setText(c.name);
        dialog.setResult(QDialog::Rejected);
        dialog.accept();
        EXPECT_EQ(dialog.result(), c.message ? QDialog::Rejected : QDialog::Accepted) << c.name;
        EXPECT_EQ(dialog.GetName(), c.message ? "old" : c.name);
        EXPECT_EQ(box->Shown().size(), c.message ? 1u : 0u) << c.name;
        if (c.message && !box->Shown().empty()) {
            EXPECT_EQ(box->Shown()[0].text, c.message);
        }
    }
}

TEST_F(DialogsTest, YesNoAllAnswersWithTheButtonsIds)
{
    for (int answer : {6, 7, 1204, 1206, 2}) {
        CYesNoAllDlg dialog("Part B12 is on the mult already.");
        dialog.Button(answer)->click();
        EXPECT_EQ(dialog.result(), answer);
    }
    CYesNoAllDlg dialog("x");
    EXPECT_EQ(dialog.Button(2)->text(), "&Cancel the mult");
    dialog.reject();
    EXPECT_EQ(dialog.result(), 2);
}

TEST_F(DialogsTest, MarkDialogPutsTheHandOnTheMark)
{
    CMarkDlg dialog("Opposite of B12-r", "B12-r", Hand::none, false);
    EXPECT_EQ(dialog.findChild<QLabel*>("static1182")->text(), "Opposite of B12-r");
    EXPECT_TRUE(dialog.DoAllBox().isEnabled());
    dialog.RightButton().click();
    EXPECT_EQ(dialog.MarkEdit().text(), "B12-R");
    EXPECT_TRUE(dialog.RightButton().isChecked());
    dialog.DoAllBox().click();
    dialog.LeftButton().click();
    EXPECT_EQ(dialog.MarkEdit().text(), "B12-L");
    EXPECT_TRUE(dialog.DoAllBox().isChecked());
    dialog.accept();
    EXPECT_EQ(dialog.GetMark(), "B12-L");
    EXPECT_EQ(dialog.GetHand(), Hand::left);
    EXPECT_TRUE(dialog.GetDoAllSimilarly());
}

TEST_F(DialogsTest, MarkDialogWithoutSuffixAndEditsByHand)
{
    CMarkDlg dialog("", "123456789", Hand::none, false);
    EXPECT_FALSE(dialog.DoAllBox().isEnabled());
    EXPECT_EQ(dialog.MarkEdit().maxLength(), 10);
    dialog.LeftButton().click();
    EXPECT_EQ(dialog.MarkEdit().text(), "12345678-L");
    EXPECT_TRUE(dialog.DoAllBox().isEnabled());
    dialog.DoAllBox().setChecked(true);
    dialog.MarkEdit().setText("B7");
    emit dialog.MarkEdit().textEdited("B7");
    EXPECT_FALSE(dialog.DoAllBox().isChecked());
    EXPECT_FALSE(dialog.DoAllBox().isEnabled());
}

TEST_F(DialogsTest, MarkDialogRefusesUnsafeMarks)
{
    for (const char* mark : {"..", "A/B", "", "B|1"}) {
        fw::ScriptedMessages box;
        box->Answer(fw::IDOK);
        CMarkDlg dialog("", "B1", Hand::none, false);
        dialog.MarkEdit().setText(mark);
        dialog.setResult(QDialog::Rejected);
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Rejected) << mark;
        EXPECT_EQ(dialog.GetMark(), "B1");
        EXPECT_EQ(box->Shown().size(), 1u);
    }
}

TEST_F(DialogsTest, RenamePartAsksTheNewName)
{
    CRenamePartDlg dialog("B12.prt");
    EXPECT_EQ(dialog.windowTitle(), "Rename Part B12.prt");
    dialog.Edit().setText("B14.prt");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetNewName(), "B14.prt");

    messages->Answer(fw::IDOK);
    CRenamePartDlg refused("B12.prt");
    refused.Edit().setText("..\\B14.prt");
    refused.accept();
    EXPECT_EQ(refused.result(), QDialog::Rejected);
    EXPECT_EQ(refused.GetNewName(), "");
}

TEST_F(DialogsTest, ShopDiskSetupStartsWithDefaultAndTheFirstDrive)
{
    CShopDiskSetupDlg dialog({'A', 'C'});
    EXPECT_EQ(dialog.windowTitle(), "Shop Disk Setup");
    EXPECT_EQ(dialog.FileEdit().text(), "DEFAULT");
    EXPECT_EQ(dialog.FileEdit().maxLength(), 8);
    EXPECT_EQ(dialog.DriveCombo().currentText(), "A");
    dialog.DriveCombo().setCurrentIndex(1);
    dialog.FileEdit().setText("JOB_1");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Target(), (ShopDiskTarget{'C', "JOB_1"}));
}

TEST_F(DialogsTest, ShopDiskSetupRefusesInvalidFileNames)
{
    for (const char* name : {"MY FILE", "A.B", " X", ""}) {
        fw::ScriptedMessages box;
        box->Answer(fw::IDOK);
        CShopDiskSetupDlg dialog({'C'});
        dialog.FileEdit().setText(name);
        dialog.setResult(QDialog::Rejected);
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Rejected) << name;
        ASSERT_EQ(box->Shown().size(), 1u);
        EXPECT_EQ(box->Shown()[0],
                  (fw::ShownMessage{"Invalid File: \"" + std::string(name) + "\" " +
                                        "is no shop-disk file name: it has 1 to 8 characters, each a letter, a digit "
                                        "or one of _ ^ $ ~ ! # % & - { } ( ) ' @ `.",
                                    "Varnex", fw::MB_OK | fw::MB_ICONEXCLAMATION, fw::IDOK}));
        EXPECT_EQ(box->Beeps(), std::vector<unsigned>{fw::MB_ICONEXCLAMATION});
    }
}

TEST_F(DialogsTest, ShopDiskSetupWithoutADriveCannotBeConfirmed)
{
    CShopDiskSetupDlg dialog({});
    EXPECT_EQ(dialog.DriveCombo().count(), 0);
    EXPECT_FALSE(dialog.Buttons().button(QDialogButtonBox::Ok)->isEnabled());
    dialog.setResult(QDialog::Rejected);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    dialog.DriveCombo().setEditText("e");
    EXPECT_TRUE(dialog.Buttons().button(QDialogButtonBox::Ok)->isEnabled());
    dialog.accept();
    EXPECT_EQ(dialog.Target(), (ShopDiskTarget{'E', "DEFAULT"}));
}

TEST_F(DialogsTest, EditFixSelectsToTheEndForAnOpenEnd)
{
    CEditFix edit;
    edit.setText("W12X26");
    edit.SetSel(3, -1);
    EXPECT_EQ(edit.selectedText(), "X26");
    edit.SetSel(0, 3);
    EXPECT_EQ(edit.selectedText(), "W12");
    edit.SetSel(2, 65535);
    EXPECT_EQ(edit.selectedText(), "2X26");
}

} // namespace
