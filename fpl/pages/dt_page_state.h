// What the D/T pages keep between draws: the page shown, D/T 1 to D/T 4, which the right
// inner knob steps round.
#pragma once

#include <cstdint>

constexpr int32_t kDtPageCount = 4;

struct DtPageState {
    int32_t dtPage = 1;  // 1..kDtPageCount
};
