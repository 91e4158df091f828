#pragma once
// A length in decimal inches, shown with the appendage "(In)".

#include "lenbox/FixedDecimal.h"

namespace lenbox {

class CDecimalInch : public CFixedDecimal {
public:
    CDecimalInch() { SetAppendage("(In)"); }
};

} // namespace lenbox
