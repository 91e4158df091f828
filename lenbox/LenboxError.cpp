#include "lenbox/LenboxError.h"

namespace lenbox {

namespace {

const char* DescriptionOf(LenboxErrorNumber number)
{
    switch (number) {
    case LenboxErrorNumber::InvalidPropertyValue: return "Invalid property value";
    case LenboxErrorNumber::IllegalFeetFormat: return "Illegal Feet Format\nEx:99'99\"99/99";
    case LenboxErrorNumber::IllegalDecimalInchFormat: return "Illegal Decimal Inch Format\nEx: 99990.099999";
    case LenboxErrorNumber::IllegalMetricFormat: return "Illegal Metric Format\nEx: 99990.09";
    case LenboxErrorNumber::DenominatorNotPower: return "Denominator Not Power\nEx. 2 4  8  16  32 64";
    case LenboxErrorNumber::MinAboveMax: return "Min Inches is greater than Max Inches\n";
    case LenboxErrorNumber::DefaultDenominatorNotPower: return "Default Denominator Not Power\nEx. 2 4  8  16  32 64";
    }
    return "";
}

} // namespace

LenboxError::LenboxError(LenboxErrorNumber number) : std::runtime_error(DescriptionOf(number)), number_(number) {}

std::int32_t LenboxError::Status() const
{
    return std::int32_t(0x800A0000u | std::uint32_t(number_));
}

} // namespace lenbox
