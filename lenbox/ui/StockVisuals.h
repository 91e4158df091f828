#pragma once
// The stock properties of the control in Qt terms: colours, font, extent.

#include "lenbox/LenboxProperties.h"

#include <QColor>
#include <QFont>
#include <QPalette>

namespace lenbox {

// A stock colour: 0x00BBGGRR, or a system colour taken from the palette.
QColor ToQColor(std::uint32_t color, const QPalette& palette);
QFont ToQFont(const LenboxFont& font);
// HIMETRIC (hundredths of a millimetre) and pixels at a resolution in dots per inch.
int HimetricToPixels(std::int32_t himetric, int dpi);
std::int32_t PixelsToHimetric(int pixels, int dpi);

} // namespace lenbox
