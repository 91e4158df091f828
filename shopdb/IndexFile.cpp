#include "shopdb/IndexFile.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

using namespace shopdb;

void CIndexFile::Setup(int keysPerBlock, int keyLength)
{
    const CIndexLayout layout{keysPerBlock, keyLength};
    if (keysPerBlock < 2 || keyLength < 1 || layout.BufferSize() > 0xFFFF)
        throw std::invalid_argument("CIndexFile::Setup: unusable block layout");
    layout_ = layout;
}

void CIndexFile::OnOpened()
{
    if (layout_.keyLength < 1)
        throw std::logic_error("CIndexFile opened before Setup");
    cache_.Clear();
    ResetCursor();
    status_ = statusNormal;
    if (Length() == 0 && IsWritable()) {
        const Block root(layout_);
        WriteAt(0, std::span(root.Data(), Block::emptyUsed));
    }
}

void CIndexFile::ResetCursor()
{
    current_ = nullptr;
    path_.clear();
    walked_ = 0;
}

// The cached block at an address, or the block read from the file and checked. A file that is
// still empty (opened read-only) has an empty root.
CIndexFile::Block& CIndexFile::Fetch(std::int32_t address)
{
    if (Block* cached = cache_.Find(address))
        return *(current_ = cached);
    auto block = std::make_unique<Block>(layout_);
    block->address = address;
    if (address != 0 || Length() != 0) {
        if (!Holds(address, Block::emptyUsed))
            ThrowInvalidFile();
        CheckBlock(*block, ReadSome(address, std::span(block->Data(), std::size_t(layout_.BlockSize()))));
    }
    return *(current_ = &cache_.Insert(std::move(block)));
}

// A block must hold a whole number of entries, no more than a block has room for, all of them
// present in the file; only the root may be empty.
void CIndexFile::CheckBlock(const Block& block, std::size_t bytesRead) const
{
    const int used = block.Used();
    if (used < Block::emptyUsed || used > layout_.BlockSize() || (used - Block::emptyUsed) % layout_.Stride() != 0
        || std::size_t(used) > bytesRead || (block.address != 0 && block.Entries() == 0))
        ThrowInvalidFile();
}

void CIndexFile::WriteBlock(Block& block)
{
    block.ClearUnused();
    WriteAt(block.address, std::span(block.Data(), std::size_t(layout_.BlockSize())));
    current_ = &block;
}

CIndexFile::Block& CIndexFile::AppendBlock(std::unique_ptr<Block> block)
{
    block->ClearUnused();
    block->address = AppendBytes(std::span(block->Data(), std::size_t(layout_.BlockSize())));
    block->cursor = Block::firstPointer;
    return *(current_ = &cache_.Insert(std::move(block)));
}

// Makes a child of the current block current, keeping the current block on the path. A child
// that is the root or already on the path would make the walk go round for ever.
void CIndexFile::Descend(std::int32_t child)
{
    const auto onPath = [child](const Block* block) { return block->address == child; };
    if (child == 0 || path_.size() >= maxDepth || onPath(current_) || std::any_of(path_.begin(), path_.end(), onPath))
        ThrowInvalidFile();
    path_.push_back(current_);
    Fetch(child).cursor = Block::firstPointer;
}

// Leaves the block's cursor on the pointer before the first entry not smaller than the key, or
// on its last pointer; returns the child pointer there, or -1 when the key was found.
std::int32_t CIndexFile::Search(Block& block, const std::uint8_t* key, Compare compare)
{
    found_ = false;
    for (block.cursor = Block::firstPointer; block.HasEntryAfter(block.cursor); block.cursor += layout_.Stride()) {
        const int order = compare(block.KeyAfter(block.cursor), key, std::size_t(layout_.keyLength));
        if (order < 0)
            break;
        if (order == 0) {
            found_ = true;
            return -1;
        }
    }
    return block.PointerAt(block.cursor);
}

// Finds or inserts below a block; returns the address of a new right block when the block had
// to be split, -1 otherwise.
std::int32_t CIndexFile::InsertOrFind(Block& block, const std::uint8_t* key, Mode mode, std::int32_t& address,
                                      Compare compare)
{
    const std::int32_t child = Search(block, key, compare);
    if (!found_ && child != -1) {
        Descend(child);
        const std::int32_t right = InsertOrFind(*current_, key, mode, address, compare);
        if (right == -1)
            return -1;
        block.InsertAfter(block.cursor, promoted_.data(), GetI32(&promoted_[std::size_t(layout_.keyLength)]), right);
        return FitOrSplit(block);
    }
    if (mode == modeFind) {
        if (found_)
            address = block.AddressAfter(block.cursor);
        else if (block.cursor == block.LastPointer() && block.Entries() > 0)
            block.cursor -= layout_.Stride();
        return -1;
    }
    if (found_) {
        block.SetAddressAfter(block.cursor, address);
        WriteBlock(block);
        return -1;
    }
    block.InsertAfter(block.cursor, key, address, -1);
    const std::int32_t right = FitOrSplit(block);
    split_ = right != -1;
    return right;
}

