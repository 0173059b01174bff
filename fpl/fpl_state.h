// The flight plan store, the active route, the route file scratch and the plan entry; the
// FPL page's editor keeps its own record in fpl/pages/fpl_page_state.h.
//
// FPL 0 is the active route; the store's slot 1 is the simulator's own plan, slots
// 2..blankPlanIndex-1 the route files, slot blankPlanIndex the blank plan in which new
// plans are built and FPL 0 is edited. A plan's lastIndex is its number of waypoints
// minus one; an empty plan has lastIndex 0 and an empty ident in entry 0.
#pragma once

#include <cstddef>
#include <cstdint>

#include "frame/plan_waypoint.h"
#include "frame/fixed_table.h"

constexpr int kPlanWaypointCount = 201;  // entries 0..200 of every plan
constexpr int kPlanStoreSlots = 203;     // FPL numbers 0..202 (slot 0 unused)
constexpr int kPlanNameSize = 256;       // route file names with extension, up to 255 characters
constexpr int kPlanEntryMaxChars = 5;    // identifiers entered on the unit

struct FlightPlan {
    char name[kPlanNameSize];
    char firstIdent[kPlanIdentSize];
    char lastIdent[kPlanIdentSize];
    int32_t lastIndex;
    PlanWaypoint waypoints[kPlanWaypointCount];
};

// Slot index = FPL number. All-zero slots are empty plans.
struct PlanStore {
    FixedTable<FlightPlan> slots{kPlanStoreSlots};

    // The slot of FPL `number`, or null outside 1..202.
    FlightPlan* plan(int32_t number) {
        return number >= 1 ? slots.at(static_cast<size_t>(number)) : nullptr;
    }
    const FlightPlan* plan(int32_t number) const {
        return number >= 1 ? slots.at(static_cast<size_t>(number)) : nullptr;
    }
};

// FPL 0, the route navigation flies. Its last index is FplState::activeLastIndex.
struct ActiveRoute {
    PlanWaypoint waypoints[kPlanWaypointCount];
};

// One written waypoint line at most: an identifier and a frequency of a whole route file
// line each, the numbers and the blanks between the columns.
constexpr int kRouteLineBufferSize = 2 * kPlanFileFieldMaxChars + 96;
constexpr size_t kRouteFileBufferSize = 16 + kPlanWaypointCount * kRouteLineBufferSize;

// A file is read here before it is copied into a plan slot, and a saved file is
// composed in `fileBytes` before it is written whole.
struct RouteScratch {
    FixedTable<PlanWaypoint> waypoints{kPlanWaypointCount};
    int32_t lastIndex = -1;  // -1 = empty
    FixedTable<char> fileBytes{kRouteFileBufferSize};
};

struct FplState {
    int32_t selectedPlan = 0;    // FPL shown, 0..blankPlanIndex
    int32_t blankPlanIndex = 0;  // set by the folder scan
    PlanStore store;
    ActiveRoute activeRoute;
    int32_t activeLastIndex = -1;  // -1 = no waypoint
    RouteScratch scratch;

    // The identifier entry on the blank plan is the Unit's planEntry.
};
