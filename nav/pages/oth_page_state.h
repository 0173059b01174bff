// What the OTH pages keep between draws: the page shown (5..10) and the reserve digit under
// the cursor (1 thousands .. 4 units). The fuel figures they show are the TRI pages' own
// (fpl/pages/tri_page_state.h).
#pragma once

#include <cstdint>

constexpr int32_t kFirstOthPage = 5;
constexpr int32_t kLastOthPage = 10;

struct OthPageState {
    int32_t othPage = kFirstOthPage;
    int32_t othDigit = 1;
};
