#pragma once
// Parts the search treats as one kind of piece: exactly the same length and the same tools.
// The group owns its parts and keeps the search's bookkeeping for the mult being built.

#include "automult/AMPart.h"
#include "automult/Length.h"

#include <cstdint>
#include <memory>

class CAMPartGroup {
public:
    explicit CAMPartGroup(std::unique_ptr<CAMPart> first);
    virtual ~CAMPartGroup() = default;

    // Length exactly equal to this group's and the same tool set as its first part.
    bool Accepts(const CAMPart& part) const;
    void AddPart(std::unique_ptr<CAMPart> part);
    // Takes a part out with its quantity; nullptr when the part is not in this group.
    std::unique_ptr<CAMPart> RemovePart(const CAMPart* part);

    const CDynamicArray<std::unique_ptr<CAMPart>>& Parts() const { return parts_; }
    const CAMPart& FirstPart() const { return *parts_[0]; }
    automult::Length GetLength() const { return length_; }
    std::int64_t Remaining() const { return remaining_; }
    // Takes one piece from the first part (in the order added) that still wants some.
    CAMPart* TakePiece();

    // Pieces of this group on the mult being built, and where the first of them stands.
    std::int64_t OnMult() const { return onMult_; }
    std::size_t FirstPosition() const { return firstPosition_; }
    bool CanTakeMore() const { return onMult_ < remaining_; }
    void PlacedAt(std::size_t position);
    void TakenOff() { --onMult_; }
    void ClearMult() { onMult_ = 0; }

    // Remaining quantity x length, and the same summed over every group after this one;
    // both refreshed at the start of each pass.
    automult::Length QuantityLength() const { return quantityLength_; }
    automult::Length Suffix() const { return suffix_; }
    void RefreshQuantityLength() { quantityLength_ = automult::MulSaturated(remaining_, length_); }
    void SetSuffix(automult::Length suffix) { suffix_ = suffix; }

private:
    CDynamicArray<std::unique_ptr<CAMPart>> parts_;
    automult::Length length_;
    std::int64_t remaining_ = 0;
    std::int64_t onMult_ = 0;
    std::size_t firstPosition_ = 0;
    automult::Length quantityLength_ = 0;
    automult::Length suffix_ = 0;
};
