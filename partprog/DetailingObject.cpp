#include "partprog/DetailingObject.h"

#include "fw/core/Drawing.h"
#include "model/DeviceUnits.h"
#include "model/Pattern.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTenthsOfDegreePerRadian = 572.9577950560105;
constexpr double kAxisLength = 100.0;
constexpr fw::Color kTextLineColor = fw::Rgb(0, 0, 255);

// Corner indexes of the work-point groups 2 to 5 (both sets): the first-X corners, the last-X
// corners, the first-U corners and the last-U corners of every member. Group 0 holds the
// members' reference-plane corner points, group 1 (the cover box) every corner.
constexpr std::array<std::array<int, 4>, 4> kCornerGroups{{{0, 1, 4, 5}, {2, 3, 6, 7}, {1, 2, 5, 6}, {0, 3, 4, 7}}};

// The points of least x, greatest x, least y and greatest y seen, the first of equals.
void AddExtreme(CDimTPoint* extremes, const CDimTPoint& p)
{
    if (!IsSet(p))
        return;
    if (!IsSet(extremes[0])) {
        std::fill(extremes, extremes + 4, p);
        return;
    }
    if (p.GetX() < extremes[0].GetX()) extremes[0] = p;
    if (p.GetX() > extremes[1].GetX()) extremes[1] = p;
    if (p.GetY() < extremes[2].GetY()) extremes[2] = p;
    if (p.GetY() > extremes[3].GetY()) extremes[3] = p;
}

bool IsBounded(const CDimTPoint& p)
{
    return std::isfinite(p.GetX()) && std::isfinite(p.GetY()) && std::fabs(p.GetX()) <= CDetailingObject::kMaxCoordinate &&
           std::fabs(p.GetY()) <= CDetailingObject::kMaxCoordinate;
}

int PlacementOf(char type)
{
    switch (type) {
    case 'B': return CPattern::below;
    case 'C': return CPattern::centredFirst;
    default: return CPattern::above;
    }
}

} // namespace

CDetailingObject::CDetailingObject(Kind kind, bool alongX, bool isLabel)
    : kind_(kind), isLabel_(isLabel), alongX_(alongX)
{
    corners_.fill(UnsetPoint());
    work_.fill(UnsetPoint());
}

bool CDetailingObject::Init(const CPattern& pattern, fw::DrawContext& dc, const DetailingFace& face)
{
    TakeContext(pattern, dc, face);
    return Prepare() && Build();
}

bool CDetailingObject::InitLabel(CDetailingObject&) { return false; }

void CDetailingObject::TakeContext(const CPattern& pattern, fw::DrawContext& dc, const DetailingFace& face)
{
    pattern_ = &pattern;
    dc_ = &dc;
    face_ = face;
}

void CDetailingObject::TakeOwnerValues(const CDetailingObject& owner)
{
    TakeContext(*owner.pattern_, *owner.dc_, owner.face_);
    SetText(owner.text_);
    kind_ = owner.kind_;
}

const CRefPlane& CDetailingObject::Plane() const { return pattern_->GetRefPlane(); }

CDimTPoint CDetailingObject::PlanePoint() const
{
    const fw::Point p = Plane().GetOrigin();
    return {double(p.x), double(p.y)};
}

CDimTPoint CDetailingObject::PlaneCorner() const { return Plane().GetCornerPoint(); }

bool CDetailingObject::IsCentred() const { return Plane().GetPatternType() == 'C'; }

