#pragma once
// The stream in which a container keeps the control's properties, in the archive format.
//
//   DWORD   0
//   DWORD   version 0x00010000
//   LONG    extent x, LONG extent y (HIMETRIC)
//   DWORD   the stock properties present: 0x01 BackColor, 0x02 ForeColor, 0x04 Font,
//           0x08 BorderStyle, 0x10 Appearance; then the value of each present one in that order:
//           colours as DWORD; the font as BYTE version 1, WORD charset, BYTE flags (0x02 italic,
//           0x04 underline, 0x08 strikethrough), WORD weight, DWORD height (points x 10000),
//           BYTE name length and the name; border style and appearance as WORD
//   then the control's own properties:
//   double InitialValue, double MaxInches, double MinInches, LONG JustifyType, LONG BackGround,
//   BYTE ToolTips, BYTE Packed, BYTE AutoSize, BYTE EnableInput, string FormatFeet,
//   string FormatInch, string FormatMetric, LONG MaxDenominator, LONG DefaultDenominator,
//   LONG DimensionType, string DecimalInchAppendage, string MetricAppendage
//
// Masks are stored without the sign position. Loading raises fw::ArchiveException when the
// stream is cut short or its layout (leading word, version, stock mask, font version) is not
// this one; a value the control cannot take (a length beyond fw::kMaxInches or not finite, a
// colour, switch, flag or dimension type out of range, an overlong string, limits the wrong way
// round) loads as that property's default, as does a stock property missing from the stream.

#include "lenbox/LenboxExport.h"
#include "lenbox/LenboxProperties.h"

#include "fw/core/Archive.h"

namespace lenbox {

inline constexpr std::uint32_t kPropertyStreamVersion = 0x00010000u;

enum StockMask : std::uint32_t {
    kStockBackColor = 0x01,
    kStockForeColor = 0x02,
    kStockFont = 0x04,
    kStockBorderStyle = 0x08,
    kStockAppearance = 0x10,
    kStockAll = 0x1F,
};

LENBOX_EXPORT void WriteProperties(fw::Archive& ar, const LenboxProperties& properties);
LENBOX_EXPORT LenboxProperties ReadProperties(fw::Archive& ar);

} // namespace lenbox
