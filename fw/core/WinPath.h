#pragma once
// String rules on the Windows-form paths the program keeps everywhere ("C:\Kestrom\Jobs\J1\G1\B12.prt").
// Pure text functions: nothing here touches the disk (DriveMap converts to Linux paths).

#include "fw/core/FwCoreExport.h"
#include <string>
#include <string_view>

namespace fw::WinPath {

// The drive letter, upper-cased, when the path starts with "<letter>:"; else '\0'.
FW_CORE_EXPORT char Drive(std::string_view path);
// The text before the last '\' ("C:\Jobs\B12.prt" -> "C:\Jobs", "C:\B12.prt" -> "C:"); empty when
// there is no '\'.
FW_CORE_EXPORT std::string_view Folder(std::string_view path);
// The text after the last '\' (all of it when there is none).
FW_CORE_EXPORT std::string_view FileName(std::string_view path);
// The file name without its extension ("B12.prt" -> "B12").
FW_CORE_EXPORT std::string_view Title(std::string_view path);
// The extension of the file name from its last '.', dot included (".prt"); empty when none.
FW_CORE_EXPORT std::string_view Extension(std::string_view path);
// folder + '\' + name; no second '\' when the folder already ends in one; name alone when the
// folder is empty.
FW_CORE_EXPORT std::string Join(std::string_view folder, std::string_view name);

// Wildcard match ignoring case (Windows-1252 letters): '*' any run of characters, '?' exactly
// one. A pattern ending in ".*" also matches names without that dot, so "*.*" matches every
// name, as folder searches on Windows do.
FW_CORE_EXPORT bool Match(std::string_view pattern, std::string_view name);

// The characters of a name that no file name may hold (separators, drive colon, wildcards,
// quotes, '<', '>', '|' and control characters), each once, in order of appearance.
FW_CORE_EXPORT std::string BadNameCharacters(std::string_view name);
// Whether a name can stand as one file or folder name: not empty, no bad character, not made of
// dots alone, and no "..". Length limits belong to the caller.
FW_CORE_EXPORT bool IsFileName(std::string_view name);

} // namespace fw::WinPath
