// What the NAV pages keep between draws: the NAV 4 field under the cursor, and the moving
// map's settings: each side's range (NM from the aircraft symbol to the map's edge),
// orientation mode and cursor field, the whole-display map's plot switches with the field
// under the right cursor and its CLR toggle, and the map radius in pixels that the draw
// routine works out before the pages draw. The VNAV values NAV 4 edits are shared
// (nav/vnav_state.h).
#pragma once

#include <cstdint>

struct NavPagesState {
    int32_t vnavField = 1;  // NAV 4 cursor: 1 selected altitude, 2 offset, 3 angle
    // Map orientation: 1 north up, 2 heading up, 3 track up, 4 desired track up.
    int32_t leftMapMode = 2;
    int32_t rightMapMode = 2;
    double leftMapRange = 40.0;   // 1..1000 NM
    double rightMapRange = 40.0;  // 1..1001 NM
    int32_t leftMapField = 1;     // the map cursor: 1 range, 2 orientation
    int32_t rightMapField = 1;
    // The whole-display map: the plot switch under the right cursor (1 VOR, 2 NDB,
    // 3 airports), the three switches, and CLR's "hide every plot" toggle.
    int32_t fullMapField = 1;
    int32_t plotVor = 0;
    int32_t plotNdb = 0;
    int32_t plotApt = 0;
    int32_t nav5ClrToggle = 0;
    int32_t mapScalePixels = 96;  // 72, 88, 96 or 130
};
