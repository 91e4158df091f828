// Parts through a legacy shop disk on a temporary drive: written, converted back, compared.

#include "shopdisk/PartDosDisk.h"

#include "tests/machmult/MultTestSupport.h"

#include <algorithm>
#include <filesystem>

namespace {

using multtest::Bytes;

class PartDosDiskTest : public multtest::MultFixture {
protected:
    static constexpr const char* kJobParts = "C:\\Kestrom\\Jobs\\J1\\G1\\*.prt";

    // A part with web holes (MultFixture::PutPart) and one stencil mark.
    void PutMarkedPart(const std::string& mark, double length, const std::string& desctp = "W ",
                       const std::string& desc = "12X26")
    {
        PutPart(mark, length, desctp, desc);
        auto part = CPartDoc::LoadByName("J1", "G1", mark, false);
        ASSERT_TRUE(part);
        auto stencil = std::make_unique<CStencilPattern>(6.0, 2.0, "J1-" + mark, 0);
        ASSERT_TRUE(part->AddStencil(stencil));
        ASSERT_TRUE(part->SaveDocument());
    }
    Bytes Part(const std::string& mark) const { return FileBytes(JobFile("J1/G1/" + mark + ".prt")); }
    void ClearJobs() const { std::filesystem::remove_all(drives.C() / "Kestrom/Jobs"); }
};

TEST_F(PartDosDiskTest, PartsComeBackAsTheyWereWritten)
{
    PutMarkedPart("B1", 240.0);
    PutMarkedPart("A1", 120.0, "L ", "4X4X0.5");
    const Bytes beam = Part("B1"), angle = Part("A1");

    CPartDosDisk::CreateDosDisk('D', "DEFAULT", {kJobParts});
    for (const char* file : {"PART/DEFAULT.REC", "PART/DEFAULT.NDX", "PART/HOLE/DEFAULT.REC",
                             "PART/LAYOUT/DEFAULT.REC", "PART/STENCIL/DEFAULT.REC"})
        EXPECT_TRUE(std::filesystem::exists(drives.Root() / "D" / file)) << file;
    ClearJobs();

    messages->Answer(fw::IDOK);
    CPartDosDisk::ReadDosDisk("D:\\PART\\DEFAULT.REC");
    EXPECT_EQ(Part("B1"), beam);
    EXPECT_EQ(Part("A1"), angle);
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_TRUE(messages->Shown()[0].text.starts_with(
        "The conversion has ended.\n\nWritten (2):\nC:\\Kestrom\\Jobs\\J1\\G1\\A1.prt\nC:\\Kestrom\\Jobs\\J1\\G1\\B1.prt\n\n"
        "Tools not in the tool catalogue"))   // the fixture has no tool files
        << messages->Shown()[0].text;
}

TEST_F(PartDosDiskTest, RefusesAnUnmappedDriveAndABadTarget)
{
    PutPart("B1", 240.0);
    messages->Answer(fw::IDOK).Answer(fw::IDOK).Answer(fw::IDOK);
    CPartDosDisk::CreateDosDisk('Q', "DEFAULT", {kJobParts});
    CPartDosDisk::CreateDosDisk('D', "", {kJobParts});
    CPartDosDisk::CreateDosDisk('D', "SIXTEENCHARSLONG", {kJobParts});
    const std::vector<std::string> texts = Texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0], "ERROR:  Invalid drive.");
    EXPECT_EQ(texts[1], "Invalid File: no target name was given.");
    EXPECT_NE(texts[2].find("SIXTEENCHARSLONG"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(drives.Root() / "D" / "PART"));
}

TEST_F(PartDosDiskTest, AnUnreadablePartIsNamedAndNotWrittenAsABlankRecord)
{
    PutPart("B1", 240.0);
    PutFile(JobFile("J1/G1/BAD.prt"), Bytes{1, 2, 3});
    messages->Answer(fw::IDOK);
    CPartDosDisk::CreateDosDisk('D', "DEFAULT", {kJobParts});
    const std::vector<std::string> texts = Texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_NE(texts.back().find("BAD.prt"), std::string::npos);
    // One record: 7-byte chunk head and 227 bytes.
    EXPECT_EQ(std::filesystem::file_size(drives.Root() / "D/PART/DEFAULT.REC"), 234u);
}

