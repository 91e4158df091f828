#include "partprog/DetailingDimRect.h"

#include "fw/core/Drawing.h"
#include "model/DeviceUnits.h"
#include "model/Pattern.h"
#include "partprog/QuickDrawZelbo.h"

#include <cmath>

namespace {

constexpr fw::Pen kExtensionPen{fw::PenStyle::Solid, 0, fw::Rgb(180, 180, 190)};
constexpr fw::Pen kDimensionPen{fw::PenStyle::Solid, 0, fw::Rgb(0, 0, 255)};
const CDimTPoint kOrigin(0, 0);

double Dot(const CDimTPoint& p, const CDimTPoint& n) { return p.GetX() * n.GetX() + p.GetY() * n.GetY(); }

CDimTPoint Along(const CDimTPoint& p, const CDimTPoint& n, double distance)
{
    return {p.GetX() + distance * n.GetX(), p.GetY() + distance * n.GetY()};
}

} // namespace

// ---- common steps

CDetailingDimRect::Lie CDetailingDimRect::GetLie() const
{
    if (Plane().GetRise().GetValue() == 0.0)
        return Lie::horizontal;
    return Plane().GetRun().GetValue() == 0.0 ? Lie::vertical : Lie::angled;
}

CDimTPoint CDetailingDimRect::SecondFirstOrPlane() const { return IsSet(F(2)) ? F(2) : PlaneCorner(); }

bool CDetailingDimRect::MeasuresX() const { return GetKind() == originToPlane ? IsAlongX() : IsAlongX() != SwapsAxes(); }

bool CDetailingDimRect::Exists() const
{
    const CPattern& pattern = *GetPattern();
    const bool x = MeasuresX();
    switch (GetKind()) {
    case originToPlane: return (x ? Plane().GetStartX() : Plane().GetStartU()).GetValue() * kDeviceUnitsPerInch != 0.0;
    case planeToFirst: return (x ? pattern.GetStartX() : pattern.GetStartU()).GetValue() * kDeviceUnitsPerInch != 0.0;
    default: {
        // A single element (or none) has no first-to-last distance.
        const int count = x ? pattern.GetCountX() : pattern.GetCountU();
        const double increment = (x ? pattern.GetIncrementX() : pattern.GetIncrementU()).GetValue();
        return count > 1 && increment * kDeviceUnitsPerInch * (count - 1) != 0.0;
    }
    }
}

std::string CDetailingDimRect::MakeText() const
{
    const CPattern& pattern = *GetPattern();
    const bool x = MeasuresX();
    switch (GetKind()) {
    case originToPlane: return (x ? Plane().GetStartX() : Plane().GetStartU()).GetText();
    case planeToFirst: return (x ? pattern.GetStartX() : pattern.GetStartU()).GetText();
    default: {
        const int count = x ? pattern.GetCountX() : pattern.GetCountU();
        return std::to_string(count - 1) + "@" + (x ? pattern.GetIncrementX() : pattern.GetIncrementU()).GetText();
    }
    }
}

bool CDetailingDimRect::TextFits() const
{
    const fw::Size extent = Dc().GetTextExtent(GetText());
    const double length = GetLineLength();
    if (GetKind() == originToPlane && IsAlongX())
        return length - 2 >= extent.cx;
    if (GetKind() == planeToFirst && IsAlongX())
        return length - 6 >= extent.cx && double(extent.cy) / GetLevel() <= 1.0;
    return length - 6 >= extent.cx;
}

bool CDetailingDimRect::Build()
{
    if (!Exists())
        return false;
    SetText(MakeText());
    SetLevel();
    Layout();
    SetFits(TextFits());
    SetOwnMember();
    return GetRect().IsSet();
}

void CDetailingDimRect::SetRectAlong(const CDimTPoint& a, const CDimTPoint& b, const CDimTPoint& n, double near,
                                     double far)
{
    SetRect(CDimRect(Along(a, n, near), Along(a, n, far), Along(b, n, far), Along(b, n, near)));
}

