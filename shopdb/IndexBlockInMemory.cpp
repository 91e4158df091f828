#include "shopdb/IndexBlockInMemory.h"

#include <algorithm>
#include <cstring>

CIndexBlockInMemory::CIndexBlockInMemory(const CIndexLayout& layout)
    : layout_(layout), buffer_(std::size_t(layout.BufferSize()), 0)
{
    SetUsed(emptyUsed);
    SetPointerAt(firstPointer, -1);
}

void CIndexBlockInMemory::InsertAfter(int offset, const std::uint8_t* key, std::int32_t address,
                                      std::int32_t rightChild)
{
    const int at = offset + 4;
    const int used = Used();
    std::memmove(&buffer_[std::size_t(at + layout_.Stride())], &buffer_[std::size_t(at)], std::size_t(used - at));
    std::memcpy(&buffer_[std::size_t(at)], key, std::size_t(layout_.keyLength));
    SetAddressAfter(offset, address);
    SetPointerAt(at + layout_.keyLength + 4, rightChild);
    SetUsed(used + layout_.Stride());
}

void CIndexBlockInMemory::ClearUnused()
{
    std::fill(buffer_.begin() + Used(), buffer_.end(), std::uint8_t(0));
}
