// The navigation database and everything the lookup, nearest and waypoint pages keep.
#pragma once

#include <cstdint>

struct NavDbState {
    int32_t airportCount = 0;
};
