#pragma once
// A list that owns its elements and keeps stable positions: inserting or removing elsewhere
// never invalidates a position. Archived as a count followed by each element with its class tag.

#include "fw/core/Archive.h"
#include "fw/core/Object.h"

#include <cstddef>
#include <iterator>
#include <list>
#include <memory>

namespace fw {

template <class T> class ObList : public Object {
    using Store = std::list<std::unique_ptr<T>>;

public:
    // A place in the list; a default (null) position is past either end.
    class Position {
    public:
        Position() = default;
        explicit operator bool() const { return valid_; }
        bool operator==(const Position& o) const { return valid_ == o.valid_ && (!valid_ || it_ == o.it_); }

    private:
        friend class ObList;
        Position(typename Store::iterator it, bool valid) : it_(it), valid_(valid) {}
        typename Store::iterator it_{};
        bool valid_ = false;
    };

    ObList() = default;
    ObList(const ObList&) = delete;
    ObList& operator=(const ObList&) = delete;
    ObList(ObList&&) noexcept = default;
    ObList& operator=(ObList&&) noexcept = default;

    std::size_t GetCount() const { return items_.size(); }
    bool IsEmpty() const { return items_.empty(); }

    Position GetHeadPosition() { return Make(items_.begin()); }
    Position GetTailPosition() { return items_.empty() ? Position() : Make(std::prev(items_.end())); }

    // The element at pos; pos moves to the next (or previous) element, null past the end.
    T* GetNext(Position& pos)
    {
        T* item = pos.it_->get();
        pos = Make(std::next(pos.it_));
        return item;
    }
    T* GetPrev(Position& pos)
    {
        T* item = pos.it_->get();
        pos = pos.it_ == items_.begin() ? Position() : Make(std::prev(pos.it_));
        return item;
    }
    T* GetAt(Position pos) const { return pos.it_->get(); }

    T* GetHead() const { return items_.empty() ? nullptr : items_.front().get(); }
    T* GetTail() const { return items_.empty() ? nullptr : items_.back().get(); }

    Position AddHead(std::unique_ptr<T> item) { return Make(items_.insert(items_.begin(), std::move(item))); }
    Position AddTail(std::unique_ptr<T> item) { return Make(items_.insert(items_.end(), std::move(item))); }
    Position InsertBefore(Position pos, std::unique_ptr<T> item)
    {
        return Make(items_.insert(pos ? pos.it_ : items_.begin(), std::move(item)));
    }
    Position InsertAfter(Position pos, std::unique_ptr<T> item)
    {
        return Make(items_.insert(pos ? std::next(pos.it_) : items_.end(), std::move(item)));
    }

    // Takes the element out of the list and hands it to the caller.
    std::unique_ptr<T> RemoveAt(Position pos)
    {
        std::unique_ptr<T> item = std::move(*pos.it_);
        items_.erase(pos.it_);
        return item;
    }
    std::unique_ptr<T> RemoveHead() { return RemoveAt(GetHeadPosition()); }
    std::unique_ptr<T> RemoveTail() { return RemoveAt(GetTailPosition()); }
    void RemoveAll() { items_.clear(); }

    Position Find(const T* item)
    {
        for (auto it = items_.begin(); it != items_.end(); ++it)
            if (it->get() == item)
                return Make(it);
        return {};
    }
    Position FindIndex(std::size_t index)
    {
        return index < items_.size() ? Make(std::next(items_.begin(), std::ptrdiff_t(index))) : Position();
    }

    // Range-for over the elements: as T& through a mutable list, as const T& through a const one.
    template <class E>
    class BasicIterator {
    public:
        explicit BasicIterator(typename Store::const_iterator it) : it_(it) {}
        E& operator*() const { return **it_; }
        E* operator->() const { return it_->get(); }
        BasicIterator& operator++() { ++it_; return *this; }
        bool operator!=(const BasicIterator& o) const { return it_ != o.it_; }
        bool operator==(const BasicIterator& o) const { return it_ == o.it_; }

    private:
        typename Store::const_iterator it_;
    };
    using Iterator = BasicIterator<T>;
    using ConstIterator = BasicIterator<const T>;
    Iterator begin() { return Iterator(items_.begin()); }
    Iterator end() { return Iterator(items_.end()); }
    ConstIterator begin() const { return ConstIterator(items_.begin()); }
    ConstIterator end() const { return ConstIterator(items_.end()); }

    // Count, then each element as an object; on load the elements are appended.
    void Serialize(Archive& ar) override
    {
        if (ar.IsStoring()) {
            ar.WriteCount(std::uint32_t(items_.size()));
            for (const auto& item : items_)
                ar.WriteObject(item.get());
            return;
        }
        const std::uint32_t n = ar.ReadCount(2);
        for (std::uint32_t i = 0; i < n; ++i)
            AddTail(ReadElement(ar));
    }

    // Reads one element of the list's element class; a null element is refused.
    static std::unique_ptr<T> ReadElement(Archive& ar)
    {
        std::unique_ptr<T> item = ar.ReadObject<T>();
        if (!item)
            throw ArchiveException(ArchiveException::badValue, "empty element in a list");
        return item;
    }

private:
    Position Make(typename Store::iterator it) { return Position(it, it != items_.end()); }

    Store items_;
};

} // namespace fw
