#include "baselib/RealPoint.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace zr {

namespace {

// Undefined coordinates have every bit set: a quiet NaN.
const double kUndefined = std::bit_cast<double>(~std::uint64_t{0});

constexpr double kEqualTolerance = 0.001;
constexpr double kEqualToleranceEx = 0.002;
constexpr double kInfiniteSlope = 1e10;
constexpr double kZeroSlope = 1e-10;
constexpr double kZeroTrig = 1e-6;

int RoundToInt(double value)
{
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(std::round(value), double{INT_MIN}, double{INT_MAX}));
}

double ZeroIfTiny(double value)
{
    return std::fabs(value) < kZeroTrig ? 0.0 : value;
}

}  // namespace

CRealPoint::CRealPoint() : x_(kUndefined), y_(kUndefined) {}

CRealPoint::~CRealPoint() = default;

CRealPoint& CRealPoint::operator=(const POINT& point)
{
    SetupPoint(point.x, point.y);
    return *this;
}

void CRealPoint::SetupPoint(double x, double y)
{
    x_ = x;
    y_ = y;
}

POINT CRealPoint::GetPoint() const
{
    return POINT{RoundToInt(x_), RoundToInt(y_)};
}

void CRealPoint::SetUNDEFINED()
{
    SetupPoint(kUndefined, kUndefined);
}

bool CRealPoint::IsRealPoint() const
{
    return !std::isnan(x_) && !std::isnan(y_);
}

void CRealPoint::AddOffset(double dx, double dy)
{
    x_ += dx;
    y_ += dy;
}

void CRealPoint::GetPointDiff(const CRealPoint& point, double& dx, double& dy) const
{
    dx = point.x_ - x_;
    dy = point.y_ - y_;
}

CRealPoint CRealPoint::GetPointHalfWayBetween(const CRealPoint& point) const
{
    return CRealPoint((x_ + point.x_) / 2, (y_ + point.y_) / 2);
}

double CRealPoint::GetDistanceBetweenPoints(const CRealPoint& point) const
{
    return std::hypot(point.x_ - x_, point.y_ - y_);
}

bool CRealPoint::ArePointsEqual(const CRealPoint& point) const
{
    return IsRealPoint() && point.IsRealPoint() && GetDistanceBetweenPoints(point) <= kEqualTolerance;
}

bool CRealPoint::ArePointsEqualEx(const CRealPoint& point) const
{
    return GetDistanceBetweenPoints(point) <= kEqualToleranceEx;
}

double CRealPoint::DetermineSlope(const CRealPoint& point) const
{
    double dx = 0, dy = 0;
    GetPointDiff(point, dx, dy);
    const double slope = dy / dx;
    if (slope > kInfiniteSlope || slope < -kInfiniteSlope)
        return std::copysign(HUGE_VAL, slope);
    if (slope > -kZeroSlope && slope < kZeroSlope)
        return 0.0;
    return slope;
}

double CRealPoint::GetRadianAngle(const CRealPoint& point) const
{
    double dx = 0, dy = 0;
    GetPointDiff(point, dx, dy);
    return std::atan2(dy, dx);
}

double CRealPoint::GetAbsoluteRadianAngle(const CRealPoint& point) const
{
    double dx = 0, dy = 0;
    GetPointDiff(point, dx, dy);
    if (dx == 0 && dy == 0)
        return std::nan("");
    const double angle = std::atan2(dy, dx);
    return angle > 0 ? angle : angle + 2 * std::numbers::pi;
}

int CRealPoint::DetermineLineDirection(const CRealPoint& point) const
{
    double dx = 0, dy = 0;
    GetPointDiff(point, dx, dy);
    const double slope = DetermineSlope(point);
    if (slope == 0 || std::isnan(slope))
        return dx >= 0 ? 1 : -1;
    return dy >= 0 ? 1 : -1;
}

CRealPoint CRealPoint::CreateSkewedPoint(double angle) const
{
    const double sine = ZeroIfTiny(std::sin(angle));
    const double cosine = ZeroIfTiny(std::cos(angle));
    return CRealPoint(x_ * cosine - y_ * sine, x_ * sine + y_ * cosine);
}

void CRealPoint::Mirror(int flag, const CRealPoint& point)
{
    if (flag != 0)
        x_ = 2 * point.x_ - x_;
    else
        y_ = 2 * point.y_ - y_;
}

void CRealPoint::SetMax(const CRealPoint& point)
{
    if (!point.IsRealPoint())
        return;
    if (std::isnan(x_) || point.x_ > x_)
        x_ = point.x_;
    if (std::isnan(y_) || point.y_ > y_)
        y_ = point.y_;
}

void CRealPoint::SetMin(const CRealPoint& point)
{
    if (std::isnan(x_) || point.x_ < x_)
        x_ = point.x_;
    if (std::isnan(y_) || point.y_ < y_)
        y_ = point.y_;
}

void CRealPoint::GetMaxMinPoint(CRealPoint& maximum, CRealPoint& minimum) const
{
    maximum = *this;
    minimum = *this;
}

}  // namespace zr
