#pragma once
// Where hole patterns look up the current data of their tools once a part's bytes are read:
// the tool file named by the tool's short name (CPattern::RefreshTool). Until then, and for a
// tool the library does not have, tools keep their archived data.

#include "model/ToolRecord.h"

#include <optional>
#include <string>

class ToolLibrary {
public:
    virtual ~ToolLibrary() = default;
    // The data of the tool file of that short name; nothing when it is missing or unreadable.
    virtual std::optional<ToolRecord> LoadTool(const std::string& shortName) = 0;
};
