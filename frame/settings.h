// Pilot settings shared by several pages: the nearest-airport runway filter, the
// flight timer's start speed and the barometric unit.
#pragma once

#include <cstdint>

struct Settings {
    int32_t minRunwayLength = 1000;    // feet; airports with shorter runways are not "nearest"
    int32_t nearestCriteriaChanged = 0;
    double flightTimerSpeed = 30.0;    // knots; 0.0 or 30.0
    char baroUnits[10] = "INCHES";     // "INCHES" or "MILLIBARS"
};
