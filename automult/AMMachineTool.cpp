#include "automult/AMMachineTool.h"

namespace {
CAMMachineTool* Find(const CAMStationList& stations, enumZone zone)
{
    for (const auto& station : stations)
        if (station->Zone() == zone)
            return station.get();
    return nullptr;
}
} // namespace

int StationCount(const CAMStationList& stations, enumZone zone)
{
    const CAMMachineTool* station = Find(stations, zone);
    return station ? station->Count() : 0;
}

void AddStation(CAMStationList& stations, enumZone zone)
{
    if (CAMMachineTool* station = Find(stations, zone))
        station->AddStation();
    else
        stations.Add(std::make_unique<CAMMachineTool>(zone));
}
