#pragma once
// Lengths inside the mult search: whole nanoinches, so that sums and differences along the
// search are exact, compared with a tolerance of one millionth of an inch so that lengths given
// in decimal inches or converted from millimetres still fit exactly where they should.

#include <cstdint>

namespace automult {

using Length = std::int64_t;

inline constexpr double kUnitsPerInch = 1e9;
inline constexpr Length kTolerance = 1000;      // 1e-6 inch
inline constexpr double kMaxInches = 1e6;       // longest length (and largest drop) the engine takes
inline constexpr Length kUnbounded = Length(1) << 60;   // saturation of sums, far above any stock

// Whether a length in inches lies within +-kMaxInches (so NaN and infinities do not).
bool IsEngineLength(double inches);
// Rounds to the nearest unit; values beyond +-kMaxInches (and NaN, to the low end) saturate.
Length FromInches(double inches);
double ToInches(Length length);

// a <= b within the tolerance: a piece of length a fits in room b.
inline bool Fits(Length a, Length b) { return a <= b + kTolerance; }
// a < b by more than the tolerance.
inline bool Shorter(Length a, Length b) { return a + kTolerance < b; }
// a and b equal within the tolerance.
inline bool SameLength(Length a, Length b) { return !Shorter(a, b) && !Shorter(b, a); }

// Sums that stop growing at kUnbounded; quantities and lengths are never negative here.
Length AddSaturated(Length a, Length b);
Length MulSaturated(std::int64_t quantity, Length length);

} // namespace automult
