#pragma once
// A length in millimetres, shown with the appendage "(mm)"; whole millimetres until a mask with
// decimals is set.

#include "lenbox/FixedDecimal.h"

namespace lenbox {

class CMetric : public CFixedDecimal {
public:
    static constexpr const char* kBuiltInMask = "99999";

    CMetric() : CFixedDecimal(kBuiltInMask) { SetAppendage("(mm)"); }
};

} // namespace lenbox
