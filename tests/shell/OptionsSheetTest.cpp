#include "shell/ui/OptionsSheet.h"
#include "tests/shell/QtFixture.h"
#include "tests/support/TabChain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

using Values = std::map<std::pair<std::string, std::string>, std::string>;

class OptionsTest : public test::QtFixture {
protected:
    std::deque<std::string> browsed;
    CDirectorySettingsPP::FolderBrowser Browser()
    {
        return [this] {
            std::string folder = browsed.front();
            browsed.pop_front();
            return folder;
        };
    }
    // The user types into a folder edit.
    static void Type(QLineEdit& edit, const QString& text)
    {
        edit.setText(text);
        emit edit.textEdited(text);
    }
};

TEST_F(OptionsTest, SheetHasItsTwoPagesInOrder)
{
    COptionsSheet sheet(Profile(), Browser());
    EXPECT_EQ(sheet.windowTitle(), "Varnex Settings");
    auto* tabs = sheet.findChild<QTabWidget*>();
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), "Windows");
    EXPECT_EQ(tabs->tabText(1), "Directories");
    EXPECT_EQ(tabs->widget(0), &sheet.WindowsPage());
}

TEST_F(OptionsTest, OkWritesExactlyThePagesKeys)
{
    COptionsSheet sheet(Profile(), Browser());
    sheet.WindowsPage().CheckBox(1217)->click();   // part information
    EXPECT_TRUE(sheet.WindowsPage().IsModified());
    sheet.accept();
    const std::string cs = "Current Settings";
    const std::string d = "Directories";
    EXPECT_EQ(Profile().Values(), (Values{
                                      {{cs, "Retain Hand Mult Window Position"}, "0"},
                                      {{cs, "Retain Machine Information Window Position"}, "0"},
                                      {{cs, "Retain Mult Information Window Position"}, "0"},
                                      {{cs, "Retain Part Information Window Position"}, "1"},
                                      {{cs, "Retain Part Programming Window Position"}, "0"},
                                      {{cs, "Retain Shape Information Window Position"}, "0"},
                                      {{cs, "Retain Tool Information Window Position"}, "0"},
                                      {{d, "Default Job Drive"}, "3"},
                                      {{d, "Job/Group Directory"}, "\\Kestrom\\Jobs"},
                                      {{d, "Machine Directory"}, "C:\\Kestrom\\Machines"},
                                      {{d, "Shape Directory"}, "C:\\Kestrom\\Shapes"},
                                      {{d, "Tool Directory"}, "C:\\Kestrom\\Tools"},
                                  }));
}

TEST_F(OptionsTest, CancelWritesNothingAndApplyWrites)
{
    {
        COptionsSheet sheet(Profile(), Browser());
        sheet.WindowsPage().CheckBox(1220)->click();
        sheet.reject();
    }
    EXPECT_TRUE(Profile().Values().empty());
    COptionsSheet sheet(Profile(), Browser());
    sheet.WindowsPage().CheckBox(1220)->click();
    sheet.Buttons().button(QDialogButtonBox::Apply)->click();
    EXPECT_EQ(Profile().GetProfileInt("Current Settings", "Retain Tool Information Window Position", -1), 1);
    EXPECT_FALSE(sheet.WindowsPage().IsModified());
}

TEST_F(OptionsTest, RetainFlagsAreShownFromTheProfile)
{
    Profile().WriteProfileInt("Current Settings", "Retain Hand Mult Window Position", 1);
    CWindowsPP page(Profile());
    EXPECT_TRUE(page.CheckBox(1223)->isChecked());
    EXPECT_FALSE(page.CheckBox(1222)->isChecked());
    EXPECT_EQ(page.CheckBox(1222)->text(), "Save Part Programming Window Position ");
}

