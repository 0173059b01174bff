// What the Direct-To page keeps between draws: whether it has just been opened (the D->
// button sets it, the page's next draw proposes a target and clears it), a cancel waiting
// for ENT, and a chosen waypoint waiting for ENT. Flags are 0 or 1.
#pragma once

#include <cstdint>

#include "navdb/records.h"

struct DirectToPageState {
    int32_t directToJustOpened = 0;
    int32_t directToCancelPending = 0;   // CLR while a direct-to is active, until ENT or close
    int32_t directToConfirmPending = 0;  // the right page shows the entered waypoint
    // The entry and right page group the right page last followed: a look-up runs only
    // when one of them changes, not on every draw.
    char followedIdent[kIdentSize + 1] = {};
    int32_t followedGroup = 0;
};
