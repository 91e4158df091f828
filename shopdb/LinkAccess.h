#pragma once
// A detail record file with its link file (the same path ending in "LNK"): detail records are
// appended to the record file and chained to their header record through the link file. One
// chain is served at a time; Close hands back the address of its chain header, which the header
// record keeps.

#include "shopdb/DetailRecords.h"
#include "shopdb/LinkFile.h"
#include "shopdb/RecordFile.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

class CPatternList;
class CStencilPatternList;
class CToolList;

class CLinkAccess {
public:
    // Where Add links a record: after or before the current node, at the start or the end.
    enum AddMode { addAfter = 0, addBefore = 1, addFirst = 2, addLast = 3 };

    virtual ~CLinkAccess() = default;
    CLinkAccess(const CLinkAccess&) = delete;
    CLinkAccess& operator=(const CLinkAccess&) = delete;

    // Opens the record file and the link file on a chain (-1 for a new one); when the link file
    // cannot be opened the record file is closed again. True when both are open.
    bool Open(std::string_view recordPath, std::int32_t chainAddress, unsigned flags = CPowerFile::writeFlags);
    // Why the last Open failed (the record file's error, else the link file's).
    const fw::FileException& OpenError() const;
    // Closes both files and returns the chain header's address (-1 when nothing was linked).
    std::int32_t Close();
    // Forgets the chain and the cached records; done after every Close.
    void Reset();

    std::unique_ptr<CRecordInMemory> NewRecord() const { return records_.NewRecord(); }
    // Appends a record and links it into the chain.
    void Add(std::unique_ptr<CRecordInMemory> record, AddMode mode);
    // Appends records of those images at the end of the chain, in order. The detail writers
    // encode every record first, so that one that cannot be stored leaves no partial chain.
    void AddImages(const std::vector<std::vector<std::uint8_t>>& images);
    // The records of the chain, first to last; they stay in the record cache until Reset.
    std::vector<const CRecordInMemory*> ReadChain();

protected:
    explicit CLinkAccess(std::uint16_t recordLength);

private:
    CRecordFile records_;
    CLinkFile links_;
};

// Hole and layout patterns of one face of a part (97-byte records).
class CPatternAccess : public CLinkAccess {
public:
    static constexpr std::uint16_t recordLength = 97;
    CPatternAccess() : CLinkAccess(recordLength) {}

    // Appends one record per pattern to the open chain, in list order; a pattern that does not
    // fit its record (RecordImageError) leaves the chain unchanged.
    void WritePatterns(const CPatternList& patterns);
    // Adds the chain's patterns to the list by its sorted insert; a pattern the list refuses is
    // dropped. A record that cannot be read (RecordImageError) leaves the list unchanged.
    void ReadPatterns(CPatternList& patterns);
};

// Stencil marks of a part (44-byte records).
class CStencilAccess : public CLinkAccess {
public:
    static constexpr std::uint16_t recordLength = 44;
    CStencilAccess() : CLinkAccess(recordLength) {}

    // Appends one record per mark to the open chain, in list order (texts cut to 28 characters).
    void WriteStencils(const CStencilPatternList& marks);
    // Adds the chain's marks, imperial, to the list by its sorted insert; a mark the list
    // refuses is dropped. A record that cannot be read leaves the list unchanged.
    void ReadStencils(CStencilPatternList& marks);
};

// The parts placed on a mult (136-byte records).
class CPartlistAccess : public CLinkAccess {
public:
    static constexpr std::uint16_t recordLength = 136;
    CPartlistAccess() : CLinkAccess(recordLength) {}

    // Appends one record per part to the open chain, in order (texts cut at their widths); a part
    // that does not fit its record (RecordImageError) leaves the chain unchanged.
    void WritePartList(const std::vector<PartListRecord>& parts);
    // The chain's parts in chain order. A record that cannot be read (RecordImageError) gives none.
    std::vector<PartListRecord> ReadPartList();
};

// The tools of one face half of a mult (20-byte records).
class CToollistAccess : public CLinkAccess {
public:
    static constexpr std::uint16_t recordLength = 20;
    CToollistAccess() : CLinkAccess(recordLength) {}

    // Whether a tool list of a face/side code takes a tool of a face/side code: its own code, and
    // the tools of the same face that lie on both halves (side 3).
    static bool Takes(int listCode, int toolCode);
    // Appends to the open chain, in list order, the tools of the list that this list code takes.
    void WriteToolList(const CToolList& tools, int listCode);
};
