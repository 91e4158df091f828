// The file lists of legacy shop disks made from jobs, groups, labels and files of the navigator.

#include "shell/ShopDiskPatterns.h"

#include "tests/fw/TempDrives.h"

#include <gtest/gtest.h>

#include <map>

namespace {

namespace sl = shopdisk_list;

const std::string kJobsFolder = "C:\\Kestrom\\Jobs";
const std::string kJ1 = kJobsFolder + "\\J1";

class ShopDiskPatternsTest : public testing::Test {
protected:
    ShopDiskPatternsTest()
    {
        for (const char* group : {"J1/G2", "J1/g1", "J2/G5"})
            std::filesystem::create_directories(drives.C() / "Kestrom/Jobs" / group);
        TempDrives::Put(drives.C() / "Kestrom/Jobs/J1/notes.txt", "x");
        TempDrives::Put(drives.C() / "Kestrom/Jobs/J1/g1/P1.prt", "x");
    }
    TempDrives drives;
};

TEST_F(ShopDiskPatternsTest, FolderPatternsOfJobLists)
{
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"|", ""},
        {"C:\\J\\J1|", "C:\\J\\J1\\*.*||"},
        {"C:\\J\\J1|C:\\J\\J2||", "C:\\J\\J1\\*.*|C:\\J\\J2\\*.*||"},
    };
    for (const auto& [list, expected] : cases)
        EXPECT_EQ(sl::MakeFolderPatterns(list), expected) << list;
}

TEST_F(ShopDiskPatternsTest, EventListsByItemType)
{
    struct Case {
        std::string list;
        int type;
        std::string extension;
        std::string expected;
    };
    const Case cases[] = {
        // A job stands for each of its group folders (files in the job folder are no groups).
        {kJ1 + "|" + kJobsFolder + "\\J2||", sl::kJob, ".prt",
         kJ1 + "\\g1\\*.prt|" + kJ1 + "\\G2\\*.prt|" + kJobsFolder + "\\J2\\G5\\*.prt||"},
        {kJobsFolder + "\\J9|", sl::kJob, ".prt", ""},
        {kJ1 + "\\G2|", sl::kGroup, ".mlt", kJ1 + "\\G2\\*.mlt||"},
        {kJ1 + "\\G7|", sl::kGroup, ".mlt", ""},
        // Files go on as they are.
        {kJ1 + "\\g1\\P1.prt|", sl::kPart, ".prt", kJ1 + "\\g1\\P1.prt|"},
        {kJ1 + "\\g1\\P1.prt||", sl::kPart, ".prt", kJ1 + "\\g1\\P1.prt||"},
        // A parts label stands for its group's parts, never for the folder as a part.
        {kJ1 + "\\g1|", sl::kPart, ".prt", kJ1 + "\\g1\\*.prt|"},
        {kJ1 + "\\G2|" + kJ1 + "\\g1\\M 1.mlt|", sl::kMult, ".mlt", kJ1 + "\\G2\\*.mlt|" + kJ1 + "\\g1\\M 1.mlt|"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sl::EventPatterns(c.list, c.type, c.extension), c.expected) << c.list << " " << c.type;
}

TEST_F(ShopDiskPatternsTest, FileMenuTakesJobsThenGroupsThenLabelsThenFiles)
{
    struct Case {
        std::map<int, std::string> marked;
        int fileType;
        std::string expected;
    };
    const std::string part = kJ1 + "\\g1\\P1.prt|";
    const Case cases[] = {
        {{{sl::kJob, kJobsFolder + "\\J2||"}, {sl::kGroup, kJ1 + "\\G2||"}, {sl::kPart, part}}, sl::kPart,
         kJobsFolder + "\\J2\\G5\\*.prt||"},
        {{{sl::kGroup, kJ1 + "\\G2||"}, {sl::kPart, part}}, sl::kPart, kJ1 + "\\G2\\*.prt||"},
        {{{sl::kPartsLabel, kJ1 + "\\g1||"}, {sl::kMultsLabel, kJ1 + "\\G2||"}}, sl::kMult, kJ1 + "\\G2\\*.mlt||"},
        {{{sl::kPartsLabel, kJ1 + "\\g1||"}, {sl::kPart, part}}, sl::kPart, kJ1 + "\\g1\\*.prt||"},
        {{{sl::kPart, part}}, sl::kPart, part},
        // Marked groups that are gone leave the files.
        {{{sl::kGroup, kJ1 + "\\G9||"}, {sl::kPart, part}}, sl::kPart, part},
        {{}, sl::kMult, ""},
    };
    for (const Case& c : cases) {
        const auto marked = [&c](int type) {
            const auto found = c.marked.find(type);
            return found == c.marked.end() ? std::string() : found->second;
        };
        EXPECT_EQ(sl::MarkedPatterns(marked, c.fileType, c.fileType == sl::kPart ? ".prt" : ".mlt"), c.expected)
            << c.expected;
    }
}

} // namespace
