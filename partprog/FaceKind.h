#pragma once
// The fifteen kinds of face view of the part programming window, one row each: the face code,
// the direction factor, the face height and how the y axis runs, the reference-plane presets,
// the profile value that keeps the face's tool, whether Face Copy is offered, and the lines of
// the members behind the face. Face views, their tests and the benchmark all draw through it.

#include "fw/core/Drawing.h"
#include "model/PartShape.h"

#include <optional>
#include <span>
#include <string>
#include <utility>

class CRefPlane;

// The sizes of a face view in logical units (1/16 inch, truncated).
struct FaceDims {
    int depth = 0;
    int flangeThickness = 0;
    int webThickness = 0;
    int flangeWidth = 0;
    int length = 0;

    static FaceDims Of(const CPartShape& shape, double partLength);
};

// The reference-plane presets of Top and Bottom: the web's, a flange programmed from its top
// edge down, a flange programmed from its bottom edge up.
enum class FaceVariant { web, topDown, bottomUp };
// Where U runs upward: never, from the flange width, from the depth, or on a channel flange
// when the part's channel-leg flag is clear (top) or set (bottom).
enum class FaceFlip { none, atWidth, atDepth, legClear, legSet };
// Heights of the lines of the members behind the face (T web thickness, F flange thickness,
// W flange width, D depth).
enum class FaceLineAt { halfGapLow, halfGapHigh, flange, depthLessFlange, web, widthLessWeb };

struct FaceKindInfo {
    FaceViewKind kind;
    const char* className;
    int faceCode;
    int direction;          // +1 or -1
    bool flangeHigh;        // the face is W high (else D)
    FaceFlip flip;
    FaceVariant variant;
    const char* toolKey;    // in "Current Settings"
    bool writesTool;        // the tool is written back to the profile when the view closes
    bool faceCopy;
    bool centredPlane;      // the first plane is centred across the face
    bool dashedLines;
    std::span<const FaceLineAt> lines;
};

std::span<const FaceKindInfo> FaceKinds();
const FaceKindInfo& FaceKindOf(FaceViewKind kind);

// The face height in logical units: W on flange views, D on web views.
int FaceHeight(const FaceKindInfo& info, const FaceDims& dims);
// Whether the view turns its y axis so that U grows upward.
bool IsFlipped(const FaceKindInfo& info, int channelLeg);

// Draws the face outline (0, 0)-(L, H) and the lines behind it, as far as the clip box
// (logical units) holds them.
void DrawFaceOutline(fw::DrawContext& dc, const FaceKindInfo& info, const FaceDims& dims, fw::Rect clip);

// The reference-plane commands of a face view.
enum RefPlaneCommand {
    planeBottom = 0, planeTop, planeCenter, planeStart, planeEnd, planeCenteredDown, planeCenteredUp,
    planeCycleType, planeHorizontal
};
// Changes the plane by the command on a face of that height and a part of that length (inches).
// True when the view then scrolls to the plane's start X.
bool ApplyRefPlaneCommand(const FaceKindInfo& info, CRefPlane& plane, int command, double height, double length);

// Rise and run of a plane turned to a whole-degree angle: negated when counter clockwise, by the
// view's direction and again when the plane's U direction is '-'. None for 0, 90, 180 and 270
// degrees either way, which are not slopes.
std::optional<std::pair<double, double>> SlopeForDegrees(int degrees, bool counterClockwise, int direction,
                                                         char uDirection);
inline constexpr const char* kNoRightAngles = "Horizontal and Vertical slopes not allowed with this function.";
