// Saved work through the program's own windows and menus: an opened mult saves back to its file
// from the mult and the hand-mult window, and File > Convert Legacy Files reads a group back
// over itself with one replace question and one end list, its mults holding the parts converted
// with them.

#include "shell/ui/VarnexProgram.h"
#include "shell/ui/ChildFrame.h"
#include "shell/ui/DimensionControl.h"
#include "shell/ui/MainFrame.h"
#include "shopdisk/LegacyConversion.h"
#include "shopdisk/MultDosDisk.h"
#include "machmult/MultDoc.h"

#include "machmult/ui/HmultSplitterFrame.h"
#include "machmult/ui/ModalRunner.h"
#include "machmult/ui/MultView.h"
#include "model/CommandIds.h"
#include "tests/fw/TempDrives.h"
#include "tests/shell/QtFixture.h"
#include "tests/shopdisk/ShopDiskGroup.h"

#include <QAction>
#include <QFileDialog>
#include <QMdiSubWindow>

#include <map>

namespace {

namespace fs = std::filesystem;
using Files = std::map<std::string, std::string>;

class SavedWorkProgramTest : public test::QtFixture {
protected:
    SavedWorkProgramTest() { InstallDimensionControl(); }

    Files Group() const
    {
        Files files;
        for (const std::string& name : TempDrives::Names(drives.C() / "Kestrom/Jobs/J1/G1"))
            files[name] = TempDrives::Get(drives.C() / "Kestrom/Jobs/J1/G1" / name);
        return files;
    }
    QList<QMdiSubWindow*> Windows(VarnexProgram& program) const { return program.MainFrame()->MdiArea().subWindowList(); }
    // File > Convert Legacy Files with the record file chosen in its dialog; the dialogs' filters.
    static std::vector<std::string> ConvertLegacyFiles(VarnexProgram& program, const fs::path& recordFile)
    {
        std::vector<std::string> dialogs;
        const machui::ModalRunner previous = machui::SetModalRunner([&](QDialog& dialog) {
            auto& files = dynamic_cast<QFileDialog&>(dialog);
            dialogs.push_back(files.nameFilters().join(";").toStdString());
            files.selectFile(QString::fromStdString(recordFile.string()));
            return int(QDialog::Accepted);
        });
        program.MainFrame()->Command("ID_FILE_CONVERT_LEGACY")->trigger();
        machui::SetModalRunner(previous);
        return dialogs;
    }
    // The tool count of each part of mult M 1 of J1\G1.
    static std::vector<std::size_t> MultPartTools()
    {
        CMultDoc mult;
        EXPECT_TRUE(mult.LoadMult("C:\\Kestrom\\Jobs\\J1\\G1\\M 1.mlt"));
        std::vector<std::size_t> tools;
        for (const CMultPart& part : mult.GetParts())
            tools.push_back(part.GetTools().GetCount());
        return tools;
    }

