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
    Pen previous = std::exchange(pen_, pen);
    OnAttributeChanged(Attribute::Pen);
    return previous;
}

Brush DrawContext::SelectBrush(const Brush& brush)
{
    Brush previous = std::exchange(brush_, brush);
    OnAttributeChanged(Attribute::Brush);
    return previous;
}

Font DrawContext::SelectFont(const Font& font)
{
    Font previous = std::exchange(font_, font);
    OnAttributeChanged(Attribute::Font);
    return previous;
}

Color DrawContext::SetTextColor(Color color)
{
    Color previous = std::exchange(textColor_, color);
    OnAttributeChanged(Attribute::TextColor);
    return previous;
}

Color DrawContext::SetBkColor(Color color)
{
    Color previous = std::exchange(bkColor_, color);
    OnAttributeChanged(Attribute::BkColor);
    return previous;
}

BkMode DrawContext::SetBkMode(BkMode mode)
{
    BkMode previous = std::exchange(bkMode_, mode);
    OnAttributeChanged(Attribute::BkMode);
    return previous;
}

unsigned DrawContext::SetTextAlign(unsigned align)
{
    unsigned previous = std::exchange(textAlign_, align);
    OnAttributeChanged(Attribute::TextAlign);
    return previous;
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
    Point previous = std::exchange(windowOrg_, origin);
    OnAttributeChanged(Attribute::WindowOrg);
    return previous;
}

Point DrawContext::SetViewportOrg(Point origin)
{
    Point previous = std::exchange(viewportOrg_, origin);
    OnAttributeChanged(Attribute::ViewportOrg);
    return previous;
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
