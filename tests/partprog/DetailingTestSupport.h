#pragma once
// Helpers of the detailing tests: planes and patterns from plain values, one dimension built
// on its own, and rectangles as text.

#include "fw/core/RecordingDrawContext.h"
#include "model/Pattern.h"
#include "partprog/DetailingObject.h"

#include <cstdio>
#include <memory>
#include <string>

namespace detailtest {

// A face 12 inches deep on a part 10 feet long.
inline constexpr DetailingFace kFace{192, 1920};

struct PlaneValues {
    double startX = 0;
    double startU = 0;
    char type = 'A';
    char xDirection = '+';
    char uDirection = '+';
    double rise = 0;
    double run = 0;
};

struct PatternValues {
    double startX = 0;
    double startU = 0;
    int countX = 1;
    double incrementX = 0;
    int countU = 1;
    double incrementU = 0;
};

// 3 x 2 elements from (1, 1), 2 apart along X and 1 along U.
inline const PatternValues kGrid{1, 1, 3, 2, 2, 1};

inline CRefPlane MakePlane(const PlaneValues& p)
{
    CRefPlane plane;
    plane.Set(p.startX, p.startU, p.xDirection, p.uDirection, p.rise, p.run, p.type);
    return plane;
}

inline std::unique_ptr<CPattern> MakePattern(const PatternValues& s, const PlaneValues& p, int measuringSystem = 0)
{
    const CRefPlane plane = MakePlane(p);
    return std::make_unique<CPattern>(s.startX, s.startU, s.countX, s.incrementX, s.countU, s.incrementU, CPattern::hole,
                                      &plane, nullptr, measuringSystem);
}

// The object initialised on the pattern, or nullptr when it has nothing to dimension.
template <class Kind>
std::unique_ptr<Kind> Built(const CPattern& pattern, fw::DrawContext& dc, const DetailingFace& face = kFace)
{
    auto object = std::make_unique<Kind>();
    return object->Init(pattern, dc, face) ? std::move(object) : nullptr;
}

inline std::string PointText(const CDimTPoint& p)
{
    char text[64];
    std::snprintf(text, sizeof text, "(%g,%g)", p.GetX(), p.GetY());
    return text;
}

inline std::string CornersText(const CDimRect& r)
{
    std::string text;
    for (int k = 0; k < 4; ++k)
        text += (k ? " " : "") + PointText(r.GetCorner(k));
    return text;
}

// A recording context whose current font has that height (and character width, when given).
inline void UseFont(fw::RecordingDrawContext& dc, int height, int width = 0)
{
    fw::Font font;
    font.height = height;
    font.width = width;
    dc.SelectFont(font);
    dc.Clear();
}

} // namespace detailtest
