#include "model/PartTool.h"

#include "fw/core/Archive.h"
#include "fw/core/Drawing.h"
#include "model/DeviceUnits.h"
#include "model/ToolDoc.h"

#include <algorithm>
#include <cmath>

FW_IMPLEMENT_SERIAL(CPartTool, fw::Object, 1)
FW_IMPLEMENT_SERIAL(CPartToolRD, CPartTool, 1)
FW_IMPLEMENT_SERIAL(CPartToolSQ, CPartTool, 1)
FW_IMPLEMENT_SERIAL(CPartToolER, CPartTool, 1)
FW_IMPLEMENT_SERIAL(CPartToolCR, CPartTool, 1)
FW_IMPLEMENT_SERIAL(CPartToolHX, CPartTool, 1)
FW_IMPLEMENT_SERIAL(CPartToolHC, CPartTool, 1)
FW_IMPLEMENT_SERIAL(CPartToolVC, CPartTool, 1)

CPartTool::CPartTool(double sizeA, double sizeB, const std::string& type, int orientation, int measuringSystem)
{
    record_.sizeA.SetValue(sizeA);
    record_.sizeB.SetValue(sizeB);
    record_.type = ToUpperAscii(type);
    record_.orientation = orientation;
    record_.measuringSystem = measuringSystem;
    kind_ = KindFromType(record_.type);
    BuildShortName();
}

int CPartTool::KindFromType(const std::string& type)
{
    if (type == "SQ" || type == "RT")
        return kindSQ;
    if (type == "ER" || type == "SL" || type == "VE" || type == "HE")
        return kindER;
    if (type == "CR")
        return kindCR;
    if (type == "HX")
        return kindHX;
    if (type == "HC")
        return kindHC;
    if (type == "VC")
        return kindVC;
    return kindRD;
}

std::unique_ptr<CPartTool> CPartTool::CreateOfKind(int kind)
{
    switch (kind) {
    case kindSQ: return std::make_unique<CPartToolSQ>();
    case kindER: return std::make_unique<CPartToolER>();
    case kindCR: return std::make_unique<CPartToolCR>();
    case kindHX: return std::make_unique<CPartToolHX>();
    case kindHC: return std::make_unique<CPartToolHC>();
    case kindVC: return std::make_unique<CPartToolVC>();
    default: return std::make_unique<CPartToolRD>();
    }
}

std::unique_ptr<CPartTool> CPartTool::CopyOfKind(const CPartTool& other)
{
    std::unique_ptr<CPartTool> tool = CreateOfKind(other.GetKind());
    tool->CopyFrom(other);
    return tool;
}

bool CPartTool::IsEqual(const CPartTool& other) const
{
    return record_.sizeA == other.record_.sizeA.GetValue() && record_.sizeB == other.record_.sizeB.GetValue() &&
           record_.type == other.record_.type && record_.orientation == other.record_.orientation;
}

void CPartTool::CopyFrom(const CPartTool& other)
{
    record_.sizeA.SetValue(other.record_.sizeA.GetValue());
    record_.sizeB.SetValue(other.record_.sizeB.GetValue());
    record_.type = other.record_.type;
    record_.orientation = other.record_.orientation;
    record_.measuringSystem = other.record_.measuringSystem;
    shortName_ = other.shortName_;
}

void CPartTool::SetFromToolDoc(const CToolDoc& doc)
{
    doc.GetToolRecord(record_);
    std::string name = doc.GetTitle();
    const std::string extension = CToolDoc::kExtension;
    if (name.size() > extension.size() && name.compare(name.size() - extension.size(), extension.size(), extension) == 0)
        name.resize(name.size() - extension.size());
    shortName_ = name.empty() ? doc.GetShortName() : name;
}

void CPartTool::SetToolRecord(const ToolRecord& record) { record_ = record; }

void CPartTool::BuildShortName() { shortName_ = record_.GetShortName(); }

std::string CPartTool::GetDescription() const
{
    const int system = record_.measuringSystem;
    std::string text;
    if (record_.sizeA != 0.0) {
        text += record_.sizeA.FormatAs(system);
        if (record_.sizeB != 0.0)
            text += " X ";
    }
    if (record_.sizeB != 0.0)
        text += record_.sizeB.FormatAs(system);
    text += ' ' + record_.type;
    if (record_.orientation != 0)
        text += std::to_string(record_.orientation);
    return text;
}

int CPartTool::GetMachineUnits() const
{
    switch (record_.measuringSystem) {
    case 0: return 1;
    case 1: return 3;
    case 2: return 2;
    default: return 0;
    }
}

