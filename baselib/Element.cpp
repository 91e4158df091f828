#include "baselib/Element.h"

namespace zr {

CElement::~CElement() = default;

}  // namespace zr
