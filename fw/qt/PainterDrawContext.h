#pragma once
// A draw context on a QPainter (widget, image or printer). The context maps logical units to
// the painter's device coordinates itself; text stays upright on flipped axes and its size
// follows the vertical scale.

#include "fw/core/Drawing.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <optional>
#include <string>
#include <unordered_map>

namespace fw {

class PainterDrawContext : public DrawContext {
public:
    // The painter is not owned and must outlive the context. Its own transformation is left as
    // it is (normally none).
    explicit PainterDrawContext(QPainter& painter);

    void Polyline(std::span<const Point> points) override;
    void Polygon(std::span<const Point> points) override;
    void Rectangle(const Rect& r) override;
    void Ellipse(const Rect& r) override;
    void Arc(const Rect& bounds, Point start, Point end) override;
    void FillRect(const Rect& r, const Brush& brush) override;
    void TextOut(int x, int y, const std::string& text) override;
    Size GetTextExtent(const std::string& text) const override;
    TextMetrics GetTextMetrics() const override;

protected:
    void DrawLine(Point from, Point to) override;

private:
    void PrepareOutline(bool filled);
    QPolygon DevicePolygon(std::span<const Point> points) const;
    QRect DeviceRect(const Rect& r) const;    // normalised, in device units
    QRect OutlineRect(const Rect& r) const;   // the outline of a figure, right and bottom edges excluded
    QFont MakeDeviceFont() const;
    // The current font at the device's scale and its metrics, made again only when the font
    // (its angle aside) or the scale changed.
    const QFont& DeviceFont() const;
    const QFontMetrics& Metrics() const;
    // The advance of a text in device pixels, measured once per text and font.
    int Advance(const std::string& text) const;

    QPainter& painter_;
    // The painter's pen, brush and background as last made from the context's. Handing the
    // painter the same objects again lets it skip updating its engine.
    struct DevicePen {
        Pen pen;
        int width;   // in device pixels
        bool operator==(const DevicePen&) const = default;
    };
    struct MadeOutline {
        std::optional<DevicePen> pen;
        QPen qpen;
        std::optional<Brush> brush;
        QBrush qbrush;
        std::optional<Color> background;
        QBrush qbackground;
    } made_;
    struct FontKey {
        Font font;
        double scaleX;
        double scaleY;
        bool operator==(const FontKey&) const = default;
    };
    void Refresh() const;

    mutable std::optional<FontKey> key_;
    mutable std::optional<QFont> font_;
    mutable std::optional<QFontMetrics> metrics_;
    mutable std::unordered_map<std::string, int> advances_;
};

} // namespace fw