void CDetailingDimRect::SetRectAngled(const CDimTPoint& a, const CDimTPoint& b)
{
    const CDimLineSegment& axis = IsAlongX() ? XAxis() : UAxis();
    const double length = axis.GetLength();
    const double tx = (axis.GetEnd().GetX() - axis.GetStart().GetX()) / length;
    const double ty = (axis.GetEnd().GetY() - axis.GetStart().GetY()) / length;
    CDimTPoint n(-ty, tx);
    if (IsAlongX() ? n.GetY() > 0 : n.GetX() > 0)
        n = CDimTPoint(ty, -tx);
    double reach = Dot(PlaneCorner(), n);
    for (int k = 0; k < kCornerCount; ++k)
        if (IsSet(GetCorner(k)))
            reach = std::max(reach, Dot(GetCorner(k), n));
    const double line = reach + GetLineOffset();
    const double level = GetLevel();
    const CDimTPoint c1 = Along(a, n, line - Dot(a, n));
    const CDimTPoint c4 = Along(b, n, line - Dot(b, n));
    SetRect(CDimRect(c1, Along(c1, n, level), Along(c4, n, level), c4));
}

void CDetailingDimRect::MoveOut()
{
    const double level = GetLevel();
    if (GetKind() == originToPlane || GetAngle() == 0.0) {
        if (IsAlongX())
            Translate(0, GetKind() == firstToLast ? -16 : -level);
        else
            Translate(-16, 0);
        return;
    }
    const CDimTPoint& c1 = C(1);
    const CDimTPoint& c2 = C(2);
    const double length = c1.Distance(c2);
    if (length == 0.0)
        return;
    Translate(level * (c2.GetX() - c1.GetX()) / length, level * (c2.GetY() - c1.GetY()) / length);
}

void CDetailingDimRect::Draw()
{
    fw::DrawContext& dc = Dc();
    const fw::Pen previous = dc.SelectPen(kExtensionPen);
    DrawExtensionLines();
    dc.SelectPen(kDimensionPen);
    CQuickDrawZelbo::DrawTick(dc, C(1));
    CQuickDrawZelbo::DrawTick(dc, C(4));
    if (GetTextWidthOnLine() != 0 && IsLongLine(dc.GetTextExtent("<" + GetText() + ">").cx))
        CQuickDrawZelbo::DrawLongDimension(dc, GetLine(), GetText());
    else
        DrawLine(C(1), C(4));
    dc.SelectPen(previous);
}

// ---- origin to reference plane: from the part's origin to the plane's point, 16 units off
// the face, at any plane angle.

void CDetailingDimRectOrgToRef::Layout() { SetRectAlongX(0, PlanePoint().GetX(), 16, GetLevel() + 16); }

void CDetailingDimRectOrgToRef::DrawExtensionLines() const
{
    DrawLine(W(2), W(3));
    DrawLine(C(1), kOrigin);
    DrawLine(C(4), PlaneCorner());
}

void CDetailingDimRectOrgToRefU::Layout() { SetRectInU(0, PlanePoint().GetY(), 16, GetLevel() + 16); }

void CDetailingDimRectOrgToRefU::DrawExtensionLines() const
{
    DrawLine(W(0), W(1));
    DrawLine(C(1), kOrigin);
    DrawLine(C(4), PlaneCorner());
}

// ---- reference plane to the first element

void CDetailingDimRectRefTo1st::Layout()
{
    const int level = GetLevel();
    switch (GetLie()) {
    case Lie::horizontal: SetRectAlongX(PlanePoint().GetX(), E(2).GetX(), level, 2 * level); break;
    case Lie::vertical: SetRectAlongX(SecondFirstOrPlane().GetX(), E(2).GetX(), GetLineOffset(), level + GetLineOffset()); break;
    case Lie::angled: SetRectAngled(PlaneCorner(), E(2)); break;
    }
}

