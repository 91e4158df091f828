#include "model/PartShape.h"

#include "fw/core/Archive.h"
#include "fw/core/StringTable.h"
#include "model/ToolList.h"

#include <algorithm>

FW_IMPLEMENT_SERIAL(CPartShape, fw::Object, 1)
FW_IMPLEMENT_SERIAL(CBeamPartShape, CPartShape, 1)
FW_IMPLEMENT_SERIAL(CChannelPartShape, CPartShape, 1)
FW_IMPLEMENT_SERIAL(CAnglePartShape, CPartShape, 1)
FW_IMPLEMENT_SERIAL(CFlatPartShape, CPartShape, 1)
FW_IMPLEMENT_SERIAL(CPlatePartShape, CPartShape, 1)
FW_IMPLEMENT_SERIAL(CTPartShape, CPartShape, 1)
FW_IMPLEMENT_SERIAL(CTubePartShape, CPartShape, 1)

namespace {

// Tab labels in the program's string table.
constexpr unsigned IDS_TAB_TOP_FLANGE = 31260;
constexpr unsigned IDS_TAB_WEB = 31261;
constexpr unsigned IDS_TAB_BOTTOM_FLANGE = 31262;
constexpr unsigned IDS_TAB_WEB2 = 31263;

unsigned FaceLabelId(int faceCode)
{
    switch (faceCode) {
    case faceTopFlange: return IDS_TAB_TOP_FLANGE;
    case faceBottomFlange: return IDS_TAB_BOTTOM_FLANGE;
    case faceWeb2: return IDS_TAB_WEB2;
    default: return IDS_TAB_WEB;
    }
}

// Each face with the indexes of its first (near) and second (far) zone, in the order the face
// tool list walks them.
struct FaceZones {
    int faceCode;
    int first;
    int second;
};
constexpr FaceZones kFaceZones[] = {
    {faceWeb, 4, 5}, {faceTopFlange, 0, 1}, {faceBottomFlange, 2, 3}, {faceWeb2, 6, 7}};

using ZoneBounds = std::array<std::array<double, 2>, CPartShape::zoneCount>;

// Puts a list back in order of its boxes (min X, then min U), keeping equal items in their order
// and the current item current.
void Resort(CPatternList& list)
{
    const CPattern* current = list.GetCurrentPosition() ? list.GetAt(list.GetCurrentPosition()) : nullptr;
    std::vector<std::unique_ptr<CPattern>> items;
    while (!list.IsEmpty())
        items.push_back(list.RemoveHead());
    std::stable_sort(items.begin(), items.end(), [](const auto& a, const auto& b) {
        return a->GetMinX() < b->GetMinX() || (a->GetMinX() == b->GetMinX() && a->GetMinU() < b->GetMinU());
    });
    for (auto& item : items)
        list.AddTail(std::move(item));
    list.SetCurrentPosition(current ? list.Find(current) : CPatternList::Position());
}

} // namespace

CPartShape::CPartShape() : CPartShape(-1) {}

CPartShape::CPartShape(int kind) { record_.kind = kind; }

std::unique_ptr<CPartShape> CPartShape::CreateOfKind(int kind)
{
    switch (kind) {
    case shapeBeam: return std::make_unique<CBeamPartShape>();
    case shapeChannel: return std::make_unique<CChannelPartShape>();
    case shapeAngle: return std::make_unique<CAnglePartShape>();
    case shapeFlat: return std::make_unique<CFlatPartShape>();
    case shapePlate: return std::make_unique<CPlatePartShape>();
    case shapeT: return std::make_unique<CTPartShape>();
    case shapeTube: return std::make_unique<CTubePartShape>();
    default: return std::make_unique<CPartShape>();
    }
}

void CPartShape::SetZones(const ZoneBounds& bounds)
{
    for (std::size_t i = 0; i < zones_.size(); ++i)
        zones_[i].SetRange(bounds[i][0], bounds[i][1]);
}

void CPartShape::SetupZones()
{
    const double d = GetDepth(), bf = GetFlangeWidth();
    SetZones({{{0, bf / 2}, {bf / 2, bf}, {0, bf / 2}, {bf / 2, bf}, {0, d}, {0, 0}, {0, d}, {0, 0}}});
}

