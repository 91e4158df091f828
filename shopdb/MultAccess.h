#pragma once
// Mult records (290 bytes) keyed by job, group, mark and sequence (their first 32 bytes), with the
// accessors of their detail files: the tool lists of the six face halves, and the part list.

#include "shopdb/IndexAccess.h"
#include "shopdb/LinkAccess.h"
#include "records/MultRecord.h"

#include <array>

class CMultAccess : public CIndexAccess {
public:
    CMultAccess() : CIndexAccess(MultRecordImage::size, MultRecordImage::keySize, CompareKeys) {}

    // The tool list of the face/side code MultLinks::toolListCodes[slot].
    CToollistAccess& ToolList(std::size_t slot) { return toolLists_.at(slot); }
    CPartlistAccess& PartList() { return partList_; }

    // Job, group and mark as unsigned bytes, then the 16-bit sequence as a number.
    static int CompareKeys(const std::uint8_t* entryKey, const std::uint8_t* key, std::size_t length);

private:
    std::array<CToollistAccess, 6> toolLists_;
    CPartlistAccess partList_;
};
