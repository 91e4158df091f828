#include "shopdb/LinkFile.h"

#include "shopdb/LittleEndian.h"


#include <array>
#include <iterator>

using namespace shopdb;

namespace {

using Item = std::array<std::uint8_t, CLinkFile::itemSize>;

Item Words(std::int32_t a, std::int32_t b, std::int32_t c)
{
    Item item{};
    PutI32(&item[0], a);
    PutI32(&item[4], b);
    PutI32(&item[8], c);
    return item;
}

} // namespace

bool CLinkFile::Open(std::string_view path, unsigned flags, fw::FileException* error, std::int32_t chainAddress)
{
    Reset();
    if (!CPowerFile::Open(path, flags, error))
        return false;
    try {
        StartChain(chainAddress);
    } catch (const fw::FileException& failure) {
        // A chain header the file does not hold (an address past its end): reported as an open
        // failure, with the file closed again.
        Close();
        Reset();
        if (error)
            *error = failure;
        openError_ = failure;
        return false;
    }
    return true;
}

void CLinkFile::Open(std::unique_ptr<FileMedium> medium, std::string path, std::int32_t chainAddress)
{
    Reset();
    CPowerFile::Open(std::move(medium), std::move(path));
    StartChain(chainAddress);
}

void CLinkFile::StartChain(std::int32_t chainAddress)
{
    if (chainAddress == -1) {
        status_ = statusEmpty;
        return;
    }
    Item item;
    ReadExact(chainAddress, item);
    header_ = {GetI32(&item[0]), GetI32(&item[4]), GetI32(&item[8])};
    chainAddress_ = chainAddress;
}

std::int32_t CLinkFile::Close()
{
    CPowerFile::Close();
    return chainAddress_;
}

void CLinkFile::Reset()
{
    status_ = statusNormal;
    header_ = {};
    chainAddress_ = -1;
    nodes_.Clear();
    current_ = nodes_.End();
}

CLinkInMemory CLinkFile::ReadNode(std::int32_t address)
{
    Item item;
    ReadExact(address, item);
    return {address, GetI32(&item[0]), GetI32(&item[4]), GetI32(&item[8])};
}

// The node after a node: from the cache, which holds the chain in order from its first node, or
// read from the file and added at the cache's tail. A next address already in the cache means
// the chain comes back on itself.
CLinkFile::Position CLinkFile::Following(Position node)
{
    if (const Position after = std::next(node); after != nodes_.End())
        return after;
    if (node->next == -1)
        return nodes_.End();
    if (nodes_.Find(node->next) != nodes_.End())
        ThrowInvalidFile();
    return nodes_.InsertBefore(nodes_.End(), ReadNode(node->next));
}

std::int32_t CLinkFile::First()
{
    if (header_.first == -1) {
        status_ = statusEmpty;
        current_ = nodes_.End();
        return -1;
    }
    if (nodes_.IsEmpty())
        nodes_.InsertBefore(nodes_.End(), ReadNode(header_.first));
    current_ = nodes_.Begin();
    status_ = statusNormal;
    return current_->record;
}

std::int32_t CLinkFile::Next()
{
    if (current_ == nodes_.End())
        return First();
    const Position following = Following(current_);
    if (following == nodes_.End()) {
        status_ = (status_ & ~(1 | 32)) | statusEnd;
        return current_->record;
    }
    current_ = following;
    status_ = statusNormal;
    return current_->record;
}

const CLinkInMemory* CLinkFile::GoTo(std::int32_t nodeAddress)
{
    if (nodeAddress == -1)
        return nullptr;
    if (const Position cached = nodes_.Find(nodeAddress); cached != nodes_.End()) {
        current_ = cached;
        return &*current_;
    }
    First();
    while (current_ != nodes_.End() && current_->address != nodeAddress && (status_ & statusEnd) == 0)
        Next();
    return current_ != nodes_.End() && current_->address == nodeAddress ? &*current_ : nullptr;
}

std::int32_t CLinkFile::AppendNode(const CLinkInMemory& node)
{
    return AppendBytes(Words(node.next, node.previous, node.record));
}

void CLinkFile::WriteNode(const CLinkInMemory& node)
{
    WriteAt(node.address, Words(node.next, node.previous, node.record));
}

void CLinkFile::WriteHeader()
{
    WriteAt(chainAddress_, Words(header_.reserved, header_.first, header_.last));
}

// Writes the chain header when the chain has none yet and makes sure a node is current when
// the chain has any.
void CLinkFile::PrepareInsert()
{
    if (chainAddress_ == -1)
        chainAddress_ = AppendBytes(Words(header_.reserved, header_.first, header_.last));
    if (current_ == nodes_.End())
        First();
}

void CLinkFile::InsertAfter(std::int32_t recordAddress)
{
    PrepareInsert();
    if (current_ == nodes_.End())
        InsertIntoEmpty({-1, -1, -1, recordAddress});
    else
        InsertAfterCurrent({-1, -1, -1, recordAddress});
    status_ = statusNormal;
}

void CLinkFile::InsertBefore(std::int32_t recordAddress)
{
    PrepareInsert();
    if (current_ == nodes_.End())
        InsertIntoEmpty({-1, -1, -1, recordAddress});
    else
        InsertBeforeCurrent({-1, -1, -1, recordAddress});
    status_ = statusNormal;
}

void CLinkFile::InsertFirst(std::int32_t recordAddress)
{
    First();
    InsertBefore(recordAddress);
}

// Walks from the last node known to the end of the chain and links the record there.
void CLinkFile::InsertLast(std::int32_t recordAddress)
{
    if (nodes_.IsEmpty()) {
        First();
    } else {
        current_ = std::prev(nodes_.End());
        status_ = statusNormal;
    }
    while (current_ != nodes_.End() && (status_ & statusEnd) == 0)
        Next();
    InsertAfter(recordAddress);
}

void CLinkFile::InsertIntoEmpty(CLinkInMemory node)
{
    node.address = AppendNode(node);
    header_.first = header_.last = node.address;
    WriteHeader();
    current_ = nodes_.InsertBefore(nodes_.End(), node);
}

void CLinkFile::InsertAfterCurrent(CLinkInMemory node)
{
    const Position before = current_;
    const Position after = Following(before);
    node.previous = before->address;
    node.next = after == nodes_.End() ? -1 : after->address;
    node.address = AppendNode(node);
    before->next = node.address;
    WriteNode(*before);
    if (after != nodes_.End()) {
        after->previous = node.address;
        WriteNode(*after);
    } else {
        header_.last = node.address;
        WriteHeader();
    }
    current_ = nodes_.InsertBefore(std::next(before), node);
}

void CLinkFile::InsertBeforeCurrent(CLinkInMemory node)
{
    const Position after = current_;
    const bool atStart = after == nodes_.Begin();
    const Position before = atStart ? nodes_.End() : std::prev(after);
    node.next = after->address;
    node.previous = atStart ? -1 : before->address;
    node.address = AppendNode(node);
    after->previous = node.address;
    WriteNode(*after);
    if (!atStart) {
        before->next = node.address;
        WriteNode(*before);
    } else {
        header_.first = node.address;
        WriteHeader();
    }
    current_ = nodes_.InsertBefore(after, node);
}
