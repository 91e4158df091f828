#pragma once
// Scrolling the tree while something is dragged over it: a point within the scroll inset of an
// edge of the view scrolls one line toward that edge, once the pointer has stayed in such a zone
// for longer than the scroll delay; leaving every zone starts the wait again.

#include <optional>

namespace nav {

// The drag settings, with the desktop's usual values.
struct DragSettings {
    int minDistance = 2;       // pixels the pointer moves before a drag starts
    int delayMs = 200;         // a button held this long on an item's text starts a drag
    int scrollDelayMs = 50;    // time in an edge zone before scrolling starts
    int scrollInset = 11;      // width of the edge zones in pixels
};

// Lines to scroll: -1 toward the left or top, +1 toward the right or bottom, 0 not at all.
struct ScrollStep {
    int dx = 0;
    int dy = 0;
    bool Any() const { return dx != 0 || dy != 0; }
    bool operator==(const ScrollStep&) const = default;
};

// The edge zones a point of a view of this size lies in; none outside the view.
ScrollStep EdgeZone(int x, int y, int width, int height, int inset);

class DragScroller {
public:
    explicit DragScroller(DragSettings settings = {}) : settings_(settings) {}

    // A drag over the point at this time (milliseconds of any steady clock): what to scroll now.
    ScrollStep Over(int x, int y, int width, int height, long long nowMs);
    // The drag left the view or ended.
    void Leave() { stamp_.reset(); }
    // Whether the pointer waits or scrolls in an edge zone.
    bool InZone() const { return stamp_.has_value(); }
    const DragSettings& Settings() const { return settings_; }

private:
    DragSettings settings_;
    std::optional<long long> stamp_;
};

} // namespace nav
