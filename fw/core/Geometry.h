#pragma once
// Integer points, sizes and rectangles in logical or device units.

#include "fw/core/FwCoreExport.h"
#include <algorithm>
#include <utility>

namespace fw {

struct FW_CORE_EXPORT Point {
    int x = 0;
    int y = 0;

    friend constexpr Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
    friend constexpr Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
    constexpr bool operator==(const Point&) const = default;
};

struct FW_CORE_EXPORT Size {
    int cx = 0;
    int cy = 0;

    constexpr bool operator==(const Size&) const = default;
};

// A rectangle from (left, top) up to but excluding (right, bottom).
struct FW_CORE_EXPORT Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }

    // Swaps the edges so that left <= right and top <= bottom.
    constexpr void Normalize()
    {
        if (left > right)
            std::swap(left, right);
        if (top > bottom)
            std::swap(top, bottom);
    }

    // The common part of two normal rectangles; an empty Rect{} when they do not overlap.
    constexpr Rect Intersect(const Rect& r) const
    {
        Rect i{std::max(left, r.left), std::max(top, r.top), std::min(right, r.right), std::min(bottom, r.bottom)};
        return i.IsEmpty() ? Rect{} : i;
    }

    // The smallest rectangle holding both; an empty rectangle adds nothing.
    constexpr Rect Union(const Rect& r) const
    {
        if (r.IsEmpty())
            return IsEmpty() ? Rect{} : *this;
        if (IsEmpty())
            return r;
        return {std::min(left, r.left), std::min(top, r.top), std::max(right, r.right), std::max(bottom, r.bottom)};
    }

    // Whether r lies wholly inside this rectangle (edges may touch).
    constexpr bool Contains(const Rect& r) const
    {
        return r.left >= left && r.top >= top && r.right <= right && r.bottom <= bottom;
    }

    // Whether the point is inside; the right and bottom edges are outside.
    constexpr bool PtInRect(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

    constexpr bool operator==(const Rect&) const = default;
};

} // namespace fw
