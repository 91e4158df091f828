#include "shopdb/IndexBIMList.h"

CIndexBlockInMemory* CIndexBIMList::Find(std::int32_t address) const
{
    const auto it = blocks_.find(address);
    return it == blocks_.end() ? nullptr : it->second.get();
}

CIndexBlockInMemory& CIndexBIMList::Insert(std::unique_ptr<CIndexBlockInMemory> block)
{
    auto& slot = blocks_[block->address];
    slot = std::move(block);
    return *slot;
}
