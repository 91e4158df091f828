#pragma once
// A draw context on a QPainter (widget, image or printer). The context maps logical units to
// the painter's device coordinates itself; text stays upright on flipped axes and its size
// follows the vertical scale.

#include "fw/core/Drawing.h"

#include <QFont>
#include <QPainter>

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
    QFont DeviceFont() const;

    QPainter& painter_;
};

} // namespace fw
