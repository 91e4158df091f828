#pragma once
// Where a tool works on the section: the engine only compares zones for equality.

#include <cstdint>

enum enumZone : std::int32_t {
    eAM_ZONE_UNKNOWN = 0,
    eAM_ZONE_WEB_NEAR = 1,
    eAM_ZONE_WEB_FAR = 2,
    eAM_ZONE_WEB_ALL = 3,
    eAM_ZONE_TF_NEAR = 4,
    eAM_ZONE_TF_FAR = 5,
    eAM_ZONE_TF_ALL = 6,
    eAM_ZONE_BF_NEAR = 7,
    eAM_ZONE_BF_FAR = 8,
    eAM_ZONE_BF_ALL = 9,
    eAM_ZONE_WEB2_NEAR = 10,
    eAM_ZONE_WEB2_FAR = 11,
    eAM_ZONE_WEB2_ALL = 12,
};
