#pragma once
// The captions of the measuring system choices, by system number (imperial, decimal inch, metric),
// as the shape, tool, part and mult windows show them.

inline constexpr const char* kMeasuringSystemCaptions[] = {"&Imperial", "&Decimal Inch", "Met&ric"};
