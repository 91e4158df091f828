#pragma once
// The fuzz body for Convert Legacy Files. A good shop disk (parts of the three measuring systems
// with holes, layouts and stencil marks, and a mult placing them: ShopDiskGroup.h) is made once
// on the drives of the current drive map; each input damages a copy of it and converts it into an empty job.
// Input: byte 0 picks the conversion (part or mult records); then edits of 6 bytes each: the
// disk file (byte), an offset (3 bytes, taken modulo the file's size), a value, and whether to
// set that byte or cut the file there. An exception leaving the converter, a crash, a hang, or
// a converted file that does not load again is a finding.

#include <cstddef>
#include <cstdint>
#include <string>

// What went wrong: empty when nothing did.
std::string ShopDiskFinding(const std::uint8_t* data, std::size_t size);
// ShopDiskFinding, aborting on a finding (for the fuzzer).
int FuzzShopDisk(const std::uint8_t* data, std::size_t size);
