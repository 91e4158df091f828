#include "partprog/DetailLineList.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTol = CDimTPoint::kTolerance;

bool SameLength(double a, double b) { return std::fabs(a - b) <= kTol; }

// Whether two areas' bounds agree within the tolerance, as they do for areas that are the same.
bool SameBounds(const CDimRect& a, const CDimRect& b)
{
    return std::fabs(a.MinX() - b.MinX()) <= kTol && std::fabs(a.MaxX() - b.MaxX()) <= kTol &&
           std::fabs(a.MinY() - b.MinY()) <= kTol && std::fabs(a.MaxY() - b.MaxY()) <= kTol;
}

} // namespace

bool CDetailLineList::Precedes(const CDetailingObject& a, long serialA, const CDetailingObject& b, long serialB)
{
    if (a.GetLineLength() != b.GetLineLength())
        return a.GetLineLength() < b.GetLineLength();
    if (a.GetKind() != b.GetKind())
        return a.GetKind() < b.GetKind();
    if (a.IsAlongX() != b.IsAlongX())
        return a.IsAlongX();
    return serialA < serialB;
}

void CDetailLineList::RebuildMergeIndex()
{
    mergeIndex_.clear();
    for (const Entry& e : objects_)
        mergeIndex_.emplace(e.object->GetRect().MinX(), std::pair{e.object.get(), e.serial});
    mergeIndexValid_ = true;
}

// The first object in list order with the same rectangle and value text.
CDetailingObject* CDetailLineList::FindMergeTarget(const CDetailingObject& object) const
{
    const CDimRect& rect = object.GetRect();
    std::pair<CDetailingObject*, long> found{nullptr, 0};
    const auto last = mergeIndex_.upper_bound(rect.MinX() + kTol);
    for (auto it = mergeIndex_.lower_bound(rect.MinX() - kTol); it != last; ++it) {
        const auto [held, serial] = it->second;
        if (found.first && !Precedes(*held, serial, *found.first, found.second))
            continue;
        if (SameBounds(held->GetRect(), rect) && held->GetRect().SameAs(rect) && held->GetText() == object.GetText())
            found = it->second;
    }
    return found.first;
}

CDetailingObject* CDetailLineList::Add(std::unique_ptr<CDetailingObject> object)
{
    if (!mergeIndexValid_)
        RebuildMergeIndex();
    if (CDetailingObject* target = FindMergeTarget(*object)) {
        target->AddMember(*object);
        return nullptr;
    }
    const long serial = nextSerial_++;
    const auto at = std::upper_bound(objects_.begin(), objects_.end(), *object, [serial](const CDetailingObject& o, const Entry& e) {
        return Precedes(o, serial, *e.object, e.serial);
    });
    CDetailingObject* added = object.get();
    mergeIndex_.emplace(added->GetRect().MinX(), std::pair{added, serial});
    objects_.insert(at, Entry{std::move(object), serial});
    return added;
}

bool CDetailLineList::LabelNeedsMove(const CDetailingObject& label)
{
    const CDetailingObject& owner = *label.GetOwner();
    const bool x = label.IsAlongX();
    const auto across = [x](const CDimTPoint& p) { return x ? p.GetY() : p.GetX(); };
    const double level = label.GetLevel();
    const double first = across(label.GetRect().GetCorner(0));
    if (CDimTPoint::RoundHalfAway(across(owner.GetWorkPoint(x ? 6 : 4))) - level < first)
        return true;
    for (int k = 0; k < 4; ++k)
        if ((!x || k == 0 || k == 3) && across(owner.GetRect().GetCorner(k)) - level < first)
            return true;
    return false;
}

void CDetailLineList::MoveClearOfPatterns()
{
    mergeIndexValid_ = false;
    for (const Entry& e : objects_)
        e.object->ComputeCoverBox();
    for (const Entry& e : objects_) {
        CDetailingObject& o = *e.object;
        if (o.IsLabel())
            continue;
        for (int steps = 0; !o.IsClearOfCover() && steps < CDetailingObject::kMaxSteps; ++steps)
            o.MoveOut();
    }
    for (const Entry& e : objects_) {
        CDetailingObject& label = *e.object;
        if (!label.IsLabel())
            continue;
        label.GetOwner()->ComputeCoverBox();
        if (LabelNeedsMove(label))
            label.MoveOut();
    }
}

CDetailingObject& CDetailLineList::ChooseMover(CDetailingObject& a, CDetailingObject& b)
{
    if (a.IsLabel() != b.IsLabel())
        return a.IsLabel() ? a : b;
    if (!SameLength(a.GetLineLength(), b.GetLineLength()))
        return a.GetLineLength() > b.GetLineLength() ? a : b;
    if (a.GetKind() != b.GetKind())
        return a.GetKind() < b.GetKind() ? a : b;
    const double angleA = a.GetAngle();
    const double angleB = b.GetAngle();
    if ((angleA != 0.0) != (angleB != 0.0))
        return angleA != 0.0 ? a : b;
    return angleB > angleA ? b : a;
}

void CDetailLineList::SeparatePair(CDetailingObject& a, CDetailingObject& b)
{
    CDetailingObject& mover = ChooseMover(a, b);
    int steps = 0;
    do
        mover.MoveOut();
    while ((a.Overlaps(b) || !mover.IsClearOfCover()) && ++steps < CDetailingObject::kMaxSteps);
}

void CDetailLineList::ResolveOverlaps()
{
    mergeIndexValid_ = false;
    for (int sweep = 0; sweep < kMaxSweeps; ++sweep) {
        bool changed = false;
        for (const Entry& ea : objects_)
            for (const Entry& eb : objects_)
                if (&ea != &eb && ea.object->Overlaps(*eb.object)) {
                    SeparatePair(*ea.object, *eb.object);
                    changed = true;
                }
        if (!changed)
            return;
    }
}
