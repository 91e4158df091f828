#include "model/DimTPoint.h"

#include <algorithm>
#include <cmath>
#include <limits>

FW_IMPLEMENT_DYNAMIC(CDimTPoint, fw::Object)

double CDimTPoint::Distance(const CDimTPoint& other) const { return std::hypot(x_ - other.x_, y_ - other.y_); }

int CDimTPoint::RoundHalfAway(double value)
{
    constexpr double limit = std::numeric_limits<int>::max();
    const double rounded = std::round(value);   // halves go away from zero
    if (std::isnan(rounded))
        return 0;
    return int(std::clamp(rounded, -limit, limit));
}
