// What the FPL page's plan editor keeps between draws: the cursor row and the first row
// shown, how far the blank plan differs from FPL 0, the prompts waiting for ENT and the
// stored plan's USE?/INVRT? choice, and whether the last save failed.
#pragma once

#include <cstdint>

enum StoredPlanChoice : int32_t {
    kChoiceUse = 0,
    kChoiceInvert = 1,
};

struct FplPageState {
    int32_t planCursorRow = 0;   // -2, -1 the command line; 0..lastIndex a waypoint row
    int32_t planScrollTop = 0;   // first waypoint row shown
    int32_t planEditState = 0;   // 0 new plan, 1 unchanged copy of FPL 0, 2+ changed copy
    int32_t deletePending = 0;   // "DEL" prompt on the cursor row
    int32_t confirmPending = 0;  // 1 a found waypoint waits for ENT, 2 one from the REF page
    int32_t storedPlanChoice = kChoiceUse;
    int32_t saveFailed = 0;      // 1 the last "SAVE FPL 0 ?" could not write its file
};
