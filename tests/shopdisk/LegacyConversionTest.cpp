// A group written to a shop disk and converted back over itself: one replace question, one end
// list, parts in their own measuring system with the catalogue's tools; damaged disks are named
// in the end list and leave every other file converted and loadable.

#include "shopdisk/LegacyConversion.h"
#include "shopdisk/MultDosDisk.h"
#include "shopdisk/PartDosDisk.h"

#include "fw/core/CommitGroup.h"

#include "tests/shopdisk/ShopDiskGroup.h"

#include <cstring>
#include <filesystem>
#include <functional>
#include <map>

namespace {

using multtest::Bytes;
namespace fs = std::filesystem;

class LegacyConversionTest : public multtest::MultFixture {
protected:
    void PutGroup(const std::string& remark) const { ASSERT_TRUE(shopdisktest::SaveGroup(catalogue, remark)); }
    std::map<std::string, Bytes> Group() const
    {
        std::map<std::string, Bytes> files;
        for (const std::string& name : TempDrives::Names(JobFile("J1/G1")))
            files[name] = FileBytes(JobFile("J1/G1/" + name));
        return files;
    }
    // The group written to shop disk D:GROUP.
    void WriteDisk() const { CMultDosDisk::CreateDosDisk('D', "GROUP", {"C:\\Kestrom\\Jobs\\J1\\G1\\*.mlt"}); }
    fs::path Disk(const std::string& file) const { return drives.Root() / "D" / file; }

