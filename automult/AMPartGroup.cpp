#include "automult/AMPartGroup.h"

CAMPartGroup::CAMPartGroup(std::unique_ptr<CAMPart> first) : length_(automult::FromInches(first->Length()))
{
    AddPart(std::move(first));
}

bool CAMPartGroup::Accepts(const CAMPart& part) const
{
    return part.Length() == FirstPart().Length() && part.HasSameTools(FirstPart());
}

void CAMPartGroup::AddPart(std::unique_ptr<CAMPart> part)
{
    remaining_ += part->Quantity();
    parts_.Add(std::move(part));
}

std::unique_ptr<CAMPart> CAMPartGroup::RemovePart(const CAMPart* part)
{
    for (std::size_t i = 0; i < parts_.GetSize(); ++i) {
        if (parts_[i].get() == part) {
            remaining_ -= part->Quantity();
            return parts_.RemoveAt(i);
        }
    }
    return nullptr;
}

CAMPart* CAMPartGroup::TakePiece()
{
    for (auto& part : parts_) {
        if (part->Quantity() > 0) {
            part->TakePiece();
            --remaining_;
            return part.get();
        }
    }
    return nullptr;
}

void CAMPartGroup::PlacedAt(std::size_t position)
{
    if (onMult_++ == 0)
        firstPosition_ = position;
}
