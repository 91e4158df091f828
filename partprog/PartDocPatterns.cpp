// The part document's pattern commands of the part programming window.

#include "partprog/PartDoc.h"

#include "records/Dimension.h"
#include "partprog/PatternOperations.h"

#include <utility>
#include <vector>

namespace {

// Rebuilds every item of a sorted list through the change and sorts the list again; the current
// item stays current. An item the list refuses at its new place is kept at the end.
template <class List, class Change> void Rework(List& list, Change change)
{
    using Item = std::remove_reference_t<decltype(*list.GetHead())>;
    const Item* current = list.GetCurrentPosition() ? list.GetAt(list.GetCurrentPosition()) : nullptr;
    std::vector<std::unique_ptr<Item>> items;
    while (!list.IsEmpty())
        items.push_back(list.RemoveHead());
    typename List::Position currentPosition;
    for (std::unique_ptr<Item>& item : items) {
        change(item);
        const Item* kept = item.get();
        typename List::Position pos = list.AddSorted(item);
        if (!pos)
            pos = list.AddTail(std::move(item));
        if (kept == current)
            currentPosition = pos;
    }
    list.SetCurrentPosition(currentPosition ? currentPosition : list.GetHeadPosition());
}

// Moves every mark to map(x, u).
template <class Map> void MoveStencils(CStencilPatternList& marks, Map map)
{
    Rework(marks, [&map](std::unique_ptr<CStencilPattern>& mark) {
        const auto [x, u] = map(mark->GetX().GetValue(), mark->GetU().GetValue());
        mark->Set(x, u, mark->GetText());
    });
}

} // namespace

void CPartDoc::FlipFace(CPatternList& list)
{
    if (!shape_)
        return;
    const double length = header_.length.GetValue();
    Rework(list, [length](std::unique_ptr<CPattern>& pattern) {
        patternops::FlipPlane(pattern->GetRefPlane(), length);
        pattern->ComputeBox();
    });
    MoveStencils(shape_->GetStencilList(), [length](double x, double u) { return std::pair(length - x, u); });
    SetModifiedFlag();
    UpdateAllViews(nullptr);
}

void CPartDoc::FlopFace(CPatternList& list)
{
    if (!shape_)
        return;
    const double depth = shape_->GetDepth();
    Rework(list, [depth](std::unique_ptr<CPattern>& pattern) {
        patternops::FlopPlane(pattern->GetRefPlane(), depth);
        pattern->ComputeBox();
    });
    MoveStencils(shape_->GetStencilList(), [depth](double x, double u) { return std::pair(x, depth - u); });
    SetModifiedFlag();
    UpdateAllViews(nullptr);
}

void CPartDoc::RotateFace(CPatternList& list)
{
    if (!shape_)
        return;
    const double depth = shape_->GetDepth(), length = header_.length.GetValue();
    Rework(list, [depth](std::unique_ptr<CPattern>& pattern) {
        std::unique_ptr<CPattern> turned = patternops::Rotated(*pattern, depth);
        pattern->CopyFrom(*turned);
    });
    MoveStencils(shape_->GetStencilList(), [depth](double x, double u) { return std::pair(depth - u, x); });

    const ShapeRecord& r = shape_->GetShapeRecord();
    const std::string size = FormatInchesFraction(r.webThickness.GetValue()) + "X" + FormatInchesFraction(length);
    shape_->SetShapeData(r.desctp, size, length, r.webThickness.GetValue(), r.flangeWidth.GetValue(),
                         r.flangeThickness.GetValue(), r.flangeGage.GetValue(), r.weight, r.formal);
    header_.shapeDesc = size;
    header_.length.SetValue(depth);
    SetModifiedFlag();
    UpdateAllViews(nullptr);
}

bool CPartDoc::CopyToolToPattern(CPatternList& list, const CPartTool& tool)
{
    if (!shape_ || !list.GetCurrentPosition())
        return false;
    list.GetAt(list.GetCurrentPosition())->SetTool(tool);
    SetModifiedFlag();
    return true;
}