TEST_F(PartDosDiskTest, ManyUnreadablePartsAreToldInOneMessage)
{
    PutPart("B1", 240.0);
    for (int i = 0; i < 25; ++i)
        PutFile(JobFile("J1/G1/BAD" + std::to_string(10 + i) + ".prt"), Bytes{1, 2, 3});
    messages->Answer(fw::IDOK);
    CPartDosDisk::CreateDosDisk('D', "DEFAULT", {kJobParts});
    ASSERT_EQ(messages->Shown().size(), 1u);
    const std::string& text = messages->Shown()[0].text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 20);   // 20 files, then how many more
    EXPECT_TRUE(text.starts_with("The part file C:\\Kestrom\\Jobs\\J1\\G1\\BAD")) << text;
    EXPECT_TRUE(text.ends_with("could not be read; it is not written to the shop disk.\n... and 5 more")) << text;
    EXPECT_EQ(std::filesystem::file_size(drives.Root() / "D/PART/DEFAULT.REC"), 234u);   // B1 alone
}

TEST_F(PartDosDiskTest, CancelOnAMissingShapeEndsTheConversion)
{
    PutPart("A1", 120.0);
    PutPart("B1", 120.0, "L ", "4X4X0.5");
    PutPart("C1", 120.0);
    CPartDosDisk::CreateDosDisk('D', "DEFAULT", {kJobParts});
    ClearJobs();
    std::filesystem::remove(drives.C() / "Kestrom/Shapes/L 4X4X0.5.shp");

    messages->Answer(fw::IDCANCEL).Answer(fw::IDOK);
    CPartDosDisk::ReadDosDisk("D:\\PART\\DEFAULT.REC");
    ASSERT_EQ(messages->Shown().size(), 2u);   // the question, then the end list
    EXPECT_NE(messages->Shown()[1].text.find("The conversion was cancelled."), std::string::npos);
    EXPECT_EQ(messages->Shown()[0].caption, "Missing Shape L :4X4X0.5 In Varnex");
    EXPECT_EQ(messages->Shown()[0].text, "J1 G1 B1\nMARK will not be converted");
    EXPECT_TRUE(std::filesystem::exists(JobFile("J1/G1/A1.prt")));
    EXPECT_FALSE(std::filesystem::exists(JobFile("J1/G1/C1.prt")));
}

TEST_F(PartDosDiskTest, OkOnAMissingShapeGoesOn)
{
    PutPart("A1", 120.0, "L ", "4X4X0.5");
    PutPart("B1", 120.0);
    CPartDosDisk::CreateDosDisk('D', "DEFAULT", {kJobParts});
    ClearJobs();
    std::filesystem::remove(drives.C() / "Kestrom/Shapes/L 4X4X0.5.shp");

    messages->Answer(fw::IDOK).Answer(fw::IDOK);
    CPartDosDisk::ReadDosDisk("D:\\PART\\DEFAULT.REC");
    EXPECT_NE(messages->Shown().back().text.find("The part J1 G1 A1 of D:\\PART\\DEFAULT.REC is not converted: the "
                                                 "shape L 4X4X0.5 is not in the shape catalogue."),
              std::string::npos)
        << messages->Shown().back().text;
    EXPECT_FALSE(std::filesystem::exists(JobFile("J1/G1/A1.prt")));
    EXPECT_TRUE(std::filesystem::exists(JobFile("J1/G1/B1.prt")));
}

