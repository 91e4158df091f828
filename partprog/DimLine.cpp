#include "partprog/DimLine.h"

#include <cmath>

CDimLine::CDimLine(const CDimTPoint& p1, const CDimTPoint& p2)
{
    if (!IsSet(p1) || !IsSet(p2))
        return;
    rise_ = p1.GetY() - p2.GetY();
    run_ = p1.GetX() - p2.GetX();
    angle_ = rise_ == 0.0 && run_ != 0.0 ? 0.0 : std::atan2(rise_, run_);
    if (run_ == 0.0) {
        verticalX_ = p1.GetX();
        return;
    }
    slope_ = rise_ == 0.0 ? 0.0 : rise_ / run_;
    intercept_ = p1.GetY() - p1.GetX() * slope_;
}

bool CDimLine::SameValue(double a, double b)
{
    if (!IsSet(a) || !IsSet(b))
        return !IsSet(a) && !IsSet(b);
    return std::fabs(a - b) <= kSlopeTolerance;
}

bool CDimLine::Contains(const CDimTPoint& p) const
{
    if (!IsSet(p))
        return false;
    if (IsVertical())
        return std::fabs(p.GetX() - verticalX_) <= CDimTPoint::kTolerance;
    if (!IsSet(slope_))
        return false;
    return CDimTPoint(p.GetX(), slope_ * p.GetX() + intercept_).Coincides(p);
}

double CDimLine::GetPerpendicularSlope() const
{
    if (IsVertical())
        return 0.0;
    if (!IsSet(slope_) || slope_ == 0.0)
        return kDimUnset;
    return -1.0 / slope_;
}

void CDimLine::Shift(double dx, double dy)
{
    if (IsVertical())
        verticalX_ += dx;
    else if (IsSet(slope_))
        intercept_ += dy - dx * slope_;
}
