#pragma once
// A group as a shop disk carries it, made on the current drives: the catalogue (shape W 12X26,
// machine PUNCH1, a 13/16 and a 22 mm round tool) and job J1, group G1 with an imperial, a
// decimal-inch and a metric part and mult M 1 placing the three.

#include "machmult/MultDoc.h"
#include "model/ShapeDoc.h"
#include "model/ToolDoc.h"
#include "partprog/PartDoc.h"
#include "tests/machmult/MultTestSupport.h"

#include "fw/core/DriveMap.h"

#include <filesystem>
#include <fstream>
#include <string>

namespace shopdisktest {

struct Catalogue {
    std::string inchTool;   // 13/16 RD, imperial
    std::string mmTool;     // 22 mm RD, metric
};

inline std::string SaveTool(double sizeA, int system)
{
    CToolDoc tool;
    tool.SetToolData(sizeA, 0, "RD", 0, system);
    tool.OnSaveDocument("");
    return tool.GetShortName();
}

inline Catalogue SaveCatalogue()
{
    CShapeDoc shape;
    shape.SetShapeData("W ", "12X26", 12, 0.5, 4, 1, 2, 26, "W12 X 26", shapeBeam, 1);
    shape.OnSaveDocument("");
    const multtest::Bytes machine = multtest::MachineFile("PUNCH1", 3);
    const std::filesystem::path file = fw::DriveMap::Instance().ToNative("C:\\Kestrom\\Machines\\PUNCH1.mch");
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(machine.data()), std::streamsize(machine.size()));
    return {SaveTool(13.0 / 16, 0), SaveTool(22.0 / 25.4, 2)};
}

// Part <mark> of J1 G1 in the measuring system: holes and a front layout of the catalogue tool
// on the web, a stencil mark. False when it could not be made.
inline bool SavePart(const std::string& mark, int system, const std::string& toolName, const std::string& remark)
{
    CPartDoc part;
    PartRecord& h = part.Header();
    h.jobId = "J1";
    h.group = "G1";
    h.mark = mark;
    h.quantity = 2;
    h.measuringSystem = system;
    h.length.SetUnits(system);
    h.length = 120.0 + system;
    h.remarkA = remark;
    if (!part.BuildShape("W ", "12X26"))
        return false;
    h.shapeDesctp = "W ";
    h.shapeDesc = "12X26";
    CToolDoc toolDoc;
    if (!toolDoc.TryLoadTool(toolName))
        return false;
    CPartTool tool;
    tool.SetFromToolDoc(toolDoc);
    CRefPlane plane;
    plane.Set(0, 0, '+', '+', 0, 0, 'A');
    for (const int operation : {CPattern::hole, CPattern::frontLayout}) {
        auto pattern = std::make_unique<CPattern>(2.5, 1.0, 3, 3.0, 2, 1.5, operation, &plane, &tool, system);
        if (!part.AddPattern(pattern, part.GetPartShape()->GetWebList()))
            return false;
    }
    auto stencil = std::make_unique<CStencilPattern>(6.0, 2.0, "J1-" + mark, system);
    part.SetPathName(part.GetPartFilePath(), false);   // saved again over its own file
    return part.AddStencil(stencil) && part.OnSaveDocument(part.GetPartFilePath());
}

// P0 imperial with the 13/16 tool, P1 decimal-inch and P2 metric with the 22 mm tool, and mult
// M 1 on W 12X26 and PUNCH1 placing one of each; every remark A is the one given.
inline bool SaveGroup(const Catalogue& catalogue, const std::string& remark)
{
    if (!SavePart("P0", 0, catalogue.inchTool, remark) || !SavePart("P1", 1, catalogue.mmTool, remark) ||
        !SavePart("P2", 2, catalogue.mmTool, remark))
        return false;
    CMultDoc mult;
    MultRecord data = multtest::SampleMultRecord("PUNCH1");
    data.remarkA = remark;
    if (!mult.SetMultData(data))
        return false;
    for (const char* mark : {"P0", "P1", "P2"})
        if (mult.AddPart("J1", "G1", mark, 1) != 0)
            return false;
    return mult.OnSaveDocument(mult.BuildMultPath());
}

} // namespace shopdisktest