bool CDetailingObject::Prepare()
{
    corners_.fill(UnsetPoint());
    const CPattern& pattern = *pattern_;
    if (pattern.GetCountX() < 1 || pattern.GetCountU() < 1)
        return false;
    const int lastX = pattern.GetCountX() - 1;
    const int lastU = pattern.GetCountU() - 1;
    const std::array<std::pair<int, int>, 4> elements{{{0, lastU}, {0, 0}, {lastX, 0}, {lastX, lastU}}};
    const auto fillSet = [&](int first, int placement) {
        for (int k = 0; k < 4; ++k) {
            double x = 0, u = 0;
            pattern.GetElementPosition(elements[k].first, elements[k].second, placement, x, u);
            corners_[first + k] = CDimTPoint(x * kDeviceUnitsPerInch, u * kDeviceUnitsPerInch);
        }
    };
    fillSet(0, PlacementOf(Plane().GetPatternType()));
    if (IsCentred())
        fillSet(4, CPattern::centredSecond);

    // The X axis runs along the pattern's X progression, the U axis across it: along the face
    // without a slope, across it for a plane with rise and no run, else along
    // (X sign x run, U sign x rise) and its perpendicular.
    const double sx = Plane().GetXSign();
    const double su = Plane().GetUSign();
    const double rise = Plane().GetRise().GetValue();
    const double run = Plane().GetRun().GetValue();
    double xdx = sx, xdy = 0, udx = 0, udy = su;
    if (rise != 0.0 && run == 0.0) {
        xdx = 0, xdy = rise < 0 ? -sx : sx;
        udx = su, udy = 0;
    } else if (rise != 0.0) {
        const double length = std::hypot(run, rise);
        xdx = sx * run / length, xdy = su * rise / length;
        udx = -xdy, udy = xdx;
    }
    angle_ = rise != 0.0 && run != 0.0 ? std::atan2(rise, run) : 0.0;
    const CDimTPoint p = PlanePoint();
    xAxis_ = CDimLineSegment(p, {p.GetX() + kAxisLength * xdx, p.GetY() + kAxisLength * xdy});
    uAxis_ = CDimLineSegment(p, {p.GetX() + kAxisLength * udx, p.GetY() + kAxisLength * udy});

    const bool cornersBounded = std::all_of(corners_.begin(), corners_.end(), [](const CDimTPoint& c) {
        return !IsSet(c) || IsBounded(c);
    });
    return cornersBounded && IsBounded(p) && IsBounded(PlaneCorner()) && IsSet(xAxis_.GetAngle()) &&
           IsSet(uAxis_.GetAngle());
}

void CDetailingObject::SetLevel()
{
    const int height = Dc().GetTextExtent(text_).cy;
    level_ = height * 0.0625 <= 1.0 ? 16 : height + 2;
}

int CDetailingObject::GetLineOffset() const
{
    const int away = -16 - face_.depth;
    const bool uPlus = Plane().GetUDirection() == '+';
    switch (Plane().GetPatternType()) {
    case 'A':
    case 'C': return kind_ == originToPlane && !uPlus ? away : 16;
    case 'B': return (kind_ == originToPlane || xAxis_.GetSlope() == 0.0) && uPlus ? away : 16;
    default: return 0;
    }
}

void CDetailingObject::SetOwnMember()
{
    members_.assign(1, Member{pattern_, corners_});
    ComputeCoverBox();
}

void CDetailingObject::AddMember(const CDetailingObject& other)
{
    if (int(members_.size()) >= kMaxMembers)
        return;
    members_.push_back(Member{other.pattern_, other.corners_});
    AddToCover(members_.back());
}

// Work points W0 to W23, six groups of (least x, greatest x, least y, greatest y) over every
// member: W0-W3 the reference-plane corner points, W4-W7 every corner (the cover box),
// W8-W11 the first-X corners, W12-W15 the last-X corners, W16-W19 the first-U corners and
// W20-W23 the last-U corners.
void CDetailingObject::ComputeCoverBox()
{
    work_.fill(UnsetPoint());
    for (const Member& m : members_)
        AddToCover(m);
}

void CDetailingObject::AddToCover(const Member& m)
{
    AddExtreme(&work_[0], m.pattern->GetRefPlane().GetCornerPoint());
    for (const CDimTPoint& c : m.corners)
        AddExtreme(&work_[4], c);
    for (int g = 0; g < 4; ++g)
        for (int index : kCornerGroups[g])
            AddExtreme(&work_[4 * (g + 2)], m.corners[index]);
}

bool CDetailingObject::IsClearOfCover() const
{
    const CDetailingObject& source = GetOwner() ? *GetOwner() : *this;
    const auto& w = source.work_;
    if (!IsSet(w[4]) || !rect_.IsSet())
        return true;
    return rect_.MaxX() < w[4].GetX() - kCoverClearance || rect_.MaxY() < w[6].GetY() - kCoverClearance ||
           rect_.MinX() > w[5].GetX() + kCoverClearance || rect_.MinY() > w[7].GetY() + kCoverClearance;
}

void CDetailingObject::DrawLine(const CDimTPoint& from, const CDimTPoint& to) const
{
    dc_->MoveTo(from.GetDeviceX(), from.GetDeviceY());
    dc_->LineTo(to.GetDeviceX(), to.GetDeviceY());
}