std::vector<FaceTab> CPartShape::DescribeFaceViews() { return {}; }

FaceTab CPartShape::FaceView(FaceViewKind kind, int faceCode, bool withStencils)
{
    return {fw::StringTables::Get("VARNEX").Get(FaceLabelId(faceCode)), kind, faceCode, GetFaceList(faceCode),
            withStencils ? &stencils_ : nullptr};
}

void CPartShape::SetShapeData(const std::string& desctp, const std::string& desc, double depth, double webThickness,
                              double flangeWidth, double flangeThickness, double flangeGage, double weight,
                              const std::string& formal)
{
    record_.desctp = desctp;
    record_.desc = desc;
    record_.depth.SetValue(depth);
    record_.webThickness.SetValue(webThickness);
    record_.flangeWidth.SetValue(flangeWidth);
    record_.flangeThickness.SetValue(flangeThickness);
    record_.flangeGage.SetValue(flangeGage);
    record_.weight = weight;
    record_.formal = formal;
    SetupZones();
}

void CPartShape::SetFromShapeRecord(const ShapeRecord& record)
{
    const int kind = record_.kind;
    record_ = record;
    record_.kind = kind;
    SetupZones();
}

CPatternList* CPartShape::GetFaceList(int faceCode)
{
    switch (faceCode) {
    case faceWeb: return &web_;
    case faceTopFlange: return &topFlange_;
    case faceBottomFlange: return &bottomFlange_;
    case faceWeb2: return &web2_;
    default: return nullptr;
    }
}

const CPatternList* CPartShape::GetFaceList(int faceCode) const
{
    return const_cast<CPartShape*>(this)->GetFaceList(faceCode);
}

void CPartShape::ApplyProfileFixUps()
{
    if (record_.desctp == "L ")
        for (CPattern& pattern : topFlange_)
            pattern.SetToolFlag1();
    if (record_.desctp == "C " && channelLeg_ == 1) {
        for (CPattern& pattern : bottomFlange_)
            pattern.SetToolFlag2();
        for (CPattern& pattern : topFlange_)
            pattern.SetToolFlag3();
    }
}

bool CPartShape::InsertPattern(std::unique_ptr<CPattern>& pattern, CPatternList& list, Position* position)
{
    const Position pos = list.AddSorted(pattern);
    ApplyProfileFixUps();
    if (!pos)
        return false;
    if (position)
        *position = pos;
    return true;
}

CPatternList& CPartShape::OppositeFace(CPatternList& list)
{
    if (GetKind() == shapeAngle) {
        if (&list == &topFlange_)
            return web_;
        if (&list == &web_)
            return topFlange_;
        return list;
    }
    if (&list == &topFlange_)
        return bottomFlange_;
    if (&list == &bottomFlange_)
        return topFlange_;
    if (&list == &web_)
        return web2_;
    if (&list == &web2_)
        return web_;
    return list;
}

bool CPartShape::AddToOppositeFace(std::unique_ptr<CPattern>& pattern, CPatternList& list, Position* position)
{
    return InsertPattern(pattern, OppositeFace(list), position);
}

bool CPartShape::AddStencil(std::unique_ptr<CStencilPattern>& mark) { return bool(stencils_.AddSorted(mark)); }

bool CPartShape::DeletePattern(CPatternList& list, Position& position)
{
    position = list.DeleteAt(position);
    return true;
}

bool CPartShape::DeleteStencil(CStencilPatternList::Position& position)
{
    position = stencils_.DeleteAt(position);
    return true;
}

void CPartShape::DeleteAllPatterns()
{
    for (CPatternList* list : {&web_, &topFlange_, &bottomFlange_, &web2_})
        list->RemoveAll();
    stencils_.RemoveAll();
}

void CPartShape::MirrorX(double length)
{
    for (CPatternList* list : {&web_, &topFlange_, &bottomFlange_, &web2_}) {
        for (CPattern& pattern : *list) {
            pattern.GetRefPlane().MirrorX(length);
            pattern.ComputeBox();
        }
        Resort(*list);
    }
}

bool CPartShape::FlopsFace(int, int) const { return false; }

