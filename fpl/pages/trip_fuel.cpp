#include "fpl/pages/trip_fuel.h"

#include <algorithm>

#include "fpl/pages/tri_page_state.h"

bool tripTargetSet(const TriPageState& trip) { return trip.tripTargetIdent[0] != '\0'; }

void stepFuelReserve(double& reserveLb, int32_t digit, KnobTurn turn) {
    constexpr double kDigitSteps[] = {1000.0, 100.0, 10.0, 1.0};
    if (digit < 1 || digit > 4) return;
    const double step = kDigitSteps[digit - 1];
    if (turn == KnobTurn::Up && reserveLb < kFuelReserveMaxLb + 1.0 - step) {
        reserveLb += step;
    } else if (turn == KnobTurn::Down && reserveLb >= step) {
        reserveLb -= step;
    }
    reserveLb = std::clamp(reserveLb, 0.0, kFuelReserveMaxLb);
}
