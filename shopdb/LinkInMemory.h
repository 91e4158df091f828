#pragma once
// One node of a link file in memory: its address and its three words.

#include <cstdint>

struct CLinkInMemory {
    std::int32_t address = -1;   // byte offset of the node in the link file
    std::int32_t next = -1;      // address of the next node, -1 at the end
    std::int32_t previous = -1;  // address of the previous node, -1 at the start
    std::int32_t record = -1;    // address of the detail record in the companion record file
};
