#include "partprog/QuickDrawZelbo.h"

#include "partprog/DimLineSegment.h"

namespace {

constexpr fw::Pen SolidPen(fw::Color color) { return {fw::PenStyle::Solid, 0, color}; }

fw::Point Device(const CDimTPoint& p) { return {p.GetDeviceX(), p.GetDeviceY()}; }

} // namespace

void CQuickDrawZelbo::DrawTick(fw::DrawContext& dc, const CDimTPoint& point)
{
    const fw::Pen previous = dc.SelectPen(SolidPen(kMarkColor));
    const fw::Point p = Device(point);
    dc.MoveTo(p);
    dc.LineTo(p.x - 3, p.y - 3);
    dc.MoveTo(p);
    dc.LineTo(p.x + 3, p.y + 3);
    dc.SelectPen(previous);
}

// The stubs run along the line itself, so that on a sloped line they stay as long as the text
// they carry.
void CQuickDrawZelbo::DrawLongDimension(fw::DrawContext& dc, const CDimLineSegment& line, const std::string& text)
{
    const double length = line.GetLength();
    if (!IsSet(length) || length == 0.0)
        return;
    const fw::Pen previous = dc.SelectPen(SolidPen(kLineColor));
    const double stub = dc.GetTextExtent("<" + text + ">").cx + 4;
    const double ux = (line.GetEnd().GetX() - line.GetStart().GetX()) / length;
    const double uy = (line.GetEnd().GetY() - line.GetStart().GetY()) / length;
    const auto drawStub = [&](const CDimTPoint& from, double direction) {
        const CDimTPoint to(from.GetX() + direction * stub * ux, from.GetY() + direction * stub * uy);
        const fw::Point end = Device(to);
        dc.MoveTo(Device(from));
        dc.LineTo(end);
        dc.Ellipse({end.x - 3, end.y - 3, end.x + 3, end.y + 3});
    };
    drawStub(line.GetStart(), 1.0);
    drawStub(line.GetEnd(), -1.0);
    dc.SelectPen(previous);
}

void CQuickDrawZelbo::DrawOriginDot(fw::DrawContext& dc, int x, int y)
{
    const fw::Pen previousPen = dc.SelectPen(SolidPen(kMarkColor));
    const fw::Brush previousBrush = dc.SelectBrush({fw::BrushStyle::Solid, fw::Rgb(0, 0, 0)});
    dc.Ellipse({x - 2, y - 2, x + 2, y + 2});
    dc.SelectBrush(previousBrush);
    dc.SelectPen(previousPen);
}

void CQuickDrawZelbo::DrawPointDot(fw::DrawContext& dc, const CDimTPoint& point)
{
    DrawOriginDot(dc, point.GetDeviceX(), point.GetDeviceY());
}
