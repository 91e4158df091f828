#include "partprog/DimRect.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTol = CDimTPoint::kTolerance;

struct Axis {
    double x;
    double y;
};

struct Interval {
    double lo;
    double hi;
};

double Dot(const CDimTPoint& p, Axis n) { return p.GetX() * n.x + p.GetY() * n.y; }

Interval Project(const CDimRect& r, Axis n)
{
    Interval i{Dot(r.GetCorner(0), n), Dot(r.GetCorner(0), n)};
    for (int k = 1; k < 4; ++k) {
        const double d = Dot(r.GetCorner(k), n);
        i.lo = std::min(i.lo, d);
        i.hi = std::max(i.hi, d);
    }
    return i;
}

// The directions that can separate two convex areas: both coordinate axes and the unit normal
// of every edge that has a length. The coordinate axes also bound areas that are flat.
struct AxisSet {
    std::array<Axis, 10> axes;
    int count = 0;

    void AddCoordinateAxes()
    {
        axes[count++] = {1, 0};
        axes[count++] = {0, 1};
    }
    void AddEdgeNormals(const CDimRect& r)
    {
        for (int k = 0; k < 4; ++k) {
            const CDimTPoint& a = r.GetCorner(k);
            const CDimTPoint& b = r.GetCorner((k + 1) % 4);
            const double dx = b.GetX() - a.GetX();
            const double dy = b.GetY() - a.GetY();
            const double length = std::hypot(dx, dy);
            if (length > kTol && dx != 0.0 && dy != 0.0)   // axis-parallel edges add nothing new
                axes[count++] = {-dy / length, dx / length};
        }
    }
};

} // namespace

CDimRect::CDimRect() : corners_{UnsetPoint(), UnsetPoint(), UnsetPoint(), UnsetPoint()} {}

CDimRect::CDimRect(const CDimTPoint& c1, const CDimTPoint& c2, const CDimTPoint& c3, const CDimTPoint& c4)
    : corners_{c1, c2, c3, c4}
{
    Rebuild();
}

void CDimRect::Rebuild()
{
    for (int k = 0; k < 4; ++k)
        edges_[k] = CDimLineSegment(corners_[k], corners_[(k + 1) % 4]);
    if (!IsSet() || !IsSetPoint(corners_[1]) || !IsSetPoint(corners_[2]) || !IsSetPoint(corners_[3])) {
        corners_.fill(UnsetPoint());
        minX_ = maxX_ = minY_ = maxY_ = kDimUnset;
        return;
    }
    minX_ = maxX_ = corners_[0].GetX();
    minY_ = maxY_ = corners_[0].GetY();
    for (const CDimTPoint& c : corners_) {
        minX_ = std::min(minX_, c.GetX());
        maxX_ = std::max(maxX_, c.GetX());
        minY_ = std::min(minY_, c.GetY());
        maxY_ = std::max(maxY_, c.GetY());
    }
}

void CDimRect::Translate(double dx, double dy)
{
    if (!IsSet())
        return;
    for (CDimTPoint& c : corners_)
        c = CDimTPoint(c.GetX() + dx, c.GetY() + dy);
    Rebuild();
}

bool CDimRect::SameAs(const CDimRect& other) const
{
    if (!IsSet() || !other.IsSet())
        return false;
    const auto holdsAll = [](const CDimRect& a, const CDimRect& b) {
        return std::all_of(a.corners_.begin(), a.corners_.end(), [&b](const CDimTPoint& p) {
            return std::any_of(b.corners_.begin(), b.corners_.end(), [&p](const CDimTPoint& q) { return p.Coincides(q); });
        });
    };
    return holdsAll(*this, other) && holdsAll(other, *this);
}

bool CDimRect::Holds(const CDimTPoint& p) const
{
    AxisSet set;
    set.AddCoordinateAxes();
    set.AddEdgeNormals(*this);
    for (int k = 0; k < set.count; ++k) {
        const Interval i = Project(*this, set.axes[k]);
        const double d = Dot(p, set.axes[k]);
        if (d < i.lo - kTol || d > i.hi + kTol)
            return false;
    }
    return true;
}

bool CDimRect::Contains(const CDimRect& other) const
{
    if (!IsSet() || !other.IsSet())
        return false;
    return std::all_of(other.corners_.begin(), other.corners_.end(), [this](const CDimTPoint& p) { return Holds(p); });
}

CDimRect::Relation CDimRect::Classify(const CDimRect& other) const
{
    if (!IsSet() || !other.IsSet())
        return disjoint;
    if (minX_ > other.maxX_ + kTol || other.minX_ > maxX_ + kTol || minY_ > other.maxY_ + kTol ||
        other.minY_ > maxY_ + kTol)
        return disjoint;

    // The widest gap between the two areas' shadows over every separating direction: above the
    // tolerance they are apart, within it they only meet, below it their insides overlap.
    AxisSet set;
    set.AddCoordinateAxes();
    set.AddEdgeNormals(*this);
    set.AddEdgeNormals(other);
    double gap = -kDimUnset;
    Axis gapAxis{1, 0};
    for (int k = 0; k < set.count; ++k) {
        const Interval a = Project(*this, set.axes[k]);
        const Interval b = Project(other, set.axes[k]);
        const double g = std::max(b.lo - a.hi, a.lo - b.hi);
        if (g > gap) {
            gap = g;
            gapAxis = set.axes[k];
        }
    }
    if (gap > kTol)
        return disjoint;
    if (SameAs(other))
        return same;
    if (gap >= -kTol) {
        // The corners of each area that lie on the dividing line, measured along it.
        const Interval a = Project(*this, gapAxis);
        const Interval b = Project(other, gapAxis);
        const bool thisLow = std::fabs(a.hi - b.lo) <= std::fabs(b.hi - a.lo);
        const Axis along{-gapAxis.y, gapAxis.x};
        const auto contact = [&](const CDimRect& r, double line) {
            Interval i{kDimUnset, -kDimUnset};
            for (const CDimTPoint& c : r.corners_)
                if (std::fabs(Dot(c, gapAxis) - line) <= kTol) {
                    i.lo = std::min(i.lo, Dot(c, along));
                    i.hi = std::max(i.hi, Dot(c, along));
                }
            return i;
        };
        const Interval ca = contact(*this, thisLow ? a.hi : a.lo);
        const Interval cb = contact(other, thisLow ? b.lo : b.hi);
        const double shared = std::min(ca.hi, cb.hi) - std::max(ca.lo, cb.lo);
        return shared > kTol ? touch : shared >= -kTol ? meet : disjoint;
    }
    if (Contains(other))
        return contains;
    return cross;
}

bool CDimRect::Overlaps(const CDimRect& other) const
{
    const Relation r = Classify(other);
    return r == same || r == cross || r == contains;
}