std::int32_t CIndexFile::FitOrSplit(Block& block)
{
    if (block.Used() <= layout_.BlockSize()) {
        WriteBlock(block);
        return -1;
    }
    return Split(block);
}

// Keeps the first half of an overfull block, sends its middle entry up (promoted_) and moves the
// rest, from the pointer right of the middle entry, into a new block appended to the file.
std::int32_t CIndexFile::Split(Block& block)
{
    const int stride = layout_.Stride();
    const int used = block.Used();
    const int half = (block.Entries() + 1) / 2;
    const int middle = Block::firstPointer + stride * (half - 1);
    promoted_.assign(block.KeyAfter(middle), block.KeyAfter(middle) + layout_.keyLength + 4);
    const int rest = middle + stride;
    auto right = std::make_unique<Block>(layout_);
    std::memcpy(right->Data() + Block::firstPointer, block.Data() + rest, std::size_t(used - rest));
    right->SetUsed(Block::firstPointer + used - rest);
    block.SetUsed(Block::emptyUsed + stride * (half - 1));
    WriteBlock(block);
    return AppendBlock(std::move(right)).address;
}

// The root was split: its left half moves to a new block at the end of the file and the root
// becomes one entry over the two halves, so it stays at offset 0.
void CIndexFile::GrowRoot(std::int32_t rightBlock)
{
    Block& root = Fetch(0);
    const std::int32_t left = AppendBlock(std::make_unique<Block>(root)).address;
    root.SetUsed(Block::emptyUsed + layout_.Stride());
    root.SetPointerAt(Block::firstPointer, left);
    std::memcpy(root.Data() + Block::emptyUsed, promoted_.data(), promoted_.size());
    root.SetPointerAt(Block::emptyUsed + layout_.keyLength + 4, rightBlock);
    WriteBlock(root);
    path_.clear();
}

bool CIndexFile::FindOrInsert(std::span<const std::uint8_t> key, Mode mode, std::int32_t& address, Compare compare)
{
    if (key.size() != std::size_t(layout_.keyLength))
        throw std::invalid_argument("CIndexFile::FindOrInsert: key of the wrong length");
    status_ = statusNormal;
    ResetCursor();
    found_ = split_ = false;
    Block& root = Fetch(0);
    if (root.Entries() == 0 && mode != modeInsert) {
        status_ = statusEmpty;
        return false;
    }
    const std::int32_t right = InsertOrFind(root, key.data(), mode, address, compare);
    if (right != -1)
        GrowRoot(right);
    return found_;
}

std::int32_t CIndexFile::First()
{
    ResetCursor();
    Fetch(0).cursor = Block::firstPointer;
    if (current_->Entries() == 0) {
        status_ = statusEmpty;
        return 0;
    }
    status_ = statusNormal;
    while (current_->PointerAt(current_->cursor) != -1)
        Descend(current_->PointerAt(current_->cursor));
    return EntryAtCursor();
}

std::int32_t CIndexFile::Last()
{
    ResetCursor();
    Fetch(0).cursor = Block::firstPointer;
    if (current_->Entries() == 0) {
        status_ = statusEmpty;
        return -1;
    }
    current_->cursor = current_->LastPointer();
    while (current_->PointerAt(current_->cursor) != -1) {
        Descend(current_->PointerAt(current_->cursor));
        current_->cursor = current_->LastPointer();
    }
    current_->cursor -= layout_.Stride();
    SetEnd();
    return current_->AddressAfter(current_->cursor);
}

std::int32_t CIndexFile::Next()
{
    if (current_ == nullptr)
        return First();
    if (path_.empty() && current_->address == 0 && current_->Entries() == 0) {
        status_ = statusEmpty;
        return 0;
    }
    status_ = statusNormal;
    Block* block = current_;
    block->cursor += layout_.Stride();
    if (block->cursor <= block->LastPointer() && block->PointerAt(block->cursor) != -1) {
        do
            Descend(current_->PointerAt(current_->cursor));
        while (current_->PointerAt(current_->cursor) != -1);
    } else {
        while (!current_->HasEntryAfter(current_->cursor) && !path_.empty()) {
            current_ = path_.back();
            path_.pop_back();
        }
        if (!current_->HasEntryAfter(current_->cursor))
            return Last();
    }
    return EntryAtCursor();
}

// The record address of the entry after the cursor. A walk hands out no more entries than the
// file can hold, which bounds it even when blocks are shared between parents.
std::int32_t CIndexFile::EntryAtCursor()
{
    if (++walked_ > Length() / std::uint64_t(layout_.Stride()) + 1)
        ThrowInvalidFile();
    return current_->AddressAfter(current_->cursor);
}