void CPartTool::Serialize(fw::Archive& ar)
{
    record_.sizeA.Serialize(ar);
    record_.sizeB.Serialize(ar);
    if (ar.IsStoring()) {
        ar << record_.type << std::int32_t(record_.orientation) << shortName_;
        return;
    }
    ar >> record_.type;
    record_.orientation = ar.ReadLong();
    ar >> shortName_;
}

namespace {

constexpr double kMarkerRadius = 0.1875;
constexpr double kPi = 3.14159265358979323846;

// Whether the mapping turns the drawing over, so that counterclockwise arcs on the device run
// clockwise in logical units.
bool IsMirrored(const fw::DrawContext& dc)
{
    if (dc.GetMapMode() == fw::MapMode::Text)
        return false;
    const bool flipX = (dc.GetWindowExt().cx < 0) != (dc.GetViewportExt().cx < 0);
    const bool flipY = (dc.GetWindowExt().cy < 0) != (dc.GetViewportExt().cy < 0);
    return flipX != flipY;
}

} // namespace

void CPartTool::DrawMarker(double x, double u, fw::DrawContext& dc) { DrawCircle(x, u, 2 * kMarkerRadius, dc); }

void CPartTool::DrawCircle(double x, double u, double diameter, fw::DrawContext& dc)
{
    const double r = diameter / 2;
    dc.Ellipse({InchesToDevice(x - r), InchesToDevice(u - r), InchesToDevice(x + r), InchesToDevice(u + r)});
}

void CPartTool::Draw(double x, double u, int marker, fw::DrawContext& dc) const
{
    if (marker)
        DrawMarker(x, u, dc);
    else
        DrawShape(x, u, dc);
}

void CPartTool::DrawShape(double x, double u, fw::DrawContext& dc) const
{
    const double h = GetSizeA().GetValue() / 2;
    dc.MoveTo(InchesToDevice(x - h, u - h));
    dc.LineTo(InchesToDevice(x + h, u + h));
    dc.MoveTo(InchesToDevice(x - h, u + h));
    dc.LineTo(InchesToDevice(x + h, u - h));
}

void CPartTool::DrawOblong(double x, double u, double angle, fw::DrawContext& dc) const
{
    double small = std::min(GetSizeA().GetValue(), GetSizeB().GetValue());
    const double large = std::max(GetSizeA().GetValue(), GetSizeB().GetValue());
    if (small <= 0)
        small = large;   // a slot with one size is a round hole
    const double r = small / 2;
    const double h = (large - small) / 2;
    const double ax = std::cos(angle * kPi / 180), au = std::sin(angle * kPi / 180);   // long axis
    const double nx = -au, nu = ax;                                                      // its normal
    const auto at = [&](double cx, double cu, double along, double across) {
        return InchesToDevice(cx + along * ax + across * nx, cu + along * au + across * nu);
    };
    dc.MoveTo(at(x, u, -h, r));
    dc.LineTo(at(x, u, h, r));
    dc.MoveTo(at(x, u, -h, -r));
    dc.LineTo(at(x, u, h, -r));
    // Each half circle runs around the outer end of its centre, from one side line to the other.
    const bool mirrored = IsMirrored(dc);
    for (const double end : {h, -h}) {
        const double cx = x + end * ax, cu = u + end * au;
        const fw::Rect bounds{InchesToDevice(cx - r), InchesToDevice(cu - r), InchesToDevice(cx + r),
                              InchesToDevice(cu + r)};
        fw::Point from = at(cx, cu, 0, end > 0 ? r : -r);
        fw::Point to = at(cx, cu, 0, end > 0 ? -r : r);
        if (mirrored)
            std::swap(from, to);
        dc.Arc(bounds, from, to);
    }
}

void CPartToolRD::DrawShape(double x, double u, fw::DrawContext& dc) const
{
    DrawCircle(x, u, GetSizeA().GetValue(), dc);
}

void CPartToolER::DrawShape(double x, double u, fw::DrawContext& dc) const { DrawOblong(x, u, FlaggedOrientation(), dc); }

void CPartToolCR::DrawShape(double x, double u, fw::DrawContext& dc) const { DrawOblong(x, u, FlaggedOrientation(), dc); }

void CPartToolHX::Draw(double, double, int, fw::DrawContext&) const {}

void CPartToolHC::DrawShape(double x, double u, fw::DrawContext& dc) const { DrawOblong(x, u, GetOrientation(), dc); }

void CPartToolVC::DrawShape(double x, double u, fw::DrawContext& dc) const
{
    DrawOblong(x, u, GetOrientation() + 90, dc);
}
