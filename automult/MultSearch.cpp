#include "automult/MultSearch.h"

using automult::Fits;
using automult::Length;

CMultSearch::CMultSearch(std::vector<CAMPartGroup*> groups, const CAMStationList& stations, const CAMToolTable& tools,
                         const AMSearchSetup& setup)
    : groups_(std::move(groups)),
      setup_(setup),
      working_(setup.usable, stations, tools),
      best_(setup.usable, stations, tools)
{
}

AMSearchEnd CMultSearch::Run(CDynamicArray<std::unique_ptr<CAMMult>>& finished, IAutoMultUi& ui, std::stop_token stop)
{
    stop_ = std::move(stop);
    std::int64_t total = 0;
    for (const CAMPartGroup* group : groups_)
        total += group->Remaining();
    std::int64_t placed = 0;
    int made = 0;
    auto finish = [&] {
        finished.Add(std::make_unique<CAMMult>(best_));
        placed += std::int64_t(best_.PieceCount());
        ui.ProgressPercent(int(placed * 100 / total));
        ui.ProgressMults(++made);
    };

    while (placed < total) {
        RunPass();
        if (cancelled_)
            return AMSearchEnd::Cancelled;
        if (best_.PieceCount() == 0)
            return AMSearchEnd::Stuck;
        Consume();
        finish();
        while (Repeatable()) {
            best_.ClearParts();
            Consume();
            finish();
        }
    }
    return AMSearchEnd::Finished;
}

void CMultSearch::RunPass()
{
    ++stats_.passes;
    Length suffix = 0;
    for (std::size_t i = groups_.size(); i-- > 0;) {
        CAMPartGroup& group = *groups_[i];
        group.ClearMult();
        group.RefreshQuantityLength();
        group.SetSuffix(suffix);
        suffix = automult::AddSaturated(suffix, group.QuantityLength());
    }
    if (setup_.options.prune)
        bound_.Prepare(groups_, setup_.usable);
    passSteps_ = 0;
    best_.Reset(setup_.usable);
    working_.Reset(setup_.usable);
    done_ = false;
    Search(0);
}

void CMultSearch::Search(std::size_t i)
{
    if (done_ || cancelled_)
        return;
    ++stats_.nodes;
    ++passSteps_;
    if (stop_.stop_requested()) {
        cancelled_ = true;
        return;
    }
    if (Pruned(i))
        return;
    if (i < groups_.size() && !Fits(groups_[i]->GetLength(), working_.Remaining()))
        i = LongestFitting(i);
    if (i >= groups_.size()) {
        Record();
        return;
    }
    CAMPartGroup& group = *groups_[i];
    if (!working_.ToolsFit(group.FirstPart())) {
        Search(i + 1);
        return;
    }
    while (group.CanTakeMore() && Fits(group.GetLength(), working_.Remaining()))
        working_.Place(group);
    Search(i + 1);
    if (i + 1 == groups_.size())
        return;

    // Back-track one piece of this group at a time. The group that opened the mult keeps its
    // pieces; once the room freed holds everything still wanted after this group, taking off
    // more of it cannot help.
    for (bool lastTry = false; !lastTry;) {
        if (done_ || cancelled_ || group.OnMult() == 0 || working_.Placement()[0] == &group)
            return;
        working_.TakeOffOne(group);
        lastTry = Fits(group.Suffix(), working_.Remaining());
        Search(i + 1);
    }
}

bool CMultSearch::Pruned(std::size_t i)
{
    if (!setup_.options.prune || best_.PieceCount() == 0)
        return false;
    if (bound_.TableWorthBuilding(passSteps_))
        bound_.BuildTable(groups_);
    // A mult from here replaces the best when it drops less by more than the tolerance, or about
    // as much with fewer pieces; the pieces from group i on fill the difference to the room left.
    const Length room = working_.Remaining();
    const Length best = best_.Remaining();
    const Length tolerance = automult::kTolerance;
    if (bound_.MayFill(i, room - best + tolerance + 1, room + tolerance))
        return false;
    const std::size_t fewest = bound_.FewestPieces(i, room - best - tolerance, room - best + tolerance);
    return fewest == CFillBound::kNone || working_.PieceCount() + fewest >= best_.PieceCount();
}

std::size_t CMultSearch::LongestFitting(std::size_t i) const
{
    // Halving over the groups after i (known not to fit): the first one whose length fits.
    std::size_t lo = i;
    std::size_t hi = groups_.size();
    std::size_t found = groups_.size();
    while (hi - lo > 1) {
        const std::size_t mid = lo + (hi - lo) / 2;
        if (!Fits(groups_[mid]->GetLength(), working_.Remaining())) {
            lo = mid;
        } else {
            hi = mid;
            found = mid;
        }
    }
    return found;
}

void CMultSearch::Record()
{
    const bool better = best_.PieceCount() == 0 || automult::Shorter(working_.Remaining(), best_.Remaining()) ||
                        (automult::SameLength(working_.Remaining(), best_.Remaining()) &&
                         working_.PieceCount() < best_.PieceCount());
    if (better)
        best_ = working_;
    if (Fits(best_.Remaining(), setup_.allowable))
        done_ = true;
}

void CMultSearch::Consume()
{
    for (CAMPartGroup* group : best_.Placement())
        best_.CountPart(group->TakePiece());
}

bool CMultSearch::Repeatable() const
{
    // The pieces of a group stand together on a mult: one run per group.
    const auto& placement = best_.Placement();
    for (std::size_t start = 0, end = 0; start < placement.GetSize(); start = end) {
        while (end < placement.GetSize() && placement[end] == placement[start])
            ++end;
        if (placement[start]->Remaining() < std::int64_t(end - start))
            return false;
    }
    return placement.GetSize() > 0;
}
