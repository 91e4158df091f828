#pragma once
// What every navigator property stream must give: it loads or is refused with an archive error,
// and what loads holds only values the control can take, saves, and loads and saves again to the
// same bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace navfuzz {

// What went wrong with the stream (empty when nothing).
std::string Check(const std::vector<std::uint8_t>& stream);

} // namespace navfuzz

// The fuzz body: the input is the stream. A failed check aborts.
int FuzzNavStream(const std::uint8_t* data, std::size_t size);
