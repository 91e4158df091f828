#pragma once
// Mult records (290 bytes) keyed by job, group, mark and sequence (their first 32 bytes), with the
// accessors of their detail files: the tool lists of the six face halves, and the part list.

#include "shopdb/IndexAccess.h"
#include "shopdb/LinkAccess.h"

#include <array>

class CMultAccess : public CIndexAccess {
public:
    static constexpr std::uint16_t recordLength = 290;
    static constexpr int keyLength = 32;
    // The face/side codes of the tool lists, in the order of their chain slots: web far and near
    // half, top flange far and near, bottom flange far and near.
    static constexpr std::array<int, 6> toolListCodes{18, 17, 34, 33, 50, 49};

    CMultAccess() : CIndexAccess(recordLength, keyLength, CompareKeys) {}

    // The tool list of the slot toolListCodes[slot].
    CToollistAccess& ToolList(std::size_t slot) { return toolLists_.at(slot); }
    CPartlistAccess& PartList() { return partList_; }

    // Job, group and mark as unsigned bytes, then the 16-bit sequence as a number.
    static int CompareKeys(const std::uint8_t* entryKey, const std::uint8_t* key, std::size_t length);

private:
    std::array<CToollistAccess, 6> toolLists_;
    CPartlistAccess partList_;
};
