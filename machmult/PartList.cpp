#include "machmult/PartList.h"

#include <algorithm>

FW_IMPLEMENT_SERIAL(CPartList, fw::Object, 1)
FW_IMPLEMENT_SERIAL(CMultPartList, CPartList, 1)
FW_IMPLEMENT_SERIAL(CPotentialPartList, CPartList, 1)
FW_IMPLEMENT_SERIAL(CAutoMultPartList, CPotentialPartList, 1)

// --- CPartList ---------------------------------------------------------------------------------

CPartList::Position CPartList::AddSorted(std::unique_ptr<CMultPart>& part)
{
    // Unsigned, so that an unnumbered part (-1) goes after every numbered one.
    const auto index = std::uint32_t(part->GetListIndex());
    for (Position pos = GetHeadPosition(); pos; GetNext(pos)) {
        const auto entryIndex = std::uint32_t(GetAt(pos)->GetListIndex());
        if (entryIndex == index)
            return {};
        if (entryIndex > index)
            return InsertBefore(pos, std::move(part));
    }
    return AddTail(std::move(part));
}

CPartList::Position CPartList::AddPart(CMultPart&, int)
{
    return {};
}

bool CPartList::RemovePartAt(const CMultPart&, int)
{
    return false;
}

bool CPartList::RemovePart(const CMultPart&)
{
    return false;
}

int CPartList::IndexOf(Position position)
{
    int index = 0;
    for (Position pos = GetHeadPosition(); pos; GetNext(pos), ++index)
        if (pos == position)
            return index;
    return -1;
}

CPartList::Position CPartList::FindByName(const std::string& key)
{
    for (Position pos = GetHeadPosition(); pos; GetNext(pos))
        if (GetAt(pos)->GetKeyText() == key)
            return pos;
    return {};
}

CPartList::Position CPartList::DeleteAt(Position position)
{
    if (!position)
        return {};
    Position neighbour = position;
    GetNext(neighbour);
    if (!neighbour) {
        neighbour = position;
        GetPrev(neighbour);
    }
    RemoveAt(position);
    return neighbour;
}

// --- CMultPartList -----------------------------------------------------------------------------

namespace {

// Lowers the entry's quantity by the part's, or deletes the entry when that would leave none.
void TakeQuantity(CPartList& list, CPartList::Position entry, const CMultPart& part)
{
    CMultPart& held = *list.GetAt(entry);
    if (held.GetQuantity() > part.GetQuantity())
        held.SetQuantity(held.GetQuantity() - part.GetQuantity());
    else
        list.DeleteAt(entry);
}

} // namespace

CPartList::Position CMultPartList::AddPart(CMultPart& part, int index)
{
    auto entry = std::make_unique<CMultPart>();
    entry->CopyFrom(part);
    // The tools themselves move to the new entry.
    CToolList& tools = entry->GetTools();
    tools.RemoveAll();
    while (!part.GetTools().IsEmpty())
        tools.AddTail(part.GetTools().RemoveHead());
    const Position before = index >= 0 ? FindIndex(std::size_t(index)) : Position();
    return before ? InsertBefore(before, std::move(entry)) : AddTail(std::move(entry));
}

bool CMultPartList::RemovePartAt(const CMultPart& part, int index)
{
    const Position entry = index >= 0 ? FindIndex(std::size_t(index)) : Position();
    if (!entry || GetAt(entry)->GetKeyText() != part.GetKeyText())
        return false;
    TakeQuantity(*this, entry, part);
    return true;
}

bool CMultPartList::RemovePart(const CMultPart& part)
{
    const Position entry = FindByName(part.GetKeyText());
    if (!entry)
        return false;
    TakeQuantity(*this, entry, part);
    return true;
}

// --- CPotentialPartList ------------------------------------------------------------------------

CPartList::Position CPotentialPartList::AddPart(CMultPart& part, int)
{
    const Position entry = FindByName(part.GetKeyText());
    if (entry) {
        CMultPart& held = *GetAt(entry);
        const std::uint32_t used = held.GetQuantityUsed();
        held.SetQuantityUsed(used > part.GetQuantity() ? used - part.GetQuantity() : 0);
    }
    return entry;
}

bool CPotentialPartList::RemovePart(const CMultPart& part)
{
    const Position entry = FindByName(part.GetKeyText());
    if (!entry)
        return false;
    CMultPart& held = *GetAt(entry);
    const std::uint32_t room = held.GetQuantity() - std::min(held.GetQuantityUsed(), held.GetQuantity());
    held.SetQuantityUsed(held.GetQuantityUsed() + std::min(room, part.GetQuantity()));
    return true;
}

// --- CAutoMultPartList -------------------------------------------------------------------------

CPartList::Position CAutoMultPartList::AddSorted(std::unique_ptr<CMultPart>& part)
{
    for (Position pos = GetHeadPosition(); pos; GetNext(pos))
        if (!(GetAt(pos)->GetLength() > part->GetLength()))
            return InsertBefore(pos, std::move(part));
    return AddTail(std::move(part));
}
