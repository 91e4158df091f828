#include "model/ShapeDoc.h"

#include "fw/core/AppProfile.h"
#include "fw/core/DocManager.h"
#include "fw/core/MessageService.h"

#include "ModelTestSupport.h"
#include "tests/fw/TempDrives.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace modeltest;

namespace {

constexpr const char* kMismatch = "WARNING:  The Shape information in this file is inconsistent with the file name!";

// W 12X26 in decimal inches: D 12, TW 0.5, BF 4, TF 1, SFG 2, 26 lb/ft.
const Bytes kW12X26 = Cat({Str("W "), Str("12X26"), Dim(k12, 'D'), Dim(k0_5, 'D'), Dim(k4, 'D'), Dim(k1, 'D'),
                           Dim(k2, 'D'), Le64(k26), Str("W12 X 26"), Le32(0), Le32(1)});

class ShapeDocTest : public testing::Test {
protected:
    ShapeDocTest() : profile(fw::SetAppProfile(nullptr))
    {
        shapes = manager.AddDocTemplate(std::make_unique<fw::DocTemplate>(
            "\nShape\nShape\nShape (*.shp)\n.shp\nVarnex.Shape\nVarnex Shape",
            [] { return std::make_unique<CShapeDoc>(); }));
    }
    CShapeDoc* NewShape() { return static_cast<CShapeDoc*>(shapes->OpenDocumentFile("", false)); }
    std::filesystem::path ShapeFolder() const { return drives.C() / "Kestrom/Shapes"; }
    void PutShape(const std::string& name, const Bytes& bytes) const
    {
        TempDrives::Put(ShapeFolder() / (name + ".shp"), std::string(bytes.begin(), bytes.end()));
    }
    Bytes GetShape(const std::string& name) const
    {
        const std::string text = TempDrives::Get(ShapeFolder() / (name + ".shp"));
        return Bytes(text.begin(), text.end());
    }
    static void SetW12X26(CShapeDoc& doc) { doc.SetShapeData("W", "12X26", 12, 0.5, 4, 1, 2, 26, "W12 X 26", 0, 1); }

    ~ShapeDocTest() override { fw::SetAppProfile(std::move(profile)); }

    std::unique_ptr<fw::Profile> profile;   // the one the test replaces with an empty profile
    TempDrives drives;
    fw::ScriptedMessages messages;
    fw::DocManager manager;
    fw::DocTemplate* shapes;
};

// A form that copies fixed values into its document, or refuses as invalid.
struct ShapeForm : fw::View {
    bool HoldsEdits() const override { return true; }
    void OnUpdate(fw::View*, long, fw::Object*) override { ++updates; }
    bool CommitPendingEdits() override
    {
        ++copies;
        if (valid)
            static_cast<CShapeDoc*>(GetDocument())->SetShapeData("L", "4X4X0.5", 4, 0.5, 4, 0.5, 2.5, 12.8, "L4X4X1/2", 2, 1);
        return valid;
    }
    void CloseFrame() override { ++closes; }
    bool valid = true;
    int copies = 0;
    int updates = 0;
    int closes = 0;
};

} // namespace

