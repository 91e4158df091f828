#pragma once
// The errors the control's property setters raise: a number, the status the control reports for
// it (the control facility's code for the number) and a description.

#include "lenbox/LenboxExport.h"
#include <cstdint>
#include <stdexcept>
#include <string>

namespace lenbox {

enum class LenboxErrorNumber : int {
    InvalidPropertyValue = 380,        // a value outside what the property can take
    IllegalFeetFormat = 1000,
    IllegalDecimalInchFormat = 1001,
    IllegalMetricFormat = 1002,
    DenominatorNotPower = 1003,
    MinAboveMax = 1004,
    DefaultDenominatorNotPower = 1005,
};

class LENBOX_EXPORT LenboxError : public std::runtime_error {
public:
    explicit LenboxError(LenboxErrorNumber number);

    int Number() const { return int(number_); }
    std::int32_t Status() const;   // 0x800A0000 | number
    std::string Description() const { return what(); }

private:
    LenboxErrorNumber number_;
};

} // namespace lenbox
