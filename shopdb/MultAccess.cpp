#include "shopdb/MultAccess.h"

#include "shopdb/LittleEndian.h"

int CMultAccess::CompareKeys(const std::uint8_t* entryKey, const std::uint8_t* key, std::size_t length)
{
    const std::size_t names = length - 2;
    if (const int order = CompareBytes(entryKey, key, names); order != 0)
        return order;
    const std::uint16_t entrySequence = shopdb::GetU16(entryKey + names);
    const std::uint16_t sequence = shopdb::GetU16(key + names);
    return entrySequence > sequence ? -1 : entrySequence < sequence ? 1 : 0;
}