TEST_F(OptionsTest, DrivesShowTheStoredOneOrC)
{
    {
        CDirectorySettingsPP page(Profile(), {'C', 'D', 'E'}, Browser());
        EXPECT_EQ(page.DriveCombo().count(), 3);
        EXPECT_EQ(page.DriveCombo().currentText(), "C");
    }
    Profile().WriteProfileInt("Directories", "Default Job Drive", 6);   // F: no longer present
    CDirectorySettingsPP page(Profile(), {'C', 'D'}, Browser());
    EXPECT_EQ(page.DriveCombo().currentText(), "F");
    page.OnOK();
    EXPECT_EQ(Profile().GetProfileInt("Directories", "Default Job Drive", 0), 6);
}

TEST_F(OptionsTest, ChangingAFolderWarnsOnceAndCancelReverts)
{
    CDirectorySettingsPP page(Profile(), {'C'}, Browser());
    QLineEdit& shapes = page.Edit(CDirectorySettingsPP::shape);

    messages->Answer(fw::IDCANCEL);
    Type(shapes, "C:\\Other");
    EXPECT_EQ(shapes.text(), "C:\\Kestrom\\Shapes");
    EXPECT_FALSE(page.IsModified());

    messages->Answer(fw::IDOK);
    Type(shapes, "C:\\Other");
    Type(page.Edit(CDirectorySettingsPP::tool), "C:\\T2");   // asked no more
    EXPECT_TRUE(page.IsModified());
    EXPECT_EQ(messages->Shown().size(), 2u);
    EXPECT_EQ(messages->Shown()[1], (fw::ShownMessage{"WARNING:  Changing directories can cause Varnex to stop working properly.",
                                                     "Varnex", fw::MB_OKCANCEL | fw::MB_ICONEXCLAMATION, fw::IDOK}));
    EXPECT_EQ(messages->Beeps(), (std::vector<unsigned>{fw::MB_ICONEXCLAMATION, fw::MB_ICONEXCLAMATION}));
    page.OnOK();
    EXPECT_EQ(Profile().GetProfileString("Directories", "Shape Directory"), "C:\\Other");
    EXPECT_EQ(Profile().GetProfileString("Directories", "Tool Directory"), "C:\\T2");
}

TEST_F(OptionsTest, BrowsingTheJobFolderTakesItsDriveAlong)
{
    CDirectorySettingsPP page(Profile(), {'C', 'D'}, Browser());
    messages->Answer(fw::IDOK);
    browsed = {"D:\\Work\\Jobs", "", "E:\\Machines"};
    page.BrowseButton(CDirectorySettingsPP::job).click();
    EXPECT_EQ(page.Edit(CDirectorySettingsPP::job).text(), "\\Work\\Jobs");
    EXPECT_EQ(page.DriveCombo().currentText(), "D");
    page.BrowseButton(CDirectorySettingsPP::machine).click();   // cancelled
    EXPECT_EQ(page.Edit(CDirectorySettingsPP::machine).text(), "C:\\Kestrom\\Machines");
    page.BrowseButton(CDirectorySettingsPP::machine).click();
    EXPECT_EQ(page.Edit(CDirectorySettingsPP::machine).text(), "E:\\Machines");
    page.OnOK();
    EXPECT_EQ(Profile().GetProfileInt("Directories", "Default Job Drive", 0), 4);
    EXPECT_EQ(Profile().GetProfileString("Directories", "Job/Group Directory"), "\\Work\\Jobs");
    EXPECT_EQ(messages->Shown().size(), 1u);
}

TEST_F(OptionsTest, DecliningTheWarningBeforeBrowsingChangesNothing)
{
    CDirectorySettingsPP page(Profile(), {'C'}, Browser());
    messages->Answer(fw::IDCANCEL);
    page.BrowseButton(CDirectorySettingsPP::tool).click();   // the browser is never shown
    EXPECT_FALSE(page.IsModified());
}

} // namespace

// Tab goes from the page tabs to the fields of the page shown, then to the buttons below.
TEST_F(OptionsTest, TabVisitsThePageThenTheButtons)
{
    COptionsSheet sheet(Profile(), Browser());
    sheet.show();
    const QStringList expected = QString("QTabBar check1223 check1221 check1218 check1217 check1222 check1219 check1220 "
                                         "OK Cancel Apply")
                                     .split(' ');
    EXPECT_EQ(TabChain(sheet), expected);
}
