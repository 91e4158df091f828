#pragma once
// The geometry of the pattern commands of the part programming window: flipping, flopping and
// turning the patterns of a face, mirroring a plane end for end, and triangulating a distance
// along a sloped reference plane.

#include "model/Pattern.h"

#include <memory>

namespace patternops {

// Start X -> length - start X, X direction reversed; everything else kept.
void FlipPlane(CRefPlane& plane, double length);
// Start U -> depth - start U, U direction reversed; everything else kept.
void FlopPlane(CRefPlane& plane, double depth);
// The plane of Mirror: start X -> length - start X, X direction reversed, even for a vertical plane.
CRefPlane MirroredPlane(const CRefPlane& plane, double length);

// The pattern a quarter turn on a face of that depth: every element (x, u) lands on
// (depth - u, x). A horizontal plane exchanges the pattern's X and U values; a vertical or
// centred one keeps them and turns only the plane; a sloped plane exchanges rise and run.
std::unique_ptr<CPattern> Rotated(const CPattern& pattern, double depth);

// The slope ratio the triangulation works with: rise over run, signed by the directions. The
// dialog's choice alone decides whether a distance is taken along X or along U.
double TriangulationRatio(const CRefPlane& plane);
// The distance along the plane for a distance A measured along X (choice 0) or U (choice 1).
double Triangulate(double ratio, int choice, double a);

} // namespace patternops
