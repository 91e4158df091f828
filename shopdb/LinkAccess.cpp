#include "shopdb/LinkAccess.h"

CLinkAccess::CLinkAccess(std::uint16_t recordLength)
{
    records_.SetRecordLength(recordLength);
}

bool CLinkAccess::Open(std::string_view recordPath, std::int32_t chainAddress, unsigned flags)
{
    if (!records_.Open(recordPath, flags))
        return false;
    if (links_.Open(CompanionPath(recordPath, "LNK"), flags, nullptr, chainAddress))
        return true;
    records_.Close();
    return false;
}

std::int32_t CLinkAccess::Close()
{
    records_.Close();
    return links_.Close();
}

void CLinkAccess::Reset()
{
    links_.Reset();
    records_.ClearCache();
}

void CLinkAccess::Add(std::unique_ptr<CRecordInMemory> record, AddMode mode)
{
    const std::int32_t address = records_.Append(std::move(record));
    switch (mode) {
    case addAfter: links_.InsertAfter(address); break;
    case addBefore: links_.InsertBefore(address); break;
    case addFirst: links_.InsertFirst(address); break;
    case addLast: links_.InsertLast(address); break;
    }
}

std::vector<const CRecordInMemory*> CLinkAccess::ReadChain()
{
    std::vector<const CRecordInMemory*> chain;
    for (std::int32_t address = links_.First(); (links_.GetStatus() & CPowerFile::statusEnd) == 0;
         address = links_.Next())
        chain.push_back(&records_.Read(address));
    return chain;
}

bool CToollistAccess::Takes(int listCode, int toolCode)
{
    return toolCode == listCode || (toolCode >> 4 == listCode >> 4 && (toolCode & 0xF) == 3);
}
