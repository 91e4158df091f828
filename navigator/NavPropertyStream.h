#pragma once
// The stream in which a container keeps the navigator's persisted properties, in the archive
// format:
//
//   DWORD   version 0x00010000
//   LONG    ShowJobs, ShowShapes, ShowTools, ShowMachines, ShowParts, ShowMults
//   string  JobLabel, GroupLabel, MachineLabel, ShapeLabel, ToolLabel, PartLabel, MultLabel
//   string  PartExtension, MultExtension, MachineExtension, ShapeExtension, ToolExtension
//
// The folders and the run-menu switch are set by the host each time and are not kept. Loading
// raises fw::ArchiveException when the stream is cut short or has another version, and then
// changes nothing; a value the control cannot take (a switch other than 0 or 1, a label longer
// than kMaxLabelLength, an extension that is not a dot and one to kMaxExtensionLength characters
// that can stand in a file name) loads as that property's default.

#include "navigator/NavProperties.h"

#include "fw/core/Archive.h"

#include <cstddef>
#include <cstdint>

namespace nav {

inline constexpr std::uint32_t kNavStreamVersion = 0x00010000u;
inline constexpr std::size_t kMaxLabelLength = 255;
inline constexpr std::size_t kMaxExtensionLength = 8;

bool IsValidSwitch(long value);
bool IsValidLabel(const std::string& text);
// Empty, or a dot followed by 1 to kMaxExtensionLength file-name characters (no separator,
// wildcard, quote, '<', '>', '|', ':', dot or control character).
bool IsValidExtension(const std::string& text);

void WriteProperties(fw::Archive& ar, const NavProperties& properties);
// The given properties with the persisted ones replaced by the stream's.
NavProperties ReadProperties(fw::Archive& ar, const NavProperties& properties);

} // namespace nav
