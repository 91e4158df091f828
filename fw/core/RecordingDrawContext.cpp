#include "fw/core/RecordingDrawContext.h"

#include <cstdio>
#include <cstdlib>

namespace fw {

namespace {

std::string ColorText(Color c)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", RedOf(c), GreenOf(c), BlueOf(c));
    return text;
}

std::string PointText(Point p)
{
    return std::to_string(p.x) + ' ' + std::to_string(p.y);
}

std::string SizeText(Size s)
{
    return std::to_string(s.cx) + ' ' + std::to_string(s.cy);
}

std::string RectText(const Rect& r)
{
    return PointText({r.left, r.top}) + ' ' + PointText({r.right, r.bottom});
}

std::string PointsText(std::span<const Point> points)
{
    std::string text;
    for (Point p : points)
        text += (text.empty() ? "" : ", ") + PointText(p);
    return text;
}

std::string PenText(const Pen& pen)
{
    static const char* const styles[] = {"solid", "dash", "dot", "dashdot", "null"};
    return std::string(styles[int(pen.style)]) + ' ' + std::to_string(pen.width) + ' ' + ColorText(pen.color);
}

std::string BrushText(const Brush& brush)
{
    return brush.style == BrushStyle::Null ? "null" : "solid " + ColorText(brush.color);
}

std::string FontText(const Font& font)
{
    return '"' + font.faceName + "\" height " + std::to_string(font.height) + " width " + std::to_string(font.width) +
           " escapement " + std::to_string(font.escapement) + " weight " + std::to_string(font.weight) +
           (font.italic ? " italic" : "") + (font.fixedPitch ? " fixed" : "");
}

std::string AlignText(unsigned align)
{
    unsigned h = align & AlignHorizontalMask;
    unsigned v = align & AlignVerticalMask;
    std::string text = h == AlignCenter ? "center" : h == AlignRight ? "right" : "left";
    return text + (v == AlignBaseline ? " baseline" : v == AlignBottom ? " bottom" : " top");
}

std::string MapModeText(MapMode mode)
{
    static const char* const modes[] = {"text", "isotropic", "anisotropic"};
    return modes[int(mode)];
}

} // namespace

std::string RecordingDrawContext::Text() const
{
    std::string text;
    for (const std::string& line : lines_)
        text += line + '\n';
    return text;
}

void RecordingDrawContext::OnAttributeChanged(Attribute what)
{
    switch (what) {
    case Attribute::Pen: Record("Pen " + PenText(CurrentPen())); break;
    case Attribute::Brush: Record("Brush " + BrushText(CurrentBrush())); break;
    case Attribute::Font: Record("Font " + FontText(CurrentFont())); break;
    case Attribute::TextColor: Record("TextColor " + ColorText(GetTextColor())); break;
    case Attribute::BkColor: Record("BkColor " + ColorText(GetBkColor())); break;
    case Attribute::BkMode: Record(GetBkMode() == BkMode::Opaque ? "BkMode opaque" : "BkMode transparent"); break;
    case Attribute::TextAlign: Record("TextAlign " + AlignText(GetTextAlign())); break;
    case Attribute::MapMode: Record("MapMode " + MapModeText(GetMapMode())); break;
    case Attribute::WindowOrg: Record("WindowOrg " + PointText(GetWindowOrg())); break;
    case Attribute::WindowExt: Record("WindowExt " + SizeText(GetWindowExt())); break;
    case Attribute::ViewportOrg: Record("ViewportOrg " + PointText(GetViewportOrg())); break;
    case Attribute::ViewportExt: Record("ViewportExt " + SizeText(GetViewportExt())); break;
    }
}

void RecordingDrawContext::OnMoveTo(Point p)
{
    Record("MoveTo " + PointText(p));
}

void RecordingDrawContext::DrawLine(Point, Point to)
{
    Record("LineTo " + PointText(to));
}

void RecordingDrawContext::Polyline(std::span<const Point> points)
{
    Record("Polyline " + PointsText(points));
}

void RecordingDrawContext::Polygon(std::span<const Point> points)
{
    Record("Polygon " + PointsText(points));
}

void RecordingDrawContext::Rectangle(const Rect& r)
{
    Record("Rectangle " + RectText(r));
}

void RecordingDrawContext::Ellipse(const Rect& r)
{
    Record("Ellipse " + RectText(r));
}

void RecordingDrawContext::Arc(const Rect& bounds, Point start, Point end)
{
    Record("Arc " + RectText(bounds) + ' ' + PointText(start) + ' ' + PointText(end));
}

void RecordingDrawContext::FillRect(const Rect& r, const Brush& brush)
{
    Record("FillRect " + RectText(r) + ' ' + BrushText(brush));
}

void RecordingDrawContext::TextOut(int x, int y, const std::string& text)
{
    Record("TextOut " + PointText({x, y}) + " \"" + text + '"');
}

TextMetrics RecordingDrawContext::GetTextMetrics() const
{
    const Font& font = CurrentFont();
    int height = font.height != 0 ? std::abs(font.height) : kDefaultFontHeight;
    int ascent = (height * 4 + 2) / 5;
    int charWidth = font.width != 0 ? std::abs(font.width) : (height * 3 + 2) / 5;
    return {height, ascent, height - ascent, 0, charWidth};
}

Size RecordingDrawContext::GetTextExtent(const std::string& text) const
{
    TextMetrics metrics = GetTextMetrics();
    return {int(text.size()) * metrics.averageCharWidth, metrics.height};
}

} // namespace fw