void CPartShape::PastePatterns(CPatternList& source, int faceCode, int side)
{
    CPatternList* target = GetFaceList(faceCode);
    if (!target)
        return;
    const bool flop = FlopsFace(faceCode, side);
    std::vector<std::unique_ptr<CPattern>> refused;
    while (!source.IsEmpty()) {
        std::unique_ptr<CPattern> pattern = source.RemoveHead();
        if (flop) {
            pattern->GetRefPlane().FlopU(GetFlangeWidth());
            pattern->ComputeBox();
        }
        if (!InsertPattern(pattern, *target) && KeepsRefusedPaste())
            refused.push_back(std::move(pattern));
    }
    for (auto& pattern : refused)
        source.AddTail(std::move(pattern));
    source.SetCurrentPosition(source.GetHeadPosition());
}

void CPartShape::PasteStencils(CStencilPatternList& source)
{
    while (!source.IsEmpty()) {
        std::unique_ptr<CStencilPattern> mark = source.RemoveHead();
        AddStencil(mark);
    }
    source.SetCurrentPosition({});
}

void CPartShape::CopyFacePatterns(CPatternList& destination, int faceCode, int side, int operation) const
{
    const CPatternList* face = GetFaceList(faceCode);
    if (!face)
        return;
    const bool flop = FlopsFace(faceCode, side);
    for (const CPattern& pattern : *face) {
        const int op = pattern.GetOperation();
        if (op != operation && !(operation == CPattern::frontLayout && op == CPattern::backLayout))
            continue;
        auto copy = std::make_unique<CPattern>();
        copy->CopyFrom(pattern);
        if (flop) {
            copy->GetRefPlane().FlopU(GetFlangeWidth());
            copy->ComputeBox();
        }
        destination.AddSorted(copy);
    }
}

int CPartShape::CopyStencils(CStencilPatternList& destination) const
{
    for (const CStencilPattern& mark : stencils_) {
        auto copy = std::make_unique<CStencilPattern>();
        copy->CopyFrom(mark);
        destination.AddSorted(copy);
    }
    return faceWeb;
}

void CPartShape::GetFaceToolList(CToolList& tools) const
{
    for (const FaceZones& face : kFaceZones) {
        const CZone& first = zones_[std::size_t(face.first)];
        const CZone& second = zones_[std::size_t(face.second)];
        for (const CPattern& pattern : *GetFaceList(face.faceCode)) {
            if (pattern.GetOperation() != CPattern::hole || !pattern.GetTool())
                continue;
            const FaceBox& box = pattern.GetBox();
            int side = 0;
            if (first.Contains(box.minU) || first.Contains(box.maxU))
                side = 2;
            if (second.Contains(box.minU) || second.Contains(box.maxU))
                side = side == 2 ? 3 : 1;
            tools.AddZoneTool(*pattern.GetTool(), side != 0 ? face.faceCode + side : 0, box.minU, box.maxU);
        }
    }
}

void CPartShape::RefreshTools(ToolLibrary& library)
{
    for (CPatternList* list : {&topFlange_, &web_, &bottomFlange_, &web2_})
        for (CPattern& pattern : *list)
            pattern.RefreshTool(library);
    ApplyProfileFixUps();
}

void CPartShape::Serialize(fw::Archive& ar)
{
    if (ar.IsLoading())
        DeleteAllPatterns();
    for (CPatternList* list : {&topFlange_, &web_, &bottomFlange_, &web2_})
        list->Serialize(ar);
    stencils_.Serialize(ar);
    if (ar.IsLoading())
        ApplyProfileFixUps();
}

// --- Beam --------------------------------------------------------------------------------------

void CBeamPartShape::SetupZones()
{
    const double d = GetDepth(), bf = GetFlangeWidth();
    SetZones({{{0, bf / 2}, {bf / 2, bf}, {0, bf / 2}, {bf / 2, bf}, {0, d}, {0, 0}, {0, 0}, {0, 0}}});
}

std::vector<FaceTab> CBeamPartShape::DescribeFaceViews()
{
    return {FaceView(FaceViewKind::beamTF, faceTopFlange, true), FaceView(FaceViewKind::beamWeb, faceWeb, false),
            FaceView(FaceViewKind::beamBF, faceBottomFlange, false)};
}

