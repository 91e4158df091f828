#include "partprog/DetailDimensionLines.h"

#include "partprog/DetailingManager.h"

void CDetailDimensionLines::AddPattern(const CPattern& pattern, fw::DrawContext& dc, const DetailingFace& face)
{
    CDetailingManager().DetailPattern(pattern, dc, face, list_);
}

void CDetailDimensionLines::DrawAllOn(fw::DrawContext& dc)
{
    for (int k = 0; k < list_.GetCount(); ++k)
        list_.GetAt(k).Rebind(dc);
    DrawAll();
}

void CDetailDimensionLines::DrawAll()
{
    if (list_.IsEmpty())
        return;
    if (!placed_) {
        list_.MoveClearOfPatterns();
        list_.ResolveOverlaps();
        placed_ = true;
    }
    for (int k = 0; k < list_.GetCount(); ++k) {
        CDetailingObject& o = list_.GetAt(k);
        if (!o.IsLabel() && o.Fits())
            o.DrawText();
    }
    for (int k = 0; k < list_.GetCount(); ++k)
        list_.GetAt(k).Draw();
}
