#pragma once
// The patterns of one face, sorted by their boxes.

#include "model/Pattern.h"
#include "model/SortedBoxList.h"

class CPatternList : public SortedBoxList<CPattern> {
    FW_DECLARE_SERIAL(CPatternList)
};
