#include "machmult/MultShape.h"

#include "fw/core/Archive.h"

#include <algorithm>

FW_IMPLEMENT_SERIAL(CMultShape, fw::Object, 1)
FW_IMPLEMENT_SERIAL(CBeamMultShape, CMultShape, 1)
FW_IMPLEMENT_SERIAL(CChannelMultShape, CMultShape, 1)
FW_IMPLEMENT_SERIAL(CAngleMultShape, CMultShape, 1)
FW_IMPLEMENT_SERIAL(CFlatMultShape, CMultShape, 1)
FW_IMPLEMENT_SERIAL(CPlateMultShape, CMultShape, 1)
FW_IMPLEMENT_SERIAL(CTMultShape, CMultShape, 1)
FW_IMPLEMENT_SERIAL(CTubeMultShape, CMultShape, 1)

namespace {

// What a zone spans across its face: nothing, the near or far half of the flange width, the whole
// flange width, or the depth.
enum Span { none, nearHalf, farHalf, flange, depth };
using Spans = std::array<Span, CMultShape::zoneCount>;

std::array<std::pair<double, double>, CMultShape::zoneCount> Ranges(const ShapeRecord& record, const Spans& spans)
{
    const double bf = record.flangeWidth.GetValue();
    const double d = record.depth.GetValue();
    std::array<std::pair<double, double>, CMultShape::zoneCount> ranges{};
    for (std::size_t i = 0; i < spans.size(); ++i) {
        switch (spans[i]) {
        case none: ranges[i] = {0, 0}; break;
        case nearHalf: ranges[i] = {0, bf / 2}; break;
        case farHalf: ranges[i] = {bf / 2, bf}; break;
        case flange: ranges[i] = {0, bf}; break;
        case depth: ranges[i] = {0, d}; break;
        }
    }
    return ranges;
}

} // namespace

CMultShape::CMultShape() = default;
CMultShape::~CMultShape() = default;

std::unique_ptr<CMultShape> CMultShape::Create(int kind)
{
    switch (kind) {
    case shapeBeam: return std::make_unique<CBeamMultShape>();
    case shapeChannel: return std::make_unique<CChannelMultShape>();
    case shapeAngle: return std::make_unique<CAngleMultShape>();
    case shapeFlat: return std::make_unique<CFlatMultShape>();
    case shapePlate: return std::make_unique<CPlateMultShape>();
    case shapeT: return std::make_unique<CTMultShape>();
    case shapeTube: return std::make_unique<CTubeMultShape>();
    default: return std::make_unique<CMultShape>();
    }
}

void CMultShape::SetShapeRecord(const ShapeRecord& record)
{
    record_ = record;
    SetupZones();
}

std::unique_ptr<CMultShape> CMultShape::Clone() const
{
    auto clone = std::make_unique<CMultShape>();
    clone->record_ = record_;
    clone->tools_.CopyFrom(tools_);
    for (std::size_t i = 0; i < zones_.size(); ++i)
        clone->zones_[i].Assign(zones_[i]);
    return clone;
}

void CMultShape::SetupZones()
{
    SetZones(Ranges(record_, {nearHalf, farHalf, nearHalf, farHalf, depth, none, depth, none}));
}

CSurface* CMultShape::GetFirstSurface() const
{
    return surfaces_.empty() ? nullptr : surfaces_.front().get();
}

CSurface* CMultShape::GetNextSurface(const CSurface* surface) const
{
    const auto it = std::find_if(surfaces_.begin(), surfaces_.end(), [&](const auto& s) { return s.get() == surface; });
    return it == surfaces_.end() || std::next(it) == surfaces_.end() ? nullptr : std::next(it)->get();
}

void CMultShape::Serialize(fw::Archive& ar)
{
    if (ar.IsLoading())
        tools_.RemoveAll();
    tools_.Serialize(ar);
}

void CMultShape::SetZones(const std::array<std::pair<double, double>, zoneCount>& ranges)
{
    for (std::size_t i = 0; i < ranges.size(); ++i)
        zones_[i].SetRange(ranges[i].first, ranges[i].second);
}

// --- The profiles ------------------------------------------------------------------------------

CBeamMultShape::CBeamMultShape() { AddSurfaces<CWebSurface, CTfSurface, CBfSurface>(); }
CChannelMultShape::CChannelMultShape() { AddSurfaces<CWebSurface, CTfSurface, CBfSurface>(); }
CAngleMultShape::CAngleMultShape() { AddSurfaces<CWebSurface, CTfSurface>(); }
CFlatMultShape::CFlatMultShape() { AddSurfaces<CWebSurface>(); }
CPlateMultShape::CPlateMultShape() { AddSurfaces<CWebSurface>(); }
CTMultShape::CTMultShape() { AddSurfaces<CWebSurface, CTfSurface>(); }
CTubeMultShape::CTubeMultShape() { AddSurfaces<CWebSurface, CTfSurface, CBfSurface, CWeb2Surface>(); }

// Zones in order: top flange near, far; bottom flange near, far; web, second; second web, second.
void CBeamMultShape::SetupZones()
{
    SetZones(Ranges(GetShapeRecord(), {nearHalf, farHalf, nearHalf, farHalf, depth, none, none, none}));
}

void CChannelMultShape::SetupZones()
{
    SetZones(Ranges(GetShapeRecord(), {flange, none, flange, none, depth, none, none, none}));
}

void CAngleMultShape::SetupZones()
{
    SetZones(Ranges(GetShapeRecord(), {flange, none, none, none, depth, none, none, none}));
}

void CFlatMultShape::SetupZones()
{
    SetZones(Ranges(GetShapeRecord(), {none, none, none, none, depth, none, none, none}));
}

void CPlateMultShape::SetupZones()
{
    SetZones(Ranges(GetShapeRecord(), {none, none, none, none, depth, none, none, none}));
}

void CTMultShape::SetupZones()
{
    SetZones(Ranges(GetShapeRecord(), {nearHalf, farHalf, none, none, depth, none, none, none}));
}

void CTubeMultShape::SetupZones()
{
    SetZones(Ranges(GetShapeRecord(), {flange, none, flange, none, depth, none, depth, none}));
}
