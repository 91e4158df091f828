#include "automult/AMPart.h"

CAMPart::CAMPart(AMPartNames names, int quantity, double length, std::int32_t toolsFit,
                 const CDynamicArray<std::size_t>& tools)
    : names_(std::move(names)), quantity_(quantity), length_(length), toolsFit_(toolsFit)
{
    for (std::size_t tool : tools)
        if (tools_.Find(tool) < 0)
            tools_.Add(tool);
}

bool CAMPart::HasSameTools(const CAMPart& other) const
{
    if (tools_.GetSize() != other.tools_.GetSize())
        return false;
    for (std::size_t tool : tools_)
        if (other.tools_.Find(tool) < 0)
            return false;
    return true;
}

int CAMPart::ToolsInZone(enumZone zone, const CAMToolTable& table) const
{
    int n = 0;
    for (std::size_t tool : tools_)
        n += table[tool]->Zone() == zone;
    return n;
}
