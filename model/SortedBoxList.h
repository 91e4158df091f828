#pragma once
// An owning list of patterns or stencil marks, sorted by the lower-left corner of their boxes
// (min X, then min U), with a current position that the face views keep.

#include "fw/core/ObList.h"

#include <memory>

namespace fw {
class DrawContext;
}

template <class T> class SortedBoxList : public fw::ObList<T> {
    using Base = fw::ObList<T>;

public:
    using Position = typename Base::Position;

    // Inserts the item in its place and takes it. An item equal to the one at its insert point
    // is refused: none is returned and the item stays with the caller. Items elsewhere in the
    // list are not compared.
    Position AddSorted(std::unique_ptr<T>& item);
    // Deletes every item; no current position.
    void RemoveAll()
    {
        Base::RemoveAll();
        current_ = {};
    }
    // Deletes the item; returns the next position, the previous one when it was the last, none
    // when it was the only one. That position becomes the current one.
    Position DeleteAt(Position pos);

    Position GetCurrentPosition() const { return current_; }
    void SetCurrentPosition(Position pos) { current_ = pos; }

    void Draw(fw::DrawContext& dc) const
    {
        for (const T& item : *this)
            item.Draw(dc);
    }

    // The object-list form; after loading, the head is the current position.
    void Serialize(fw::Archive& ar) override
    {
        Base::Serialize(ar);
        if (ar.IsLoading())
            current_ = this->GetHeadPosition();
    }

private:
    Position current_;
};

template <class T> typename SortedBoxList<T>::Position SortedBoxList<T>::AddSorted(std::unique_ptr<T>& item)
{
    if (!item->IsSane())
        return {};
    Position pos = this->GetHeadPosition();
    while (pos && this->GetAt(pos)->GetMinX() < item->GetMinX())
        this->GetNext(pos);
    while (pos && this->GetAt(pos)->GetMinX() == item->GetMinX() && this->GetAt(pos)->GetMinU() < item->GetMinU())
        this->GetNext(pos);
    if (!pos)
        return this->AddTail(std::move(item));
    if (this->GetAt(pos)->IsEqual(*item))
        return {};
    return this->InsertBefore(pos, std::move(item));
}

template <class T> typename SortedBoxList<T>::Position SortedBoxList<T>::DeleteAt(Position pos)
{
    Position next = pos;
    this->GetNext(next);
    Position previous = pos;
    this->GetPrev(previous);
    this->RemoveAt(pos);
    current_ = next ? next : previous;
    return current_;
}