TEST_F(ShapeDocTest, LoadShapeFindsFilesAndMakesUpPlates)
{
    PutShape("W 12X26", kW12X26);
    PutShape("L 4X4X0.5", Cat({Str("L "), Str("4X4X0.5"), Dim(k4, 'E'), Dim(k0_5, 'E'), Dim(k4, 'E'), Dim(k0_5, 'E'),
                               Dim(k2_5, 'E'), Le64(k26), Str(""), Le32(2), Le32(0)}));
    const struct {
        const char* type;
        const char* desc;
        int result;
        const char* desctp;   // what the document holds afterwards
        double depth, thickness, weight;
        int kind, system;
    } cases[] = {
        {"W", "12X26", 1, "W ", 12, 0.5, 26, shapeBeam, 1},
        {"W ", "12X26", 1, "W ", 12, 0.5, 26, shapeBeam, 1},
        {" W", "12X26", 1, "W ", 12, 0.5, 26, shapeBeam, 1},
        {"w", "12x26", 1, "W ", 12, 0.5, 26, shapeBeam, 1},   // names compare without case
        {"L", "4X4X0.5", 1, "L ", 4, 0.5, 26, shapeAngle, 0},
        {"W", "99X99", 0, "", 0, 0, 0, shapeBeam, 0},
        {"L", "4X4X1/2", 0, "", 0, 0, 0, shapeBeam, 0},       // '/' can't be in a file name
        // Plates without a file, from their size: decimal inch, metric, imperial.
        {"P", "D0.5X12", 1, "P ", 12, 0.5, 0.5 * 12 / 144 * 489.024, shapePlate, 1},
        {"PL", "d0.5x12", 1, "PL", 12, 0.5, 0.5 * 12 / 144 * 489.024, shapePlate, 1},
        {"PL", "M10X200", 1, "PL", 200 / 25.4, 10 / 25.4, 10 * 200 / 25.4 / 25.4 / 144 * 489.024, shapePlate, 2},
        {"PL", "1/2X10", 1, "PL", 10, 0.5, 0.5 * 10 / 144 * 489.024, shapePlate, 0},
        {"PL", "3/8 X 1'", 1, "PL", 12, 0.375, 0.375 * 12 / 144 * 489.024, shapePlate, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.type << "\" " << c.desc);
        CShapeDoc* doc = NewShape();
        doc->SetModifiedFlag(true);
        LoadProblems problems;
        EXPECT_EQ(doc->LoadShape(c.type, c.desc, problems), c.result);
        EXPECT_TRUE(problems.empty());   // a missing file is the caller's to word
        const ShapeRecord& r = doc->GetShapeData();
        EXPECT_EQ(r.desctp, c.desctp);
        EXPECT_DOUBLE_EQ(r.depth.GetValue(), c.depth);
        EXPECT_DOUBLE_EQ(r.webThickness.GetValue(), c.thickness);
        EXPECT_DOUBLE_EQ(r.weight, c.weight);
        EXPECT_EQ(r.kind, c.kind);
        EXPECT_EQ(r.measuringSystem, c.system);
        if (c.result == 1) {
            EXPECT_FALSE(doc->IsModified());
        }
    }
    EXPECT_TRUE(messages->Shown().empty());
}

TEST(ShapeChooser, FilterListsTheDesignationFirst)
{
    const std::string shapes =
        "Beams (W,S,HP,M)|W *.shp;S *.shp;HP*.shp;M *.shp|Angles (L)|L*.shp|Channel  (MC,C)|C *.shp;MC*.shp|"
        "Flat Bar (FB)|FB*.shp|T Shapes (T,WT,MT,ST)|T *.shp;WT*.shp;MT*.shp;ST*.shp|All Shapes (*.shp)|*.shp||";
    EXPECT_EQ(CShapeDoc::ChooserFilter(""), shapes);
    EXPECT_EQ(CShapeDoc::ChooserFilter("W "), "Shape Directory (W *.shp)|W *.shp|" + shapes);
    EXPECT_EQ(CShapeDoc::ChooserFilter("MC"), "Shape Directory (MC*.shp)|MC*.shp|" + shapes);
}

TEST_F(ShapeDocTest, PlateFromItsSize)
{
    CShapeDoc* doc = NewShape();
    LoadProblems problems;
    ASSERT_EQ(doc->LoadShape("P", "D0.5X12", problems), 1);
    const ShapeRecord& r = doc->GetShapeData();
    EXPECT_EQ(r.desc, "D0.5X12");
    EXPECT_EQ(r.formal, "P D0.5X12");
    EXPECT_DOUBLE_EQ(r.weight, 20.376);   // 0.5 in x 12 in = 1/24 square foot, 489.024 lb per cubic foot
    for (const CDimension* d : {&r.flangeWidth, &r.flangeThickness, &r.flangeGage})
        EXPECT_EQ(d->GetValue(), 0.0);
    EXPECT_EQ(r.depth.GetUnitLetter(), 'D');
    EXPECT_EQ(r.depth.GetString(), "12 in.");

    // A size without 'X' changes nothing.
    EXPECT_EQ(doc->SetPlateFromName("PL", "M10"), 0);
    EXPECT_EQ(doc->GetShapeData().desc, "D0.5X12");
    // Nor does a size beyond the range of lengths (its weight would not be finite).
    for (const char* size : {"D1e300X1e300", "M1X1e300", "2000000X1"})
        EXPECT_EQ(doc->SetPlateFromName("PL", size), 0) << size;
    EXPECT_EQ(doc->GetShapeData().desc, "D0.5X12");
}

