#include "fw/qt/PainterDrawContext.h"

#include "fw/qt/QtText.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace fw {

namespace {

// Height of the default font: 12 points at the device's resolution.
constexpr int kDefaultFontPoints = 12;

QColor ToQColor(Color c)
{
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

Qt::PenStyle ToQtPenStyle(PenStyle style)
{
    switch (style) {
    case PenStyle::Dash: return Qt::DashLine;
    case PenStyle::Dot: return Qt::DotLine;
    case PenStyle::DashDot: return Qt::DashDotLine;
    case PenStyle::Null: return Qt::NoPen;
    case PenStyle::Solid: break;
    }
    return Qt::SolidLine;
}

QBrush ToQBrush(const Brush& brush)
{
    return brush.style == BrushStyle::Null ? QBrush(Qt::NoBrush) : QBrush(ToQColor(brush.color));
}

QPoint ToQPoint(Point p)
{
    return {p.x, p.y};
}

// Angle of p seen from the centre of `box`, in degrees counterclockwise on the device, as the
// parameter of the ellipse inside `box`.
double EllipseAngle(const QRectF& box, QPointF p)
{
    QPointF c = box.center();
    double radians = std::atan2(-(p.y() - c.y()) / (box.height() / 2), (p.x() - c.x()) / (box.width() / 2));
    return radians * 180 / std::numbers::pi;
}

} // namespace

PainterDrawContext::PainterDrawContext(QPainter& painter) : painter_(painter) {}

void PainterDrawContext::PrepareOutline(bool filled)
{
    const Pen& pen = CurrentPen();
    const DevicePen devicePen{pen, pen.width == 0 ? 0 : std::max(1, int(std::lround(pen.width * std::abs(ScaleX()))))};
    if (devicePen != made_.pen) {
        made_.pen = devicePen;
        made_.qpen = QPen(QBrush(ToQColor(pen.color)), devicePen.width, ToQtPenStyle(pen.style));
    }
    if (CurrentBrush() != made_.brush) {
        made_.brush = CurrentBrush();
        made_.qbrush = ToQBrush(CurrentBrush());
    }
    if (GetBkColor() != made_.background) {
        made_.background = GetBkColor();
        made_.qbackground = QBrush(ToQColor(GetBkColor()));
    }
    painter_.setPen(made_.qpen);
    painter_.setBrush(filled ? made_.qbrush : QBrush(Qt::NoBrush));
    painter_.setBackgroundMode(GetBkMode() == BkMode::Opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    painter_.setBackground(made_.qbackground);
}

QPolygon PainterDrawContext::DevicePolygon(std::span<const Point> points) const
{
    QPolygon polygon;
    polygon.reserve(qsizetype(points.size()));
    for (Point p : points)
        polygon << ToQPoint(LPtoDP(p));
    return polygon;
}

QRect PainterDrawContext::DeviceRect(const Rect& r) const
{
    Point a = LPtoDP({r.left, r.top});
    Point b = LPtoDP({r.right, r.bottom});
    Rect device{a.x, a.y, b.x, b.y};
    device.Normalize();
    return QRect(device.left, device.top, device.Width(), device.Height());
}

QRect PainterDrawContext::OutlineRect(const Rect& r) const
{
    QRect device = DeviceRect(r);
    return device.adjusted(0, 0, -1, -1);
}

void PainterDrawContext::DrawLine(Point from, Point to)
{
    PrepareOutline(false);
    painter_.drawLine(ToQPoint(LPtoDP(from)), ToQPoint(LPtoDP(to)));
}

void PainterDrawContext::Polyline(std::span<const Point> points)
{
    PrepareOutline(false);
    painter_.drawPolyline(DevicePolygon(points));
}

void PainterDrawContext::Polygon(std::span<const Point> points)
{
    PrepareOutline(true);
    painter_.drawPolygon(DevicePolygon(points), Qt::OddEvenFill);
}

void PainterDrawContext::Rectangle(const Rect& r)
{
    PrepareOutline(true);
    painter_.drawRect(OutlineRect(r));
}

void PainterDrawContext::Ellipse(const Rect& r)
{
    PrepareOutline(true);
    painter_.drawEllipse(OutlineRect(r));
}

void PainterDrawContext::Arc(const Rect& bounds, Point start, Point end)
{
    QRectF box = OutlineRect(bounds);
    if (box.width() <= 0 || box.height() <= 0)
        return;
    double from = EllipseAngle(box, ToQPoint(LPtoDP(start)));
    double span = EllipseAngle(box, ToQPoint(LPtoDP(end))) - from;
    if (span <= 0)
        span += 360;
    PrepareOutline(false);
    painter_.drawArc(box, int(std::lround(from * 16)), int(std::lround(span * 16)));
}

void PainterDrawContext::FillRect(const Rect& r, const Brush& brush)
{
    if (brush.style != BrushStyle::Null)
        painter_.fillRect(DeviceRect(r), ToQColor(brush.color));
}

QFont PainterDrawContext::MakeDeviceFont() const
{
    const Font& font = CurrentFont();
    QFont qfont;
    if (!font.faceName.empty())
        qfont.setFamily(ToQString(font.faceName));
    if (font.fixedPitch) {
        qfont.setFixedPitch(true);
        qfont.setStyleHint(QFont::TypeWriter);
    }
    int pixels = font.height != 0 ? int(std::lround(std::abs(font.height * ScaleY())))
                                  : kDefaultFontPoints * painter_.device()->logicalDpiY() / 72;
    qfont.setPixelSize(std::max(1, pixels));
    qfont.setWeight(QFont::Weight(std::clamp(font.weight == 0 ? 400 : font.weight, 1, 1000)));
    qfont.setItalic(font.italic);
    if (font.width != 0) {
        double natural = QFontMetricsF(qfont, painter_.device()).averageCharWidth();
        double wanted = std::abs(font.width * ScaleX());
        if (natural > 0)
            qfont.setStretch(std::clamp(int(std::lround(wanted * 100 / natural)), 1, 4000));
    }
    return qfont;
}

void PainterDrawContext::Refresh() const
{
    FontKey key{CurrentFont(), ScaleX(), ScaleY()};
    key.font.escapement = 0;
    if (key_ == key)
        return;
    key_ = key;
    font_ = MakeDeviceFont();
    metrics_.emplace(*font_, painter_.device());
    advances_.clear();
}

const QFont& PainterDrawContext::DeviceFont() const
{
    Refresh();
    return *font_;
}

const QFontMetrics& PainterDrawContext::Metrics() const
{
    Refresh();
    return *metrics_;
}

int PainterDrawContext::Advance(const std::string& text) const
{
    Refresh();
    const auto found = advances_.find(text);
    if (found != advances_.end())
        return found->second;
    const int advance = Metrics().horizontalAdvance(ToQString(text));
    advances_.emplace(text, advance);
    return advance;
}

void PainterDrawContext::TextOut(int x, int y, const std::string& text)
{
    const QFont& font = DeviceFont();
    const QFontMetrics& metrics = Metrics();
    QString qtext = ToQString(text);
    int width = Advance(text);

    unsigned align = GetTextAlign();
    int dx = (align & AlignHorizontalMask) == AlignCenter ? -width / 2
           : (align & AlignHorizontalMask) == AlignRight  ? -width
                                                          : 0;
    int dy = (align & AlignVerticalMask) == AlignBaseline ? 0
           : (align & AlignVerticalMask) == AlignBottom   ? -metrics.descent()
                                                          : metrics.ascent();

    painter_.save();
    painter_.translate(ToQPoint(LPtoDP({x, y})));
    painter_.rotate(-CurrentFont().escapement / 10.0);
    painter_.setBackgroundMode(Qt::TransparentMode);   // the background is filled here, as the mode says
    if (GetBkMode() == BkMode::Opaque)
        painter_.fillRect(QRect(dx, dy - metrics.ascent(), width, metrics.height()), ToQColor(GetBkColor()));
    painter_.setFont(font);
    painter_.setPen(ToQColor(GetTextColor()));
    painter_.drawText(QPoint(dx, dy), qtext);
    painter_.restore();
}

Size PainterDrawContext::GetTextExtent(const std::string& text) const
{
    return {int(std::lround(Advance(text) / std::abs(ScaleX()))),
            int(std::lround(Metrics().height() / std::abs(ScaleY())))};
}

TextMetrics PainterDrawContext::GetTextMetrics() const
{
    const QFontMetrics& metrics = Metrics();
    auto logical = [scale = std::abs(ScaleY())](int device) { return int(std::lround(device / scale)); };
    int ascent = logical(metrics.ascent());
    int descent = logical(metrics.descent());
    return {ascent + descent, ascent, descent, logical(std::max(0, metrics.leading())),
            int(std::lround(metrics.averageCharWidth() / std::abs(ScaleX())))};
}

} // namespace fw