void CDetailingDimRectRefTo1st::DrawExtensionLines() const
{
    if (IsCentredVertical()) {
        DrawLine(C(1), F(3));
        DrawLine(C(4), E(3));
        return;
    }
    DrawLine(C(1), PlaneCorner());
    DrawLine(C(4), E(1));
    DrawLine(W(10), W(11));
}

void CDetailingDimRectRefTo1stU::Layout()
{
    const int level = GetLevel();
    const int offset = GetLineOffset();
    switch (GetLie()) {
    case Lie::horizontal:
        if (IsCentred())
            SetRectAlong(F(2), E(2), {-1, 0}, offset, level + offset);
        else
            SetRectAlong({E(1).GetX(), PlaneCorner().GetY()}, {E(1).GetX(), E(2).GetY()}, {-1, 0}, level, 2 * level);
        break;
    // Across the face both halves' first elements share their y, so E2 stands for F2.
    case Lie::vertical: SetRectInU(E(2).GetY(), PlanePoint().GetY(), offset, level + offset); break;
    case Lie::angled: SetRectAngled(SecondFirstOrPlane(), E(2)); break;
    }
}

void CDetailingDimRectRefTo1stU::DrawExtensionLines() const
{
    if (!IsCentred()) {
        DrawLine(C(1), PlaneCorner());
        DrawLine(C(4), E(2));
    } else if (HasVerticalAxis()) {
        DrawLine(C(1), W(9));
        DrawLine(C(4), PlanePoint());
    } else {
        DrawLine(C(1), F(2));
        DrawLine(C(4), E(2));
    }
}

// ---- first to last element

void CDetailingDimRect1stToLast::Layout()
{
    const int level = GetLevel();
    switch (GetLie()) {
    case Lie::horizontal: SetRectAlongX(E(2).GetX(), E(3).GetX(), level, 2 * level); break;
    case Lie::vertical: SetRectAlongX(E(2).GetX(), E(1).GetX(), GetLineOffset(), level + GetLineOffset()); break;
    case Lie::angled: SetRectAngled(E(2), E(3)); break;
    }
}

void CDetailingDimRect1stToLast::DrawExtensionLines() const
{
    if (!IsCentredVertical()) {
        DrawLine(C(1), E(1));
        DrawLine(C(4), E(4));
        DrawLine(W(10), W(11));
        DrawLine(W(14), W(15));
        return;
    }
    DrawLine(C(1), E(3));
    DrawLine(E(2), E(3));
    DrawLine(C(4), E(4));
    DrawLine(E(1), E(4));
    for (const Member& m : GetMembers()) {
        DrawLine(C(1), m.corners[1]);
        DrawLine(m.corners[1], m.corners[2]);
        DrawLine(C(4), m.corners[0]);
        DrawLine(m.corners[0], m.corners[3]);
    }
}

void CDetailingDimRect1stToLastU::Layout()
{
    const int level = GetLevel();
    switch (GetLie()) {
    case Lie::horizontal: SetRectAlong(E(2), E(1), {-1, 0}, level, 2 * level); break;
    case Lie::vertical: SetRectInU(E(2).GetY(), E(3).GetY(), GetLineOffset(), level + GetLineOffset()); break;
    case Lie::angled: SetRectAngled(E(2), E(1)); break;
    }
}

void CDetailingDimRect1stToLastU::DrawExtensionLines() const
{
    if (!IsCentred()) {
        DrawLine(C(1), E(2));
        DrawLine(C(4), E(1));
        DrawLine(W(20), W(21));
        DrawLine(W(16), W(17));
    } else if (HasVerticalAxis()) {
        DrawLine(C(1), E(2));
        DrawLine(C(4), E(3));
    } else {
        DrawLine(C(1), E(3));
        DrawLine(C(4), E(4));
    }
}
