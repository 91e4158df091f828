#pragma once
// The start of a file, as much of it as a reader needs. The reader parses an archive on the
// first bytes; when they end before it is done and the file holds more, it parses again on twice
// as many, up to the whole file. So a header of any length is read, and what is read stays below
// twice what the reader needed (and never more than the file). The file is opened through File:
// nothing blocks, and a missing file, a folder, a FIFO or a device is refused.

#include "fw/core/Archive.h"
#include "fw/core/FwCoreExport.h"

#include <cstddef>
#include <functional>
#include <string_view>

namespace fw {

// Calls parse on an archive of the file's first firstBytes bytes, and again on more while it
// runs off their end. Throws FileException when the file cannot be read or is longer than
// Document::maxFileSize, and whatever parse throws on the whole file.
FW_CORE_EXPORT void ReadFileHead(std::string_view winPath, std::size_t firstBytes, const std::function<void(Archive&)>& parse);

} // namespace fw
