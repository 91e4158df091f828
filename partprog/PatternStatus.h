#pragma once
// The six pattern panes of the part programming window's status bar, and the window's layout
// values in the profile.

#include "fw/core/Geometry.h"

#include <array>
#include <optional>
#include <string>

class CPattern;

// Pane 1 the tool of a hole pattern (empty for a layout), then "Pattern Type %c", "Start X = %s",
// "Start U = %s", "Rise = %s", "Run = %s" from its reference plane, in the pattern's measuring
// system; all empty without a pattern.
std::array<std::string, 6> PatternStatusTexts(const CPattern* pattern);

// The stored window rectangle "left,top,width,height": none unless it is four whole numbers with
// a width and a height of 1 to 32767 and a corner within +-32767.
std::optional<fw::Rect> ParseWindowRect(const std::string& text);
std::string FormatWindowRect(const fw::Rect& r);