TEST_F(ShapeDocTest, UnreadablePlateSizeIsAProblemThatBeepsWhenReported)
{
    CShapeDoc* doc = NewShape();
    LoadProblems problems;
    EXPECT_EQ(doc->LoadShape("PL", "ABC", problems), 0);
    EXPECT_TRUE(messages->Shown().empty());
    EXPECT_TRUE(messages->Beeps().empty());
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].kind, LoadProblem::Kind::shapeUnreadable);
    messages->Answer(fw::IDOK);
    ReportLoadProblems(problems);
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_EQ(messages->Shown()[0].text, "ERROR: File Not Found -- On File C:\\Kestrom\\Shapes\\PLABC.shp");
    EXPECT_EQ(messages->Beeps(), std::vector<unsigned>{fw::MB_ICONEXCLAMATION});
}

TEST_F(ShapeDocTest, EmptyAndCorruptFilesAreErrorsNotShapes)
{
    const Bytes truncated(kW12X26.begin(), kW12X26.end() - 1);
    Bytes badKind = kW12X26;
    badKind[badKind.size() - 8] = 7;
    Bytes nanWeight = kW12X26;
    const std::size_t weightAt = kW12X26.size() - 8 - 9 - 8;
    for (std::size_t i = 0; i < 8; ++i)
        nanWeight[weightAt + i] = Le64(kNaN)[i];
    for (const Bytes& bytes : {Bytes(), truncated, badKind, nanWeight}) {
        SCOPED_TRACE(bytes.size());
        PutShape("W 12X26", bytes);
        CShapeDoc* doc = NewShape();
        LoadProblems problems;
        EXPECT_EQ(doc->LoadShape("W", "12X26", problems), 0);
        ASSERT_EQ(problems.size(), 1u);
        EXPECT_EQ(problems[0], (LoadProblem{LoadProblem::Kind::shapeUnreadable,
                                            "ERROR: Invalid File -- On File C:\\Kestrom\\Shapes\\W 12X26.shp",
                                            {}, fw::MB_OK | fw::MB_ICONEXCLAMATION, true}));
        EXPECT_EQ(doc->GetShapeData().desctp, "");
        EXPECT_EQ(doc->GetShapeData().weight, 0.0);
    }
    // A plate whose file is corrupt is not made up from its name.
    PutShape("PL0.5X10", Bytes{1, 2, 3});
    LoadProblems problems;
    EXPECT_EQ(NewShape()->LoadShape("PL", "0.5X10", problems), 0);
    EXPECT_EQ(NewShape()->LoadShape("PL", "1/2X10", problems), 1);
    EXPECT_EQ(problems.size(), 1u);
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(ShapeDocTest, ShapeFileBytes)
{
    CShapeDoc* doc = NewShape();
    SetW12X26(*doc);
    EXPECT_EQ(StoreDirect(*doc), kW12X26);

    CShapeDoc* loaded = NewShape();
    LoadDirect(*loaded, kW12X26);
    const ShapeRecord& r = loaded->GetShapeData();
    EXPECT_EQ(r.desctp, "W ");
    EXPECT_EQ(r.desc, "12X26");
    EXPECT_EQ(r.flangeWidth.GetValue(), 4.0);
    EXPECT_EQ(r.flangeGage.GetUnitLetter(), 'D');
    EXPECT_EQ(r.weight, 26.0);
    EXPECT_EQ(r.formal, "W12 X 26");
    EXPECT_EQ(r.measuringSystem, 1);
    ExpectTruncationsRejected(kW12X26, [&](fw::Archive& ar) { loaded->Serialize(ar); });
}

TEST_F(ShapeDocTest, FileWhoseNameDiffersFromItsShapeWarns)
{
    PutShape("W 12X40", kW12X26);
    const LoadProblem mismatch{LoadProblem::Kind::shapeNameMismatch, kMismatch, {},
                               fw::MB_OK | fw::MB_ICONINFORMATION, false};
    CShapeDoc* doc = NewShape();
    LoadProblems problems;
    EXPECT_EQ(doc->LoadShape("W", "12X40", problems), 1);
    EXPECT_EQ(doc->GetShapeData().desc, "12X26");   // the loaded data stay
    EXPECT_EQ(problems, LoadProblems{mismatch});
    auto* opened = static_cast<CShapeDoc*>(shapes->OpenDocumentFile("C:\\Kestrom\\Shapes\\W 12X40.shp", false));
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->GetLoadProblems(), LoadProblems{mismatch});   // kept for the caller that shows it
    EXPECT_TRUE(messages->Shown().empty());
    // The same name in other case is no mismatch.
    PutShape("w 12x26", kW12X26);
    opened = static_cast<CShapeDoc*>(shapes->OpenDocumentFile("C:\\Kestrom\\Shapes\\w 12x26.shp", false));
    ASSERT_TRUE(opened);
    EXPECT_TRUE(opened->GetLoadProblems().empty());
}

