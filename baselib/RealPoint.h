#pragma once

#include "baselib/BRAXLibExport.h"
// A point of doubles with the plane geometry drawing code needs. The default point is
// undefined (both coordinates NaN); a point is real when neither coordinate is NaN.

namespace zr {

struct BRAXLIB_EXPORT POINT {
    int x = 0;
    int y = 0;
};

class BRAXLIB_EXPORT CRealPoint {
public:
    CRealPoint();
    CRealPoint(double x, double y) : x_(x), y_(y) {}
    CRealPoint(const POINT& point) : x_(point.x), y_(point.y) {}
    CRealPoint(const CRealPoint&) = default;
    CRealPoint& operator=(const CRealPoint&) = default;
    CRealPoint& operator=(const POINT& point);
    virtual ~CRealPoint();

    double GetX() const { return x_; }
    double GetY() const { return y_; }
    void SetX(double x) { x_ = x; }
    void SetY(double y) { y_ = y; }
    void SetupPoint(double x, double y);
    void SetupPoint(const CRealPoint& point) { *this = point; }
    // Rounded to the nearest integers (clamped to their range; an undefined coordinate gives 0).
    POINT GetPoint() const;

    void SetUNDEFINED();
    void SetToZero() { SetupPoint(0, 0); }
    bool IsRealPoint() const;

    void AddOffset(const CRealPoint& offset) { AddOffset(offset.x_, offset.y_); }
    void AddOffset(double dx, double dy);
    void SubtractOffset(const CRealPoint& offset) { AddOffset(-offset.x_, -offset.y_); }
    // The other point minus this one.
    void GetPointDiff(const CRealPoint& point, double& dx, double& dy) const;
    CRealPoint GetPointHalfWayBetween(const CRealPoint& point) const;
    double GetDistanceBetweenPoints(const CRealPoint& point) const;

    // Within 0.001, both points real.
    bool ArePointsEqual(const CRealPoint& point) const;
    // Within 0.002.
    bool ArePointsEqualEx(const CRealPoint& point) const;

    // dy / dx towards the point: beyond +-1e10 infinite, within +-1e-10 zero, 0/0 NaN.
    double DetermineSlope(const CRealPoint& point) const;
    double GetRadianAngle(const CRealPoint& point) const;   // atan2(dy, dx)
    // The direction towards the point in (0, 2 pi]: 2 pi along +X, pi/2 up, pi along -X, 3 pi/2
    // down; NaN when the points coincide.
    double GetAbsoluteRadianAngle(const CRealPoint& point) const;
    // For a flat (or undefined) slope 1 when dx >= 0, else 1 when dy >= 0; otherwise -1.
    int DetermineLineDirection(const CRealPoint& point) const;

    // Rotated about the origin; sines and cosines below 1e-6 count as 0.
    CRealPoint CreateSkewedPoint(double angle) const;
    // Mirrors X about the point's X when `flag` is nonzero, else Y about its Y.
    void Mirror(int flag, const CRealPoint& point);

    // Grow towards a bounding extreme; NaN coordinates take the point's.
    void SetMax(const CRealPoint& point);   // ignores a point that is not real
    void SetMin(const CRealPoint& point);
    void GetMaxMinPoint(CRealPoint& maximum, CRealPoint& minimum) const;

    virtual double GetSlope() const { return 0; }
    virtual double GetPercentFromStart(const CRealPoint&) const { return 0; }
    virtual void Print() const {}

private:
    double x_;
    double y_;
};

}  // namespace zr
