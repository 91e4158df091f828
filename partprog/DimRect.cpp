#include "partprog/DimRect.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTol = CDimTPoint::kTolerance;

struct Interval {
    double lo;
    double hi;
};

template <class Axis> double Dot(const CDimTPoint& p, Axis n) { return p.GetX() * n.x + p.GetY() * n.y; }

template <class Axis> Interval Project(const CDimRect& r, Axis n)
{
    Interval i{Dot(r.GetCorner(0), n), Dot(r.GetCorner(0), n)};
    for (int k = 1; k < 4; ++k) {
        const double d = Dot(r.GetCorner(k), n);
        i.lo = std::min(i.lo, d);
        i.hi = std::max(i.hi, d);
    }
    return i;
}

double GapAlong(const Interval& a, const Interval& b) { return std::max(b.lo - a.hi, a.lo - b.hi); }

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
    slantCount_ = 0;
    if (!IsSet() || !IsSetPoint(corners_[1]) || !IsSetPoint(corners_[2]) || !IsSetPoint(corners_[3])) {
        corners_.fill(UnsetPoint());
        minX_ = maxX_ = minY_ = maxY_ = kDimUnset;
        return;
    }
    for (int k = 0; k < 4; ++k) {
        const double dx = corners_[(k + 1) % 4].GetX() - corners_[k].GetX();
        const double dy = corners_[(k + 1) % 4].GetY() - corners_[k].GetY();
        if (dx == 0.0 || dy == 0.0)
            continue;
        if (const double length = std::hypot(dx, dy); length > kTol)
            slantNormals_[slantCount_++] = {-dy / length, dx / length};
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
    for (CDimLineSegment& e : edges_)
        e.Translate(dx, dy);
    minX_ += dx;
    maxX_ += dx;
    minY_ += dy;
    maxY_ += dy;
}

bool CDimRect::SameAs(const CDimRect& other) const
{
    if (!IsSet() || !other.IsSet())
        return false;
    // Areas with the same corners have the same bounds.
    if (std::fabs(minX_ - other.minX_) > kTol || std::fabs(maxX_ - other.maxX_) > kTol ||
        std::fabs(minY_ - other.minY_) > kTol || std::fabs(maxY_ - other.maxY_) > kTol)
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
    if (p.GetX() < minX_ - kTol || p.GetX() > maxX_ + kTol || p.GetY() < minY_ - kTol || p.GetY() > maxY_ + kTol)
        return false;
    for (int k = 0; k < slantCount_; ++k) {
        const Interval i = Project(*this, slantNormals_[k]);
        const double d = Dot(p, slantNormals_[k]);
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

double CDimRect::Gap(const CDimRect& other, Axis* gapAxis) const
{
    const double gapX = std::max(other.minX_ - maxX_, minX_ - other.maxX_);
    const double gapY = std::max(other.minY_ - maxY_, minY_ - other.maxY_);
    double gap = std::max(gapX, gapY);
    Axis axis = gapX >= gapY ? Axis{1, 0} : Axis{0, 1};
    for (const CDimRect* r : {this, &other})
        for (int k = 0; k < r->slantCount_; ++k) {
            const double g = GapAlong(Project(*this, r->slantNormals_[k]), Project(other, r->slantNormals_[k]));
            if (g > gap) {
                gap = g;
                axis = r->slantNormals_[k];
            }
        }
    if (gapAxis)
        *gapAxis = axis;
    return gap;
}

CDimRect::Relation CDimRect::Classify(const CDimRect& other) const
{
    if (!IsSet() || !other.IsSet())
        return disjoint;
    Axis gapAxis{1, 0};
    const double gap = Gap(other, &gapAxis);
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

// The same answer as Classify, without telling the kinds apart.
bool CDimRect::Overlaps(const CDimRect& other) const
{
    if (!IsSet() || !other.IsSet())
        return false;
    const double gap = Gap(other, nullptr);
    return gap < -kTol || (gap <= kTol && SameAs(other));
}
