// What the TRI pages keep between draws, and the trip fuel figures the OTH pages share:
// the trip waypoint, the fuel flow the trip is planned with (pounds per hour), the reserve
// (pounds, 0..9999, whole) and the fuel required to the trip waypoint as TRI 1 last worked
// it out (pounds, not limited; only TRI 1's display stops at 999.9).
#pragma once

#include <cstdint>

#include "navdb/records.h"

constexpr double kFuelReserveMaxLb = 9999.0;

struct TriPageState {
    int32_t triPage = 0;  // 0 or 1
    // The cursor on a reserve digit: 6 thousands, 7 hundreds, 8 tens, 9 units; 0 while the
    // cursor is on the identifier, whose character position is the entry's column.
    int32_t triDigitField = 0;
    char tripTargetIdent[kIdentSize] = {};  // empty while no trip waypoint is set
    double tripTargetLatitude = 0.0;
    double tripTargetLongitude = 0.0;
    double fuelFlow = 1500.0;
    double fuelReserve = 500.0;
    double fuelRequired = 0.0;
};
