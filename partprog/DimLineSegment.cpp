#include "partprog/DimLineSegment.h"

#include <cmath>

CDimLineSegment::CDimLineSegment(const CDimTPoint& start, const CDimTPoint& end)
    : CDimLine(start, end), start_(start), end_(end), third_(UnsetPoint()), length_(kDimUnset)
{
    if (IsSet(start) && IsSet(end)) {
        third_ = CDimTPoint((start.GetX() + end.GetX()) / 2, (start.GetY() + end.GetY()) / 2);
        length_ = start.Distance(end);
    }
}

void CDimLineSegment::Translate(double dx, double dy)
{
    if (!IsSet(start_) || !IsSet(end_))
        return;
    Shift(dx, dy);
    for (CDimTPoint* p : {&start_, &end_, &third_})
        *p = CDimTPoint(p->GetX() + dx, p->GetY() + dy);
}

bool CDimLineSegment::SameAs(const CDimLineSegment& other) const
{
    if (!IsSet(start_) || !IsSet(end_) || !IsSet(other.start_) || !IsSet(other.end_))
        return false;
    return (start_.Coincides(other.start_) && end_.Coincides(other.end_)) ||
           (start_.Coincides(other.end_) && end_.Coincides(other.start_));
}

bool CDimLineSegment::Intersects(const CDimLineSegment& other) const
{
    const double length = GetLength();
    const double otherLength = other.GetLength();
    if (!IsSet(length) || !IsSet(otherLength) || length == 0.0 || otherLength == 0.0)
        return false;
    // Directions of both segments as unit vectors; p = start + s * d.
    const double dx = (end_.GetX() - start_.GetX()) / length;
    const double dy = (end_.GetY() - start_.GetY()) / length;
    const double ex = (other.end_.GetX() - other.start_.GetX()) / otherLength;
    const double ey = (other.end_.GetY() - other.start_.GetY()) / otherLength;
    const double cross = dx * ey - dy * ex;
    if (std::fabs(cross) < 1e-12)
        return false;
    const double wx = other.start_.GetX() - start_.GetX();
    const double wy = other.start_.GetY() - start_.GetY();
    const double s = (wx * ey - wy * ex) / cross;   // distance along this segment
    const double t = (wx * dy - wy * dx) / cross;   // distance along the other
    const double tol = CDimTPoint::kTolerance;
    return s >= -tol && s <= length + tol && t >= -tol && t <= otherLength + tol;
}
