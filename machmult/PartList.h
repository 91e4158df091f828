#pragma once
// Owning lists of mult parts: the parts placed on a mult (CMultPartList), the parts that may
// still be placed with the counts already used (CPotentialPartList), and the parts of one stock
// choice of automatic multing (CAutoMultPartList, longest first). A part's key text is
// job\group\mark, compared exactly.

#include "fw/core/ObList.h"
#include "machmult/MultPart.h"

#include <memory>
#include <string>

class CPartList : public fw::ObList<CMultPart> {
    FW_DECLARE_SERIAL(CPartList)
public:
    // Inserts before the first entry with a higher list index (compared unsigned, so -1 sorts
    // last) and takes the part. An entry with the same list index refuses it: none is returned
    // and the part stays with the caller.
    virtual Position AddSorted(std::unique_ptr<CMultPart>& part);
    // Places (a copy of) the part; the plain list adds nothing.
    virtual Position AddPart(CMultPart& part, int index);
    // Takes the part's quantity off the entry at the index; the plain list does nothing.
    virtual bool RemovePartAt(const CMultPart& part, int index);
    // Takes the part's quantity off the entry with its key; the plain list does nothing.
    virtual bool RemovePart(const CMultPart& part);

    // The 0-based index of a position; -1 when it is not in the list.
    int IndexOf(Position position);
    // The first entry whose key text is exactly the text; none when there is none.
    Position FindByName(const std::string& key);
    // Deletes the entry; returns the one after it (before it when it was last; none when only).
    Position DeleteAt(Position position);
};

// The parts on a mult, in stock order.
class CMultPartList : public CPartList {
    FW_DECLARE_SERIAL(CMultPartList)
public:
    // A new entry holding a copy of the part and its tools (the part's tool list is emptied),
    // before the entry at the index when there is one, else at the end.
    Position AddPart(CMultPart& part, int index) override;
    // The entry at the index, when its key is the part's: lowered by the part's quantity, or
    // deleted when not above it. False for no entry or another key.
    bool RemovePartAt(const CMultPart& part, int index) override;
    // The same for the entry found by key.
    bool RemovePart(const CMultPart& part) override;
};

// The parts that may still be placed; quantity used counts what is placed.
class CPotentialPartList : public CPartList {
    FW_DECLARE_SERIAL(CPotentialPartList)
public:
    // Gives the part's quantity back to the entry with its key (quantity used, never below 0).
    Position AddPart(CMultPart& part, int index) override;
    // Counts the part's quantity as used on the entry with its key, up to the entry's quantity.
    bool RemovePart(const CMultPart& part) override;
};

// The parts of one automatic-multing stock choice, longest first.
class CAutoMultPartList : public CPotentialPartList {
    FW_DECLARE_SERIAL(CAutoMultPartList)
public:
    // Before the first entry that is not longer (so before earlier parts of the same length).
    Position AddSorted(std::unique_ptr<CMultPart>& part) override;
};
