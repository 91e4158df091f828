#include "partprog/DetailingTextRect.h"

#include "fw/core/Drawing.h"
#include "model/Pattern.h"


namespace {

constexpr fw::Pen kLabelPen{fw::PenStyle::Solid, 0, fw::Rgb(0, 0, 255)};
constexpr fw::Pen kLeaderPen{fw::PenStyle::Solid, 0, fw::Rgb(186, 185, 196)};

CDimTPoint Shifted(const CDimTPoint& p, double dx, double dy) { return {p.GetX() + dx, p.GetY() + dy}; }

} // namespace

bool CDetailingTextRect::InitLabel(CDetailingObject& dimension)
{
    if (dimension.GetText().empty() || !dimension.GetPattern())
        return false;
    owner_ = &dimension;
    TakeOwnerValues(dimension);
    if (!Prepare())
        return false;
    SetLevel();
    const int width = Dc().GetTextExtent(GetText()).cx;
    SetRect(MakeRect(width));
    SetFits(width <= GetLineLength());
    SetOwnMember();
    return true;
}

double CDetailingTextRect::GrowthSign() const { return Plane().GetXDirection() == '+' ? 1.0 : -1.0; }

// Under the middle of the owner's dimension line, a level beyond it (never nearer the face
// than its U = 0 edge), growing along x with the plane's X direction.
CDimRect CDetailingTextRect::MakeRect(int textWidth) const
{
    const CDimTPoint& anchor = Owner().GetAnchor();
    const double level = GetLevel();
    const double y = anchor.GetY() - level < 0 ? anchor.GetY() - level : 0.0;
    const CDimTPoint c1(anchor.GetX(), y);
    const CDimTPoint c2(anchor.GetX(), y - level);
    const double dx = GrowthSign() * (textWidth + 2);
    return CDimRect(c1, c2, Shifted(c2, dx, 0), Shifted(c1, dx, 0));
}

// Left of the owner by the text width and 40 units, level with its far end.
CDimRect CDetailingTextRectU::MakeRect(int textWidth) const
{
    const CDimRect& owner = Owner().GetRect();
    const CDimTPoint c1(owner.GetCorner(0).GetX() - (textWidth + 40), owner.GetCorner(2).GetY());
    const CDimTPoint c2(c1.GetX(), c1.GetY() - GetLevel());
    const double dx = GrowthSign() * (textWidth + 2);
    return CDimRect(c1, c2, Shifted(c2, dx, 0), Shifted(c1, dx, 0));
}

CDimTPoint CDetailingTextRect::Step() const { return {4 * GrowthSign(), -16}; }

CDimTPoint CDetailingTextRectU::Step() const { return {-16, Plane().GetUDirection() == '+' ? -4.0 : 4.0}; }

double CDetailingTextRect::OwnerCoverLeast() const
{
    return CDimTPoint::RoundHalfAway(Across(Owner().GetWorkPoint(IsAlongX() ? 6 : 4)));
}

bool CDetailingTextRect::TooClose() const
{
    const double level = GetLevel();
    const double first = Across(GetRect().GetCorner(0));
    const CDimRect& owner = Owner().GetRect();
    for (int k = 0; k < 4; ++k)
        if (first >= Across(owner.GetCorner(k)) - level)
            return true;
    const double cover = OwnerCoverLeast() - level;
    for (int k = 0; k < 4; ++k)
        if (Across(GetRect().GetCorner(k)) >= cover)
            return true;
    return false;
}

void CDetailingTextRect::MoveOut()
{
    const CDimTPoint step = Step();
    int steps = 0;
    do
        Translate(step.GetX(), step.GetY());
    while (TooClose() && ++steps < kMaxSteps);
}

void CDetailingTextRect::Draw()
{
    fw::DrawContext& dc = Dc();
    const fw::Pen previousPen = dc.SelectPen(kLabelPen);
    dc.SetTextColor(fw::Rgb(50, 50, 50));
    dc.SetTextAlign(fw::AlignBottom | fw::AlignLeft);
    dc.SetBkMode(fw::BkMode::Opaque);
    fw::Font font = dc.CurrentFont();
    font.height = 0;
    font.width = 0;
    font.escapement = 0;
    font.weight = 400;
    font.italic = false;
    font.faceName = "Courier New";
    const fw::Font previousFont = dc.SelectFont(font);

    const CDimTPoint& anchor = GetAnchor();
    dc.SelectPen(kLeaderPen);
    DrawLine(Shifted(anchor, 0, -1), Owner().GetAnchor());
    dc.SelectPen(kLabelPen);
    DrawLine(GetRect().GetCorner(3), GetRect().GetCorner(0));
    const int width = dc.GetTextExtent(GetText()).cx;
    dc.TextOut(anchor.GetDeviceX() - width / 2, GetRect().GetCorner(0).GetDeviceY(), GetText());

    dc.SelectFont(previousFont);
    dc.SelectPen(previousPen);
}
