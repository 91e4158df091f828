#pragma once
// The elements of one placement of a pattern as a lattice on the face: element (i, j) lies at
// origin + i * stepX + j * stepU (inches), for i below countX and j below countU. It answers what
// a repaint needs to cost no more than the screen shows: which elements can fall inside a
// rectangle, and how far apart neighbouring elements fall in device pixels.

#include "fw/core/Geometry.h"

namespace fw {
class DrawContext;
}

struct PatternGrid {
    struct Vector {
        double x = 0;
        double u = 0;
    };
    // Indices lo to hi, both included; empty when lo > hi.
    struct Range {
        int lo = 0;
        int hi = -1;
    };

    Vector origin;
    Vector stepX;
    Vector stepU;
    int countX = 0;
    int countU = 0;

    Vector At(double i, double j) const
    {
        return {origin.x + i * stepX.x + j * stepU.x, origin.u + i * stepX.u + j * stepU.u};
    }
    // The elements that can lie inside the rectangle (inches, min and max corners): a bounding
    // range of i and of j, within the counts.
    void Within(Vector min, Vector max, Range& i, Range& j) const;
    // Device pixels between neighbours along a step at dc's current mapping.
    static double Pixels(const fw::DrawContext& dc, Vector step);
};
