#include "partprog/DetailingManager.h"

#include "partprog/DetailLineList.h"
#include "partprog/DetailingDimRect.h"
#include "partprog/DetailingTextRect.h"

#include <array>
#include <memory>

namespace {

template <class... Kinds> std::array<std::unique_ptr<CDetailingObject>, sizeof...(Kinds)> MakeAll()
{
    return {std::make_unique<Kinds>()...};
}

} // namespace

void CDetailingManager::DetailPattern(const CPattern& pattern, fw::DrawContext& dc, const DetailingFace& face,
                                      CDetailLineList& list) const
{
    auto dimensions = MakeAll<CDetailingDimRectOrgToRef, CDetailingDimRectRefTo1st, CDetailingDimRect1stToLast,
                              CDetailingDimRectOrgToRefU, CDetailingDimRectRefTo1stU, CDetailingDimRect1stToLastU>();
    for (std::unique_ptr<CDetailingObject>& object : dimensions) {
        if (!object->Init(pattern, dc, face))
            continue;
        CDetailingObject* dimension = list.Add(std::move(object));
        if (!dimension || dimension->Fits())
            continue;
        std::unique_ptr<CDetailingObject> label;
        if (dimension->IsAlongX())
            label = std::make_unique<CDetailingTextRect>();
        else
            label = std::make_unique<CDetailingTextRectU>();
        if (label->InitLabel(*dimension))
            list.Add(std::move(label));
    }
}
