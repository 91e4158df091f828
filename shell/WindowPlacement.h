#pragma once
// Where windows reopen: the main window's place in profile section "General" and the document
// windows' rectangles in "Layout", restored only when their "retain" flag in "Current Settings" is
// set. Stored numbers are read strictly; text that is not a whole placement is ignored, and a
// placement is clamped to the area it has to fit in.

#include "fw/core/Geometry.h"

#include <optional>
#include <string>
#include <string_view>

namespace fw {
class Profile;
}

// The smallest window a placement may make.
inline constexpr fw::Size kMinimumWindowSize{160, 120};

// r moved and shrunk as little as needed to lie within area, and made no smaller than minimum
// (nor larger than area).
fw::Rect ClampToArea(fw::Rect r, const fw::Rect& area, fw::Size minimum = kMinimumWindowSize);

// The main window: "AppWindow" (left,top), "AppWindowSize" (width,height), "MaximizeApp" (default 1).
struct MainWindowPlacement {
    std::optional<fw::Point> position;
    std::optional<fw::Size> size;
    bool maximized = true;
};
MainWindowPlacement ReadMainWindowPlacement(const fw::Profile& profile);
// Writes the normal (restored) rectangle and whether the window is maximized.
void WriteMainWindowPlacement(fw::Profile& profile, const fw::Rect& normal, bool maximized);
// The normal rectangle on a screen: the stored position and size where present, else those of
// defaultRect, clamped to the screen.
fw::Rect MainWindowRect(const MainWindowPlacement& placement, const fw::Rect& defaultRect, const fw::Rect& screen);

// The document windows whose places are kept.
enum class ChildWindow {
    partInformation, multInformation, machineInformation, shapeInformation, toolInformation, partProgramming, handMult
};
struct ChildWindowKeys {
    unsigned retainKey;   // string id of its flag in "Current Settings"
    unsigned rectKey;     // string id of its rectangle in "Layout"
    unsigned toolbar;     // its toolbar resource, 0 for none
};
const ChildWindowKeys& KeysOf(ChildWindow window);

// "left,top,width,height" of a normal rectangle, and back; nothing unless the text is four whole
// numbers with a positive width and height.
std::string FormatChildRect(const fw::Rect& normal);
std::optional<fw::Rect> ParseChildRect(std::string_view text);

// The stored rectangle when the retain flag (int, default 0) is set and the rectangle is valid.
// Sections and keys are string ids.
std::optional<fw::Rect> RestoreChildRect(const fw::Profile& profile, unsigned retainSection, unsigned retainKey,
                                         unsigned rectSection, unsigned rectKey);
// Stores the normal rectangle, whether or not the retain flag is set.
void SaveChildRect(fw::Profile& profile, unsigned section, unsigned key, const fw::Rect& normal);
