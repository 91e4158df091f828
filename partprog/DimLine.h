#pragma once
// A straight line through two points of the detailing geometry (face logical units, 1/16 inch),
// held as rise, run, slope and intercept. A vertical line has no slope or intercept (both
// unset) and keeps its x instead. Fields that do not apply hold the unset value.

#include "model/DimTPoint.h"

#include <limits>

// The value of a coordinate or line field that was never set.
inline constexpr double kDimUnset = std::numeric_limits<double>::max();

inline bool IsSet(double value) { return value != kDimUnset; }
inline bool IsSet(const CDimTPoint& p) { return IsSet(p.GetX()) && IsSet(p.GetY()); }
inline CDimTPoint UnsetPoint() { return {kDimUnset, kDimUnset}; }

class CDimLine {
public:
    // Slopes and intercepts closer than this are the same.
    static constexpr double kSlopeTolerance = 0.00005;

    // Every field unset.
    CDimLine() = default;
    // The line through p1 and p2; unset when either point is. Two equal points give a vertical
    // line through them.
    CDimLine(const CDimTPoint& p1, const CDimTPoint& p2);
    virtual ~CDimLine() = default;

    double GetSlope() const { return slope_; }
    double GetAngle() const { return angle_; }
    double GetRise() const { return rise_; }
    double GetRun() const { return run_; }
    double GetIntercept() const { return intercept_; }
    double GetVerticalX() const { return verticalX_; }
    bool IsVertical() const { return IsSet(verticalX_); }
    bool IsHorizontal() const { return slope_ == 0.0; }

    bool SameSlope(const CDimLine& other) const { return SameValue(slope_, other.slope_); }
    bool SameIntercept(const CDimLine& other) const { return SameValue(intercept_, other.intercept_); }
    // Whether the point lies on the line, within the points' coincidence tolerance.
    bool Contains(const CDimTPoint& p) const;
    // -1 / slope; 0 for a vertical line, unset for a horizontal one.
    double GetPerpendicularSlope() const;

protected:
    // Moves the line; its slope and angle stay.
    void Shift(double dx, double dy);

private:
    static bool SameValue(double a, double b);

    double slope_ = kDimUnset;
    double angle_ = kDimUnset;
    double rise_ = kDimUnset;
    double run_ = kDimUnset;
    double intercept_ = kDimUnset;
    double verticalX_ = kDimUnset;
};
