#include "lenbox/ui/StockVisuals.h"

#include "fw/qt/QtText.h"

#include <cmath>

namespace lenbox {

namespace {

QPalette::ColorRole SystemRole(std::uint32_t index)
{
    switch (index) {
    case 1: return QPalette::Shadow;            // desktop
    case 4: return QPalette::Window;            // menu
    case 7: return QPalette::WindowText;        // menu text
    case 8: return QPalette::Text;              // window text
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 15: return QPalette::Button;
    case 16: return QPalette::Dark;             // button shadow
    case 17: return QPalette::PlaceholderText;  // grey text
    case 18: return QPalette::ButtonText;
    case 20: return QPalette::Light;            // button highlight
    case 23: return QPalette::ToolTipText;
    case 24: return QPalette::ToolTipBase;
    default: return QPalette::Base;             // window and the rest
    }
}

} // namespace

QColor ToQColor(std::uint32_t color, const QPalette& palette)
{
    if (color & kSystemColor)
        return palette.color(QPalette::Active, SystemRole(color & ~kSystemColor));
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

QFont ToQFont(const LenboxFont& font)
{
    QFont f(fw::ToQString(font.name));
    f.setPointSizeF(font.height / 10000.0);
    f.setWeight(QFont::Weight(std::clamp(int(font.weight), 1, 1000)));
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikethrough);
    return f;
}

int HimetricToPixels(std::int32_t himetric, int dpi)
{
    return int(std::lround(double(himetric) * dpi / 2540.0));
}

std::int32_t PixelsToHimetric(int pixels, int dpi)
{
    return std::int32_t(std::lround(double(pixels) * 2540.0 / dpi));
}

} // namespace lenbox
