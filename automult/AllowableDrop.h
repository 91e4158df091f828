#pragma once
// The allowable drop as the condition dialog shows, reads and keeps it. It is kept in the
// profile as "Allowable Drop" under the class key of AutoMultOpnB, in ten-thousandths of an inch.

#include "fw/core/Profile.h"

#include <string>
#include <string_view>

namespace automult {

inline constexpr double kLeastAllowableDrop = 0.0078125;   // 1/128 inch

std::string AllowableDropSection();
inline constexpr const char* kAllowableDropEntry = "Allowable Drop";

// "%6.3f", whatever the process locale.
std::string FormatDrop(double inches);

// The leading number of the first 24 characters typed; no number, 0 or less give 1/128 inch.
double ParseAllowableDrop(std::string_view text);

// The stored drop; 0 when none (or nonsense) is stored.
double LoadAllowableDrop(const fw::Profile& profile);
// Stores the drop truncated to ten-thousandths. A drop too large for the stored field is not
// stored; the previous value stays.
void StoreAllowableDrop(fw::Profile& profile, double drop);

} // namespace automult
