#pragma once
// One distinct tool met among the parts: a name exactly as given and the zone it works in.

#include "automult/DynamicArray.h"
#include "automult/Zone.h"

#include <cstddef>
#include <memory>
#include <string>

class CAMTool {
public:
    CAMTool(std::string name, enumZone zone, std::size_t index) : name_(std::move(name)), zone_(zone), index_(index) {}
    virtual ~CAMTool() = default;

    const std::string& Name() const { return name_; }
    enumZone Zone() const { return zone_; }
    // Position in the engine's tool table.
    std::size_t Index() const { return index_; }

    // Names compare character by character (case counts) and zones must be equal.
    bool IsSame(const std::string& name, enumZone zone) const { return name_ == name && zone_ == zone; }

private:
    std::string name_;
    enumZone zone_;
    std::size_t index_;
};

using CAMToolTable = CDynamicArray<std::unique_ptr<CAMTool>>;

// The index of the tool in the table, adding it at the end when it is new.
std::size_t FindOrAddTool(CAMToolTable& table, const std::string& name, enumZone zone);
