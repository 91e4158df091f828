#pragma once
// An index file: a B-tree of fixed-size blocks mapping fixed-length keys to record addresses in
// the record file beside it. The block at offset 0 is always the root; blocks are only appended
// or rewritten in place.
//
// Blocks, links and depths read from the file are checked before they are used: a used length
// that is not a whole number of entries or exceeds the block, a child pointer outside the file
// or back to the root or an ancestor, a path deeper than maxDepth, or a walk that visits more
// entries than the file can hold is an Invalid File error.

#include "shopdb/IndexBIMList.h"
#include "shopdb/PowerFile.h"

#include <cstdint>
#include <span>
#include <vector>

class CIndexFile : public CPowerFile {
public:
    enum Mode { modeFind = 0, modeInsert = 1 };
    // Compares an entry key (first) with the searched key: -1 when the entry key is greater,
    // 0 when they are equal, 1 when the entry key is smaller.
    using Compare = int (*)(const std::uint8_t* entryKey, const std::uint8_t* key, std::size_t length);

    static constexpr int maxDepth = 50;   // ancestors the path holds

    // Keys per block (at least 2) and key length; called before Open.
    void Setup(int keysPerBlock, int keyLength);
    const CIndexLayout& Layout() const { return layout_; }

    // modeFind: when the key is there, sets address to its record address. modeInsert: inserts
    // the key with address, or gives an existing key that address. Returns whether the key was
    // found. After a find the cursor stands on the key, so Next goes on from it.
    bool FindOrInsert(std::span<const std::uint8_t> key, Mode mode, std::int32_t& address, Compare compare);

    // The record address of the smallest key; 0 with statusEmpty on an empty tree.
    std::int32_t First();
    // The record address of the greatest key with statusEnd; -1 with statusEmpty when empty.
    std::int32_t Last();
    // The record address of the key after the cursor; past the greatest key that key's address
    // again with statusEnd. A walk is First, then Next until the status has statusEnd.
    std::int32_t Next();

    int GetStatus() const { return status_; }
    bool GetFound() const { return found_; }
    // Whether the last FindOrInsert split a leaf.
    bool GetSplit() const { return split_; }
    std::size_t CachedBlocks() const { return cache_.GetCount(); }

protected:
    // Starts with an empty cache; an empty file opened for writing gets the empty root (used
    // length 6, P0 -1).
    void OnOpened() override;

private:
    using Block = CIndexBlockInMemory;

    Block& Fetch(std::int32_t address);
    void CheckBlock(const Block& block, std::size_t bytesRead) const;
    void WriteBlock(Block& block);
    Block& AppendBlock(std::unique_ptr<Block> block);
    void Descend(std::int32_t child);
    void ResetCursor();

    std::int32_t Search(Block& block, const std::uint8_t* key, Compare compare);
    std::int32_t InsertOrFind(Block& block, const std::uint8_t* key, Mode mode, std::int32_t& address,
                              Compare compare);
    std::int32_t FitOrSplit(Block& block);
    std::int32_t Split(Block& block);
    void GrowRoot(std::int32_t rightBlock);

    std::int32_t EntryAtCursor();
    void SetEnd() { status_ = (status_ & ~(1 | 32)) | statusEnd; }

    CIndexLayout layout_;
    CIndexBIMList cache_;
    Block* current_ = nullptr;
    std::vector<Block*> path_;             // ancestors of the current block, root first
    std::vector<std::uint8_t> promoted_;   // key and record address going up from a split
    std::uint64_t walked_ = 0;             // entries handed out since First
    int status_ = statusNormal;
    bool found_ = false;
    bool split_ = false;
};
