#pragma once
// One record of a record file in memory: its bytes, its address in the file and its flag.

#include <cstdint>
#include <vector>

struct CRecordInMemory {
    // A new record: length blanks (byte 32), not stored yet, flag 0.
    explicit CRecordInMemory(std::uint16_t length) : buffer(length, 32) {}

    std::vector<std::uint8_t> buffer;   // exactly the record length
    std::int32_t address = -1;          // byte offset of the record's first chunk; -1 until stored or read
    std::int16_t flag = 0;              // the flag byte of the first chunk, sign-extended
};
