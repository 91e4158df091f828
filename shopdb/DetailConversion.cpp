#include "shopdb/DetailConversion.h"

#include "records/RecordImage.h"

namespace {
constexpr int kImperial = 0;
constexpr int kMetric = 2;
} // namespace

double DisplayedToolSize(const CDimension& size, int measuringSystem)
{
    CDimension shown;
    shown.SetUnits(measuringSystem == kMetric ? kMetric : kImperial);
    shown.SetValue(size.GetValue());
    return shown.GetRoundedFeet() * 12.0;
}

PatternRecord PatternRecordOf(const CPattern& pattern)
{
    const CRefPlane& plane = pattern.GetRefPlane();
    PatternRecord r;
    r.planeStartX = plane.GetStartX().GetValue();
    r.planeStartU = plane.GetStartU().GetValue();
    r.planeDirectionX = plane.GetXDirection();
    r.planeDirectionU = plane.GetUDirection();
    r.planeRise = plane.GetRise().GetValue();
    r.planeRun = plane.GetRun().GetValue();
    r.planeType = plane.GetPatternType();
    r.startX = pattern.GetStartX().GetValue();
    r.startU = pattern.GetStartU().GetValue();
    r.countX = pattern.GetCountX();
    r.incrementX = pattern.GetIncrementX().GetValue();
    r.countU = pattern.GetCountU();
    r.incrementU = pattern.GetIncrementU().GetValue();
    r.operation = pattern.GetOperation();
    if (const CPartTool* tool = pattern.GetTool()) {
        r.toolType = tool->GetType();
        r.toolSizeB = DisplayedToolSize(tool->GetSizeB(), tool->GetMeasuringSystem());
        r.toolSizeA = DisplayedToolSize(tool->GetSizeA(), tool->GetMeasuringSystem());
        r.orientation = tool->GetOrientation();
    }
    return r;
}

std::unique_ptr<CPattern> PatternOfRecord(const PatternRecord& r)
{
    // Every element is placed when the box is computed, so the counts of a stored record are
    // held to the limits of a pattern.
    if (r.countX > CPattern::kMaxCount || r.countU > CPattern::kMaxCount ||
        (long long)r.countX * r.countU > CPattern::kMaxElements)
        throw RecordImageError("A pattern record of " + std::to_string(r.countX) + " x " + std::to_string(r.countU) +
                               " elements is not valid.");
    if (!CRefPlane::IsKnown(r.planeDirectionX, r.planeDirectionU, r.planeType))
        throw RecordImageError(std::string("A pattern record with the reference plane directions ") + r.planeDirectionX +
                               " " + r.planeDirectionU + " and type " + r.planeType + " is not valid.");
    CRefPlane plane;
    plane.Set(r.planeStartX, r.planeStartU, r.planeDirectionX, r.planeDirectionU, r.planeRise, r.planeRun, r.planeType);
    const CPartTool tool(r.toolSizeA, r.toolSizeB, r.toolType, r.orientation);
    // The record of a pattern without a tool holds no tool data.
    const bool noTool = r.toolType.empty() && r.toolSizeA == 0 && r.toolSizeB == 0 && r.orientation == 0;
    return std::make_unique<CPattern>(r.startX, r.startU, r.countX, r.incrementX, r.countU, r.incrementU, r.operation,
                                      &plane, noTool ? nullptr : &tool, kImperial);
}

StencilRecord StencilRecordOf(const CStencilPattern& mark)
{
    return {mark.GetX().GetValue(), mark.GetU().GetValue(), mark.GetText()};
}

std::unique_ptr<CStencilPattern> StencilOfRecord(const StencilRecord& r)
{
    return std::make_unique<CStencilPattern>(r.x, r.u, r.text, kImperial);
}

ToolListRecord ToolListRecordOf(const CPartTool& tool)
{
    return {tool.GetType(), tool.GetSizeB().GetValue(), tool.GetSizeA().GetValue(), tool.GetOrientation()};
}
