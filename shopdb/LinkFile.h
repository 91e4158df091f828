#pragma once
// A link file: chains of 12-byte nodes that tie detail records to their header record. A chain
// header holds -1, the address of the first node and the address of the last; a node holds the
// addresses of the next and previous nodes and of its detail record. Everything is appended and
// addressed by byte offset; nothing is ever moved or removed. One object works on one chain at
// a time.
//
// Chains read from a file are followed only as far as they stay inside the file and visit no
// node twice; a chain that comes back on itself is an Invalid File error.

#include "shopdb/LinkIMList.h"
#include "shopdb/PowerFile.h"

#include <cstdint>

class CLinkFile : public CPowerFile {
public:
    static constexpr int itemSize = 12;   // a chain header or a node

    // Opens as CPowerFile::Open does and starts on a chain: -1 for a new, empty chain, else the
    // address of a chain header in the file. A header the file does not hold is an Invalid File
    // failure of the open: reported as CPowerFile::Open reports one, the file closed again.
    bool Open(std::string_view path, unsigned flags, fw::FileException* error, std::int32_t chainAddress);
    void Open(std::unique_ptr<shopdb::FileMedium> medium, std::string path, std::int32_t chainAddress);
    // Closes the file and returns the chain header's address (-1 when nothing was linked).
    std::int32_t Close();
    // Forgets the chain: status 0, no header, no current node, empty cache.
    void Reset();

    // The record address of the first node, which becomes current; -1 with statusEmpty when the
    // chain is empty.
    std::int32_t First();
    // The record address of the node after the current one (First when none is current); at the
    // end of the chain the current node's record address again with statusEnd.
    std::int32_t Next();
    // Makes the node at an address current and returns it; nullptr for -1 or a node not in the
    // chain.
    const CLinkInMemory* GoTo(std::int32_t nodeAddress);

    // Link a new node holding a record address after or before the current node, at the start or
    // at the end of the chain. The new node becomes current.
    void InsertAfter(std::int32_t recordAddress);
    void InsertBefore(std::int32_t recordAddress);
    void InsertFirst(std::int32_t recordAddress);
    void InsertLast(std::int32_t recordAddress);

    int GetStatus() const { return status_; }
    std::int32_t GetChainAddress() const { return chainAddress_; }
    const CLinkInMemory* Current() { return current_ == nodes_.End() ? nullptr : &*current_; }

private:
    using Position = CLinkIMList::Position;
    struct ChainHeader {
        std::int32_t reserved = -1;
        std::int32_t first = -1;
        std::int32_t last = -1;
    };

    void StartChain(std::int32_t chainAddress);
    CLinkInMemory ReadNode(std::int32_t address);
    Position Following(Position node);
    std::int32_t AppendNode(const CLinkInMemory& node);
    void WriteNode(const CLinkInMemory& node);
    void WriteHeader();
    void PrepareInsert();
    void InsertIntoEmpty(CLinkInMemory node);
    void InsertAfterCurrent(CLinkInMemory node);
    void InsertBeforeCurrent(CLinkInMemory node);

    CLinkIMList nodes_;
    Position current_ = nodes_.End();
    ChainHeader header_;
    std::int32_t chainAddress_ = -1;
    int status_ = statusNormal;
};
