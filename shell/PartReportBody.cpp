// The bodies of the custom part printout: what is programmed on each face of one part.

#include "shell/PrintParts.h"

#include "records/Dimension.h"
#include "records/ShapeRecord.h"

#include <cmath>
#include <string>

namespace {

struct FaceLabel {
    int face;
    std::size_t column;
    const char* text;
};
constexpr FaceLabel kFaceLabels[] = {
    {PartReportData::web, 34, "<WEB>"},
    {PartReportData::topFlange, 32, "<TOP FLANGE>"},
    {PartReportData::bottomFlange, 31, "<BOTTOM FLANGE>"},
    {PartReportData::web2, 32, "<SECOND WEB>"},
};

const char* OperationName(int operation)
{
    switch (operation) {
    case 0: return "HOLE";
    case 1: return "FRONT LAYOUT";
    case 2: return "BACK LAYOUT";
    default: return nullptr;
    }
}

bool IsWeb(int face)
{
    return face == PartReportData::web || face == PartReportData::web2;
}

// The elements a pattern prints: a centred pattern only on beams and channels, whose flanges
// have a centre to place it from.
bool PrintsElements(const PartReportData& part, const ReportPattern& pattern)
{
    return pattern.patternType != 'C' || part.profileKind == shapeBeam || part.profileKind == shapeChannel;
}

const char* NearOrFar(double u, double flangeWidth)
{
    return u <= flangeWidth / 2 ? "NEAR" : "FAR";
}

} // namespace

void CPrintParts::PutLength(std::size_t column, double inches, int system)
{
    CDimension length;
    length.SetValue(inches);
    Put(column, length.FormatAs(system));
}

void CPrintParts::PrintPatternDetail(const PartReportData& part)
{
    PrintFaces(part, Body::patternDetail, part.measuringSystem);
}

void CPrintParts::PrintHoleInformation(const PartReportData& part)
{
    PrintFaces(part, Body::holes, part.measuringSystem);
}

void CPrintParts::PrintOperationDetail(const PartReportData& part, int system)
{
    PrintFaces(part, Body::operations, system);
}

void CPrintParts::PrintFaces(const PartReportData& part, Body body, int system)
{
    for (const FaceLabel& label : kFaceLabels) {
        if (label.face == PartReportData::web2 && part.profileKind != shapeTube)
            continue;
        ClearLine();
        Put(label.column, label.text);
        PrintComposed();
        PrintLine(" ");
        for (const ReportPattern& pattern : part.faces[std::size_t(label.face)]) {
            PrintPatternLines(part, label.face, pattern, body, system);
            PrintLine(" ");
        }
    }
    PrintLine(std::string(78, '-'));
    PrintLine(" ");
}

void CPrintParts::PrintPatternLines(const PartReportData& part, int face, const ReportPattern& pattern, Body body,
                                    int system)
{
    const char* operation = OperationName(pattern.operation);
    const std::string tool = pattern.operation == 0 ? pattern.toolDescription : std::string(" ");
    if (body == Body::patternDetail) {
        // One line per axis: plane start and direction, first position, count, increment.
        const auto axisLine = [&](char axis, double planeStart, char direction, double start, int count,
                                  double increment) {
            const std::string a(1, axis);
            ClearLine();
            Put(1, "START" + a + ": ");
            PutLength(9, planeStart, system);
            Put(22, "DIRC" + a + ": ");
            Put(29, std::string(1, direction));
            Put(33, a + "POS: ");
            PutLength(39, start, system);
            Put(52, "#" + a + ": ");
            Put(56, count);
            Put(60, a + "INC: ");
            PutLength(66, increment, system);
            PrintComposed();
        };
        axisLine('X', pattern.planeStartX, pattern.planeDirectionX, pattern.startX, pattern.countX, pattern.incrementX);
        axisLine('U', pattern.planeStartU, pattern.planeDirectionU, pattern.startU, pattern.countU, pattern.incrementU);
        ClearLine();
        Put(1, "RISE: ");
        PutLength(9, pattern.planeRise, system);
        Put(22, "RUN: ");
        PutLength(29, pattern.planeRun, system);
        Put(57, "PATTYPE: ");
        Put(66, std::string(1, pattern.patternType));
        PrintComposed();
        ClearLine();
        Put(1, "TOOL: ");
        Put(9, tool);
        Put(50, "OPERATION TYPE: ");
        if (operation)
            Put(66, operation);
        PrintComposed();
        PrintLine(" ");
    }
    if (body == Body::operations) {
        ClearLine();
        Put(1, "TOOL: ");
        Put(9, tool);
        Put(25, "OPN TYPE: ");
        if (operation)
            Put(35, operation);
        PrintComposed();
        if (IsWeb(face)) {
            PrintLine("       XHead       XTail       U_TF        U_BF     UCenter     ");
            PrintLine("       -----       -----       ----        -------     -------");
        } else {
            PrintLine("       XHead       XTail       UNear       UFar        UCenter     Near/Far");
            PrintLine("       -----       -----       ----        -------     -------     --------");
        }
    } else {
        ClearLine();
        Put(6, "X POSITION");
        Put(31, "U POSITION");
        Put(55, "X TAIL POSITION");
        PrintComposed();
    }
    if (!PrintsElements(part, pattern))
        return;
    for (const std::array<double, 2>& at : pattern.elements) {
        if (body == Body::operations)
            PrintOperationLine(part, face, at, system);
        else
            PrintHoleLine(part, face, pattern, at, system);
    }
}

void CPrintParts::PrintHoleLine(const PartReportData& part, int face, const ReportPattern& pattern,
                                const std::array<double, 2>& at, int system)
{
    const auto [x, u] = at;
    ClearLine();
    PutLength(6, x, system);
    if (!IsWeb(face) && pattern.patternType == 'C') {
        PutLength(31, u - part.flangeWidth / 2, system);
    } else {
        PutLength(31, u, system);
        if (!IsWeb(face) && part.profileKind == shapeBeam)
            Put(47, NearOrFar(u, part.flangeWidth));
    }
    PutLength(55, part.length - x, system);
    PrintComposed();
}

void CPrintParts::PrintOperationLine(const PartReportData& part, int face, const std::array<double, 2>& at, int system)
{
    const auto [x, u] = at;
    const double bf = part.flangeWidth;
    const bool channel = part.profileKind == shapeChannel;
    const bool legNear = part.channelLeg == 1;
    ClearLine();
    PutLength(7, x, system);
    PutLength(19, part.length - x, system);
    if (IsWeb(face)) {
        PutLength(31, u, system);
        PutLength(43, part.depth - u, system);
        PutLength(55, std::abs(part.depth / 2 - u), system);
    } else if ((channel && legNear) || (!channel && face == PartReportData::topFlange && part.profileKind == shapeAngle)) {
        // The flange's near side holds the leg: measured from its far edge.
        PutLength(31, std::abs(bf - u), system);
        Put(43, " - ");
        PutLength(55, u, system);
        Put(67, "NEAR");
    } else if (channel) {
        Put(31, " - ");
        PutLength(43, std::abs(bf - u), system);
        PutLength(55, u, system);
        Put(67, "FAR");
    } else {
        PutLength(31, u, system);
        PutLength(43, std::abs(bf - u), system);
        PutLength(55, std::abs(bf / 2 - u), system);
        Put(67, NearOrFar(u, bf));
    }
    PrintComposed();
}
