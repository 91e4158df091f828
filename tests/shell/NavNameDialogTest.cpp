// New Job and New Group from the navigator's context menu through the control's own "Name"
// dialog, with the navigator library linked as the program links it: the program has a dialog
// of the same class name, which must not stand in for the library's.

#include "navigator/ui/BRAXNav.h"
#include "navigator/ui/TreeItem.h"
#include "shell/ui/BRAXNavBar.h"
#include "shell/ui/VarnexProgram.h"
#include "tests/fw/TempDrives.h"
#include "tests/shell/QtFixture.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include <cstdlib>
#include <string>

namespace {

using nav::ItemKind;

class NavNameDialogTest : public test::QtFixture {
protected:
    NavNameDialogTest() : shown_(fw::ScriptedMessageService::WhenUnscripted::AnswerDefault)
    {
        ::setenv("XDG_DATA_HOME", (drives.Root() / "share").c_str(), 1);
        std::filesystem::create_directories(drives.C() / "Kestrom/Jobs/J1/G1");
        std::filesystem::create_directories(drives.C() / "Kestrom/Shapes");
    }
    TempDrives drives;
    fw::ScriptedMessages shown_;
};

QAction* EntryNamed(const QMenu& menu, const QString& text)
{
    for (QAction* action : menu.findChildren<QAction*>())
        if (action->text() == text)
            return action;
    return nullptr;
}

// Types the name into the modal "Name" dialog once it is up and presses OK or Cancel.
void AnswerNameDialog(const std::string& name, QDialogButtonBox::StandardButton button, bool& answered)
{
    QTimer::singleShot(0, [=, &answered] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog->windowTitle() != "Name")
            return;
        auto* edit = dialog->findChild<QLineEdit*>();
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        if (!edit || !buttons || !buttons->button(button))
            return;
        edit->setText(QString::fromStdString(name));
        answered = true;
        buttons->button(button)->click();
    });
}

TEST_F(NavNameDialogTest, NewJobAndNewGroupMakeTheFolderOnOkAndNothingOnCancel)
{
    VarnexProgram program({});
    ASSERT_TRUE(program.Start({}));
    CBRAXNav& nav = program.NavBar()->Control();
    ASSERT_TRUE(nav.Expand(nav.FindItem("C:\\", ItemKind::drive)));
    ASSERT_TRUE(nav.Expand(nav.FindItem("C:\\Kestrom\\Jobs", ItemKind::jobsLabel)));
    ASSERT_TRUE(nav.Expand(nav.FindItem("C:\\Kestrom\\Jobs\\J1", ItemKind::job)));

    struct Case {
        std::string label;
        ItemKind kind;
        QString entry;
        std::string name;
        QDialogButtonBox::StandardButton button;
        std::string folder;
    };
    const Case cases[] = {
        {"C:\\Kestrom\\Jobs", ItemKind::jobsLabel, "New Job", "J2", QDialogButtonBox::Ok, "Kestrom/Jobs/J2"},
        {"C:\\Kestrom\\Jobs", ItemKind::jobsLabel, "New Job", "J3", QDialogButtonBox::Cancel, "Kestrom/Jobs/J3"},
        {"C:\\Kestrom\\Jobs\\J1", ItemKind::groupsLabel, "New Group", "G2", QDialogButtonBox::Ok, "Kestrom/Jobs/J1/G2"},
        {"C:\\Kestrom\\Jobs\\J1", ItemKind::groupsLabel, "New Group", "G3", QDialogButtonBox::Cancel,
         "Kestrom/Jobs/J1/G3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry.toStdString() + " " + c.name);
        CTreeItem* label = nav.FindItem(c.label, c.kind);
        ASSERT_NE(label, nullptr);
        const auto menu = nav.MakeContextMenu(label);
        ASSERT_NE(menu, nullptr);
        QAction* entry = EntryNamed(*menu, c.entry);
        ASSERT_NE(entry, nullptr);
        bool answered = false;
        AnswerNameDialog(c.name, c.button, answered);
        entry->trigger();
        EXPECT_TRUE(answered);
        EXPECT_EQ(std::filesystem::is_directory(drives.C() / c.folder), c.button == QDialogButtonBox::Ok);
        EXPECT_TRUE(shown_->Shown().empty());
    }
    EXPECT_NE(nav.FindItem("C:\\Kestrom\\Jobs\\J2", ItemKind::job), nullptr);
}

} // namespace
