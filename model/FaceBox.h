#pragma once
// The box around what a pattern or stencil mark puts on a face, in inches.

struct FaceBox {
    double minX = 0.0;
    double minU = 0.0;
    double maxX = 0.0;
    double maxU = 0.0;

    // The box of one point.
    static FaceBox At(double x, double u) { return {x, u, x, u}; }
    // Grows the box to hold the point.
    void Add(double x, double u);
    bool operator==(const FaceBox&) const = default;
};

inline void FaceBox::Add(double x, double u)
{
    if (x < minX) minX = x;
    if (u < minU) minU = u;
    if (x > maxX) maxX = x;
    if (u > maxU) maxU = u;
}
