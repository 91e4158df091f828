#include "shopdb/IndexAccess.h"

#include <algorithm>
#include <cstring>

CIndexAccess::CIndexAccess(std::size_t recordLength, std::size_t keyLength, CIndexFile::Compare compare)
    : key_(keyLength), compare_(compare)
{
    records_.SetRecordLength(std::uint16_t(recordLength));
    index_.Setup(keysPerBlock, int(keyLength));
}

bool CIndexAccess::Open(std::string_view recordPath, unsigned flags)
{
    if (!records_.Open(recordPath, flags))
        return false;
    if (index_.Open(CompanionPath(recordPath, "NDX"), flags))
        return true;
    records_.Close();
    return false;
}

const fw::FileException& CIndexAccess::OpenError() const
{
    return records_.OpenError().cause() != fw::FileException::none ? records_.OpenError() : index_.OpenError();
}

void CIndexAccess::Close()
{
    records_.Close();
    index_.Close();
}

std::int32_t CIndexAccess::Add(std::unique_ptr<CRecordInMemory> record)
{
    std::int32_t address = records_.Append(std::move(record));
    const CRecordInMemory& stored = records_.Read(address);
    FindOrInsert(MakeKey(stored), CIndexFile::modeInsert, address);
    if (index_.GetSplit())   // the insert moved the cursor away: put it back on the key
        FindOrInsert(MakeKey(stored), CIndexFile::modeFind, address);
    return address;
}

std::span<const std::uint8_t> CIndexAccess::MakeKey(const CRecordInMemory& record)
{
    std::copy_n(record.buffer.begin(), key_.size(), key_.begin());
    return key_;
}

bool CIndexAccess::FindOrInsert(std::span<const std::uint8_t> key, CIndexFile::Mode mode, std::int32_t& address)
{
    return index_.FindOrInsert(key, mode, address, compare_);
}

int CIndexAccess::CompareBytes(const std::uint8_t* entryKey, const std::uint8_t* key, std::size_t length)
{
    const int order = std::memcmp(entryKey, key, length);
    return order > 0 ? -1 : order < 0 ? 1 : 0;
}
