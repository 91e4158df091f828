#include "partprog/FaceKind.h"

#include "model/DeviceUnits.h"
#include "model/RefPlane.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace {

using enum FaceLineAt;
constexpr FaceLineAt kGap[] = {halfGapLow, halfGapHigh};
constexpr FaceLineAt kFlanges[] = {flange, depthLessFlange};
constexpr FaceLineAt kFlange[] = {flange};
constexpr FaceLineAt kWeb[] = {web};
constexpr FaceLineAt kWebs[] = {web, widthLessWeb};

using K = FaceViewKind;
using F = FaceFlip;
using V = FaceVariant;

// clang-format off
constexpr FaceKindInfo kKinds[] = {
    // kind         class              code   dir  W-high flip          variant      tool         writes faceCopy centre dashed lines
    {K::beamTF,     "CBeamTFView",     0x120, -1, true,  F::atWidth,  V::topDown,  "TF Tool",   true,  true,  true,  true,  kGap},
    {K::beamWeb,    "CBeamWebView",    0x110, +1, false, F::none,     V::web,      "Web Tool",  true,  false, false, false, kFlanges},
    {K::beamBF,     "CBeamBFView",     0x130, +1, true,  F::none,     V::bottomUp, "BF Tool",   true,  true,  true,  true,  kGap},
    {K::angleTF,    "CAngleTFView",    0x220, +1, true,  F::none,     V::bottomUp, "TF Tool",   true,  true,  false, true,  kWeb},
    {K::angleWeb,   "CAngleWebView",   0x210, +1, false, F::none,     V::web,      "Web Tool",  true,  true,  false, false, kFlange},
    {K::channelTF,  "CChannelTFView",  0x320, -1, true,  F::legClear, V::topDown,  "TF Tool",   true,  true,  false, true,  kWeb},
    {K::channelWeb, "CChannelWebView", 0x310, +1, false, F::none,     V::web,      "Web Tool",  false, false, false, true,  kFlanges},
    {K::channelBF,  "CChannelBFView",  0x330, +1, true,  F::legSet,   V::bottomUp, "BF Tool",   true,  true,  false, true,  kWeb},
    {K::flatBarWeb, "CFlatBarWebView", 0x600, +1, false, F::none,     V::web,      "Web Tool",  true,  false, false, false, {}},
    {K::tTF,        "CTTFView",        0x420, -1, true,  F::atWidth,  V::topDown,  "TF Tool",   true,  false, true,  true,  kGap},
    {K::tWeb,       "CTWebView",       0x410, +1, false, F::none,     V::web,      "Web Tool",  true,  false, false, false, kFlange},
    {K::tubeTF,     "CTubeTFView",     0x520, -1, true,  F::atWidth,  V::topDown,  "TF Tool",   true,  true,  false, true,  kWebs},
    {K::tubeWeb,    "CTubeWebView",    0x510, +1, false, F::none,     V::web,      "Web Tool",  true,  true,  false, true,  kFlanges},
    {K::tubeBF,     "CTubeBFView",     0x530, +1, true,  F::none,     V::bottomUp, "BF Tool",   true,  true,  false, true,  kWebs},
    {K::tubeWeb2,   "CTubeWeb2View",   0x540, -1, false, F::atDepth,  V::topDown,  "Web2 Tool", true,  true,  false, true,  kFlanges},
};
// clang-format on

int LineHeight(FaceLineAt at, const FaceDims& d)
{
    switch (at) {
    case halfGapLow: return (d.flangeWidth - d.webThickness) / 2;
    case halfGapHigh: return d.flangeWidth - (d.flangeWidth - d.webThickness) / 2;
    case flange: return d.flangeThickness;
    case depthLessFlange: return d.depth - d.flangeThickness;
    case web: return d.webThickness;
    case widthLessWeb: return d.flangeWidth - d.webThickness;
    }
    return 0;
}

