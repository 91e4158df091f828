#include "partprog/PatternOperations.h"

#include <cmath>

namespace patternops {

namespace {

char Reversed(char direction) { return direction == '+' ? '-' : '+'; }
int Sign(char direction) { return direction == '+' ? 1 : -1; }
char Direction(int sign) { return sign >= 0 ? '+' : '-'; }

struct PlaneValues {
    double startX, startU;
    char xDirection, uDirection;
    double rise, run;
    char type;
};

PlaneValues ValuesOf(const CRefPlane& p)
{
    return {p.GetStartX().GetValue(), p.GetStartU().GetValue(), p.GetXDirection(), p.GetUDirection(),
            p.GetRise().GetValue(),   p.GetRun().GetValue(),    p.GetPatternType()};
}

void Store(CRefPlane& plane, const PlaneValues& v)
{
    plane.Set(v.startX, v.startU, v.xDirection, v.uDirection, v.rise, v.run, v.type);
}

} // namespace

void FlipPlane(CRefPlane& plane, double length)
{
    PlaneValues v = ValuesOf(plane);
    v.startX = length - v.startX;
    v.xDirection = Reversed(v.xDirection);
    Store(plane, v);
}

void FlopPlane(CRefPlane& plane, double depth)
{
    PlaneValues v = ValuesOf(plane);
    v.startU = depth - v.startU;
    v.uDirection = Reversed(v.uDirection);
    Store(plane, v);
}

CRefPlane MirroredPlane(const CRefPlane& plane, double length)
{
    CRefPlane mirrored(plane);
    FlipPlane(mirrored, length);
    return mirrored;
}

std::unique_ptr<CPattern> Rotated(const CPattern& pattern, double depth)
{
    const PlaneValues old = ValuesOf(pattern.GetRefPlane());
    PlaneValues v = old;
    v.startX = depth - old.startU;
    v.startU = old.startX;
    double startX = pattern.GetStartX().GetValue(), startU = pattern.GetStartU().GetValue();
    double incrementX = pattern.GetIncrementX().GetValue(), incrementU = pattern.GetIncrementU().GetValue();
    int countX = pattern.GetCountX(), countU = pattern.GetCountU();

    if (old.rise == 0.0 && old.run == 0.0 && old.type != 'C') {
        // Along X becomes along U: u' = x. Across U becomes along X, against the old U side:
        // x' = depth - u, so the X sign is minus the old U sign, turned again below the plane.
        const int below = old.type == 'B' ? -1 : 1;
        v.xDirection = Direction(-Sign(old.uDirection) * below);
        v.uDirection = old.xDirection;
        v.type = 'A';
        std::swap(startX, startU);
        std::swap(countX, countU);
        std::swap(incrementX, incrementU);
    } else if (old.rise == 0.0 && old.run == 0.0) {
        // Centred: the same elements from a vertical plane whose rise follows the old X sign.
        v.xDirection = '+';
        v.rise = Sign(old.xDirection);
        v.run = 0.0;
    } else if (old.run == 0.0) {
        // Vertical -> horizontal: u = along x sign x rise sign becomes x' = depth - u.
        v.xDirection = Direction(-Sign(old.xDirection) * (old.rise > 0 ? 1 : -1));
        v.rise = 0.0;
        v.run = 0.0;
    } else {
        v.xDirection = old.uDirection;
        v.uDirection = old.xDirection;
        v.rise = old.run;
        v.run = -old.rise;
        if ((v.rise > 0) != (v.run > 0))
            v.type = old.type == 'A' ? 'B' : old.type == 'B' ? 'A' : old.type;
    }
    CRefPlane plane;
    Store(plane, v);
    return std::make_unique<CPattern>(startX, startU, countX, incrementX, countU, incrementU, pattern.GetOperation(),
                                      &plane, pattern.GetTool(), pattern.GetStartX().GetUnits());
}

double TriangulationRatio(const CRefPlane& plane)
{
    return plane.GetRise().GetValue() * plane.GetUSign() / (plane.GetRun().GetValue() * plane.GetXSign());
}

double Triangulate(double ratio, int choice, double a)
{
    const double b = choice == 1 ? a / ratio : a * ratio;
    return std::hypot(a, b);
}

} // namespace patternops
