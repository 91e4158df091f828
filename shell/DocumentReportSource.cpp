#include "shell/DocumentReportSource.h"

#include "machmult/MultDoc.h"
#include "machmult/MultPart.h"
#include "model/Pattern.h"
#include "model/ToolList.h"
#include "partprog/PartDoc.h"

namespace {

std::vector<ReportTool> ToolsOf(const CToolList& list)
{
    std::vector<ReportTool> tools;
    for (const CPartTool& tool : list)
        tools.push_back({tool.GetZoneCode(), tool.GetShortName(), tool.GetDescription()});
    return tools;
}

ReportPattern PatternOf(const CPattern& pattern)
{
    const CRefPlane& plane = pattern.GetRefPlane();
    ReportPattern p;
    p.startX = pattern.GetStartX().GetValue();
    p.startU = pattern.GetStartU().GetValue();
    p.incrementX = pattern.GetIncrementX().GetValue();
    p.incrementU = pattern.GetIncrementU().GetValue();
    p.countX = pattern.GetCountX();
    p.countU = pattern.GetCountU();
    p.operation = pattern.GetOperation();
    p.planeStartX = plane.GetStartX().GetValue();
    p.planeStartU = plane.GetStartU().GetValue();
    p.planeRise = plane.GetRise().GetValue();
    p.planeRun = plane.GetRun().GetValue();
    p.planeDirectionX = plane.GetXDirection();
    p.planeDirectionU = plane.GetUDirection();
    p.patternType = plane.GetPatternType();
    if (const CPartTool* tool = pattern.GetTool())
        p.toolDescription = tool->GetDescription();
    const bool centred = p.patternType == 'C';
    for (int i = 0; i < p.countX; ++i) {
        for (int j = 0; j < p.countU; ++j) {
            std::array<double, 2> at{};
            if (centred) {
                pattern.GetElementPosition(i, j, CPattern::centredFirst, at[0], at[1]);
                p.elements.push_back(at);
                pattern.GetElementPosition(i, j, CPattern::centredSecond, at[0], at[1]);
            } else {
                pattern.GetElementPosition(i, j, plane.GetPatternTypeIndex().value_or(0), at[0], at[1]);
            }
            p.elements.push_back(at);
        }
    }
    return p;
}

std::vector<ReportPattern> PatternsOf(const CPatternList& list)
{
    std::vector<ReportPattern> patterns;
    for (const CPattern& pattern : list)
        patterns.push_back(PatternOf(pattern));
    return patterns;
}

} // namespace

PartReportData DocumentReportSource::FromPart(const CPartDoc& part)
{
    const PartRecord& h = part.Header();
    PartReportData d;
    d.job = h.jobId;
    d.group = h.group;
    d.mark = h.mark;
    d.quantity = h.quantity;
    d.lengthText = h.length.GetText();
    d.shapeType = h.shapeDesctp;
    d.shapeSize = h.shapeDesc;
    d.grade = h.grade;
    d.fabCode = h.fabCode;
    d.remarkA = h.remarkA;
    d.remarkB = h.remarkB;
    d.measureWebDepth = h.measureWebDepth;
    d.channelLeg = h.channelLeg;
    d.measuringSystem = h.measuringSystem;
    d.length = h.length.GetValue();
    CPartShape* shape = part.GetPartShape();
    if (!shape)
        return d;
    d.profileKind = shape->GetKind();
    d.depth = shape->GetDepth();
    d.flangeWidth = shape->GetFlangeWidth();
    CToolList tools;
    shape->GetFaceToolList(tools);
    d.tools = ToolsOf(tools);
    d.faces[PartReportData::web] = PatternsOf(shape->GetWebList());
    d.faces[PartReportData::topFlange] = PatternsOf(shape->GetTopFlangeList());
    d.faces[PartReportData::bottomFlange] = PatternsOf(shape->GetBottomFlangeList());
    d.faces[PartReportData::web2] = PatternsOf(shape->GetWeb2List());
    return d;
}

MultReportData DocumentReportSource::FromMult(CMultDoc& mult)
{
    const MultRecord& h = mult.Header();
    MultReportData d;
    d.job = h.job;
    d.group = h.group;
    d.mark = h.mark;
    d.sequence = h.sequence;
    d.quantity = h.quantity;
    d.lengthText = h.length.GetText();
    d.kerfText = h.kerf.GetText();
    d.dropText = h.drop.GetText();
    d.shapeType = h.shapeDesctp;
    d.shapeSize = h.shapeDesc;
    d.grade = h.grade;
    d.machine = h.machine;
    d.remarkA = h.remarkA;
    d.remarkB = h.remarkB;
    for (const CMultPart& part : mult.GetParts()) {
        const PartRecord& p = part.GetHeader();
        d.parts.push_back({p.jobId, p.group, p.mark, p.quantity, p.length.GetText(), p.remarkA, p.remarkB,
                           ToolsOf(part.GetTools())});
    }
    return d;
}

std::optional<PartReportData> DocumentReportSource::ReadPart(const std::string& path)
{
    CPartDoc part;
    if (!part.TryLoadPart(path) || !part.GetPartShape())
        return std::nullopt;
    return FromPart(part);
}

std::optional<MultReportData> DocumentReportSource::ReadMult(const std::string& path)
{
    CMultDoc mult;
    if (!mult.LoadMult(path))
        return std::nullopt;
    return FromMult(mult);
}
