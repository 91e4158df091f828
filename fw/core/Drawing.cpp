#include "fw/core/Drawing.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace fw {

namespace {

int Scaled(int value, double scale)
{
    return int(std::lround(value * scale));
}

int SignOf(int value)
{
    return value < 0 ? -1 : 1;
}

} // namespace

Pen DrawContext::SelectPen(const Pen& pen)
{
    return Replace(pen_, pen, Attribute::Pen);
}

Brush DrawContext::SelectBrush(const Brush& brush)
{
    return Replace(brush_, brush, Attribute::Brush);
}

Font DrawContext::SelectFont(const Font& font)
{
    return Replace(font_, font, Attribute::Font);
}

Color DrawContext::SetTextColor(Color color)
{
    return Replace(textColor_, color, Attribute::TextColor);
}

Color DrawContext::SetBkColor(Color color)
{
    return Replace(bkColor_, color, Attribute::BkColor);
}

BkMode DrawContext::SetBkMode(BkMode mode)
{
    return Replace(bkMode_, mode, Attribute::BkMode);
}

unsigned DrawContext::SetTextAlign(unsigned align)
{
    return Replace(textAlign_, align, Attribute::TextAlign);
}

MapMode DrawContext::SetMapMode(MapMode mode)
{
    MapMode previous = std::exchange(mapMode_, mode);
    if (mode == MapMode::Text)
        windowExt_ = viewportExt_ = Size{1, 1};
    else if (mode == MapMode::Isotropic)
        AdjustIsotropic();
    OnAttributeChanged(Attribute::MapMode);
    return previous;
}

Point DrawContext::SetWindowOrg(Point origin)
{
    return Replace(windowOrg_, origin, Attribute::WindowOrg);
}

Point DrawContext::SetViewportOrg(Point origin)
{
    return Replace(viewportOrg_, origin, Attribute::ViewportOrg);
}

Size DrawContext::SetWindowExt(Size extent)
{
    Size previous = windowExt_;
    if (mapMode_ == MapMode::Text || extent.cx == 0 || extent.cy == 0)
        return previous;
    windowExt_ = extent;
    AdjustIsotropic();
    OnAttributeChanged(Attribute::WindowExt);
    return previous;
}

Size DrawContext::SetViewportExt(Size extent)
{
    Size previous = viewportExt_;
    if (mapMode_ == MapMode::Text || extent.cx == 0 || extent.cy == 0)
        return previous;
    viewportExt_ = extent;
    AdjustIsotropic();
    OnAttributeChanged(Attribute::ViewportExt);
    return previous;
}

// In isotropic mode the axis with the larger scale takes the other axis's scale, keeping its sign.
void DrawContext::AdjustIsotropic()
{
    if (mapMode_ != MapMode::Isotropic)
        return;
    double sx = std::abs(ScaleX());
    double sy = std::abs(ScaleY());
    if (sx < sy)
        viewportExt_.cy = SignOf(viewportExt_.cy) * std::max(1, Scaled(std::abs(windowExt_.cy), sx));
    else if (sy < sx)
        viewportExt_.cx = SignOf(viewportExt_.cx) * std::max(1, Scaled(std::abs(windowExt_.cx), sy));
}

double DrawContext::ScaleX() const
{
    return double(viewportExt_.cx) / windowExt_.cx;
}

double DrawContext::ScaleY() const
{
    return double(viewportExt_.cy) / windowExt_.cy;
}

Point DrawContext::LPtoDP(Point logical) const
{
    return {Scaled(logical.x - windowOrg_.x, ScaleX()) + viewportOrg_.x,
            Scaled(logical.y - windowOrg_.y, ScaleY()) + viewportOrg_.y};
}

Point DrawContext::DPtoLP(Point device) const
{
    return {Scaled(device.x - viewportOrg_.x, 1 / ScaleX()) + windowOrg_.x,
            Scaled(device.y - viewportOrg_.y, 1 / ScaleY()) + windowOrg_.y};
}

void DrawContext::MoveTo(Point p)
{
    position_ = p;
    OnMoveTo(p);
}

void DrawContext::LineTo(Point p)
{
    DrawLine(position_, p);
    position_ = p;
}

} // namespace fw
