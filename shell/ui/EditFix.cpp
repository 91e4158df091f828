#include "shell/ui/EditFix.h"

#include <algorithm>

void CEditFix::SetSel(int start, int end)
{
    const int length = static_cast<int>(text().size());
    start = std::clamp(start, 0, length);
    if (end < 0 || end > length)
        end = length;
    setSelection(start, std::max(end - start, 0));
}
