#pragma once
// The node cache of a link file: the nodes of the current chain in chain order, from the first
// node on, as far as they were read or inserted. The cache owns them.

#include "shopdb/LinkInMemory.h"

#include <cstddef>
#include <cstdint>
#include <list>
#include <unordered_map>

class CLinkIMList {
public:
    using Position = std::list<CLinkInMemory>::iterator;

    Position Begin() { return nodes_.begin(); }
    Position End() { return nodes_.end(); }
    bool IsEmpty() const { return nodes_.empty(); }
    std::size_t GetCount() const { return nodes_.size(); }

    // The position of the node at an address, or End().
    Position Find(std::int32_t address);
    // Inserts a node before a position (End() for the tail) and returns its position.
    Position InsertBefore(Position position, const CLinkInMemory& node);
    void Clear();

private:
    std::list<CLinkInMemory> nodes_;
    std::unordered_map<std::int32_t, Position> byAddress_;
};
