// The flight plan store, the active route and the state of the plan and trip pages.
#pragma once

#include <cstdint>

struct FplState {
    int32_t selectedPlan = 0;
    int32_t blankPlanIndex = 0;
};
