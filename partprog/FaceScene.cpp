#include "partprog/FaceScene.h"

#include "model/PatternList.h"
#include "model/StencilPatternList.h"
#include "partprog/DetailSettings.h"
#include "partprog/DetailingLayout.h"
#include "partprog/QuickDrawZelbo.h"

#include <algorithm>
#include <cmath>

namespace facescroll {

double UnitPixels(int clientWidth, int lengthPixels, const ScrollBarState& bar)
{
    const int range = bar.max - bar.min;
    return range > 0 ? double(clientWidth + lengthPixels) / range : 0.0;
}

int PositionForX(int x, int clientWidth, int lengthPixels, const ScrollBarState& bar)
{
    const double unit = UnitPixels(clientWidth, lengthPixels, bar);
    if (unit <= 0.0)
        return bar.min;
    const double pos = x / unit;
    return int(std::clamp(pos, double(bar.min), double(bar.max)));
}

int ResetPage(const ScrollBarState& bar, int clientWidth, int clientWidthLogical, int lengthPixels)
{
    const int range = bar.max - bar.min;
    const double a = double(clientWidth) + lengthPixels, w = clientWidthLogical;
    if (w <= 0.0 || a < w)
        return std::max(bar.max, 1);
    return std::max(int(range / (a / w + 1.0)), 1);
}

double VerticalUnitPixels(int depthPixels, int page)
{
    return page > 0 ? std::max(double(depthPixels) / page, 1.0) : 0.0;
}

} // namespace facescroll

namespace {

constexpr int kMinimumExtent = 32;   // two inches
constexpr fw::Pen kMarkerPen{fw::PenStyle::Solid, 0, fw::Rgb(0, 255, 0)};

void DrawPlaneWithCorner(fw::DrawContext& dc, const CRefPlane& plane)
{
    plane.Draw(dc);
    CQuickDrawZelbo::DrawPointDot(dc, plane.GetCornerPoint());
}

} // namespace

double FaceScene::Scale(fw::Size client) const
{
    if (client.cx <= 0 || client.cy <= 0)
        return 0.0;
    return double(std::min(client.cx, client.cy)) / std::max(2 * dims.depth, kMinimumExtent);
}

fw::Size FaceScene::ExtentPixels(const fw::DrawContext& dc) const
{
    const fw::Point origin = dc.LPtoDP({0, 0});
    const fw::Point far = dc.LPtoDP({dims.length, dims.depth});
    return {std::abs(far.x - origin.x), std::abs(far.y - origin.y)};
}

bool FaceScene::Map(fw::DrawContext& dc, const FaceViewport& viewport) const
{
    if (viewport.client.cx <= 0 || viewport.client.cy <= 0)
        return false;
    const int extent = std::max(2 * dims.depth, kMinimumExtent);
    dc.SetMapMode(fw::MapMode::Isotropic);
    dc.SetWindowOrg({0, 0});
    dc.SetViewportOrg({0, 0});
    dc.SetWindowExt({extent, extent});
    dc.SetViewportExt(viewport.client);
    const fw::Size pixels = ExtentPixels(dc);

    const double unit = facescroll::UnitPixels(viewport.client.cx, pixels.cx, viewport.horizontal);
    const int x = int(viewport.client.cx / 2 - unit * viewport.horizontal.pos);
    const double step = facescroll::VerticalUnitPixels(pixels.cy, viewport.verticalPage);
    const int y = int((viewport.client.cy - pixels.cy) / 2 - step * viewport.verticalOffset);
    dc.SetViewportOrg({x, y});
    if (IsFlipped(*kind, channelLeg)) {
        dc.SetViewportOrg(dc.LPtoDP({0, Height()}));
        dc.SetViewportExt({viewport.client.cx, -viewport.client.cy});
    }
    return true;
}

void FaceScene::Draw(fw::DrawContext& dc, const fw::Rect& clip) const
{
    dc.SetBkMode(fw::BkMode::Transparent);
    DrawFaceOutline(dc, *kind, dims, clip);
    if (plane)
        plane->Draw(dc);
    if (patterns)
        for (const CPattern& pattern : *patterns)
            pattern.Draw(dc, clip);

    // Detailing, planes before lines; a group set to the current pattern draws nothing while
    // the face has none.
    if (details && patterns) {
        if (details->AllPlanes() || (details->CurrentPlanes() && current)) {
            CQuickDrawZelbo::DrawOriginDot(dc, 0, 0);
            if (details->AllPlanes())
                for (const CPattern& pattern : *patterns)
                    DrawPlaneWithCorner(dc, pattern.GetRefPlane());
            else
                DrawPlaneWithCorner(dc, current->GetRefPlane());
        }
        if (details->AllLines() || (details->CurrentLines() && current)) {
            DetailingLayout once;
            DetailingLayout& kept = layout ? *layout : once;
            kept.For(*patterns, details->AllLines() ? nullptr : current, dc, {dims.depth, dims.length}).DrawAllOn(dc);
        }
    }
    if (stencils)
        stencils->Draw(dc);

    const fw::Pen previous = dc.SelectPen(kMarkerPen);
    dc.MoveTo(marker.x - 16, marker.y);
    dc.LineTo(marker.x + 16, marker.y);
    dc.MoveTo(marker.x, marker.y - 16);
    dc.LineTo(marker.x, marker.y + 16);
    dc.SelectPen(previous);
}
