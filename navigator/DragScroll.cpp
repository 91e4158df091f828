#include "navigator/DragScroll.h"

namespace nav {

namespace {

// -1 near the low edge, +1 near the high edge, 0 between; the low edge wins in a narrow view.
int Zone(int at, int size, int inset)
{
    if (at < inset)
        return -1;
    if (at >= size - inset)
        return 1;
    return 0;
}

} // namespace

ScrollStep EdgeZone(int x, int y, int width, int height, int inset)
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return {};
    return {Zone(x, width, inset), Zone(y, height, inset)};
}

ScrollStep DragScroller::Over(int x, int y, int width, int height, long long nowMs)
{
    const ScrollStep zone = EdgeZone(x, y, width, height, settings_.scrollInset);
    if (!zone.Any()) {
        stamp_.reset();
        return {};
    }
    if (!stamp_) {
        stamp_ = nowMs;
        return {};
    }
    return nowMs - *stamp_ > settings_.scrollDelayMs ? zone : ScrollStep{};
}

} // namespace nav
