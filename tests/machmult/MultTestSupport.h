#pragma once
// Fixture of the mult document tests: drives C: and D: in a temporary folder, a fresh profile,
// scripted messages, the shape files W 12X26 (a beam) and L 4X4X0.5 (an angle), the machine file
// PUNCH1 (a plate punch) and part files written through the part document.

#include "machmult/MultClasses.h"
#include "machmult/MultDoc.h"
#include "machmult/MultPart.h"
#include "model/ModelClasses.h"
#include "partprog/PartDoc.h"

#include "fw/core/AppProfile.h"
#include "fw/core/MessageService.h"

#include "tests/fw/TempDrives.h"
#include "tests/machmult/SampleMult.h"
#include "tests/model/ModelTestSupport.h"

#include <gtest/gtest.h>

namespace multtest {

using modeltest::Bytes;
using modeltest::Cat;
using modeltest::Le32;
using modeltest::Le64;
using modeltest::Str;
using modeltest::Word;

using modeltest::k240;
using modeltest::k26;

inline constexpr std::uint64_t k0_125 = 0x3FC0000000000000, k120 = 0x405E000000000000, k480 = 0x407E000000000000;

// A later object of the class with this archive index.
inline Bytes ClassRef(std::uint16_t classIndex) { return Word(std::uint16_t(0x8000 | classIndex)); }
// The first use of a class with a schema.
inline Bytes NewClass(const std::string& name, std::uint16_t schema)
{
    return Cat({Word(0xFFFF), Word(schema), Word(std::uint16_t(name.size())), Bytes(name.begin(), name.end())});
}

// A shape file: D depth, TW 0.5, BF width, TF 1, gage 2 (decimal inch), 26 lb/ft.
inline Bytes ShapeFile(const std::string& type, const std::string& size, std::uint64_t depth, std::uint64_t width,
                       int kind)
{
    using modeltest::Dim;
    return Cat({Str(type), Str(size), Dim(depth, 'D'), Dim(modeltest::k0_5, 'D'), Dim(width, 'D'),
                Dim(modeltest::k1, 'D'), Dim(modeltest::k2, 'D'), Le64(k26), Str(""), Le32(std::uint32_t(kind)),
                Le32(1)});
}

// A machine file of a kind without spec data: the record alone (lengths 0, flags 0).
inline Bytes MachineFile(const std::string& name, int kind)
{
    Bytes bytes = Cat({Str(name), Le32(std::uint32_t(kind))});
    for (int i = 0; i < 4; ++i)
        bytes = Cat({bytes, modeltest::Dim(modeltest::k0)});
    bytes = Cat({bytes, Le32(0), Le32(0), Le32(0), modeltest::Dim(modeltest::k0)});
    for (int i = 0; i < 7; ++i)
        bytes = Cat({bytes, Le32(0)});
    return bytes;
}

// The part's tools as short name/zone code.
inline std::vector<std::string> ToolNames(const CMultPart& part)
{
    std::vector<std::string> names;
    for (const CPartTool& tool : part.GetTools())
        names.push_back(tool.GetShortName() + "/" + std::to_string(tool.GetZoneCode()));
    return names;
}

// A form that hands the document a header, or fails to validate.
class FakeMultForm : public fw::View {
public:
    explicit FakeMultForm(CMultDoc& doc) { doc.AddView(this); }
    bool CommitPendingEdits() override
    {
        ++updates;
        return valid;
    }
    bool HoldsEdits() const override { return true; }
    void OnChange(fw::View*, const fw::Change& change) override
    {
        const auto& docChange = dynamic_cast<const CSmartDoc::DocChange&>(change);
        changes.push_back(docChange.kind);
        if (docChange.kind == CSmartDoc::DocChange::Kind::keyFields)
            keyFields.push_back(static_cast<CSmartDoc*>(GetDocument())->GetKeyFieldsFlag());
    }
    void OnUpdate(fw::View*, long hint, fw::Object*) override { hints.push_back(hint); }
    void CloseFrame() override { GetDocument()->RemoveView(this); }

    bool valid = true;
    int updates = 0;
    std::vector<bool> keyFields;
    std::vector<long> hints;
    std::vector<CSmartDoc::DocChange::Kind> changes;
};

class MultFixture : public testing::Test {
protected:
    MultFixture() : profile_(fw::SetAppProfile(nullptr))
    {
        RegisterModelClasses();
        RegisterMultClasses();
        PutShape("W 12X26", ShapeFile("W ", "12X26", modeltest::k12, modeltest::k4, 0));
        PutShape("L 4X4X0.5", ShapeFile("L ", "4X4X0.5", modeltest::k4, modeltest::k4, 2));
        PutMachine("PUNCH1", MachineFile("PUNCH1", 3));
    }
    ~MultFixture() override { fw::SetAppProfile(std::move(profile_)); }

    void PutShape(const std::string& name, const Bytes& bytes) const
    {
        TempDrives::Put(drives.C() / "Kestrom/Shapes" / (name + ".shp"), std::string(bytes.begin(), bytes.end()));
    }
    void PutMachine(const std::string& name, const Bytes& bytes) const
    {
        TempDrives::Put(drives.C() / "Kestrom/Machines" / (name + ".mch"), std::string(bytes.begin(), bytes.end()));
    }
    std::filesystem::path JobFile(const std::string& relative) const { return drives.C() / "Kestrom/Jobs" / relative; }
    Bytes FileBytes(const std::filesystem::path& path) const
    {
        const std::string text = TempDrives::Get(path);
        return Bytes(text.begin(), text.end());
    }
    void PutFile(const std::filesystem::path& path, const Bytes& bytes) const
    {
        TempDrives::Put(path, std::string(bytes.begin(), bytes.end()));
    }

    // Saves part <mark> of job J1, group G1: length in inches, its shape and grade, holes of a
    // 13/16 round tool on the web.
    void PutPart(const std::string& mark, double length, const std::string& desctp = "W ",
                 const std::string& desc = "12X26", const std::string& grade = "A36") const
    {
        CPartDoc part;
        PartRecord& h = part.Header();
        h.jobId = "J1";
        h.group = "G1";
        h.mark = mark;
        h.quantity = 5;
        h.length = length;
        h.grade = grade;
        ASSERT_TRUE(part.BuildShape(desctp, desc));
        h.shapeDesctp = desctp;
        h.shapeDesc = desc;
        CRefPlane plane;
        plane.Set(0, 0, '+', '+', 0, 0, 'A');
        const CPartTool tool(13.0 / 16, 0, "RD", 0);
        auto holes = std::make_unique<CPattern>(2.0, 1.0, 2, 4.0, 1, 0.0, CPattern::hole, &plane, &tool, 0);
        ASSERT_TRUE(part.AddPattern(holes, part.GetPartShape()->GetWebList()));
        ASSERT_TRUE(part.OnSaveDocument("C:\\x.prt"));
    }

    // A windowless mult M, sequence 1, of job J1 and group G1 on W 12X26 and PUNCH1.
    static void MakeMult(CMultDoc& doc)
    {
        MultRecord data = SampleMultRecord("PUNCH1");
        data.grade = "A36";
        ASSERT_TRUE(doc.SetMultData(data));
        ASSERT_TRUE(doc.GetShape());
        ASSERT_TRUE(doc.GetMachine());
    }

    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const fw::ShownMessage& m : messages->Shown())
            texts.push_back(m.text);
        return texts;
    }

    TempDrives drives;
    fw::ScriptedMessages messages;

private:
    std::unique_ptr<fw::Profile> profile_;
};

} // namespace multtest
