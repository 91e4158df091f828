#pragma once
// Face drawings are made at 16 device units per inch. Positions are truncated toward zero and
// kept well inside int, so that sums of them cannot overflow.

#include "fw/core/Geometry.h"

inline constexpr int kDeviceUnitsPerInch = 16;

int InchesToDevice(double inches);

inline fw::Point InchesToDevice(double x, double u) { return {InchesToDevice(x), InchesToDevice(u)}; }
