#include "model/PatternGrid.h"

#include "fw/core/Drawing.h"
#include "model/DeviceUnits.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

PatternGrid::Range Clamped(double lo, double hi, int count)
{
    if (!(lo <= hi))   // also NaN
        return {};
    const double first = std::max(0.0, std::floor(lo)), last = std::min(double(count - 1), std::ceil(hi));
    return first > last ? PatternGrid::Range{} : PatternGrid::Range{int(first), int(last)};
}

double Dot(PatternGrid::Vector a, PatternGrid::Vector b) { return a.x * b.x + a.u * b.u; }

} // namespace

void PatternGrid::Within(Vector min, Vector max, Range& i, Range& j) const
{
    const std::array<Vector, 4> corners{{{min.x - origin.x, min.u - origin.u},
                                         {max.x - origin.x, min.u - origin.u},
                                         {min.x - origin.x, max.u - origin.u},
                                         {max.x - origin.x, max.u - origin.u}}};
    constexpr double inf = std::numeric_limits<double>::infinity();
    double loI = inf, hiI = -inf, loJ = inf, hiJ = -inf;
    const double det = stepX.x * stepU.u - stepX.u * stepU.x;
    const bool both = countX > 1 && countU > 1;
    for (const Vector& c : corners) {
        double ci = 0, cj = 0;
        if (both && det != 0) {   // the corner in lattice coordinates
            ci = (c.x * stepU.u - c.u * stepU.x) / det;
            cj = (stepX.x * c.u - stepX.u * c.x) / det;
        } else {   // one row or column: the corner's place along it
            const double lx = Dot(stepX, stepX), lu = Dot(stepU, stepU);
            ci = countX > 1 ? (lx > 0 ? Dot(c, stepX) / lx : 0) : 0;
            cj = countU > 1 ? (lu > 0 ? Dot(c, stepU) / lu : 0) : 0;
            if (countX > 1 && lx == 0)
                loI = -inf, hiI = inf;
            if (countU > 1 && lu == 0)
                loJ = -inf, hiJ = inf;
        }
        loI = std::min(loI, ci), hiI = std::max(hiI, ci);
        loJ = std::min(loJ, cj), hiJ = std::max(hiJ, cj);
    }
    if (both && det == 0)
        loI = loJ = -inf, hiI = hiJ = inf;
    i = Clamped(loI, hiI, countX);
    j = Clamped(loJ, hiJ, countU);
}

double PatternGrid::Pixels(const fw::DrawContext& dc, Vector step)
{
    constexpr int kReach = 1 << 16;
    const fw::Point o = dc.LPtoDP({0, 0}), ex = dc.LPtoDP({kReach, 0}), eu = dc.LPtoDP({0, kReach});
    const double x = step.x * kDeviceUnitsPerInch / kReach, u = step.u * kDeviceUnitsPerInch / kReach;
    return std::hypot(x * (ex.x - o.x) + u * (eu.x - o.x), x * (ex.y - o.y) + u * (eu.y - o.y));
}
