#include "baselib/StringTable.h"

namespace zr {

const char* LibraryString(unsigned id)
{
    switch (id) {
    case IDS_ERROR_CONVERTING: return "Error Converting";
    case IDS_TO_AN_INTEGER: return "to an integer";
    case IDS_TO_A_DOUBLE: return "to a double";
    case IDS_CONVERSION_ERROR_IN_FILE: return "Conversion error in file";
    case IDS_ON_LINE: return "on line";
    default: return nullptr;
    }
}

}  // namespace zr
