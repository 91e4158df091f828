#include "model/DeviceUnits.h"

#include <algorithm>
#include <cmath>

int InchesToDevice(double inches)
{
    constexpr double largest = 1.0e9;
    const double units = std::trunc(inches * kDeviceUnitsPerInch);
    if (std::isnan(units))
        return 0;
    return int(std::clamp(units, -largest, largest));
}
