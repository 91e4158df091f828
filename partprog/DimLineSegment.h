#pragma once
// A line segment of the detailing geometry: its line, its two ends and its middle, the point
// at which a value text is anchored.

#include "partprog/DimLine.h"

class CDimLineSegment : public CDimLine {
public:
    // Every point unset.
    CDimLineSegment() : start_(UnsetPoint()), end_(UnsetPoint()), third_(UnsetPoint()), length_(kDimUnset) {}
    CDimLineSegment(const CDimTPoint& start, const CDimTPoint& end);

    const CDimTPoint& GetStart() const { return start_; }
    const CDimTPoint& GetEnd() const { return end_; }
    // The middle of the segment; unset when either end is.
    const CDimTPoint& GetThird() const { return third_; }
    // Distance from start to end; unset when either end is.
    double GetLength() const { return length_; }
    // Moves the segment by (dx, dy).
    void Translate(double dx, double dy);

    // Whether both ends coincide, in the same or the reverse order.
    bool SameAs(const CDimLineSegment& other) const;
    // Whether the two segments cross at a point that lies on both, within the coincidence
    // tolerance of their ends. Parallel segments never cross.
    bool Intersects(const CDimLineSegment& other) const;

private:
    CDimTPoint start_;
    CDimTPoint end_;
    CDimTPoint third_;
    double length_;
};
