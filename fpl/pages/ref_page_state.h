// What the REF page and the duplicate identifier list keep between draws.
//
// The REF page enters a reference identifier with the right knobs (unit.identEntry) and
// remembers whether the duplicate list it opened waits for the pilot's choice, and which
// refusal it shows. The duplicate list shows candidates 1..candidateCount of the
// database lookup four rows at a time.
#pragma once

#include <cstdint>

// Why the REF page made no waypoint; kRefNoMessage while nothing was refused.
enum RefMessage : int32_t {
    kRefNoMessage = 0,
    kRefNotFound = 1,   // the identifier names no database waypoint
    kRefNoLeg = 2,      // FPL 0 has no leg (fewer than two waypoints, or no active route)
    kRefNoRadial = 3,   // no radial from the reference meets the nearest leg
    kRefTableFull = 4,  // the user waypoint table has no room for the new waypoint
};

struct RefPageState {
    int32_t refMessage = kRefNoMessage;
    // 1 while the duplicate list opened by this page waits for a choice; ENT on the REF
    // page then takes the list's selection as the reference.
    int32_t refChoosing = 0;
};

struct DuplicatesPageState {
    int32_t duplicateSelection = 1;  // the candidate chosen, 1..candidateCount
    int32_t duplicateScrollTop = 1;  // the candidate on the first of the four rows
};