TEST_F(ShapeDocTest, ShapeDataPadsShortTypesAndWarnsOfLongOnes)
{
    messages->Answer(fw::IDOK);
    CShapeDoc* doc = NewShape();
    const struct {
        const char* type;
        const char* stored;
        std::size_t messages;
    } cases[] = {{"L", "L ", 0}, {" C", "C ", 0}, {"", "  ", 0}, {"MC", "MC", 0}, {"WTX", "WTX", 1}};
    for (const auto& c : cases) {
        doc->SetShapeData(c.type, "4X4", 4, 0.25, 4, 0.25, 2, 6.6, "", 2, 2);
        EXPECT_EQ(doc->GetShapeData().desctp, c.stored);
        EXPECT_EQ(messages->Shown().size(), c.messages) << c.type;
    }
    EXPECT_EQ(messages->Shown()[0].text, kMismatch);
    EXPECT_EQ(doc->GetShapeData().depth.GetUnitLetter(), 'M');
}

TEST_F(ShapeDocTest, NewShapeDefaults)
{
    CShapeDoc* doc = NewShape();
    const ShapeRecord& r = doc->GetShapeData();
    EXPECT_EQ(r.weight, 1.0);
    EXPECT_EQ(r.kind, shapeBeam);
    EXPECT_EQ(r.measuringSystem, 1);
    EXPECT_EQ(r.depth.GetUnitLetter(), 'D');
    EXPECT_EQ(doc->GetDocumentState(), CSmartDoc::stateNew);
}

TEST_F(ShapeDocTest, SavesIntoTheShapeDirectoryUnderItsName)
{
    fw::AppProfile().WriteProfileString("Directories", "Shape Directory", "C:\\Catalog\\Shapes");
    CShapeDoc* doc = NewShape();
    SetW12X26(*doc);
    ASSERT_TRUE(doc->SaveDocument());
    EXPECT_EQ(doc->GetPathName(), "C:\\Catalog\\Shapes\\W 12X26.shp");
    const std::string bytes = TempDrives::Get(drives.C() / "Catalog/Shapes/W 12X26.shp");
    EXPECT_EQ(Bytes(bytes.begin(), bytes.end()), kW12X26);
    EXPECT_EQ(manager.GetRecentFiles().front(), "C:\\Catalog\\Shapes\\W 12X26.shp");
}

TEST_F(ShapeDocTest, NamesThatCannotBeFileNamesAreRefused)
{
    EXPECT_EQ(CShapeDoc::InvalidNameCharacters("L 4X4X1/2"), "/");
    EXPECT_EQ(CShapeDoc::InvalidNameCharacters("W 12X26"), "");
    EXPECT_EQ(CShapeDoc::InvalidNameCharacters("a\\b:c*d?e\"f<g>h|i\tj//"), "\\:*?\"<>|\t/");

    messages->Answer(fw::IDOK);
    CShapeDoc* doc = NewShape();
    doc->SetShapeData("L", "4X4X1/2", 4, 0.5, 4, 0.5, 2.5, 12.8, "", 2, 0);
    EXPECT_FALSE(doc->SaveDocument());
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_EQ(messages->Shown()[0].text, "The shape L 4X4X1/2 cannot be saved: its name holds characters that cannot "
                                         "stand in a file name (/).");
    EXPECT_FALSE(std::filesystem::exists(ShapeFolder()));
}

