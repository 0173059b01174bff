// What the APT, VOR, NDB and SUP pages keep between draws: the APT page number and runway
// list position, the nearest-list mode of the APT, VOR and NDB pages, and the SUP page's
// user-waypoint creation. Each record is one page's own; frame/unit.h gathers them under
// `unit.pages`.
//
// Nearest places are 1..9 (the rank in the list of nearest records); 0 while the page has
// never entered its nearest mode.
#pragma once

#include <cstdint>

struct AptPageState {
    int32_t aptPage = 1;            // 1..4
    int32_t runwayListOffset = 0;   // 0: the APT 3 diagram; k >= 1: the list from pair k
    int32_t aptNearestMode = 0;     // 1 while the inner knob steps through nearest airports
    int32_t aptNearestPos = 0;
    // 1 while the APT cursor is on without an identifier entry: the page then keeps
    // showing nearest airport 1 as the aircraft moves, and the knobs enter nothing.
    int32_t aptFollowsNearest = 0;
};

struct VorPageState {
    int32_t vorNearestMode = 0;
    int32_t vorNearestPos = 0;
};

struct NdbPageState {
    int32_t ndbNearestMode = 0;
    int32_t ndbNearestPos = 0;
};

struct SupPageState {
    // The coordinate line while a user waypoint is being created: 1 latitude, 2 longitude.
    // The SUP page and the plan editor share the FPL page's confirmPending for that flow.
    int32_t supLine = 0;
    // 1 after the page refused a creation because the user waypoint table is full.
    int32_t supTableFull = 0;
    // The user waypoint the page showed before its entry started, shown again when the
    // entry ends without one.
    int32_t supWaypointBeforeEntry = 0;
};
