#include "shell/ui/OptionsSheet.h"
#include "fw/core/DriveMap.h"
#include "tests/shell/QtFixture.h"
#include "tests/support/TabChain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace {

using Values = std::map<std::pair<std::string, std::string>, std::string>;

class OptionsTest : public test::QtFixture {
protected:
    std::deque<std::string> browsed;
    std::vector<std::string> browsedFrom;   // the folder each browser started at
    CDirectorySettingsPP::FolderBrowser Browser()
    {
        return [this](const std::string& shown) {
            browsedFrom.push_back(shown);
            std::string folder = browsed.front();
            browsed.pop_front();
            return folder;
        };
    }
    CDrivesPP::FolderBrowser DriveBrowser()
    {
        return [this](const QString& shown) { return QString::fromStdString(Browser()(shown.toStdString())); };
    }
    // The user types into a folder edit.
    static void Type(QLineEdit& edit, const QString& text)
    {
        edit.setText(text);
        emit edit.textEdited(text);
    }
};

TEST_F(OptionsTest, SheetHasItsThreePagesInOrder)
{
    COptionsSheet sheet(Profile(), Browser(), DriveBrowser());
    EXPECT_EQ(sheet.windowTitle(), "Varnex Settings");
    auto* tabs = sheet.findChild<QTabWidget*>();
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), "Windows");
    EXPECT_EQ(tabs->tabText(1), "Directories");
    EXPECT_EQ(tabs->tabText(2), "Drives");
    EXPECT_EQ(tabs->widget(0), &sheet.WindowsPage());
    EXPECT_EQ(tabs->widget(2), &sheet.DrivesPage());
}

TEST_F(OptionsTest, OkWritesExactlyThePagesKeys)
{
    COptionsSheet sheet(Profile(), Browser(), DriveBrowser());
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
        COptionsSheet sheet(Profile(), Browser(), DriveBrowser());
        sheet.WindowsPage().CheckBox(1220)->click();
        sheet.reject();
    }
    EXPECT_TRUE(Profile().Values().empty());
    COptionsSheet sheet(Profile(), Browser(), DriveBrowser());
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
    // Each browser started at the folder its field showed, the job folder with its drive.
    EXPECT_EQ(browsedFrom, (std::vector<std::string>{"C:\\Kestrom\\Jobs", "C:\\Kestrom\\Machines", "C:\\Kestrom\\Machines"}));
}

TEST_F(OptionsTest, DecliningTheWarningBeforeBrowsingChangesNothing)
{
    CDirectorySettingsPP page(Profile(), {'C'}, Browser());
    messages->Answer(fw::IDCANCEL);
    page.BrowseButton(CDirectorySettingsPP::tool).click();   // the browser is never shown
    EXPECT_FALSE(page.IsModified());
}

// The user types into a cell of the Drives page.
void TypeCell(QTableWidget& table, int row, int column, const QString& text)
{
    table.item(row, column)->setText(text);
}

QStringList Column(const QTableWidget& table, int column)
{
    QStringList texts;
    for (int row = 0; row < table.rowCount(); ++row)
        texts.push_back(table.item(row, column)->text());
    return texts;
}