TEST_F(ShapeDocTest, FileSaveLocksTheKeyFieldsOnlyWhenSaved)
{
    CShapeDoc* doc = NewShape();
    ShapeForm form;
    doc->AddView(&form);
    doc->OnFileSave();
    EXPECT_EQ(form.copies, 2);   // the command, then the save
    EXPECT_FALSE(GetShape("L 4X4X0.5").empty());
    EXPECT_EQ(doc->GetDocumentState(), CSmartDoc::stateStored);
    EXPECT_EQ(form.updates, 1);

    messages->Answer(fw::IDOK);
    CShapeDoc* other = NewShape();
    other->SetShapeData("L", "4X4X1/2", 4, 0.5, 4, 0.5, 2.5, 12.8, "", 2, 0);
    other->OnFileSave();
    EXPECT_EQ(other->GetDocumentState(), CSmartDoc::stateNew);
}

TEST_F(ShapeDocTest, SaveNewKeepsTheDataForANewShape)
{
    CShapeDoc* doc = NewShape();
    ShapeForm form, other;
    doc->AddView(&form);
    doc->AddView(&other);
    doc->DisableKeyFields();
    doc->OnFileSaveNew();
    EXPECT_TRUE(std::filesystem::exists(ShapeFolder() / "L 4X4X0.5.shp"));
    EXPECT_EQ(form.closes, 0);
    EXPECT_EQ(other.closes, 1);
    EXPECT_EQ(doc->GetKeyFieldsFlag(), 1);
    EXPECT_FALSE(doc->IsSaveAllowed());
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->GetDocumentState(), CSmartDoc::stateNew);
    EXPECT_EQ(doc->GetShapeData().desc, "4X4X0.5");

    // Saving again before a key field changes is refused (message 208) and writes nothing.
    std::filesystem::remove(ShapeFolder() / "L 4X4X0.5.shp");
    messages->Answer(fw::IDOK);
    EXPECT_FALSE(doc->SaveDocument());
    EXPECT_EQ(messages->Shown().at(0).text,
              "Warning: Can't save new document on top of old!  You must change key fields.");
    EXPECT_FALSE(std::filesystem::exists(ShapeFolder() / "L 4X4X0.5.shp"));
}

TEST_F(ShapeDocTest, SaveNewDoesNothingWhenAFormIsNotValid)
{
    CShapeDoc* doc = NewShape();
    ShapeForm form;
    form.valid = false;
    doc->AddView(&form);
    doc->OnFileSaveNew();
    EXPECT_EQ(form.copies, 1);
    EXPECT_FALSE(std::filesystem::exists(ShapeFolder()));
    EXPECT_TRUE(doc->IsSaveAllowed());
}

TEST_F(ShapeDocTest, AutomationWritesAndReadsCatalogEntries)
{
    auto& registry = fw::ClassRegistry::Instance();
    registry.Register(IShapeDoc::kClassId, IShapeDoc::kProgId, &CShapeDoc::CreateAutomationObject);
    std::unique_ptr<IShapeDoc> writer = registry.CreateAs<IShapeDoc>("Varnex.ShapeDoc");
    ASSERT_NE(writer, nullptr);
    EXPECT_EQ(writer->UpdateShapeMembers("  C", "10X15.3", 10, 0.24, 2.6, 0.436, 1.5, 15.3, "C10X15.3", 1, 1), 0);
    EXPECT_EQ(writer->SaveShape(), 0);
    EXPECT_TRUE(std::filesystem::exists(ShapeFolder() / "C 10X15.3.shp"));

    std::unique_ptr<IShapeDoc> reader = registry.CreateAs<IShapeDoc>(IShapeDoc::kClassId);
    ASSERT_NE(reader, nullptr);
    double d = 0, tw = 0, bf = 0, tf = 0, sfg = 0, weight = 0;
    std::string formal;
    EXPECT_EQ(reader->GetData("C", "10X15.3", d, tw, bf, tf, sfg, weight, formal), 0);
    EXPECT_EQ(d, 10);
    EXPECT_EQ(tw, 0.24);
    EXPECT_EQ(bf, 2.6);
    EXPECT_EQ(tf, 0.436);
    EXPECT_EQ(sfg, 1.5);
    EXPECT_EQ(weight, 15.3);
    EXPECT_EQ(formal, "C10X15.3");
    EXPECT_EQ(reader->GetData("C", "12X30", d, tw, bf, tf, sfg, weight, formal), 1);
    EXPECT_TRUE(messages->Shown().empty());
    registry.Unregister(IShapeDoc::kClassId);
}