    TempDrives drives;
};

TEST_F(SavedWorkProgramTest, AnOpenedMultSavesBackToItsFileFromBothWindows)
{
    VarnexProgram program(VarnexProgram::Standard({}, nullptr));
    program.Start({});
    ASSERT_TRUE(shopdisktest::SaveGroup(shopdisktest::SaveCatalogue(), "first"));
    for (int sequence = 2; sequence <= 9; ++sequence)
        TempDrives::Put(drives.C() / ("Kestrom/Jobs/J1/G1/M " + std::to_string(sequence) + ".mlt"), "other mult");
    const Files before = Group();

    program.App().DoNavAction(0x22, "C:\\Kestrom\\Jobs\\J1\\G1\\M 1.mlt");
    ASSERT_EQ(Windows(program).size(), 1);
    auto* info = dynamic_cast<CChildFrame*>(Windows(program)[0]);
    auto* view = dynamic_cast<machui::CMultView*>(info->View());
    ASSERT_NE(view, nullptr);
    const machui::ModalRunner previous =
        machui::SetModalRunner([](QDialog&) { return int(QDialog::Rejected); });   // the setup dialog
    view->ToolBarActions()[3]->trigger();   // Specifics
    machui::SetModalRunner(previous);
    ASSERT_EQ(Windows(program).size(), 2);
    auto* handMult = Windows(program)[1]->findChild<machui::CHmultSplitterFrame*>();
    ASSERT_NE(handMult, nullptr);
    QAction* ctrlS = nullptr;
    for (QAction* action : handMult->findChildren<QAction*>())
        if (action->shortcut() == QKeySequence(QKeySequence::Save))
            ctrlS = action;
    ASSERT_NE(ctrlS, nullptr);

    fs::remove(drives.C() / "Kestrom/Jobs/J1/G1/M 1.mlt");   // each save must write it again
    ctrlS->trigger();
    ctrlS->trigger();
    view->ToolBarActions()[0]->trigger();   // Save in the Mult Information window
    EXPECT_TRUE(messages->Shown().empty());
    const Files after = Group();   // M 1 written again, no M 10, M 11, M 12
    ASSERT_EQ(after.size(), before.size());
    for (const auto& [name, bytes] : before) {
        ASSERT_EQ(after.count(name), 1u) << name;
        if (name != "M 1.mlt") {
            EXPECT_EQ(after.at(name), bytes) << name;
        }
    }
    auto& mult = static_cast<CMultDoc&>(*info->Document());
    EXPECT_EQ(mult.GetPathName(), "C:\\Kestrom\\Jobs\\J1\\G1\\M 1.mlt");
}

TEST_F(SavedWorkProgramTest, ConvertLegacyFilesAsksBeforeReplacingAGroupReadBackOverItself)
{
    VarnexProgram program(VarnexProgram::Standard({}, nullptr));
    program.Start({});
    const shopdisktest::Catalogue catalogue = shopdisktest::SaveCatalogue();
    const fs::path disk = drives.Root() / "D/MULT/GROUP.REC";
    for (const int answer : {fw::IDNO, fw::IDYES}) {
        fs::remove_all(drives.C() / "Kestrom/Jobs");
        fs::remove_all(drives.Root() / "D/MULT");
        fs::remove_all(drives.Root() / "D/PART");
        ASSERT_TRUE(shopdisktest::SaveGroup(catalogue, "on the disk"));
        const Files written = Group();
        CMultDosDisk::CreateDosDisk('D', "GROUP", {"C:\\Kestrom\\Jobs\\J1\\G1\\*.mlt"});
        ASSERT_TRUE(shopdisktest::SaveGroup(catalogue, "changed since"));
        const Files changed = Group();

        fw::ScriptedMessages answers;
        answers->Answer(answer).Answer(fw::IDOK);
        EXPECT_EQ(ConvertLegacyFiles(program, disk), std::vector<std::string>{"Legacy Files (*.rec *.REC)"});
        ASSERT_EQ(answers->Shown().size(), 2u) << answer;
        const fw::ShownMessage& question = answers->Shown()[0];
        EXPECT_EQ(question.caption, LegacyConversion::kCaption);
        EXPECT_TRUE(question.text.starts_with("These files exist already:\nC:\\Kestrom\\Jobs\\J1\\G1\\P0.prt\n"))
            << question.text;
        const std::string& end = answers->Shown()[1].text;
        if (answer == fw::IDNO) {
            EXPECT_EQ(Group(), changed);   // byte for byte
            EXPECT_NE(end.find("Kept as they were, not replaced (4):"), std::string::npos) << end;
        } else {
            // Each part in its own measuring system with its catalogue tool: as it was written.
            for (const char* part : {"P0.prt", "P1.prt", "P2.prt"})
                EXPECT_EQ(Group().at(part), written.at(part)) << part;
            EXPECT_NE(end.find("Replaced (4):"), std::string::npos) << end;
        }
        EXPECT_EQ(Group().size(), 4u);
    }
}

// Onto an empty jobs folder, each mult takes its parts, tools and all, from the part files
// converted with it.
TEST_F(SavedWorkProgramTest, ConvertLegacyFilesGivesEachMultThePartsConvertedWithIt)
{
    VarnexProgram program(VarnexProgram::Standard({}, nullptr));
    program.Start({});
    ASSERT_TRUE(shopdisktest::SaveGroup(shopdisktest::SaveCatalogue(), "on the disk"));
    const std::vector<std::size_t> tools = MultPartTools();
    ASSERT_EQ(tools.size(), 3u);
    ASSERT_GT(tools[0], 0u);
    CMultDosDisk::CreateDosDisk('D', "GROUP", {"C:\\Kestrom\\Jobs\\J1\\G1\\*.mlt"});
    fs::remove_all(drives.C() / "Kestrom/Jobs");

    fw::ScriptedMessages answers;
    answers->Answer(fw::IDOK);
    ConvertLegacyFiles(program, drives.Root() / "D/MULT/GROUP.REC");
    ASSERT_EQ(answers->Shown().size(), 1u);
    EXPECT_NE(answers->Shown()[0].text.find("Written (4):"), std::string::npos) << answers->Shown()[0].text;
    EXPECT_EQ(MultPartTools(), tools);
}

} // namespace
