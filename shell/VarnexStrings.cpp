#include "shell/VarnexStrings.h"

#include "fw/core/StringTable.h"

std::string LoadVarnexString(unsigned id)
{
    return fw::StringTables::Get("VARNEX").Get(id);
}