int CBeamPartShape::CopyStencils(CStencilPatternList& destination) const
{
    CPartShape::CopyStencils(destination);
    return faceTopFlange;
}

// A beam's top flange is seen from the other side.
bool CBeamPartShape::FlopsFace(int faceCode, int) const { return faceCode == faceTopFlange; }

// --- Channel -----------------------------------------------------------------------------------

void CChannelPartShape::SetupZones()
{
    const double d = GetDepth(), bf = GetFlangeWidth();
    SetZones({{{0, bf}, {0, 0}, {0, bf}, {0, 0}, {0, d}, {0, 0}, {0, 0}, {0, 0}}});
}

std::vector<FaceTab> CChannelPartShape::DescribeFaceViews()
{
    return {FaceView(FaceViewKind::channelTF, faceTopFlange, true),
            FaceView(FaceViewKind::channelWeb, faceWeb, false),
            FaceView(FaceViewKind::channelBF, faceBottomFlange, false)};
}

int CChannelPartShape::CopyStencils(CStencilPatternList& destination) const
{
    CPartShape::CopyStencils(destination);
    return faceTopFlange;
}

// Which flange is turned over depends on the way the channel's legs point.
bool CChannelPartShape::FlopsFace(int faceCode, int side) const
{
    return (faceCode == faceTopFlange && side == 0) || (faceCode == faceBottomFlange && side == 1);
}

// --- Angle -------------------------------------------------------------------------------------

void CAnglePartShape::SetupZones()
{
    const double d = GetDepth(), bf = GetFlangeWidth();
    SetZones({{{0, bf}, {0, 0}, {0, 0}, {0, 0}, {0, d}, {0, 0}, {0, 0}, {0, 0}}});
}

std::vector<FaceTab> CAnglePartShape::DescribeFaceViews()
{
    return {FaceView(FaceViewKind::angleTF, faceTopFlange, false), FaceView(FaceViewKind::angleWeb, faceWeb, true)};
}

void CAnglePartShape::Serialize(fw::Archive& ar)
{
    CPartShape::Serialize(ar);
    ApplyProfileFixUps();
}

// --- Flat bar and plate ------------------------------------------------------------------------

namespace {
ZoneBounds FlatZones(double depth) { return {{{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, depth}, {0, 0}, {0, 0}, {0, 0}}}; }
} // namespace

void CFlatPartShape::SetupZones() { SetZones(FlatZones(GetDepth())); }

std::vector<FaceTab> CFlatPartShape::DescribeFaceViews()
{
    return {FaceView(FaceViewKind::flatBarWeb, faceWeb, true)};
}

void CPlatePartShape::SetupZones() { SetZones(FlatZones(GetDepth())); }

std::vector<FaceTab> CPlatePartShape::DescribeFaceViews()
{
    return {FaceView(FaceViewKind::flatBarWeb, faceWeb, true)};
}

// --- T -----------------------------------------------------------------------------------------

void CTPartShape::SetupZones()
{
    const double d = GetDepth(), bf = GetFlangeWidth();
    SetZones({{{0, bf / 2}, {bf / 2, bf}, {0, 0}, {0, 0}, {0, d}, {0, 0}, {0, 0}, {0, 0}}});
}

std::vector<FaceTab> CTPartShape::DescribeFaceViews()
{
    return {FaceView(FaceViewKind::tTF, faceTopFlange, true), FaceView(FaceViewKind::tWeb, faceWeb, false)};
}

// --- Tube --------------------------------------------------------------------------------------

void CTubePartShape::SetupZones()
{
    const double d = GetDepth(), bf = GetFlangeWidth();
    SetZones({{{0, bf}, {0, 0}, {0, bf}, {0, 0}, {0, d}, {0, 0}, {0, d}, {0, 0}}});
}

std::vector<FaceTab> CTubePartShape::DescribeFaceViews()
{
    return {FaceView(FaceViewKind::tubeTF, faceTopFlange, true), FaceView(FaceViewKind::tubeWeb, faceWeb, false),
            FaceView(FaceViewKind::tubeBF, faceBottomFlange, false),
            FaceView(FaceViewKind::tubeWeb2, faceWeb2, false)};
}
