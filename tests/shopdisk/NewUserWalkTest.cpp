// As a new user would: a job of 10 parts and 3 mults written as a shop disk into a folder mapped
// as a drive, converted back into an empty job, and two converted parts opened.

#include "shopdisk/MultDosDisk.h"

#include "tests/machmult/MultTestSupport.h"

#include <filesystem>

namespace {

class NewUserWalkTest : public multtest::MultFixture {};

// The header and the web holes of a part as text.
std::string HeaderAndHoles(CPartDoc& part)
{
    const PartRecord h = part.GetPartRecord();
    std::string text = h.jobId + "|" + h.group + "|" + h.mark + "|" + std::to_string(h.quantity) + "|" +
                       h.length.GetText() + "|" + h.shapeDesctp + h.shapeDesc + "|" + h.grade + "|" + h.remarkA;
    for (const CPattern& p : part.GetPartShape()->GetWebList())
        text += "\n" + p.GetStartX().GetText() + " " + p.GetStartU().GetText() + " " + std::to_string(p.GetCountX()) +
                " " + p.GetIncrementX().GetText() + " " + (p.GetTool() ? p.GetTool()->GetType() : "-");
    return text;
}

TEST_F(NewUserWalkTest, AJobGoesToAShopDiskFolderAndComesBack)
{
    const std::filesystem::path disk = drives.Root() / "usb-stick";
    std::filesystem::create_directories(disk);
    fw::DriveMap::Instance().Map('E', disk);

    for (int i = 0; i < 10; ++i)
        PutPart("P" + std::to_string(i), 60.0 + 12.0 * i);
    for (int m = 0; m < 3; ++m) {
        CMultDoc mult;
        MakeMult(mult);
        MultRecord data = mult.GetMultData();
        data.sequence = std::uint32_t(m + 1);
        ASSERT_TRUE(mult.SetMultData(data));
        for (int i = m * 4; i < std::min(10, m * 4 + 4); ++i)
            ASSERT_EQ(mult.AddPart("J1", "G1", "P" + std::to_string(i), 1), 0);
        ASSERT_TRUE(mult.SaveDocument());
    }
    std::vector<std::string> before;
    for (const char* mark : {"P2", "P9"})
        before.push_back(HeaderAndHoles(*CPartDoc::LoadByName("J1", "G1", mark, false)));

    CMultDosDisk::CreateDosDisk('E', "DEFAULT", {"C:\\Kestrom\\Jobs\\J1\\G1\\*.mlt"});
    std::filesystem::remove_all(drives.C() / "Kestrom/Jobs");
    messages->Answer(fw::IDOK);
    CMultDosDisk::ReadDosDisk("E:\\MULT\\DEFAULT.REC");

    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_NE(messages->Shown()[0].text.find("Written (13):"), std::string::npos) << messages->Shown()[0].text;
    EXPECT_EQ(TempDrives::Names(JobFile("J1/G1")).size(), 13u);
    std::size_t i = 0;
    for (const char* mark : {"P2", "P9"}) {
        auto part = CPartDoc::LoadByName("J1", "G1", mark, false);
        ASSERT_TRUE(part) << mark;
        EXPECT_EQ(HeaderAndHoles(*part), before[i++]);
    }
}

} // namespace
