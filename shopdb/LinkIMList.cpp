#include "shopdb/LinkIMList.h"

CLinkIMList::Position CLinkIMList::Find(std::int32_t address)
{
    const auto it = byAddress_.find(address);
    return it == byAddress_.end() ? nodes_.end() : it->second;
}

CLinkIMList::Position CLinkIMList::InsertBefore(Position position, const CLinkInMemory& node)
{
    const Position inserted = nodes_.insert(position, node);
    byAddress_[node.address] = inserted;
    return inserted;
}

void CLinkIMList::Clear()
{
    nodes_.clear();
    byAddress_.clear();
}
