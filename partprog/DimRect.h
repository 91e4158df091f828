#pragma once
// A four-cornered area of the detailing geometry (a rectangle or a parallelogram, possibly
// turned), with its edges 1-2, 2-3, 3-4 and 4-1. Detailing objects occupy one; placement moves
// them and compares them with Classify.

#include "partprog/DimLineSegment.h"

#include <array>

class CDimRect {
public:
    // How one area lies relative to another.
    enum Relation {
        disjoint = 0,   // apart
        same = 1,       // every corner of each coincides with a corner of the other
        touch = 2,      // the insides are apart; a stretch of edge is shared
        cross = 3,      // the insides overlap, and neither of the above
        contains = 4,   // every corner of the other lies in this one
        meet = 5,       // the insides are apart; the areas meet at a single point
    };

    // Every corner unset.
    CDimRect();
    CDimRect(const CDimTPoint& c1, const CDimTPoint& c2, const CDimTPoint& c3, const CDimTPoint& c4);

    // Corners 0 to 3 stand for corners 1 to 4.
    const CDimTPoint& GetCorner(int index) const { return corners_[index]; }
    // Edges 0 to 3: corner 1-2, 2-3, 3-4 and 4-1.
    const CDimLineSegment& GetEdge(int index) const { return edges_[index]; }
    bool IsSet() const { return IsSetPoint(corners_[0]); }

    // Extremes over the corners.
    double MinX() const { return minX_; }
    double MaxX() const { return maxX_; }
    double MinY() const { return minY_; }
    double MaxY() const { return maxY_; }

    bool SameAs(const CDimRect& other) const;
    // Whether all four corners of the other lie in this area (its edges included).
    bool Contains(const CDimRect& other) const;
    void Translate(double dx, double dy);
    // The relation of this area to the other, tested in this order: disjoint, same, contains,
    // touch or meet (insides apart), cross. All tests use the points' coincidence tolerance,
    // so areas that only share a side or a corner are never taken as overlapping.
    Relation Classify(const CDimRect& other) const;
    // Same, cross or contains.
    bool Overlaps(const CDimRect& other) const;

private:
    struct Axis {
        double x;
        double y;
    };

    static bool IsSetPoint(const CDimTPoint& p) { return ::IsSet(p); }
    void Rebuild();
    // The widest gap between the two areas' shadows over the directions that can separate them
    // (the coordinate axes and the normals of the slanted edges): above the tolerance the areas
    // are apart, within it they only meet, below it their insides overlap.
    double Gap(const CDimRect& other, Axis* gapAxis) const;
    // Whether the point lies in this area, edges included.
    bool Holds(const CDimTPoint& p) const;

    std::array<CDimTPoint, 4> corners_;
    std::array<CDimLineSegment, 4> edges_;
    // Unit normals of the edges that are neither horizontal nor vertical.
    std::array<Axis, 4> slantNormals_{};
    int slantCount_ = 0;
    double minX_ = kDimUnset;
    double maxX_ = kDimUnset;
    double minY_ = kDimUnset;
    double maxY_ = kDimUnset;
};
