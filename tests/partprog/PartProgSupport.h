#pragma once
// A part programming fixture: shape files for a W 12X26 beam and a 1/2 X 12 plate on a
// temporary drive, and new part documents of either shape; a view that counts its updates.

#include "partprog/PartDoc.h"

#include "fw/core/AppProfile.h"
#include "fw/core/Archive.h"
#include "fw/core/DocManager.h"
#include "fw/core/DocTemplate.h"
#include "fw/core/MessageService.h"
#include "model/ModelClasses.h"
#include "model/ShapeDoc.h"

#include "tests/fw/TempDrives.h"

#include <gtest/gtest.h>

// A view of a document that only counts the updates it is sent.
struct CountingView : fw::View {
    void OnUpdate(fw::View*, long, fw::Object*) override { ++updates; }
    int updates = 0;
};

class PartProgTest : public testing::Test {
protected:
    PartProgTest() : profile(fw::SetAppProfile(nullptr))
    {
        RegisterModelClasses();
        parts = manager.AddDocTemplate(std::make_unique<fw::DocTemplate>(
            "\nPart\nPart\nPart (*.prt)\n.prt\nVarnex.Part\nVarnex Part", [] { return std::make_unique<CPartDoc>(); }));
        PutShape("W ", "12X26", {12, 0.5, 4, 1}, shapeBeam);
        PutShape("PL", "1_2X12", {12, 0.5, 12, 0.5}, shapePlate);
    }
    ~PartProgTest() override
    {
        manager.CloseAllDocuments();
        fw::SetAppProfile(std::move(profile));
    }

    void PutShape(const std::string& type, const std::string& size, std::array<double, 4> section, int kind) const
    {
        CShapeDoc shape;
        shape.SetShapeData(type, size, section[0], section[1], section[2], section[3], 2, 26, type + size, kind, 1);
        fw::Archive ar;
        shape.Serialize(ar);
        const std::vector<std::uint8_t> bytes = ar.TakeBytes();
        TempDrives::Put(drives.C() / "Kestrom/Shapes" / (type + size + ".shp"), std::string(bytes.begin(), bytes.end()));
    }

    // A new part B12 of job J1, group G1, of that shape and length (inches).
    CPartDoc& NewPart(const std::string& type, const std::string& size, double length)
    {
        auto& doc = *static_cast<CPartDoc*>(parts->OpenDocumentFile("", false));
        PartRecord& h = doc.Header();
        h.jobId = "J1";
        h.group = "G1";
        h.mark = "B12";
        h.quantity = 1;
        h.length = length;
        EXPECT_TRUE(doc.BuildShape(type, size));
        h.shapeDesctp = type;
        h.shapeDesc = size;
        return doc;
    }

    std::unique_ptr<fw::Profile> profile;
    TempDrives drives;
    fw::ScriptedMessages messages;
    fw::DocManager manager;
    fw::DocTemplate* parts;
};
