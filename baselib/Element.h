#pragma once

#include "baselib/BRAXLibExport.h"
// An empty polymorphic base for the library's list elements.

namespace zr {

class BRAXLIB_EXPORT CElement {
public:
    CElement() = default;
    CElement(const CElement&) = default;
    CElement& operator=(const CElement&) = default;
    virtual ~CElement();
};

}  // namespace zr
