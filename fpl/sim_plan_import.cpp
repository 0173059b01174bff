#include "fpl/sim_plan_import.h"

#include <cstring>

#include "base/text.h"
#include "fpl/fpl_hooks.h"
#include "fpl/plan_store.h"
#include "frame/host.h"
#include "frame/unit.h"

namespace {

template <typename T>
T readAt(const unsigned char* bytes, int offset) {
    T value;
    std::memcpy(&value, bytes + offset, sizeof value);
    return value;
}

void setPlanEntry(PlanWaypoint& waypoint, const char* ident, int identLength, double latitude,
                  double longitude) {
    std::memset(&waypoint, 0, sizeof waypoint);
    int n = 0;
    while (n < identLength && n < kPlanIdentSize - 1 && ident[n] != '\0') ++n;
    std::memcpy(waypoint.ident, ident, static_cast<size_t>(n));
    waypoint.latitude = latitude;
    waypoint.longitude = longitude;
}

// FPL 0 and FPL 1 both read "No Rte" and "End" when the simulator has no plan, so that
// activating FPL 1 afterwards never brings back an older plan.
void showNoRoute(Unit& unit, FlightPlan& simulatorPlan) {
    FplState& fpl = unit.fpl;
    setPlanEntry(fpl.activeRoute.waypoints[0], "No Rte", 6, 0.0, 0.0);
    setPlanEntry(fpl.activeRoute.waypoints[1], "End", 3, 0.0, 0.0);
    fpl.activeLastIndex = 1;
    copyPlanWaypoint(simulatorPlan.waypoints[0], fpl.activeRoute.waypoints[0]);
    copyPlanWaypoint(simulatorPlan.waypoints[1], fpl.activeRoute.waypoints[1]);
    simulatorPlan.lastIndex = 1;
    copyField(simulatorPlan.firstIdent, "No Rte");
    copyField(simulatorPlan.lastIdent, "End");
}

}  // namespace

void importSimulatorPlan(Unit& unit, Host& host) {
    FlightPlan* simulatorPlan = unit.fpl.store.plan(1);
    if (simulatorPlan == nullptr) return;
    const auto* block = static_cast<const unsigned char*>(host.dataBlock(kSimDataBlockName));
    if (block == nullptr || readAt<uint32_t>(block, 0) < kSimBlockMinSize) {
        showNoRoute(unit, *simulatorPlan);
        return;
    }
    const int32_t count = readAt<int32_t>(block, kSimBlockCountOffset);
    const uint64_t address = readAt<uint64_t>(block, kSimBlockListOffset);
    if (address == 0 || count < 2) {
        showNoRoute(unit, *simulatorPlan);
        return;
    }
    // A longer plan than a slot holds is cut after its 201st waypoint.
    const int32_t taken = count < kPlanWaypointCount ? count : kPlanWaypointCount;
    const auto* list = reinterpret_cast<const unsigned char*>(static_cast<uintptr_t>(address));
    for (int32_t i = 0; i < taken; ++i) {
        const unsigned char* entry = list + static_cast<size_t>(i) * kSimWaypointSize;
        const double latitude =
            readAt<int32_t>(entry, kSimWaypointLatOffset) / kSimMetresPerTurn * 360.0;
        const uint64_t turn = readAt<uint64_t>(entry, kSimWaypointLonOffset) & ~uint64_t{0xFFFF};
        // The longitude is a signed fraction of a full turn.
        const double longitude = static_cast<double>(static_cast<int64_t>(turn)) * 360.0 /
                                 18446744073709551616.0;
        setPlanEntry(simulatorPlan->waypoints[i],
                     reinterpret_cast<const char*>(entry + kSimWaypointIdentOffset),
                     kSimWaypointIdentSize, latitude, longitude);
    }
    simulatorPlan->lastIndex = taken - 1;
    copyField(simulatorPlan->firstIdent, simulatorPlan->waypoints[0].ident);
    copyField(simulatorPlan->lastIdent, simulatorPlan->waypoints[taken - 1].ident);
}
