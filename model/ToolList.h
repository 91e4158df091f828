#pragma once
// An owning list of tools (part tools and zone tools), kept sorted by short name, then by
// face-and-side code, without two entries of the same name and code.

#include "fw/core/ObList.h"
#include "model/ZoneTool.h"

#include <memory>
#include <string>

class CToolList : public fw::ObList<CPartTool> {
    FW_DECLARE_SERIAL(CToolList)
public:
    // The first element with that short name (and code); none when there is none.
    Position FindByName(const std::string& name);
    Position FindByNameAndCode(const std::string& name, int code);
    // The first element with the same tool (CPartTool::IsEqual) and either the same code or an
    // equal zone; a plain tool counts as zone (0, 0) and code 0.
    Position Find(const CZoneTool& tool);

    // Inserts before the first element that sorts after the tool and takes it. An element with
    // the same short name and code refuses it: none is returned and the tool stays with the caller.
    Position InsertSorted(std::unique_ptr<CZoneTool>& tool);
    // Inserts a zone-tool copy of the tool with that code and zone; none when refused.
    Position AddZoneTool(const CPartTool& tool, int code, double zoneStart, double zoneEnd);
    // Replaces the elements with zone-tool copies of the other list's elements, in order.
    void CopyFrom(const CToolList& other);
    // A new list of copies of the elements that the other list does not hold (Find).
    std::unique_ptr<CToolList> NotIn(CToolList& other);
};
