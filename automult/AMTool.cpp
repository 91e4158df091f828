#include "automult/AMTool.h"

std::size_t FindOrAddTool(CAMToolTable& table, const std::string& name, enumZone zone)
{
    for (const auto& tool : table)
        if (tool->IsSame(name, zone))
            return tool->Index();
    table.Add(std::make_unique<CAMTool>(name, zone, table.GetSize()));
    return table.Last()->Index();
}
