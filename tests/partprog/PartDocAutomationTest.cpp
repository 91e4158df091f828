#include "partprog/PartDoc.h"

#include "model/ModelClasses.h"

#include "fw/core/AppProfile.h"
#include "fw/core/Component.h"
#include "fw/core/MessageService.h"
#include "fw/core/SaneLength.h"

#include "tests/fw/TempDrives.h"
#include "tests/model/ModelTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

using namespace modeltest;

namespace {

constexpr const char* kNoShapeYet = "The part has no shape yet: give SetPartData a shape of the catalog first.";

// W 12X26: D 12, BF 4 (decimal inch); L 4X4X0.5: D 4, BF 4; TS 4X4: D 4, BF 3.
Bytes ShapeFile(const std::string& type, const std::string& size, std::uint64_t depth, std::uint64_t width, int kind)
{
    return Cat({Str(type), Str(size), Dim(depth, 'D'), Dim(k0_5, 'D'), Dim(width, 'D'), Dim(k1, 'D'), Dim(k2, 'D'),
                Le64(k26), Str(""), Le32(std::uint32_t(kind)), Le32(1)});
}

class PartDocAutomationTest : public testing::Test {
protected:
    PartDocAutomationTest() : profile(fw::SetAppProfile(nullptr))
    {
        RegisterModelClasses();
        Put("W 12X26", ShapeFile("W ", "12X26", k12, k4, shapeBeam));
        Put("L 4X4X0.5", ShapeFile("L ", "4X4X0.5", k4, k4, shapeAngle));
        Put("TS4X4", ShapeFile("TS", "4X4", k4, k3, shapeTube));
        fw::ClassRegistry::Instance().Register(IPartDoc::kClassId, IPartDoc::kProgId, CPartDoc::CreateAutomationObject);
    }
    ~PartDocAutomationTest() override
    {
        fw::ClassRegistry::Instance().Unregister(IPartDoc::kClassId);
        fw::SetAppProfile(std::move(profile));
    }
    void Put(const std::string& name, const Bytes& bytes) const
    {
        TempDrives::Put(drives.C() / "Kestrom/Shapes" / (name + ".shp"), std::string(bytes.begin(), bytes.end()));
    }
    static std::unique_ptr<IPartDoc> Create() { return fw::ClassRegistry::Instance().CreateAs<IPartDoc>("varnex.partdoc"); }
    static fw::HRESULT SetW(IPartDoc& part, const std::string& type = "W ", const std::string& size = "12X26",
                            int system = 0)
    {
        return part.SetPartData("J1", "G1", "B1", 2, 240, type, size, "A36", "", 0, "", "", std::int16_t(system), 0);
    }
    static CPartDoc& Doc(IPartDoc& part) { return dynamic_cast<CPartDoc&>(part); }

    std::unique_ptr<fw::Profile> profile;
    TempDrives drives;
    fw::ScriptedMessages messages;
};

using Call = std::function<fw::HRESULT(IPartDoc&)>;

// Holes of a 13/16 round tool at X 2; layouts at X 2.
Call Hole(fw::HRESULT (IPartDoc::*method)(double, double, double, double, std::int16_t, std::int16_t, double, double,
                                          const std::string&, std::int16_t))
{
    return [method](IPartDoc& p) { return (p.*method)(2, 1, 4, 1, 3, 1, 0.8125, 0, "rd", 0); };
}
Call HoleEx(fw::HRESULT (IPartDoc::*method)(double, double, double, double, std::int16_t, std::int16_t, double, double,
                                            const std::string&, std::int16_t, std::int16_t))
{
    return [method](IPartDoc& p) { return (p.*method)(2, 1, 4, 1, 3, 1, 0.8125, 0, "rd", 0, 2); };
}
Call Layout(fw::HRESULT (IPartDoc::*method)(double, double, double, double, std::int16_t, std::int16_t))
{
    return [method](IPartDoc& p) { return (p.*method)(2, 1, 4, 1, 3, 1); };
}

} // namespace

