#pragma once
// One block of an index file in memory.
//
// Block layout: 16-bit used length (6 + entries x (K + 8)), P0 (child left of the first key),
// then per entry the K-byte key, its 32-bit record address and the 32-bit child right of it.
// Child pointers are -1 for none. The buffer has room for one entry more than a block holds, so
// an entry can be inserted before the block is split.

#include "shopdb/LittleEndian.h"

#include <cstdint>
#include <vector>

struct CIndexLayout {
    int keysPerBlock = 6;
    int keyLength = 0;

    int Stride() const { return keyLength + 8; }
    int BlockSize() const { return Stride() * keysPerBlock + 6; }
    int BufferSize() const { return BlockSize() + Stride(); }
};

class CIndexBlockInMemory {
public:
    static constexpr int firstPointer = 2;   // the cursor at the start of a block
    static constexpr int emptyUsed = 6;

    // An empty block of the layout: used length 6, P0 -1, the rest zero.
    explicit CIndexBlockInMemory(const CIndexLayout& layout);

    const CIndexLayout& Layout() const { return layout_; }
    std::uint8_t* Data() { return buffer_.data(); }
    const std::uint8_t* Data() const { return buffer_.data(); }

    int Used() const { return shopdb::GetU16(&buffer_[0]); }
    void SetUsed(int used) { shopdb::PutU16(&buffer_[0], std::uint16_t(used)); }
    int Entries() const { return (Used() - emptyUsed) / layout_.Stride(); }
    int LastPointer() const { return Used() - 4; }

    // The child pointer at a pointer offset (2 + stride x i).
    std::int32_t PointerAt(int offset) const { return shopdb::GetI32(&buffer_[offset]); }
    void SetPointerAt(int offset, std::int32_t child) { shopdb::PutI32(&buffer_[offset], child); }
    // The entry after a pointer offset: its key and record address.
    const std::uint8_t* KeyAfter(int offset) const { return &buffer_[offset + 4]; }
    std::int32_t AddressAfter(int offset) const { return shopdb::GetI32(&buffer_[offset + 4 + layout_.keyLength]); }
    void SetAddressAfter(int offset, std::int32_t address)
    {
        shopdb::PutI32(&buffer_[offset + 4 + layout_.keyLength], address);
    }
    // Whether an entry follows the pointer at offset.
    bool HasEntryAfter(int offset) const { return offset + 4 < Used(); }

    // Inserts key (K bytes) and record address after the pointer at offset, with the given child
    // right of it; the used length grows by one entry.
    void InsertAfter(int offset, const std::uint8_t* key, std::int32_t address, std::int32_t rightChild);
    // Zeroes the bytes past the used length, so that what is written holds nothing stale.
    void ClearUnused();

    std::int32_t address = -1;
    int cursor = firstPointer;

private:
    CIndexLayout layout_;
    std::vector<std::uint8_t> buffer_;
};