TEST_F(OptionsTest, DrivesPageRoundTripsTheDriveMap)
{
    const QString defaultC = QString::fromStdString(fw::DriveMap::Default().Root('C')->string());
    Profile().WriteProfileString("Drives", "D", "/mnt/shop");
    Profile().WriteProfileString("Drives", "E", "/media/old");
    {
        COptionsSheet sheet(Profile(), Browser(), DriveBrowser());
        QTableWidget& table = sheet.DrivesPage().Table();
        EXPECT_EQ(Column(table, CDrivesPP::letterColumn), (QStringList{"C", "D", "E"}));
        EXPECT_EQ(Column(table, CDrivesPP::folderColumn), (QStringList{defaultC, "/mnt/shop", "/media/old"}));

        TypeCell(table, 1, CDrivesPP::folderColumn, "/mnt/shop2");
        table.setCurrentCell(2, CDrivesPP::letterColumn);
        sheet.DrivesPage().RemoveButton().click();
        sheet.DrivesPage().AddButton().click();   // the first free letter
        EXPECT_EQ(table.item(2, CDrivesPP::letterColumn)->text(), "A");
        browsed = {"/media/stick"};
        sheet.DrivesPage().BrowseButton().click();
        EXPECT_TRUE(sheet.DrivesPage().IsModified());
        sheet.accept();
        EXPECT_EQ(sheet.result(), QDialog::Accepted);
        EXPECT_EQ(browsedFrom, (std::vector<std::string>{""}));   // the new row's empty field
    }
    EXPECT_EQ(Profile().GetProfileString("Drives", "A"), "/media/stick");
    EXPECT_EQ(Profile().GetProfileString("Drives", "D"), "/mnt/shop2");
    EXPECT_EQ(Profile().GetProfileString("Drives", "E", "unset"), "");
    EXPECT_EQ(Profile().GetProfileString("Drives", "C", "unset"), "unset");

    CDrivesPP page(Profile(), DriveBrowser());
    EXPECT_EQ(Column(page.Table(), CDrivesPP::letterColumn), (QStringList{"A", "C", "D"}));
    EXPECT_EQ(Column(page.Table(), CDrivesPP::folderColumn), (QStringList{"/media/stick", defaultC, "/mnt/shop2"}));
    browsed = {""};   // cancelled: the folder stays
    page.Table().setCurrentCell(2, CDrivesPP::folderColumn);
    page.BrowseButton().click();
    EXPECT_EQ(browsedFrom.back(), "/mnt/shop2");
    EXPECT_EQ(page.Table().item(2, CDrivesPP::folderColumn)->text(), "/mnt/shop2");
}

TEST_F(OptionsTest, ARefusedDriveKeepsTheSheetOpenWithWhatWasTyped)
{
    struct Case {
        int row;
        int column;
        QString typed;
        std::string message;
    };
    const Case cases[] = {
        {1, CDrivesPP::letterColumn, "7", "The drive \"7\" is not a letter A-Z."},
        {1, CDrivesPP::folderColumn, "mnt/shop", "The folder of drive D: must be a full path starting with /, not \"mnt/shop\"."},
        {1, CDrivesPP::letterColumn, "c", "The drive C: is listed twice."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Profile().WriteProfileString("Drives", "D", "/mnt/shop");
        const Values before = Profile().Values();
        COptionsSheet sheet(Profile(), Browser(), DriveBrowser());
        sheet.WindowsPage().CheckBox(1217)->click();
        QTableWidget& table = sheet.DrivesPage().Table();
        TypeCell(table, c.row, c.column, c.typed);
        table.setCurrentCell(0, 0);

        const std::size_t shown = messages->Shown().size();
        messages->Answer(fw::IDOK);
        sheet.accept();
        ASSERT_EQ(messages->Shown().size(), shown + 1);
        EXPECT_EQ(messages->Shown().back().text, c.message);
        EXPECT_EQ(messages->Shown().back().type, unsigned(fw::MB_OK | fw::MB_ICONEXCLAMATION));
        EXPECT_NE(sheet.result(), QDialog::Accepted);
        EXPECT_EQ(sheet.findChild<QTabWidget*>()->currentWidget(), &sheet.DrivesPage());
        EXPECT_EQ(table.currentRow(), c.row);
        EXPECT_EQ(table.item(c.row, c.column)->text(), c.typed);
        EXPECT_EQ(Profile().Values(), before);   // no page wrote anything
    }
}

} // namespace

// Tab goes from the page tabs to the fields of the page shown, then to the buttons below.
TEST_F(OptionsTest, TabVisitsThePageThenTheButtons)
{
    COptionsSheet sheet(Profile(), Browser(), DriveBrowser());
    sheet.show();
    const QStringList expected = QString("QTabBar check1223 check1221 check1218 check1217 check1222 check1219 check1220 "
                                         "OK Cancel Apply")
                                     .split(' ');
    EXPECT_EQ(TabChain(sheet), expected);
}
