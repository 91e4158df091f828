#pragma once
// Path functions on narrow text. A path splits into drive ("C:"), folder (up to and including
// the last '\' or '/'), name, and extension (from the name's last '.').

#include "baselib/BRAXLibExport.h"
#include "baselib/String.h"

#include <cstddef>
#include <cstdint>

namespace zr {

inline constexpr std::uint32_t kPathError = 0xFFFFFFFF;

// Name and extension into `out` (`size` bytes): 0, or kPathError when the path is null (logged
// as "Path is NULL", source "Utility") or `out` cannot hold the name.
BRAXLIB_EXPORT std::uint32_t UtilityGetFileName(const char* path, char* out, std::size_t size);
// The file's display title (its name and extension). With an output that holds it, 0; without
// an output, or one too small (which gets the empty text), the title's length plus one.
// kPathError for a null path.
BRAXLIB_EXPORT std::uint32_t UtilityGetFileTitle(const char* path, char* out, std::size_t size);
// The four parts of the path; a null path gives four empty texts.
BRAXLIB_EXPORT void UtilitySetPath(const char* path, CString& drive, CString& folder, CString& name,
                    CString& extension);

}  // namespace zr
