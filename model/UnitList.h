#pragma once
// The owning list of a machine's units, in the order the spec dialogs build them.

#include "fw/core/ObList.h"
#include "model/MachineUnit.h"

#include <string>

class CUnitList : public fw::ObList<CMachineUnit> {
    FW_DECLARE_SERIAL(CUnitList)
public:
    // The first unit whose name is exactly the text; none when there is none.
    Position FindByName(const std::string& name);
};
