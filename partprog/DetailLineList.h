#pragma once
// The dimensions and labels of one detailing run, in drawing order: ascending by the length of
// their line, then by kind (origin to plane, plane to first, first to last), X before U, and
// in order of insertion. A dimension equal to one already held (same rectangle, same value
// text) is merged into it. Placement moves every object clear of its patterns (pass 1) and of
// every other object (pass 2).

#include "partprog/DetailingObject.h"

#include <map>
#include <memory>
#include <vector>

class CDetailLineList {
public:
    // Sweeps of pass 2 before it stops where it is; geometry that cannot separate ends there.
    // Equal objects stacked on one another need a sweep each.
    static constexpr int kMaxSweeps = 1000;

    // Inserts the object in order and answers it, or merges it into the first held object with
    // the same rectangle and value text (adding its pattern as a member, while there is room)
    // and answers nullptr.
    CDetailingObject* Add(std::unique_ptr<CDetailingObject> object);

    // Pass 1: every dimension steps out until it clears the box of its patterns' corners by the
    // clearance; then each label takes at most one move (see LabelNeedsMove).
    void MoveClearOfPatterns();
    // Pass 2: sweeps over every ordered pair in list order, separating those that overlap, until
    // a sweep finds none (or kMaxSweeps).
    void ResolveOverlaps();
    // Moves the mover of two overlapping objects until they no longer overlap and the mover
    // clears its own patterns (at most kMaxSteps steps); answers the mover.
    CDetailingObject& SeparatePair(CDetailingObject& a, CDetailingObject& b);
    // The first rule that decides: a label before a dimension; the longer line; the lower kind;
    // the one with a plane angle when only one has; the greater angle; a.
    static CDetailingObject& ChooseMover(CDetailingObject& a, CDetailingObject& b);

    bool IsEmpty() const { return objects_.empty(); }
    int GetCount() const { return int(objects_.size()); }
    CDetailingObject& GetAt(int index) const { return *objects_[index].object; }

private:
    struct Entry {
        std::unique_ptr<CDetailingObject> object;
        long serial;
    };
    // Whether a comes before b in the list order.
    static bool Precedes(const CDetailingObject& a, long serialA, const CDetailingObject& b, long serialB);
    // Pass 1 for a label: it is not clear of the owner's cover box, or its first corner is not
    // yet a level beyond that box or the owner's line ends (along X) or corners (in U).
    static bool LabelNeedsMove(const CDetailingObject& label);
    CDetailingObject* FindMergeTarget(const CDetailingObject& object) const;
    void RebuildMergeIndex();

    std::vector<Entry> objects_;
    long nextSerial_ = 0;
    // Held objects by the least x of their rectangle, for the merge test; rebuilt after moves.
    std::multimap<double, std::pair<CDetailingObject*, long>> mergeIndex_;
    bool mergeIndexValid_ = true;
};
