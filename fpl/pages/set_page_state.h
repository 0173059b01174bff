// What the SET pages keep between draws: the page shown (1, 2, 3, 4 or 7; there is no
// SET 5 or SET 6). The settings themselves live in frame/settings.h.
#pragma once

#include <cstdint>

struct SetPageState {
    int32_t setPage = 1;
};