bool Holds(const fw::Rect& outer, const fw::Rect& inner)
{
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

bool Meets(const fw::Rect& a, const fw::Rect& b)
{
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

} // namespace

FaceDims FaceDims::Of(const CPartShape& shape, double partLength)
{
    return {InchesToDevice(shape.GetDepth()), InchesToDevice(shape.GetFlangeThickness()),
            InchesToDevice(shape.GetWebThickness()), InchesToDevice(shape.GetFlangeWidth()),
            InchesToDevice(partLength)};
}

std::span<const FaceKindInfo> FaceKinds() { return kKinds; }

const FaceKindInfo& FaceKindOf(FaceViewKind kind)
{
    const auto found = std::find_if(std::begin(kKinds), std::end(kKinds), [kind](const auto& k) { return k.kind == kind; });
    if (found == std::end(kKinds))
        throw std::invalid_argument("unknown face view kind");
    return *found;
}

int FaceHeight(const FaceKindInfo& info, const FaceDims& dims) { return info.flangeHigh ? dims.flangeWidth : dims.depth; }

bool IsFlipped(const FaceKindInfo& info, int channelLeg)
{
    switch (info.flip) {
    case FaceFlip::atWidth:
    case FaceFlip::atDepth: return true;
    case FaceFlip::legClear: return channelLeg == 0;
    case FaceFlip::legSet: return channelLeg == 1;
    case FaceFlip::none: return false;
    }
    return false;
}

void DrawFaceOutline(fw::DrawContext& dc, const FaceKindInfo& info, const FaceDims& dims, fw::Rect clip)
{
    clip.Normalize();
    const int h = FaceHeight(info, dims), l = dims.length;
    const fw::Rect face{0, 0, l, h};
    if (Holds(clip, face)) {
        const fw::Point corners[] = {{0, 0}, {l, 0}, {l, h}, {0, h}, {0, 0}};
        dc.Polyline(corners);
    } else if (Meets(clip, face)) {
        const auto edge = [&](fw::Point a, fw::Point b) {
            fw::Rect box{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
            if (Meets(clip, box)) {
                dc.MoveTo(a);
                dc.LineTo(b);
            }
        };
        edge({0, 0}, {l, 0});
        edge({l, 0}, {l, h});
        edge({l, h}, {0, h});
        edge({0, h}, {0, 0});
    }
    if (info.lines.empty())
        return;
    const fw::Pen previous = dc.CurrentPen();
    if (info.dashedLines)
        dc.SelectPen({fw::PenStyle::Dash, 0, fw::Rgb(0, 0, 0)});
    for (const FaceLineAt at : info.lines) {
        const int y = LineHeight(at, dims);
        if (!Meets(clip, {0, y, l, y}))
            continue;
        dc.MoveTo(0, y);
        dc.LineTo(l, y);
    }
    if (info.dashedLines)
        dc.SelectPen(previous);
}

bool ApplyRefPlaneCommand(const FaceKindInfo& info, CRefPlane& plane, int command, double height, double length)
{
    double x = plane.GetStartX().GetValue(), u = plane.GetStartU().GetValue();
    double rise = plane.GetRise().GetValue(), run = plane.GetRun().GetValue();
    int type = plane.GetPatternType() == 'B' ? 1 : plane.GetPatternType() == 'C' ? 2 : 0;
    int xNegative = plane.GetXDirection() == '-', uNegative = plane.GetUDirection() == '-';

    // Top or bottom edge: from the top down (U from 0, '+') or from the bottom up (U from H, '-').
    const auto fromEdge = [&](bool top) {
        u = top ? 0.0 : height;
        type = 0;
        uNegative = top ? 0 : 1;
        if (rise != 0.0 && run == 0.0)
            rise = run = 0.0;
    };
    const bool topDown = info.variant == FaceVariant::topDown;
    switch (command) {
    case planeBottom: fromEdge(topDown); break;
    case planeTop: fromEdge(!topDown); break;
    case planeCenter:
        u = height * 0.5;
        type = 2;
        uNegative = 0;
        break;
    case planeStart:
        x = 0.0;
        xNegative = 0;
        break;
    case planeEnd:
        x = length;
        xNegative = 1;
        break;
    case planeCenteredDown:
    case planeCenteredUp:
        rise = command == planeCenteredDown ? 12.0 : -12.0;
        run = 0.0;
        xNegative = 0;
        type = 2;
        break;
    case planeCycleType: type = (type + 1) % 3; break;
    case planeHorizontal: rise = run = 0.0; break;
    default: return false;
    }
    plane.SetFromDialog(x, u, xNegative, uNegative, rise, run, type);
    return info.variant == FaceVariant::web || (command != planeBottom && command != planeTop);
}

std::optional<std::pair<double, double>> SlopeForDegrees(int degrees, bool counterClockwise, int direction,
                                                         char uDirection)
{
    if (std::abs(degrees) % 90 == 0)
        return std::nullopt;
    int a = counterClockwise ? -degrees : degrees;
    a *= direction;
    if (uDirection == '-')
        a = -a;
    const double radians = a * 3.141592654 / 180.0;
    return std::pair(std::sin(radians), std::cos(radians));
}
