#include "baselib/StringTable.h"

#include "fw/core/StringTable.h"

namespace zr {

const char* LibraryString(unsigned id)
{
    const std::string* text = fw::StringTables::Get("BRAXLib_Varnex4").Find(id);
    return text ? text->c_str() : nullptr;
}

}  // namespace zr
