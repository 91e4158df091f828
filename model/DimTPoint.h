#pragma once
// A point of the detailing geometry, in the face view's logical units (1/16 inch).

#include "fw/core/Object.h"

class CDimTPoint : public fw::Object {
    FW_DECLARE_DYNAMIC(CDimTPoint)
public:
    // Points closer than this coincide.
    static constexpr double kTolerance = 0.005;

    CDimTPoint() = default;
    CDimTPoint(double x, double y) : x_(x), y_(y) {}

    double GetX() const { return x_; }
    double GetY() const { return y_; }
    void SetX(double x) { x_ = x; }
    void SetY(double y) { y_ = y; }

    // The coordinates rounded half away from zero, as drawn.
    int GetDeviceX() const { return RoundHalfAway(x_); }
    int GetDeviceY() const { return RoundHalfAway(y_); }

    double Distance(const CDimTPoint& other) const;
    bool Coincides(const CDimTPoint& other) const { return Distance(other) <= kTolerance; }

    static int RoundHalfAway(double value);

private:
    double x_ = 0.0;
    double y_ = 0.0;
};
