#pragma once
// The range of lengths the program stores: every length, position, box corner and drop, in
// inches. A value beyond it (or not finite) is refused where it would be stored, and a file that
// holds one does not load, so whatever is stored can be saved and read back unchanged.

#include <cmath>
#include <initializer_list>

namespace fw {

// About 16 miles: far beyond any piece of steel, yet small enough that what the program derives
// from such lengths (an element 10000 increments along, a quantity times a length, millimetres,
// 64ths) stays finite and exact to a 64th.
inline constexpr double kMaxInches = 1e6;

// Whether the value is finite and at most kMaxInches either side of zero.
inline bool IsSaneInches(double inches)
{
    return std::isfinite(inches) && std::fabs(inches) <= kMaxInches;
}

// Whether every value is.
inline bool AreSaneInches(std::initializer_list<double> values)
{
    for (const double inches : values)
        if (!IsSaneInches(inches))
            return false;
    return true;
}

} // namespace fw
