#include "fpl/plan_store.h"

#include <cstring>

#include "frame/unit.h"

namespace {

bool isEmptyRow(const PlanWaypoint& waypoint) { return waypoint.ident[0] == '\0'; }

// Moves entries row..last up by one; the caller has checked that last + 1 fits.
void openRow(PlanWaypoint* waypoints, int32_t row, int32_t last) {
    for (int32_t i = last; i >= row; --i) copyPlanWaypoint(waypoints[i + 1], waypoints[i]);
}

}  // namespace

FlightPlan* selectedPlanSlot(Unit& unit) {
    FplState& fpl = unit.fpl;
    if (fpl.selectedPlan < 1 || fpl.selectedPlan > fpl.blankPlanIndex) return nullptr;
    return fpl.store.plan(fpl.selectedPlan);
}

bool insertPlanWaypoint(Unit& unit, int32_t row, const PlanWaypoint& waypoint) {
    FplState& fpl = unit.fpl;
    PlanWaypoint* waypoints = nullptr;
    int32_t* last = nullptr;
    if (fpl.selectedPlan == fpl.blankPlanIndex && fpl.blankPlanIndex > 0) {
        FlightPlan* plan = fpl.store.plan(fpl.blankPlanIndex);
        if (plan == nullptr) return false;
        if (plan->lastIndex < 0) plan->lastIndex = -1;
        if (row >= 0 && row < plan->lastIndex && isEmptyRow(plan->waypoints[row])) {
            copyPlanWaypoint(plan->waypoints[row], waypoint);
            return true;
        }
        waypoints = plan->waypoints;
        last = &plan->lastIndex;
    } else {
        waypoints = fpl.activeRoute.waypoints;
        last = &fpl.activeLastIndex;
    }
    if (*last < -1) *last = -1;
    if (row < 0 || row > *last + 1 || *last + 1 >= kPlanWaypointCount) return false;
    openRow(waypoints, row, *last);
    copyPlanWaypoint(waypoints[row], waypoint);
    *last += 1;
    return true;
}

bool deletePlanWaypoint(Unit& unit, int32_t row) {
    FlightPlan* plan = selectedPlanSlot(unit);
    if (plan == nullptr || row < 0 || row > plan->lastIndex ||
        plan->lastIndex >= kPlanWaypointCount) {
        return false;
    }
    for (int32_t i = row; i < plan->lastIndex; ++i) {
        copyPlanWaypoint(plan->waypoints[i], plan->waypoints[i + 1]);
    }
    plan->lastIndex -= 1;
    return true;
}

bool useFlightPlan(Unit& unit, PlanOrder order) {
    FlightPlan* plan = selectedPlanSlot(unit);
    if (plan == nullptr) return false;
    const int32_t last = plan->lastIndex < kPlanWaypointCount ? plan->lastIndex
                                                              : kPlanWaypointCount - 1;
    int32_t count = 0;
    for (int32_t i = 0; i <= last; ++i) count += isEmptyRow(plan->waypoints[i]) ? 0 : 1;
    if (count == 0) return false;

    FplState& fpl = unit.fpl;
    int32_t to = 0;
    for (int32_t k = 0; k <= last; ++k) {
        const PlanWaypoint& from = plan->waypoints[order == PlanOrder::Inverted ? last - k : k];
        if (isEmptyRow(from)) continue;
        copyPlanWaypoint(fpl.activeRoute.waypoints[to++], from);
    }
    fpl.activeLastIndex = count - 1;
    unit.nav.leg.activeToIndex = 1;
    unit.nav.departureHour = -1.0;
    unit.nav.departureMinute = -1.0;
    return true;
}

bool storeActiveRoute(Unit& unit) {
    FlightPlan* plan = selectedPlanSlot(unit);
    FplState& fpl = unit.fpl;
    if (plan == nullptr) return false;
    int32_t last = fpl.activeLastIndex;
    if (last < -1) last = -1;
    if (last >= kPlanWaypointCount) last = kPlanWaypointCount - 1;
    for (int32_t i = 0; i <= last; ++i) {
        copyPlanWaypoint(plan->waypoints[i], fpl.activeRoute.waypoints[i]);
    }
    plan->lastIndex = last;
    return true;
}

void clearPlanSlot(FlightPlan& plan) {
    plan.name[0] = '\0';
    plan.firstIdent[0] = '\0';
    plan.lastIdent[0] = '\0';
    plan.lastIndex = 0;
    std::memset(&plan.waypoints[0], 0, sizeof plan.waypoints[0]);
}
