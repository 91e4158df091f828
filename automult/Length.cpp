#include "automult/Length.h"

#include <cmath>

namespace automult {

bool IsEngineLength(double inches) { return std::fabs(inches) <= kMaxInches; }

Length FromInches(double inches)
{
    if (!(inches >= -kMaxInches))
        return FromInches(-kMaxInches);
    if (inches > kMaxInches)
        return FromInches(kMaxInches);
    return std::llround(inches * kUnitsPerInch);
}

double ToInches(Length length) { return double(length) / kUnitsPerInch; }

Length AddSaturated(Length a, Length b) { return a + b >= kUnbounded ? kUnbounded : a + b; }

Length MulSaturated(std::int64_t quantity, Length length)
{
    if (quantity <= 0 || length <= 0)
        return 0;
    return quantity >= kUnbounded / length ? kUnbounded : quantity * length;
}

} // namespace automult
