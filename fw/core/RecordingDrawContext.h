#pragma once
// A draw context that writes every call as a line of text, for headless tests of drawing code.
// Coordinates are recorded as given (logical units). Text is measured with fixed metrics: a
// character is 3/5 of the font height wide (rounded) unless the font gives a width; the
// default font height is 16; the ascent is 4/5 of the height (rounded), no external leading.

#include "fw/core/FwCoreExport.h"
#include "fw/core/Drawing.h"

#include <string>
#include <vector>

namespace fw {

class FW_CORE_EXPORT RecordingDrawContext : public DrawContext {
public:
    static constexpr int kDefaultFontHeight = 16;

    // One line per call, e.g. "Pen solid 0 #0000FF", "MoveTo 0 0", "LineTo 10 20",
    // "TextOut 5 5 \"A\"".
    const std::vector<std::string>& Lines() const { return lines_; }
    // The lines joined, each ended by '\n'.
    std::string Text() const;
    void Clear() { lines_.clear(); }

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
    void OnAttributeChanged(Attribute what) override;
    void OnMoveTo(Point p) override;
    void DrawLine(Point from, Point to) override;

private:
    void Record(std::string line) { lines_.push_back(std::move(line)); }

    std::vector<std::string> lines_;
};

} // namespace fw