// The angle of the text on the line: the plane's angle along X, turned a quarter for U (and
// mirrored when the direction signs differ); horizontal for origin-to-plane along X and
// upright for origin-to-plane in U. Brought into [-pi/2, pi/2] so that text never reads
// upside down.
double CDetailingObject::TextAngle() const
{
    const bool signsEqual = Plane().GetXDirection() == Plane().GetUDirection();
    double a = GetAngle();
    if (kind_ == originToPlane)
        a = alongX_ ? 0.0 : -std::numbers::pi / 2;
    else if (!alongX_)
        a = signsEqual ? a - std::numbers::pi / 2 : -a - std::numbers::pi / 2;
    if (a > std::numbers::pi / 2)
        a -= std::numbers::pi;
    else if (a < -std::numbers::pi / 2)
        a += std::numbers::pi;
    return a;
}

int CDetailingObject::Escapement(double angle) const
{
    if (angle == 0.0)
        return 0;
    const bool signsEqual = Plane().GetXDirection() == Plane().GetUDirection();
    const double sign = !alongX_ || signsEqual ? -1.0 : 1.0;
    return CDimTPoint::RoundHalfAway(sign * angle * kTenthsOfDegreePerRadian);
}

bool CDetailingObject::IsLongLine(int textWidth) const
{
    const double length = GetLineLength();
    return length > face_.length / 4.0 && face_.length > 220 && length > 6.0 * textWidth;
}

const CDetailingObject::Label& CDetailingObject::MeasuredLabel()
{
    if (!label_) {
        std::string bracketed = "<" + text_ + ">";
        const int bracketedWidth = Dc().GetTextExtent(bracketed).cx;
        label_ = Label{std::move(bracketed), bracketedWidth, Dc().GetTextExtent(text_).cx};
    }
    return *label_;
}

// A long line carries "<" + text + ">" near each end, reading from the end of smaller x (of
// smaller y for a line across the face) inward; a shorter one carries the text once, centred
// on its middle.
void CDetailingObject::DrawText()
{
    fw::DrawContext& dc = Dc();
    const fw::Pen previousPen = dc.SelectPen({fw::PenStyle::Solid, 0, kTextLineColor});
    dc.SetTextColor(fw::Rgb(0, 0, 0));
    dc.SetTextAlign(fw::AlignBaseline | fw::AlignCenter);
    dc.SetBkMode(fw::BkMode::Opaque);
    fw::Font font = dc.CurrentFont();
    font.height = 0;
    font.width = 0;
    font.weight = 400;
    font.italic = false;
    font.faceName = "Courier New";
    font.escapement = Escapement(TextAngle());
    const fw::Font previousFont = dc.SelectFont(font);

    const CDimTPoint off = alongX_ ? CDimTPoint(0, -1) : CDimTPoint(-1, 0);
    const Label& label = MeasuredLabel();
    const int bracketedWidth = label.bracketedWidth;
    if (IsLongLine(bracketedWidth)) {
        const CDimLineSegment& line = GetLine();
        CDimTPoint start = line.GetStart();
        CDimTPoint end = line.GetEnd();
        const bool reversed = start.GetX() > end.GetX() || (start.GetX() == end.GetX() && start.GetY() > end.GetY());
        if (reversed)
            std::swap(start, end);
        const double length = line.GetLength();
        const double tx = (end.GetX() - start.GetX()) / length;
        const double ty = (end.GetY() - start.GetY()) / length;
        const auto at = [&](const CDimTPoint& from, double distance) {
            return CDimTPoint(from.GetX() + distance * tx + off.GetX(), from.GetY() + distance * ty + off.GetY());
        };
        dc.SetTextAlign(fw::AlignBaseline | fw::AlignLeft);
        for (const CDimTPoint& p : {at(start, 5.0), at(end, -5.0 - bracketedWidth)})
            dc.TextOut(p.GetDeviceX(), p.GetDeviceY(), label.bracketed);
        textWidthOnLine_ = bracketedWidth;
    } else {
        const CDimTPoint shift = GetAngle() == 0.0 || kind_ == originToPlane ? off
                                 : alongX_                                   ? CDimTPoint(1, -2)
                                                                             : CDimTPoint(-1, -2);
        const CDimTPoint& anchor = GetAnchor();
        const CDimTPoint p(anchor.GetX() + shift.GetX(), anchor.GetY() + shift.GetY());
        dc.TextOut(p.GetDeviceX(), p.GetDeviceY(), text_);
        textWidthOnLine_ = label.width;
    }
    dc.SelectFont(previousFont);
    dc.SelectPen(previousPen);
}
