#pragma once
// The machine's tool stations in one zone.

#include "automult/DynamicArray.h"
#include "automult/Zone.h"

#include <memory>

class CAMMachineTool {
public:
    explicit CAMMachineTool(enumZone zone) : zone_(zone) {}
    virtual ~CAMMachineTool() = default;

    enumZone Zone() const { return zone_; }
    int Count() const { return count_; }
    void AddStation() { ++count_; }

private:
    enumZone zone_;
    int count_ = 1;
};

using CAMStationList = CDynamicArray<std::unique_ptr<CAMMachineTool>>;

// Stations the machine has in a zone; 0 when the zone was never named.
int StationCount(const CAMStationList& stations, enumZone zone);
// Counts one more station in the zone, creating its entry on first use.
void AddStation(CAMStationList& stations, enumZone zone);
