// What the NAV pages keep between draws: the NAV 4 field under the cursor, the map mode of
// each side, the map's CLR toggle and the map range in pixels that the draw routine works
// out before the pages draw. The VNAV values NAV 4 edits are shared (nav/vnav_state.h).
#pragma once

#include <cstdint>

struct NavPagesState {
    int32_t vnavField = 1;  // NAV 4 cursor: 1 selected altitude, 2 offset, 3 angle
    int32_t leftMapMode = 0;
    int32_t rightMapMode = 0;
    int32_t nav5ClrToggle = 0;
    int32_t mapScalePixels = 96;  // 72, 88, 96 or 130
};
