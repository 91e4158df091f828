#pragma once
// The small marks that face views and detailing share: dimension ticks, the stubs of long
// dimensions and dots. Every call selects its own pen (and brush) and selects the previous
// ones again before it returns.

#include "fw/core/Drawing.h"

#include <string>

class CDimLineSegment;
class CDimTPoint;

class CQuickDrawZelbo {
public:
    static constexpr fw::Color kMarkColor = fw::Rgb(125, 50, 200);
    static constexpr fw::Color kLineColor = fw::Rgb(0, 0, 255);

    // A 45-degree tick through the point, 3 units each way.
    static void DrawTick(fw::DrawContext& dc, const CDimTPoint& point);
    // From each end of the line, a stub toward the other end as long as "<" + text + ">" in
    // the current font plus 4 units, ending in a circle of radius 3.
    static void DrawLongDimension(fw::DrawContext& dc, const CDimLineSegment& line, const std::string& text);
    // A filled dot of radius 2.
    static void DrawOriginDot(fw::DrawContext& dc, int x, int y);
    static void DrawPointDot(fw::DrawContext& dc, const CDimTPoint& point);
};