TEST_F(ShapeDocTest, AutomationRefusesValuesThatCannotBeStored)
{
    CShapeDoc doc;
    const double nan = std::nan("");
    EXPECT_EQ(doc.UpdateShapeMembers("W", "1", nan, 0, 0, 0, 0, 1, "", 0, 0), 1);
    EXPECT_EQ(doc.UpdateShapeMembers("W", "1", 1, 0, 0, 0, 0, INFINITY, "", 0, 0), 1);
    EXPECT_EQ(doc.UpdateShapeMembers("W", "1", 2e6, 0, 0, 0, 0, 1, "", 0, 0), 1);   // beyond the range of lengths
    EXPECT_EQ(doc.UpdateShapeMembers("W", "1", 1, 0, -1e300, 0, 0, 1, "", 0, 0), 1);
    EXPECT_EQ(doc.UpdateShapeMembers("W", "1", 1, 0, 0, 0, 0, 1, "", 7, 0), 1);
    EXPECT_EQ(doc.UpdateShapeMembers("W", "1", 1, 0, 0, 0, 0, 1, "", 0, 3), 1);
    EXPECT_EQ(doc.GetShapeData().desctp, "");

    // Names that would share a file with another shape, or name none: refused naming the field.
    struct Case {
        const char* type;
        const char* desc;
        const char* cause;
    };
    const Case refused[] = {
        {"W 1", "2X26", "The designation type \"W 1\" is longer than the 2 characters of its field."},
        {"WTX", "1", "The designation type \"WTX\" is longer than the 2 characters of its field."},
        {"", "", "The designation type is blank."},
        {"  ", "12X26", "The designation type is blank."},
        {"W", "  ", "The size is blank."},
        {"W", "12X26.", "The size \"12X26.\" ends in a dot or a blank, which a file name drops."},
        {"W", "..\\x", "The designation type and size \"W ..\\x\" hold characters that cannot stand in a file name (\\)."},
    };
    for (const Case& c : refused) {
        EXPECT_EQ(doc.UpdateShapeMembers(c.type, c.desc, 1, 0, 0, 0, 0, 1, "", 6, 2), 1) << c.type << c.desc;
        EXPECT_EQ(fw::GetErrorInfo(), c.cause);
    }
    EXPECT_EQ(doc.GetShapeData().desctp, "");
    EXPECT_EQ(doc.UpdateShapeMembers(" WT", "1", 1, 0, 0, 0, 0, 1, "", 6, 2), 0);
    EXPECT_EQ(doc.GetShapeData().desctp, "WT");
}

TEST_F(ShapeDocTest, SaveShapeReportsAFailedSave)
{
    messages->Answer(fw::IDOK);
    CShapeDoc doc;
    doc.SetShapeData("L", "4X4X1/2", 4, 0.5, 4, 0.5, 2.5, 12.8, "", 2, 0);
    EXPECT_EQ(doc.SaveShape(), 1);
    // A new shape that was never given a name has none to save under.
    messages->Answer(fw::IDOK);
    CShapeDoc unnamed;
    EXPECT_EQ(unnamed.SaveShape(), 1);
    EXPECT_EQ(fw::GetErrorInfo(), "The designation type is blank.");
}
