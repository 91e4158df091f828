#pragma once
// The tool a face is programmed with. Each face keeps the short name of its tool in the profile
// (section "Current Settings", the face kind's value) and finds it again as the tool file of that
// name in the tool folder; tool files carry their short name as their name.

#include "fw/core/PathListFormats.h"
#include "model/PartTool.h"

#include <functional>
#include <memory>
#include <string>

namespace facetool {

inline constexpr const char* kSection = "Current Settings";
inline constexpr const char* kDefaultName = "13_16RD";
// The drag format of the navigator's tool lists: '|'-separated tool file paths.
inline constexpr const char* kToolListFormat = fw::FormatName(fw::PathListFormat::tools);

// The tool of the tool file with that name (no folder, no extension), of its kind's class, or
// null when the file is missing or unreadable; reported (a beep and the file's message) when
// asked to, else quietly.
std::unique_ptr<CPartTool> FromFile(const std::string& name, bool report = false);
// The name of the first file of a tool list, without folder and extension.
std::string FirstTitle(const std::string& paths);
// A round tool of 0.8125 inch.
std::unique_ptr<CPartTool> Default();
// The tool a face starts with: the one named in the profile value (default "13_16RD"), else the
// one the user chooses, else the default tool.
std::unique_ptr<CPartTool> Initial(const std::string& key, const std::function<std::unique_ptr<CPartTool>()>& choose);
// Writes the tool's short name to the profile value.
void Store(const std::string& key, const CPartTool& tool);

} // namespace facetool
