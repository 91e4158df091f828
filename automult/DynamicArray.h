#pragma once
// The growable array every list of the engine lives in. Element access is unchecked, as the
// search indexes only within the count.

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

template <class T> class CDynamicArray {
public:
    std::size_t GetSize() const { return items_.size(); }

    T& operator[](std::size_t i) { return items_[i]; }
    const T& operator[](std::size_t i) const { return items_[i]; }
    T& Last() { return items_.back(); }
    const T& Last() const { return items_.back(); }

    void Add(T item) { items_.push_back(std::move(item)); }
    // Removes the element at i, moving the later ones down, and returns it.
    T RemoveAt(std::size_t i)
    {
        T item = std::move(items_[i]);
        items_.erase(items_.begin() + std::ptrdiff_t(i));
        return item;
    }
    T RemoveLast()
    {
        T item = std::move(items_.back());
        items_.pop_back();
        return item;
    }
    // Count 0; the storage is kept for the next fill.
    void RemoveAll() { items_.clear(); }

    // Index of the first element equal to item, or -1.
    std::ptrdiff_t Find(const T& item) const
    {
        auto it = std::find(items_.begin(), items_.end(), item);
        return it == items_.end() ? -1 : it - items_.begin();
    }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::vector<T> items_;
};
