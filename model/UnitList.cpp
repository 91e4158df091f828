#include "model/UnitList.h"

FW_IMPLEMENT_SERIAL(CUnitList, fw::Object, 1)

CUnitList::Position CUnitList::FindByName(const std::string& name)
{
    for (Position pos = GetHeadPosition(); pos; GetNext(pos))
        if (GetAt(pos)->name == name)
            return pos;
    return {};
}