TEST_F(PartDocAutomationTest, EveryPatternMethodAddsToItsFace)
{
    const struct {
        const char* name;
        Call call;
        int face;
        int operation;
        const char* toolType;
        int toolSystem;
    } cases[] = {
        {"SetWebHole", Hole(&IPartDoc::SetWebHole), faceWeb, CPattern::hole, "RD", 0},
        {"SetWebLayout", Layout(&IPartDoc::SetWebLayout), faceWeb, CPattern::frontLayout, "", 0},
        {"SetTFNearHole", Hole(&IPartDoc::SetTFNearHole), faceTopFlange, CPattern::hole, "RD", 0},
        {"SetTFNearLayout", Layout(&IPartDoc::SetTFNearLayout), faceTopFlange, CPattern::frontLayout, "", 0},
        {"SetTFFarHole", Hole(&IPartDoc::SetTFFarHole), faceTopFlange, CPattern::hole, "RD", 0},
        {"SetTFFarLayout", Layout(&IPartDoc::SetTFFarLayout), faceTopFlange, CPattern::frontLayout, "", 0},
        {"SetTFNearFarHole", Hole(&IPartDoc::SetTFNearFarHole), faceTopFlange, CPattern::hole, "RD", 0},
        {"SetTFNearFarLayout", Layout(&IPartDoc::SetTFNearFarLayout), faceTopFlange, CPattern::frontLayout, "", 0},
        {"SetBFNearHole", Hole(&IPartDoc::SetBFNearHole), faceBottomFlange, CPattern::hole, "RD", 0},
        {"SetBFNearLayout", Layout(&IPartDoc::SetBFNearLayout), faceBottomFlange, CPattern::frontLayout, "", 0},
        {"SetBFFarHole", Hole(&IPartDoc::SetBFFarHole), faceBottomFlange, CPattern::hole, "RD", 0},
        {"SetBFFarLayout", Layout(&IPartDoc::SetBFFarLayout), faceBottomFlange, CPattern::frontLayout, "", 0},
        {"SetBFNearFarHole", Hole(&IPartDoc::SetBFNearFarHole), faceBottomFlange, CPattern::hole, "RD", 0},
        {"SetBFNearFarLayout", Layout(&IPartDoc::SetBFNearFarLayout), faceBottomFlange, CPattern::frontLayout, "", 0},
        {"SetWebHiddenLayout", Layout(&IPartDoc::SetWebHiddenLayout), faceWeb, CPattern::backLayout, "", 0},
        {"SetTFNearHiddenLayout", Layout(&IPartDoc::SetTFNearHiddenLayout), faceTopFlange, CPattern::backLayout, "", 0},
        {"SetTFFarHiddenLayout", Layout(&IPartDoc::SetTFFarHiddenLayout), faceTopFlange, CPattern::backLayout, "", 0},
        {"SetTFNearFarHiddenLayout", Layout(&IPartDoc::SetTFNearFarHiddenLayout), faceTopFlange, CPattern::backLayout, "", 0},
        {"SetBFNearHiddenLayout", Layout(&IPartDoc::SetBFNearHiddenLayout), faceBottomFlange, CPattern::backLayout, "", 0},
        {"SetBFFarHiddenLayout", Layout(&IPartDoc::SetBFFarHiddenLayout), faceBottomFlange, CPattern::backLayout, "", 0},
        {"SetBFNearFarHiddenLayout", Layout(&IPartDoc::SetBFNearFarHiddenLayout), faceBottomFlange, CPattern::backLayout, "", 0},
        {"SetWeb2Hole", Hole(&IPartDoc::SetWeb2Hole), faceWeb2, CPattern::hole, "RD", 0},
        {"SetWebHoleEx", HoleEx(&IPartDoc::SetWebHoleEx), faceWeb, CPattern::hole, "RD", 2},
        {"SetTFNearHoleEx", HoleEx(&IPartDoc::SetTFNearHoleEx), faceTopFlange, CPattern::hole, "RD", 2},
        {"SetTFFarHoleEx", HoleEx(&IPartDoc::SetTFFarHoleEx), faceTopFlange, CPattern::hole, "RD", 2},
        {"SetTFNearFarHoleEx", HoleEx(&IPartDoc::SetTFNearFarHoleEx), faceTopFlange, CPattern::hole, "RD", 2},
        {"SetBFNearHoleEx", HoleEx(&IPartDoc::SetBFNearHoleEx), faceBottomFlange, CPattern::hole, "RD", 2},
        {"SetBFFarHoleEx", HoleEx(&IPartDoc::SetBFFarHoleEx), faceBottomFlange, CPattern::hole, "RD", 2},
        {"SetBFNearFarHoleEx", HoleEx(&IPartDoc::SetBFNearFarHoleEx), faceBottomFlange, CPattern::hole, "RD", 2},
        {"SetWeb2HoleEx", HoleEx(&IPartDoc::SetWeb2HoleEx), faceWeb2, CPattern::hole, "RD", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto part = Create();
        ASSERT_NE(part, nullptr);
        EXPECT_EQ(c.call(*part), fw::E_UNEXPECTED);
        EXPECT_EQ(fw::GetErrorInfo(), kNoShapeYet);
        ASSERT_EQ(SetW(*part, "W ", "12X26", 1), fw::S_OK);
        ASSERT_EQ(part->RefPlane(10, 0, 0, 0, "+", "+", "B"), fw::S_OK);
        EXPECT_EQ(c.call(*part), fw::S_OK);
        EXPECT_EQ(c.call(*part), fw::E_FAIL);   // the same pattern again: refused
        CPartShape& shape = *Doc(*part).GetPartShape();
        for (int face : {faceWeb, faceTopFlange, faceBottomFlange, faceWeb2})
            EXPECT_EQ(shape.GetFaceList(face)->GetCount(), face == c.face ? 1u : 0u) << face;
        const CPattern& pattern = *shape.GetFaceList(c.face)->GetHead();
        EXPECT_EQ(pattern.GetOperation(), c.operation);
        EXPECT_EQ(pattern.GetStartX().GetUnits(), 1);   // the document's measuring system
        EXPECT_EQ(pattern.GetRefPlane().GetPatternType(), 'B');
        ASSERT_NE(pattern.GetTool(), nullptr);
        EXPECT_EQ(pattern.GetTool()->GetType(), c.toolType);
        EXPECT_EQ(pattern.GetTool()->GetMeasuringSystem(), c.toolSystem);
        EXPECT_TRUE(Doc(*part).IsModified());
    }
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(PartDocAutomationTest, InvalidArgumentsChangeNothing)
{
    auto part = Create();
    ASSERT_EQ(SetW(*part), fw::S_OK);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::pair<const char*, Call> cases[] = {
        {"count X 0", [](IPartDoc& p) { return p.SetWebHole(2, 1, 4, 1, 0, 1, 0.8125, 0, "RD", 0); }},
        {"count U -1", [](IPartDoc& p) { return p.SetWebLayout(2, 1, 4, 1, 1, -1); }},
        {"too many", [](IPartDoc& p) { return p.SetWebLayout(2, 1, 4, 1, 10001, 1); }},
        {"NaN X", [nan](IPartDoc& p) { return p.SetWebLayout(nan, 1, 4, 1, 1, 1); }},
        {"NaN tool", [nan](IPartDoc& p) { return p.SetWebHole(2, 1, 4, 1, 1, 1, nan, 0, "RD", 0); }},
        {"tool system 3", [](IPartDoc& p) { return p.SetWebHoleEx(2, 1, 4, 1, 1, 1, 1, 0, "RD", 0, 3); }},
        {"plane type", [](IPartDoc& p) { return p.RefPlane(0, 0, 0, 0, "+", "+", "X"); }},
        {"plane direction", [](IPartDoc& p) { return p.RefPlane(0, 0, 0, 0, "*", "+", "A"); }},
        {"plane NaN", [nan](IPartDoc& p) { return p.RefPlane(nan, 0, 0, 0, "+", "+", "A"); }},
        {"stencil NaN", [nan](IPartDoc& p) { return p.SetWebStencil(nan, 0, "A"); }},
        {"mark with '\\'", [](IPartDoc& p) { return p.SetPartData("J1", "G1", "A\\B", 1, 1, "W ", "12X26", "", "", 0, "", "", 0, 0); }},
        {"job ..", [](IPartDoc& p) { return p.SetPartData("..", "G1", "B1", 1, 1, "W ", "12X26", "", "", 0, "", "", 0, 0); }},
        {"group C:", [](IPartDoc& p) { return p.SetPartData("J1", "C:", "B1", 1, 1, "W ", "12X26", "", "", 0, "", "", 0, 0); }},
        {"long job", [](IPartDoc& p) { return p.SetPartData("JOBNAME1234", "G1", "B1", 1, 1, "W ", "12X26", "", "", 0, "", "", 0, 0); }},
        {"quantity 0", [](IPartDoc& p) { return p.SetPartData("J1", "G1", "B1", 0, 1, "W ", "12X26", "", "", 0, "", "", 0, 0); }},
        {"length NaN", [nan](IPartDoc& p) { return p.SetPartData("J1", "G1", "B1", 1, nan, "W ", "12X26", "", "", 0, "", "", 0, 0); }},
        {"system 3", [](IPartDoc& p) { return p.SetPartData("J1", "G1", "B1", 1, 1, "W ", "12X26", "", "", 0, "", "", 3, 0); }},
    };
    for (const auto& [name, call] : cases)
        EXPECT_EQ(call(*part), fw::E_INVALIDARG) << name;
    const CPartDoc& doc = Doc(*part);
    EXPECT_EQ(doc.GetMark(), "B1");
    EXPECT_EQ(doc.GetJob(), "J1");
    EXPECT_EQ(doc.GetRefPlane().patternType, 'A');
    EXPECT_EQ(doc.GetPartShape()->GetWebList().GetCount(), 0u);
    EXPECT_EQ(doc.GetPartShape()->GetStencilList().GetCount(), 0u);
}

TEST_F(PartDocAutomationTest, RefPlaneTakesTheFirstCharacterOfEachText)
{
    const struct {
        const char* dirX;
        const char* dirU;
        const char* type;
        fw::HRESULT status;
        const char* stored;   // X direction, U direction, type; unchanged ("+-C") when refused
    } cases[] = {
        {"+", "-", "B", fw::S_OK, "+-B"},
        {"-x", "+u", "Centre", fw::S_OK, "-+C"},
        {"--", "++", "AB", fw::S_OK, "-+A"},
        {"", "+", "A", fw::E_INVALIDARG, "+-C"},
        {"+", "", "A", fw::E_INVALIDARG, "+-C"},
        {"+", "+", "", fw::E_INVALIDARG, "+-C"},
        {"x+", "+", "A", fw::E_INVALIDARG, "+-C"},
        {"+", "+", "above", fw::E_INVALIDARG, "+-C"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.dirX) + "|" + c.dirU + "|" + c.type);
        auto part = Create();
        ASSERT_EQ(part->RefPlane(1, 2, 0, 0, "+", "-", "C"), fw::S_OK);
        EXPECT_EQ(part->RefPlane(3, 4, 1, 2, c.dirX, c.dirU, c.type), c.status);
        const CPartDoc::RefPlaneData& plane = Doc(*part).GetRefPlane();
        EXPECT_EQ(std::string({plane.directionX, plane.directionU, plane.patternType}), c.stored);
        EXPECT_EQ(plane.startX, c.status == fw::S_OK ? 3 : 1);
        EXPECT_EQ(plane.run, c.status == fw::S_OK ? 2 : 0);
    }
}

TEST_F(PartDocAutomationTest, APartInAFolderLongerThanANameSavesBackToItsFile)
{
    auto part = Create();
    ASSERT_EQ(part->SetPartData("LONGJOBNAM", "G1", "B1", 2, 240, "W ", "12X26", "A36", "", 0, "", "", 0, 0), fw::S_OK);
    ASSERT_EQ(part->SavePart(), fw::S_OK);
    const std::filesystem::path cut = drives.C() / "Kestrom/Jobs/LONGJOBNAM";
    const std::filesystem::path file = drives.C() / "Kestrom/Jobs/LONGJOBNAME12/G1/B1.prt";
    std::filesystem::create_directories(file.parent_path());
    std::filesystem::rename(cut / "G1/B1.prt", file);
    std::filesystem::remove_all(cut);
    const std::string stored = TempDrives::Get(file);

    CPartDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument("C:\\Kestrom\\Jobs\\LONGJOBNAME12\\G1\\B1.prt"));
    EXPECT_EQ(doc.GetJob(), "LONGJOBNAM");   // the header holds the first 10 characters
    PartRecord record = doc.GetPartRecord();
    EXPECT_EQ(record.jobId, "LONGJOBNAM");
    record.quantity = 5;
    ASSERT_TRUE(doc.SetPartRecord(record));
    ASSERT_TRUE(doc.OnFileSave());
    EXPECT_NE(TempDrives::Get(file), stored);
    EXPECT_FALSE(std::filesystem::exists(cut));
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(PartDocAutomationTest, StencilUClamp)
{
    const struct {
        const char* type;
        const char* size;
        double u;
        double expected;
    } cases[] = {
        {"W ", "12X26", 20, 4},   {"W ", "12X26", 3, 3},   // flange width 4
        {"L ", "4X4X0.5", 20, 4}, {"PL", "D0.5X12", 20, 12},   // depth
        {"TS", "4X4", 20, 20},                                 // any other shape: unchanged
    };
    for (const auto& c : cases) {
        auto part = Create();
        ASSERT_EQ(SetW(*part, c.type, c.size), fw::S_OK) << c.type;
        for (auto method : {&IPartDoc::SetWebStencil, &IPartDoc::SetTFStencil, &IPartDoc::SetBFStencil})
            EXPECT_EQ(((*part).*method)(10 * double(Doc(*part).GetPartShape()->GetStencilList().GetCount() + 1), c.u, "B1"),
                      fw::S_OK);
        const CStencilPatternList& marks = Doc(*part).GetPartShape()->GetStencilList();
        ASSERT_EQ(marks.GetCount(), 3u) << c.type;
        EXPECT_EQ(marks.GetHead()->GetU().GetValue(), c.expected) << c.type;
    }
    auto part = Create();
    EXPECT_EQ(part->SetWebStencil(1, 1, "A"), fw::E_UNEXPECTED);
    EXPECT_EQ(fw::GetErrorInfo(), kNoShapeYet);
    ASSERT_EQ(SetW(*part), fw::S_OK);
    EXPECT_EQ(part->SetWebStencil(1, 1, ""), fw::E_FAIL);
    EXPECT_EQ(part->SetWebStencil(1, 1, "A"), fw::S_OK);
    EXPECT_EQ(part->SetTFStencil(1, 1, "A"), fw::E_FAIL);   // the same mark
}

TEST_F(PartDocAutomationTest, SetPartDataWithAMissingShapeKeepsTheOldDesignation)
{
    auto part = Create();
    ASSERT_EQ(SetW(*part), fw::S_OK);
    ASSERT_EQ(part->SetWebLayout(2, 1, 4, 1, 1, 1), fw::S_OK);
    EXPECT_EQ(part->SetPartData("J2", "G2", "B2", 3, 120, "W ", "99X99", "", "", 0, "", "", 2, 0), fw::E_FAIL);
    const CPartDoc& doc = Doc(*part);
    EXPECT_EQ(doc.Header().shapeDesc, "12X26");
    EXPECT_EQ(doc.GetPartShape()->GetDesc(), "12X26");
    EXPECT_EQ(doc.GetMark(), "B2");
    EXPECT_EQ(doc.Header().length.GetValue(), 120.0);
    EXPECT_EQ(doc.Header().length.GetUnitLetter(), 'M');
    EXPECT_EQ(doc.GetPartShape()->GetWebList().GetCount(), 1u);

    auto fresh = Create();
    EXPECT_EQ(fresh->SetPartData("J2", "G2", "B2", 3, 120, "W ", "99X99", "", "", 0, "", "", 0, 0), fw::E_FAIL);
    EXPECT_EQ(Doc(*fresh).GetPartShape(), nullptr);
    EXPECT_EQ(fresh->SavePart(), fw::E_UNEXPECTED);
    EXPECT_EQ(fw::GetErrorInfo(), CPartDoc::kNoShape);
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(PartDocAutomationTest, SavePartAndGetSpecification)
{
    auto part = Create();
    ASSERT_EQ(SetW(*part), fw::S_OK);
    ASSERT_EQ(part->SetWebHole(2, 1, 4, 1, 3, 1, 0.8125, 0, "RD", 0), fw::S_OK);
    ASSERT_EQ(part->SavePart(), fw::S_OK);
    const std::string path = "C:\\Kestrom\\Jobs\\J1\\G1\\B1.prt";
    EXPECT_EQ(Doc(*part).GetPathName(), path);

    // Another object with the same mark must not replace the file.
    auto other = Create();
    ASSERT_EQ(SetW(*other), fw::S_OK);
    EXPECT_EQ(other->SavePart(), fw::E_FAIL);

    std::string description = "x", section = "y";
    auto reader = Create();
    EXPECT_EQ(reader->GetSpecification(path, description, section), fw::S_OK);
    EXPECT_EQ(description, "W ");
    EXPECT_EQ(section, "12X26");
    EXPECT_EQ(reader->GetSpecification("C:\\Kestrom\\Jobs\\J1\\G1\\NO.prt", description, section), fw::E_FAIL);
    EXPECT_EQ(description, "");
    EXPECT_EQ(reader->GetSpecification(std::string(256, 'A'), description, section), fw::E_INVALIDARG);

    // A part whose shape file has gone still names its shape.
    std::filesystem::remove(drives.C() / "Kestrom/Shapes/W 12X26.shp");
    EXPECT_EQ(reader->GetSpecification(path, description, section), fw::S_OK);
    EXPECT_EQ(section, "12X26");
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(PartDocAutomationTest, ExtremeValuesAreRefusedAndWhatSucceedsSavesAFileThatLoads)
{
    const double big = fw::kMaxInches;
    const std::pair<const char*, std::function<fw::HRESULT(IPartDoc&)>> cases[] = {
        {"increment 1e308", [](IPartDoc& p) { return p.SetWebLayout(0, 0, 1e308, 0, 3, 1); }},
        {"increment 1e300", [](IPartDoc& p) { return p.SetWebLayout(0, 0, 1e300, 0, 2, 1); }},
        {"elements beyond the range", [](IPartDoc& p) { return p.SetWebLayout(0, 0, 101, 0, 9999, 1); }},
        {"elements up to the range", [](IPartDoc& p) { return p.SetWebLayout(0, 0, 100, 0, 9999, 1); }},
        {"U increments beyond the range", [](IPartDoc& p) { return p.SetWebHole(0, 0, 0, -1000, 1, 9999, 1, 0, "RD", 0); }},
        {"start beyond the range", [big](IPartDoc& p) { return p.SetWebLayout(2 * big, 0, 0, 0, 1, 1); }},
        {"start at the range", [big](IPartDoc& p) { return p.SetWebLayout(big, 0, 0, 0, 1, 1); }},
        {"plane at the range, pattern past it",
         [big](IPartDoc& p) {
             const fw::HRESULT plane = p.RefPlane(big, 0, 0, 0, "+", "+", "A");
             return plane != fw::S_OK ? plane : p.SetWebLayout(1, 0, 0, 0, 1, 1);
         }},
        {"plane beyond the range", [](IPartDoc& p) { return p.RefPlane(1e300, 0, 0, 0, "+", "+", "A"); }},
        {"rise beyond the range", [](IPartDoc& p) { return p.RefPlane(0, 0, 1e300, 1, "+", "+", "A"); }},
        {"stencil beyond the range", [big](IPartDoc& p) { return p.SetWebStencil(-2 * big, 0, "A"); }},
        {"stencil text past the range", [big](IPartDoc& p) { return p.SetWebStencil(big - 1, 0, "AB"); }},
        {"length beyond the range",
         [](IPartDoc& p) { return p.SetPartData("J1", "G1", "B1", 1, 1e300, "W ", "12X26", "", "", 0, "", "", 0, 0); }},
        {"length at the range, most pieces",
         [big](IPartDoc& p) { return p.SetPartData("J1", "G1", "B1", 32767, big, "W ", "12X26", "", "", 0, "", "", 0, 0); }},
    };
    const fw::HRESULT expected[] = {fw::E_INVALIDARG, fw::E_INVALIDARG, fw::E_INVALIDARG, fw::S_OK, fw::E_INVALIDARG,
                                    fw::E_INVALIDARG, fw::S_OK,         fw::E_INVALIDARG, fw::E_INVALIDARG,
                                    fw::E_INVALIDARG, fw::E_INVALIDARG, fw::E_INVALIDARG, fw::E_INVALIDARG, fw::S_OK};
    static_assert(std::size(cases) == std::size(expected));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].first);
        auto part = Create();
        ASSERT_EQ(SetW(*part), fw::S_OK);
        EXPECT_EQ(cases[i].second(*part), expected[i]);
        if (expected[i] != fw::S_OK) {
            EXPECT_EQ(Doc(*part).GetPartShape()->GetWebList().GetCount(), 0u);
            EXPECT_EQ(Doc(*part).GetPartShape()->GetStencilList().GetCount(), 0u);
            EXPECT_EQ(Doc(*part).Header().length.GetValue(), 240.0);
        }
        // Every sequence leaves a part that saves, and the file loads.
        std::filesystem::remove(drives.C() / "Kestrom/Jobs/J1/G1/B1.prt");
        ASSERT_EQ(part->SavePart(), fw::S_OK);
        CPartDoc reread;
        EXPECT_TRUE(reread.LoadPart("C:\\Kestrom\\Jobs\\J1\\G1\\B1.prt"));
    }
    EXPECT_TRUE(messages->Shown().empty());
}
