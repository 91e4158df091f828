#pragma once
// The drawing surface that face views, detailing and reports draw on, modelled on a device
// context: selected drawing tools, text attributes, a logical-to-device mapping and a current
// position. Coordinates are whole logical units.

#include "fw/core/FwCoreExport.h"
#include "fw/core/Geometry.h"

#include <cstdint>
#include <span>
#include <string>

namespace fw {

// A colour as 0x00BBGGRR.
using Color = std::uint32_t;

constexpr Color Rgb(int r, int g, int b)
{
    return Color(r & 0xFF) | Color(g & 0xFF) << 8 | Color(b & 0xFF) << 16;
}
constexpr int RedOf(Color c) { return int(c & 0xFF); }
constexpr int GreenOf(Color c) { return int(c >> 8 & 0xFF); }
constexpr int BlueOf(Color c) { return int(c >> 16 & 0xFF); }

enum class PenStyle { Solid, Dash, Dot, DashDot, Null };

struct FW_CORE_EXPORT Pen {
    PenStyle style = PenStyle::Solid;
    int width = 0;   // logical units; 0 draws one device pixel wide
    Color color = Rgb(0, 0, 0);
    bool operator==(const Pen&) const = default;
};

enum class BrushStyle { Solid, Null };

struct FW_CORE_EXPORT Brush {
    BrushStyle style = BrushStyle::Solid;
    Color color = Rgb(255, 255, 255);
    bool operator==(const Brush&) const = default;
};

struct FW_CORE_EXPORT Font {
    int height = 0;       // character cell height in logical units; 0: the default size
    int width = 0;        // average character width in logical units; 0: follows the height
    int escapement = 0;   // angle of the text line in tenths of a degree, counterclockwise
    int weight = 400;     // 400 normal, 700 bold
    bool italic = false;
    bool fixedPitch = false;
    std::string faceName; // empty: the default face
    bool operator==(const Font&) const = default;
};

struct FW_CORE_EXPORT TextMetrics {
    int height = 0;   // ascent + descent
    int ascent = 0;
    int descent = 0;
    int externalLeading = 0;
    int averageCharWidth = 0;
    bool operator==(const TextMetrics&) const = default;
};

// Text alignment: one horizontal flag combined with one vertical flag. The reference point of
// TextOut is that point of the text's box.
inline constexpr unsigned AlignLeft = 0;
inline constexpr unsigned AlignRight = 2;
inline constexpr unsigned AlignCenter = 6;
inline constexpr unsigned AlignTop = 0;
inline constexpr unsigned AlignBottom = 8;
inline constexpr unsigned AlignBaseline = 24;
inline constexpr unsigned AlignHorizontalMask = 6;
inline constexpr unsigned AlignVerticalMask = 24;

// Whether text, dashed lines and hatches fill their background with the background colour.
enum class BkMode { Transparent, Opaque };

// Text: one logical unit is one device unit and the extents are ignored. Isotropic: the
// extents give equal scales on both axes (the viewport extent shrinks to fit). Anisotropic:
// the extents are used as they are.
enum class MapMode { Text, Isotropic, Anisotropic };

class FW_CORE_EXPORT DrawContext {
public:
    virtual ~DrawContext() = default;

    // Each Select returns the tool it replaces, to be selected again when done.
    Pen SelectPen(const Pen& pen);
    Brush SelectBrush(const Brush& brush);
    Font SelectFont(const Font& font);
    const Pen& CurrentPen() const { return pen_; }
    const Brush& CurrentBrush() const { return brush_; }
    const Font& CurrentFont() const { return font_; }

    // Each Set returns the previous value.
    Color SetTextColor(Color color);
    Color SetBkColor(Color color);
    BkMode SetBkMode(BkMode mode);
    unsigned SetTextAlign(unsigned align);
    Color GetTextColor() const { return textColor_; }
    Color GetBkColor() const { return bkColor_; }
    BkMode GetBkMode() const { return bkMode_; }
    unsigned GetTextAlign() const { return textAlign_; }

    // device = (logical - window origin) * viewport extent / window extent + viewport origin.
    MapMode SetMapMode(MapMode mode);
    Point SetWindowOrg(Point origin);
    Point SetViewportOrg(Point origin);
    // Extents are ignored in text mode, where both are (1, 1); extents with a zero component
    // are refused. Both leave the extents unchanged.
    Size SetWindowExt(Size extent);
    Size SetViewportExt(Size extent);
    MapMode GetMapMode() const { return mapMode_; }
    Point GetWindowOrg() const { return windowOrg_; }
    Point GetViewportOrg() const { return viewportOrg_; }
    Size GetWindowExt() const { return windowExt_; }
    Size GetViewportExt() const { return viewportExt_; }
    Point LPtoDP(Point logical) const;
    Point DPtoLP(Point device) const;

    void MoveTo(Point p);
    void MoveTo(int x, int y) { MoveTo(Point{x, y}); }
    // A line in the current pen from the current position to p, which becomes the current position.
    void LineTo(Point p);
    void LineTo(int x, int y) { LineTo(Point{x, y}); }
    Point GetCurrentPosition() const { return position_; }

    // Outlines use the current pen, insides the current brush. Rectangles and ellipses take
    // their bounding rectangle.
    virtual void Polyline(std::span<const Point> points) = 0;
    virtual void Polygon(std::span<const Point> points) = 0;
    virtual void Rectangle(const Rect& r) = 0;
    virtual void Ellipse(const Rect& r) = 0;
    // An arc of the ellipse in `bounds`, counterclockwise as seen on the device, from where the
    // ray from the centre through `start` meets it to where the ray through `end` does. Equal
    // rays draw the whole ellipse.
    virtual void Arc(const Rect& bounds, Point start, Point end) = 0;
    virtual void FillRect(const Rect& r, const Brush& brush) = 0;
    // Text in the current font, text colour and alignment; (x, y) is the reference point.
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    // Size of a one-line text in the current font, in logical units.
    virtual Size GetTextExtent(const std::string& text) const = 0;
    virtual TextMetrics GetTextMetrics() const = 0;

protected:
    enum class Attribute { Pen, Brush, Font, TextColor, BkColor, BkMode, TextAlign, MapMode, WindowOrg, WindowExt, ViewportOrg, ViewportExt };

    virtual void OnAttributeChanged(Attribute) {}
    virtual void OnMoveTo(Point) {}
    virtual void DrawLine(Point from, Point to) = 0;

    // Device units per logical unit along each axis (negative on a flipped axis).
    double ScaleX() const;
    double ScaleY() const;

private:
    // Sets an attribute, tells the implementation, and returns the value it replaced.
    template <class T> T Replace(T& member, const T& value, Attribute what)
    {
        T previous = member;
        member = value;
        OnAttributeChanged(what);
        return previous;
    }

    void AdjustIsotropic();

    Pen pen_;
    Brush brush_;
    Font font_;
    Color textColor_ = Rgb(0, 0, 0);
    Color bkColor_ = Rgb(255, 255, 255);
    BkMode bkMode_ = BkMode::Opaque;
    unsigned textAlign_ = AlignLeft | AlignTop;
    MapMode mapMode_ = MapMode::Text;
    Point windowOrg_;
    Point viewportOrg_;
    Size windowExt_{1, 1};
    Size viewportExt_{1, 1};
    Point position_;
};

} // namespace fw
