#pragma once
// One face view's drawing, independent of any window: the mapping of the face onto the client
// area (isotropic, at least twice the depth in view, scrolled), the scroll arithmetic, and the
// picture in its order: outline and hidden lines, the view's reference plane, the patterns, the
// detailing, the stencil marks and the marker.

#include "partprog/FaceKind.h"

class CPattern;
class CPatternList;
class CRefPlane;
class CStencilPatternList;
class DetailSettings;
class DetailingLayout;

// A scroll bar's range, page and position.
struct ScrollBarState {
    int min = 0;
    int max = 100;
    int page = 0;
    int pos = 0;
};

// Where the face lies in the client area (device pixels).
struct FaceViewport {
    fw::Size client;
    ScrollBarState horizontal;
    int verticalPage = 0;     // 0: no vertical scrolling
    int verticalOffset = 0;   // scroll steps from the centred position
};

namespace facescroll {

// Device pixels per horizontal scroll unit: (client width + Ld) / (max - min); 0 without a range.
double UnitPixels(int clientWidth, int lengthPixels, const ScrollBarState& bar);
// The position that brings logical x into view, held within the range.
int PositionForX(int x, int clientWidth, int lengthPixels, const ScrollBarState& bar);
// The page after a size change: the range over (a / w + 1), a = client width + L in pixels and
// w = the client width in logical units; at least 1; the whole range when a < w.
int ResetPage(const ScrollBarState& bar, int clientWidth, int clientWidthLogical, int lengthPixels);
// Device pixels per vertical step: Dd / page, at least 1; 0 without a page.
double VerticalUnitPixels(int depthPixels, int page);

} // namespace facescroll

struct FaceScene {
    const FaceKindInfo* kind = nullptr;
    FaceDims dims;
    int channelLeg = 0;
    const CPatternList* patterns = nullptr;
    const CStencilPatternList* stencils = nullptr;   // only on the view that shows the marks
    const CRefPlane* plane = nullptr;
    const CPattern* current = nullptr;
    const DetailSettings* details = nullptr;
    DetailingLayout* layout = nullptr;   // the view's kept detailing; without one it is built each time
    fw::Point marker;

    int Height() const { return FaceHeight(*kind, dims); }
    // The mapping: window extent (2D, 2D) (at least one inch, so a depth of 0 still maps),
    // viewport extent the client size, the origin from the scroll state, and on flipped views U
    // growing upward from the face's top edge. False, with nothing changed, for an empty client.
    bool Map(fw::DrawContext& dc, const FaceViewport& viewport) const;
    // Draws everything inside the clip box (logical units).
    void Draw(fw::DrawContext& dc, const fw::Rect& clip) const;
    // Device pixels per logical unit in a client of that size; 0 for an empty client.
    double Scale(fw::Size client) const;
    // The point (L, D) in device units at the current scale.
    fw::Size ExtentPixels(const fw::DrawContext& dc) const;
};