    const shopdisktest::Catalogue catalogue = shopdisktest::SaveCatalogue();
    const std::string& inchTool = catalogue.inchTool;
    const std::string& mmTool = catalogue.mmTool;
};

// Every part and mult file of the group loads again.
void ExpectGroupLoads(const fs::path& folder)
{
    for (const std::string& name : TempDrives::Names(folder)) {
        const std::string path = "C:\\Kestrom\\Jobs\\J1\\G1\\" + name;
        if (name.ends_with(".prt")) {
            CPartDoc part;
            EXPECT_EQ(part.ReadFile(path).status, CSmartDoc::ReadOutcome::read) << name;
        } else {
            CMultDoc mult;
            EXPECT_TRUE(mult.LoadMult(path)) << name;
        }
    }
}

TEST_F(LegacyConversionTest, AGroupReadBackOverItselfAsksOnceAndKeepsOrReplacesEveryFile)
{
    const std::vector<std::string> group = {"M 1.mlt", "P0.prt", "P1.prt", "P2.prt"};
    for (const int answer : {fw::IDNO, fw::IDYES, fw::IDCANCEL}) {
        fs::remove_all(drives.C() / "Kestrom/Jobs");
        fs::remove_all(drives.Root() / "D");
        PutGroup("as written");
        const std::map<std::string, Bytes> written = Group();
        WriteDisk();
        PutGroup("changed since");   // the user went on working on the group
        const std::map<std::string, Bytes> changed = Group();
        ASSERT_NE(written, changed);

        fw::ScriptedMessages answers;
        answers->Answer(answer).Answer(fw::IDOK);
        CMultDosDisk::ReadDosDisk("D:\\MULT\\GROUP.REC");

        ASSERT_EQ(answers->Shown().size(), 2u) << answer;
        const fw::ShownMessage& question = answers->Shown()[0];
        EXPECT_EQ(question.caption, LegacyConversion::kCaption);
        EXPECT_EQ(question.type & 0xFu, fw::MB_YESNOCANCEL);
        for (const std::string& name : group)
            EXPECT_NE(question.text.find("C:\\Kestrom\\Jobs\\J1\\G1\\" + name), std::string::npos) << name;
        const std::string& end = answers->Shown()[1].text;
        EXPECT_EQ(TempDrives::Names(JobFile("J1/G1")), group) << answer;
        if (answer == fw::IDYES) {
            // The parts come back byte for byte as written: own measuring system, catalogue tools.
            for (const char* part : {"P0.prt", "P1.prt", "P2.prt"})
                EXPECT_EQ(FileBytes(JobFile(std::string("J1/G1/") + part)), written.at(part)) << part;
            CMultDoc mult;
            ASSERT_TRUE(mult.LoadMult("C:\\Kestrom\\Jobs\\J1\\G1\\M 1.mlt"));
            EXPECT_EQ(mult.Header().remarkA, "as written");
            EXPECT_EQ(mult.GetParts().GetCount(), 3u);
            EXPECT_NE(end.find("Replaced (4):"), std::string::npos) << end;
        } else {
            EXPECT_EQ(Group(), changed) << answer;
            EXPECT_NE(end.find(answer == fw::IDNO ? "Kept as they were, not replaced (4):" : "cancelled"),
                      std::string::npos)
                << end;
        }
        EXPECT_EQ(end.find("Tools not in the tool catalogue"), std::string::npos) << end;
        ExpectGroupLoads(JobFile("J1/G1"));
    }
}

TEST_F(LegacyConversionTest, PartsTakeTheirMeasuringSystemAndTheCatalogueTool)
{
    PutGroup("as written");
    WriteDisk();
    fs::remove_all(drives.C() / "Kestrom/Jobs");
    messages->Answer(fw::IDOK);
    CPartDosDisk::ReadDosDisk("D:\\PART\\GROUP.REC");
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_EQ(fw::MessageIcon(messages->Shown()[0].type), fw::MB_ICONINFORMATION);
    EXPECT_NE(messages->Shown()[0].text.find("Written (3):"), std::string::npos);
    for (const int system : {0, 1, 2}) {
        auto part = CPartDoc::LoadByName("J1", "G1", "P" + std::to_string(system), false);
        ASSERT_TRUE(part);
        EXPECT_EQ(part->Header().measuringSystem, system);
        EXPECT_EQ(part->Header().length.GetUnits(), system);
        const CPattern& holes = *part->GetPartShape()->GetWebList().begin();
        EXPECT_EQ(holes.GetStartX().GetUnits(), system);
        EXPECT_EQ(holes.GetTool()->GetShortName(), system == 0 ? inchTool : mmTool);
        EXPECT_EQ(part->GetPartShape()->GetStencilList().begin()->GetX().GetUnits(), system);
    }
}

// Files the end commit cannot place are listed as not converted, with their cause, not as written.
TEST_F(LegacyConversionTest, FilesTheCommitCannotPlaceAreNotConverted)
{
    PutGroup("as written");
    WriteDisk();
    fs::remove_all(drives.C() / "Kestrom/Jobs");
    fw::CommitGroup::FailAt(fw::CommitGroup::Step::rename);
    messages->Answer(fw::IDOK);
    CPartDosDisk::ReadDosDisk("D:\\PART\\GROUP.REC");
    ASSERT_EQ(messages->Shown().size(), 1u);
    const std::string& end = messages->Shown()[0].text;
    EXPECT_EQ(fw::MessageIcon(messages->Shown()[0].type), fw::MB_ICONEXCLAMATION);
    EXPECT_NE(end.find("No file was written."), std::string::npos) << end;
    EXPECT_NE(end.find("Not converted (3):"), std::string::npos) << end;
    EXPECT_NE(end.find("could not be saved to C:\\Kestrom\\Jobs\\J1\\G1\\P0.prt: "), std::string::npos) << end;
    EXPECT_TRUE(TempDrives::Names(JobFile("J1/G1")).empty());
}

TEST_F(LegacyConversionTest, ToolsTheCatalogueLacksAreListed)
{
    PutGroup("as written");
    WriteDisk();
    fs::remove_all(drives.C() / "Kestrom/Jobs");
    fs::remove(drives.C() / "Kestrom/Tools" / (mmTool + ".tl"));
    messages->Answer(fw::IDOK);
    CPartDosDisk::ReadDosDisk("D:\\PART\\GROUP.REC");
    ASSERT_EQ(messages->Shown().size(), 1u);
    const std::string& end = messages->Shown()[0].text;
    EXPECT_EQ(fw::MessageIcon(messages->Shown()[0].type), fw::MB_ICONEXCLAMATION);
    EXPECT_NE(end.find("Tools not in the tool catalogue, kept as the records describe them (1):\n"
                       "55_64RD, used by The part J1 G1 P1 of D:\\PART\\GROUP.REC, The part J1 G1 P2 of D:\\PART\\GROUP.REC"),
              std::string::npos)
        << end;
    EXPECT_NE(end.find("Written (3):"), std::string::npos) << end;
}

// A detail file that cannot be opened ends the reading of the part records, and the end list says
// which part it stopped at.
TEST_F(LegacyConversionTest, AMissingDetailFileEndsThePartRecordsAndSaysWhere)
{
    PutGroup("as written");
    WriteDisk();
    fs::remove(Disk("PART/HOLE/GROUP.REC"));
    fs::remove_all(drives.C() / "Kestrom/Jobs");
    messages->Answer(fw::IDOK);
    CPartDosDisk::ReadDosDisk("D:\\PART\\GROUP.REC");
    ASSERT_EQ(messages->Shown().size(), 1u);
    const std::string& end = messages->Shown()[0].text;
    EXPECT_NE(end.find("Not converted (2):\nERROR: File Not Found -- On File D:\\PART\\HOLE\\GROUP.REC\n"
                       "The part J1 G1 P0 of D:\\PART\\GROUP.REC is not converted, nor the part records after it."),
              std::string::npos)
        << end;
    EXPECT_FALSE(fs::exists(JobFile("J1/G1/P0.prt")));
}

// Damage done to one file of the written disk.
struct Damage {
    const char* name;
    const char* file;                              // below D:
    std::function<void(std::string&)> change;
    const char* told;                              // in the end list
    std::vector<std::string> converted;            // the job folder afterwards
};

// The offset of the first occurrence of the text; fails the test when there is none.
std::size_t At(const std::string& bytes, const std::string& text)
{
    const std::size_t at = bytes.find(text);
    EXPECT_NE(at, std::string::npos) << text;
    return at == std::string::npos ? 0 : at;
}

void PutDouble(std::string& bytes, std::size_t offset, double value) { std::memcpy(&bytes[offset], &value, 8); }
void PutU16(std::string& bytes, std::size_t offset, std::uint16_t value) { std::memcpy(&bytes[offset], &value, 2); }

TEST_F(LegacyConversionTest, ADamagedDiskIsNamedInTheEndListAndTheRestIsConverted)
{
    const std::string p1 = "J1        G1        P1";
    const Damage damages[] = {
        {"a plane direction no part may hold", "PART/HOLE/GROUP.REC",
         [](std::string& b) { b[At(b, "++")] = '*'; },
         "The part J1 G1 P0 of D:\\PART\\GROUP.REC is not converted: its holes, layouts or stencil marks cannot be "
         "read: A pattern record with the reference plane directions * + and type A is not valid.",
         {"M 1.mlt", "P1.prt", "P2.prt"}},
        {"a part length beyond the range of lengths", "PART/GROUP.REC",
         [&](std::string& b) { PutDouble(b, At(b, p1) + 34, 1e308); },
         "of D:\\PART\\GROUP.REC cannot be read: A length at offset 34 of the record is beyond 1000000 inches.",
         {"M 1.mlt", "P0.prt", "P2.prt"}},
        {"a pattern of too many elements", "PART/HOLE/GROUP.REC",
         [](std::string& b) {
             const std::size_t record = At(b, "++") - 16;
             PutU16(b, record + 51, 32771);
             PutU16(b, record + 61, 2);
         },
         "A pattern record of 32771 x 2 elements is not valid.", {"M 1.mlt", "P1.prt", "P2.prt"}},
        {"a part list cut short", "MULT/PARTLIST/GROUP.REC",
         [](std::string& b) { b.resize(b.size() / 2); },
         "The mult J1 G1 M 1 of D:\\MULT\\GROUP.REC is not converted", {"P0.prt", "P1.prt", "P2.prt"}},
        {"an index of nothing but 0xFF", "PART/GROUP.NDX",
         [](std::string& b) { std::fill(b.begin(), b.end(), '\xFF'); },
         "D:\\PART\\GROUP", {"M 1.mlt"}},
    };
    PutGroup("as written");
    WriteDisk();
    std::map<std::string, std::string> good;
    for (const auto& entry : fs::recursive_directory_iterator(drives.Root() / "D"))
        if (entry.is_regular_file())
            good[fs::relative(entry.path(), drives.Root() / "D").string()] = TempDrives::Get(entry.path());
    for (const Damage& d : damages) {
        for (const auto& [file, bytes] : good)
            TempDrives::Put(drives.Root() / "D" / file, bytes);
        std::string bytes = good.at(d.file);
        d.change(bytes);
        TempDrives::Put(drives.Root() / "D" / d.file, bytes);
        fs::remove_all(drives.C() / "Kestrom/Jobs");

        fw::ScriptedMessages answers(fw::ScriptedMessageService::WhenUnscripted::AnswerDefault);
        EXPECT_NO_THROW(CMultDosDisk::ReadDosDisk("D:\\MULT\\GROUP.REC")) << d.name;
        ASSERT_EQ(answers->Shown().size(), 1u) << d.name;
        const std::string& end = answers->Shown()[0].text;
        EXPECT_NE(end.find(d.told), std::string::npos) << d.name << "\n" << end;
        EXPECT_EQ(fw::MessageIcon(answers->Shown()[0].type), fw::MB_ICONEXCLAMATION) << d.name;
        const std::vector<std::string> converted =
            fs::exists(JobFile("J1/G1")) ? TempDrives::Names(JobFile("J1/G1")) : std::vector<std::string>{};
        EXPECT_EQ(converted, d.converted) << d.name << "\n" << end;
        if (fs::exists(JobFile("J1/G1")))
            ExpectGroupLoads(JobFile("J1/G1"));
    }
}

} // namespace
