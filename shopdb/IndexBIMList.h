#pragma once
// The block cache of an index file: every block fetched or written since the file was opened,
// by ascending address. The cache owns them; their addresses stay valid until it is cleared.

#include "shopdb/IndexBlockInMemory.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>

class CIndexBIMList {
public:
    CIndexBlockInMemory* Find(std::int32_t address) const;
    // Takes a block with its address set.
    CIndexBlockInMemory& Insert(std::unique_ptr<CIndexBlockInMemory> block);
    void Clear() { blocks_.clear(); }
    std::size_t GetCount() const { return blocks_.size(); }

private:
    std::map<std::int32_t, std::unique_ptr<CIndexBlockInMemory>> blocks_;
};
