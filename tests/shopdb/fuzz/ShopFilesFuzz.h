#pragma once
// The fuzz body for the readers of the record, index and link files: input byte 0 picks the file
// kind, bytes 1-3 its parameters, the rest is the file. Any error other than "Invalid File",
// and any crash or hang, is a finding.

#include <cstddef>
#include <cstdint>

int FuzzShopFiles(const std::uint8_t* data, std::size_t size);
