#include "machlink/JobTransfer.h"

#include "model/PartShape.h"
#include "model/PartTool.h"
#include "partprog/PartDoc.h"
#include "records/MultRecord.h"

#include <array>
#include <utility>

namespace torv {

namespace {

// Stencil widths come from the machine side in ten-thousandths of an inch.
constexpr double kTenThousandths = 10000.0;
constexpr std::int32_t kStencilOperation = 7;

std::int32_t PlaneTypeCode(char type)
{
    switch (type) {
    case 'A': return 1;
    case 'B': return 2;
    case 'C': return 3;
    default: return 0;
    }
}

std::int32_t Direction(char sign) { return sign == '+' ? 1 : -1; }

// The tool as the machine side takes it: an HC or VC tool goes as an ER tool (a VC one turned to
// 90 degrees) with its short name rebuilt.
ToolData ToolOf(const CPartTool& tool)
{
    const int kind = tool.GetKind();
    const bool converted = kind == CPartTool::kindHC || kind == CPartTool::kindVC;
    const CPartTool er(tool.GetSizeA().GetValue(), tool.GetSizeB().GetValue(), "ER",
                       kind == CPartTool::kindVC ? 90 : tool.GetOrientation(), tool.GetMeasuringSystem());
    const CPartTool& sent = converted ? er : tool;
    return ToolData{sent.GetShortName(),
                    sent.GetSizeA().GetValue(),
                    sent.GetSizeB().GetValue(),
                    sent.GetType(),
                    double(sent.GetOrientation()),
                    ToolKindCode(sent.GetKind()),
                    UnitsCode(sent.GetMeasuringSystem())};
}

// An object the machine side was asked to make; a missing one ends the run.
template <class T> std::unique_ptr<T> Made(std::unique_ptr<T> object, const char* what)
{
    if (!object)
        throw MachineError(fw::E_POINTER, std::string("TorvMachine made no ") + what + ".");
    return object;
}

// The part's shape; a part without one cannot be sent.
CPartShape& ShapeOf(CPartDoc& part)
{
    CPartShape* shape = part.GetPartShape();
    if (!shape)
        throw JobError("The part " + part.Header().mark + " has no valid shape; nothing was run.");
    return *shape;
}

} // namespace

std::int32_t UnitsCode(int measuringSystem)
{
    switch (measuringSystem) {
    case 0: return 1;
    case 1: return 3;
    case 2: return 2;
    default: return 0;
    }
}

std::int32_t ProfileCode(int shapeKind, int channelLeg)
{
    switch (shapeKind) {
    case shapeBeam: return 1;
    case shapeAngle: return 2;
    case shapeChannel: return channelLeg == 0 ? 4 : channelLeg == 1 ? 3 : 0;
    case shapeFlat: return 5;
    case shapePlate: return 6;
    case shapeTube: return 7;
    case shapeT: return 8;
    default: return 0;
    }
}

std::int32_t ToolKindCode(int toolKind)
{
    switch (toolKind) {
    case CPartTool::kindRD: return 1;
    case CPartTool::kindSQ: return 10;
    case CPartTool::kindER: return 4;
    case CPartTool::kindCR: return 3;
    case CPartTool::kindHX: return 7;
    default: return 13;
    }
}

std::int32_t OperationCode(int operation)
{
    static constexpr std::array<std::int32_t, 3> codes = {2, 4, 5};
    return operation >= 0 && operation < int(codes.size()) ? codes[std::size_t(operation)] : 0;
}

std::string JoinRemarks(const std::string& remarkA, const std::string& remarkB)
{
    if (remarkA.empty())
        return remarkB;
    return remarkB.empty() ? remarkA : remarkA + "\r\n" + remarkB;
}

std::string MultRunName(const MultRecord& mult)
{
    return mult.sequence > 0 ? mult.mark + " " + std::to_string(mult.sequence) : mult.mark;
}

void JobTransfer::StartPartJob(CPartDoc& part)
{
    const PartRecord record = part.GetPartRecord();
    job_.SetJobKind(1);
    const std::int32_t units = UnitsCode(record.measuringSystem);
    job_.SetUnits(units == 0 ? 1 : units);
    job_.SetIdentity(record.jobId, record.group, record.mark);
    job_.SetLength(record.length.GetValue());
}

void JobTransfer::StartMultJob(const MultRecord& mult)
{
    job_.SetJobKind(0);
    job_.SetUnits(UnitsCode(mult.measuringSystem));
    job_.SetIdentity(mult.job, mult.group, MultRunName(mult));
    job_.SetLength(mult.length.GetValue());
    job_.SetKerf(mult.kerf.GetValue());
}

void JobTransfer::SendSection(CPartDoc& part)
{
    const CPartShape& shape = ShapeOf(part);
    const PartRecord record = part.GetPartRecord();
    const auto section = Made(job_.NewSection(), "section");
    section->SetSection(SectionData{shape.GetFormalDescription(), shape.GetDesctp(), shape.GetDesc(), record.grade,
                                    UnitsCode(record.measuringSystem), ProfileCode(shape.GetKind(), record.channelLeg),
                                    shape.GetStandardFlangeGage(), shape.GetWeightPerFoot(), shape.GetDepth(),
                                    shape.GetWebThickness(), shape.GetFlangeWidth(), shape.GetFlangeThickness()});
}

void JobTransfer::SendPart(CPartDoc& doc, double position, std::int32_t quantity)
{
    ShapeOf(doc);
    const PartRecord record = doc.GetPartRecord();
    const auto part = Made(job_.NewPart(), "part");
    const bool singlePieces = job_.SinglePieceParts() != 0;
    part->SetIdentity(record.jobId, record.group, record.mark);
    part->SetQuantity(singlePieces ? 1 : quantity);
    if (const std::string remarks = JoinRemarks(record.remarkA, record.remarkB); !remarks.empty())
        part->SetRemarks(remarks);
    if (!record.fabCode.empty())
        part->SetFabCode(record.fabCode);
    part->SetUnits(UnitsCode(record.measuringSystem));
    part->SetPosition(position);
    part->SetLength(record.length.GetValue());
    part->SetMeasureWebDepth(record.measureWebDepth);
    SendFaces(*part, doc);
    SendStencils(*part, doc);
    job_.AddPart(*part);
}

void JobTransfer::SendFaces(ITorvMachinePart& part, CPartDoc& doc)
{
    const auto faces = Made(part.FaceGeometry(), "face geometry");
    const std::int32_t mode = faces->Mode();
    const double width = faces->FaceWidth();
    CPartShape& shape = ShapeOf(doc);
    const std::array<std::pair<std::int32_t, CPatternList*>, 4> order = {{
        {faceWeb, &shape.GetWebList()},
        {faceWeb2, &shape.GetWeb2List()},
        {faceTopFlange, &shape.GetTopFlangeList()},
        {faceBottomFlange, &shape.GetBottomFlangeList()},
    }};
    for (const auto& [face, list] : order) {
        // Planes measured from the far edge of a face are turned to the near edge.
        const bool flip = (mode == 3 && (face == faceTopFlange || face == faceBottomFlange)) ||
                          (mode == 2 && face == faceTopFlange);
        for (CPatternList::Position pos = list->GetHeadPosition(); pos;) {
            const CPattern& p = *list->GetNext(pos);
            const auto pattern = Made(part.NewPattern(), "pattern");
            const CRefPlane& plane = p.GetRefPlane();
            pattern->SetPattern(PatternData{p.GetStartX().GetValue(), p.GetStartU().GetValue(),
                                            p.GetIncrementX().GetValue(), p.GetIncrementU().GetValue(),
                                            p.GetCountX(), p.GetCountU(), OperationCode(p.GetOperation()),
                                            PlaneTypeCode(plane.GetPatternType()), face});
            const double across = plane.GetStartU().GetValue();
            const std::int32_t acrossDirection = Direction(plane.GetUDirection());
            const auto sentPlane = Made(part.NewPlane(
                PlaneData{plane.GetStartX().GetValue(), flip ? width - across : across, plane.GetRise().GetValue(),
                          plane.GetRun().GetValue(), Direction(plane.GetXDirection()),
                          flip ? -acrossDirection : acrossDirection}),
                "reference plane");
            pattern->AttachPlane(*sentPlane);
            if (p.GetOperation() == CPattern::hole && p.GetTool()) {
                const auto tool = Made(part.NewTool(ToolOf(*p.GetTool())), "tool");
                pattern->AttachTool(*tool);
            }
            part.AddPattern(*pattern);
        }
    }
}

void JobTransfer::SendStencils(ITorvMachinePart& part, CPartDoc& doc)
{
    CPartShape& shape = ShapeOf(doc);
    const int kind = shape.GetKind();
    const std::int32_t face = kind == shapeFlat || kind == shapePlate || kind == shapeAngle ? faceWeb : faceTopFlange;
    if (control_.StencilsMark() != 0) {
        const MarkStencil mark = control_.MarkStencilPlacement();
        SendStencil(part, mark.along / kTenThousandths, mark.across / kTenThousandths,
                    mark.characterWidth / kTenThousandths, doc.Header().mark, face);
    }
    CStencilPatternList& stencils = shape.GetStencilList();
    if (stencils.IsEmpty())
        return;
    const double width = control_.StencilCharacterWidth() / kTenThousandths;
    for (CStencilPatternList::Position pos = stencils.GetHeadPosition(); pos;) {
        const CStencilPattern& s = *stencils.GetNext(pos);
        SendStencil(part, s.GetX().GetValue(), s.GetU().GetValue(), width, s.GetText(), face);
    }
}

void JobTransfer::SendStencil(ITorvMachinePart& part, double along, double across, double characterWidth,
                              const std::string& text, std::int32_t face)
{
    const auto pattern = Made(part.NewPattern(), "pattern");
    pattern->SetPattern(PatternData{along + double(text.size()) * characterWidth * 0.5, across, 0, 0, 1, 1,
                                    kStencilOperation, 1, face});
    const auto plane = Made(part.NewPlane(PlaneData{0, 0, 0, 0, 1, 1}), "reference plane");
    pattern->AttachPlane(*plane);
    pattern->SetText(text);
    part.AddPattern(*pattern);
}

double JobTransfer::SendDropPiece(const MultRecord& mult, double position)
{
    const double drop = mult.drop.GetValue();
    if (!(drop > kDropAllowance && drop - kDropAllowance > 1.0))
        return 0;
    const double length = drop - kDropAllowance;
    const auto piece = Made(job_.NewPart(), "part");
    piece->SetIdentity(mult.job, mult.group, mult.mark + " - Drop");
    piece->SetQuantity(1);
    piece->SetUnits(UnitsCode(mult.measuringSystem));
    piece->SetPosition(position);
    piece->SetLength(length);
    job_.AddPart(*piece);
    return length;
}

} // namespace torv
