#pragma once
// The stencil marks of a part, sorted by their boxes; a mark without text is refused.

#include "model/SortedBoxList.h"
#include "model/StencilPattern.h"

class CStencilPatternList : public SortedBoxList<CStencilPattern> {
    FW_DECLARE_SERIAL(CStencilPatternList)
public:
    Position AddSorted(std::unique_ptr<CStencilPattern>& mark)
    {
        return mark->GetText().empty() ? Position() : SortedBoxList::AddSorted(mark);
    }
};
