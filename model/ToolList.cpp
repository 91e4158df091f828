#include "model/ToolList.h"

FW_IMPLEMENT_SERIAL(CToolList, fw::Object, 1)

namespace {

// The element as a zone tool: itself, or a plain tool with zone (0, 0) and code 0.
std::unique_ptr<CZoneTool> ZoneToolCopy(const CPartTool& tool)
{
    auto copy = std::make_unique<CZoneTool>();
    if (const auto* zoneTool = dynamic_cast<const CZoneTool*>(&tool))
        copy->CopyFrom(*zoneTool);
    else
        copy->CopyFrom(tool);
    return copy;
}

bool HoldsSameTool(const CPartTool& element, const CZoneTool& tool)
{
    if (!element.IsEqual(tool))
        return false;
    if (element.GetZoneCode() == tool.GetZoneCode())
        return true;
    const auto* zoneTool = dynamic_cast<const CZoneTool*>(&element);
    return zoneTool ? zoneTool->GetZone().IsEqual(tool.GetZone()) : tool.GetZone().IsEqual(CZone());
}

} // namespace

CToolList::Position CToolList::FindByName(const std::string& name)
{
    for (Position pos = GetHeadPosition(); pos; GetNext(pos))
        if (GetAt(pos)->GetShortName() == name)
            return pos;
    return {};
}

CToolList::Position CToolList::FindByNameAndCode(const std::string& name, int code)
{
    for (Position pos = GetHeadPosition(); pos; GetNext(pos))
        if (GetAt(pos)->GetShortName() == name && GetAt(pos)->GetZoneCode() == code)
            return pos;
    return {};
}

CToolList::Position CToolList::Find(const CZoneTool& tool)
{
    for (Position pos = GetHeadPosition(); pos; GetNext(pos))
        if (HoldsSameTool(*GetAt(pos), tool))
            return pos;
    return {};
}

CToolList::Position CToolList::InsertSorted(std::unique_ptr<CZoneTool>& tool)
{
    const std::string& name = tool->GetShortName();
    const int code = tool->GetZoneCode();
    for (Position pos = GetHeadPosition(); pos; GetNext(pos)) {
        const CPartTool& element = *GetAt(pos);
        const int order = element.GetShortName().compare(name);
        if (order == 0 && element.GetZoneCode() == code)
            return {};
        if (order > 0 || (order == 0 && element.GetZoneCode() > code))
            return InsertBefore(pos, std::move(tool));
    }
    return AddTail(std::move(tool));
}

CToolList::Position CToolList::AddZoneTool(const CPartTool& tool, int code, double zoneStart, double zoneEnd)
{
    auto zoneTool = std::make_unique<CZoneTool>();
    zoneTool->CopyFrom(tool);
    zoneTool->GetZone().SetRange(zoneStart, zoneEnd);
    zoneTool->SetZoneCode(code);
    return InsertSorted(zoneTool);
}

void CToolList::CopyFrom(const CToolList& other)
{
    RemoveAll();
    for (const CPartTool& tool : other)
        AddTail(ZoneToolCopy(tool));
}

std::unique_ptr<CToolList> CToolList::NotIn(CToolList& other)
{
    auto missing = std::make_unique<CToolList>();
    for (const CPartTool& tool : *this)
        if (std::unique_ptr<CZoneTool> copy = ZoneToolCopy(tool); !other.Find(*copy))
            missing->AddTail(std::move(copy));
    return missing;
}
