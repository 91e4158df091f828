#pragma once
// Windows-1252 text: the program keeps 8-bit 1252 bytes in std::string; these convert to and
// from UTF-8 at the boundaries (file names on disk, Qt, data files) and fold case the way
// file names compare.
//
// The five bytes 1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of
// the same value, so every byte string survives a round trip through UTF-8 unchanged.

#include "fw/core/FwCoreExport.h"
#include <string>
#include <string_view>

namespace fw {

FW_CORE_EXPORT char32_t Cp1252ToUnicode(unsigned char byte);
// The 1252 byte of a code point, or -1 when 1252 has none.
FW_CORE_EXPORT int UnicodeToCp1252(char32_t codePoint);

FW_CORE_EXPORT std::string Cp1252ToUtf8(std::string_view text);
// Characters 1252 cannot hold and malformed UTF-8 become '?'; *replaced tells whether any did.
FW_CORE_EXPORT std::string Utf8ToCp1252(std::string_view utf8, bool* replaced = nullptr);

// Case folding of ASCII and the 1252 letters with a case pair (Latin-1, S/Z caron, OE, Y diaeresis).
FW_CORE_EXPORT char ToUpper1252(char c);
FW_CORE_EXPORT char ToLower1252(char c);
FW_CORE_EXPORT std::string Upper1252(std::string_view text);
FW_CORE_EXPORT std::string Lower1252(std::string_view text);

// <0, 0, >0 comparing the upper-cased bytes as unsigned values.
FW_CORE_EXPORT int CompareNoCase1252(std::string_view a, std::string_view b);
FW_CORE_EXPORT bool EqualsNoCase1252(std::string_view a, std::string_view b);

} // namespace fw
