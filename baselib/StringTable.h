#pragma once

#include "baselib/BRAXLibExport.h"
// The class library's string table.

namespace zr {

enum StringId : unsigned {
    IDS_ERROR_CONVERTING = 1,
    IDS_TO_AN_INTEGER = 2,
    IDS_TO_A_DOUBLE = 3,
    IDS_CONVERSION_ERROR_IN_FILE = 4,
    IDS_ON_LINE = 5,
};

// The text of an entry, or nullptr for an id the table does not hold.
BRAXLIB_EXPORT const char* LibraryString(unsigned id);

}  // namespace zr