TEST_F(PartDosDiskTest, WritesThePartRecordByteForByte)
{
    PutPart("B1", 240.0);
    CPartDosDisk::CreateDosDisk('D', "DEFAULT", {"C:\\Kestrom\\Jobs\\J1\\G1\\B1.prt"});
    const std::string blanks(80, ' ');
    const std::string expected =
        std::string("\x00\xE3\x00\xFF\xFF\xFF\xFF", 7) +      // chunk head: flag, 227, no next chunk
        "J1        G1        B1        " +                         // job, group, mark
        std::string("\x05\x00\x00\x00", 4) +                     // quantity 5, zero
        std::string("\x00\x00\x00\x00\x00\x00\x34\x40", 8) +     // 20.0 feet
        "W 12X26               A36       " + std::string(10, ' ') + "N" + blanks +
        std::string(12, '\0') +
        std::string("\x00\x00\x00\x00", 4) +                     // web holes: the hole file's first chain
        std::string(44, '\xFF') +                                 // eleven slots without a chain
        "EF";                                                       // imperial, flange leg
    EXPECT_EQ(TempDrives::Get(drives.Root() / "D/PART/DEFAULT.REC"), expected);
}

} // namespace

namespace {

// Channels with and without channel legs and a tube, with holes on every face the shape has.
class PartFacesDosDiskTest : public PartDosDiskTest {
protected:
    PartFacesDosDiskTest()
    {
        PutShape("C 10X20", multtest::ShapeFile("C ", "10X20", modeltest::k10, modeltest::k3, shapeChannel));
        PutShape("TS6X4", multtest::ShapeFile("TS", "6X4", modeltest::k10, modeltest::k4, shapeTube));
    }
    // A part whose face lists (the second web's only when asked) hold one pattern of two holes.
    void PutFacesPart(const std::string& mark, const std::string& desctp, const std::string& desc, int channelLeg,
                      bool web2 = false)
    {
        CPartDoc part;
        PartRecord& h = part.Header();
        h.jobId = "J1";
        h.group = "G1";
        h.mark = mark;
        h.quantity = 1;
        h.length = 240.0;
        h.channelLeg = channelLeg;
        ASSERT_TRUE(part.BuildShape(desctp, desc));
        h.shapeDesctp = desctp;
        h.shapeDesc = desc;
        CPartShape& shape = *part.GetPartShape();
        CRefPlane plane;
        plane.Set(0, 0, '+', '+', 0, 0, 'A');
        const CPartTool tool(13.0 / 16, 0, "RD", 0);
        std::vector<CPatternList*> faces{&shape.GetWebList(), &shape.GetTopFlangeList(), &shape.GetBottomFlangeList()};
        if (web2)
            faces.push_back(&shape.GetWeb2List());
        for (CPatternList* face : faces) {
            auto holes = std::make_unique<CPattern>(12.0, 1.0, 2, 6.0, 1, 0.0, CPattern::hole, &plane, &tool, 0);
            ASSERT_TRUE(part.AddPattern(holes, *face)) << mark;
        }
        ASSERT_TRUE(part.OnSaveDocument("C:\\x.prt"));
    }
};

TEST_F(PartFacesDosDiskTest, ChannelLegsAndTheTubesFacesComeBack)
{
    PutFacesPart("C0", "C ", "10X20", 0);
    PutFacesPart("C1", "C ", "10X20", 1);
    PutFacesPart("T1", "TS", "6X4", 0);
    const Bytes c0 = Part("C0"), c1 = Part("C1"), t1 = Part("T1");
    std::filesystem::remove(JobFile("J1/G1/T1.prt"));
    PutFacesPart("T1", "TS", "6X4", 0, true);

    // The second web has no place on the disk: the user is told, the rest is written.
    messages->Answer(fw::IDOK);
    CPartDosDisk::CreateDosDisk('D', "FACES", {kJobParts});
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_EQ(messages->Shown()[0].text, "The part file C:\\Kestrom\\Jobs\\J1\\G1\\T1.prt is written to the shop disk "
                                         "without the patterns of its second web: the shop disk has no place for them.");
    ClearJobs();
    messages->Answer(fw::IDOK);
    CPartDosDisk::ReadDosDisk("D:\\PART\\FACES.REC");

    // Flopped onto the disk by the channel-leg side and back again.
    EXPECT_EQ(Part("C0"), c0);
    EXPECT_EQ(Part("C1"), c1);
    EXPECT_EQ(Part("T1"), t1);
    EXPECT_EQ(messages->Shown().size(), 2u);   // and the end list
}

} // namespace
