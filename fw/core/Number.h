#pragma once
// Locale-independent number text: '.' is always the decimal point, whatever the process locale.

#include "fw/core/FwCoreExport.h"
#include <optional>
#include <string>
#include <string_view>

namespace fw {

// The value with exactly `decimals` digits after the point, rounded like printf("%.*f");
// decimals outside 0..30 are clamped to that range. Non-finite values give "inf", "-inf", "nan".
FW_CORE_EXPORT std::string FormatFixed(double value, int decimals);

// The shortest text that reads back as the same double ("0.1", "1e+300", "-0").
FW_CORE_EXPORT std::string FormatGeneral(double value);

// The number the whole text spells, with optional blanks (space, tab) around it and an optional
// sign; nothing for empty or partly numeric text, out-of-range values, "inf" and "nan".
FW_CORE_EXPORT std::optional<double> ParseDouble(std::string_view text);
FW_CORE_EXPORT std::optional<int> ParseInt(std::string_view text);

} // namespace fw
