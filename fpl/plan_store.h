// Operations on the plan store and the active route: insert and delete a waypoint,
// activate a stored plan forward or inverted, copy FPL 0 into a slot.
//
// Every operation checks its row and the capacity of the target (201 waypoints) and
// returns false, changing nothing, when it would write past an array.
#pragma once

#include <cstdint>

#include "fpl/fpl_state.h"

struct Unit;

enum class PlanOrder { Forward, Inverted };

// The slot shown as `selectedPlan`, or null for FPL 0 and numbers outside the store.
FlightPlan* selectedPlanSlot(Unit& unit);

// Inserts `waypoint` at `row` of the blank plan when it is shown, else of the active route.
// In the blank plan an empty row below the final one is overwritten instead.
bool insertPlanWaypoint(Unit& unit, int32_t row, const PlanWaypoint& waypoint);

// Removes row `row` of the plan shown.
bool deletePlanWaypoint(Unit& unit, int32_t row);

// Copies the plan shown into the active route and makes its second waypoint the TO
// waypoint. Rows without an identifier (the editor's empty rows) are left out; a plan
// with no waypoint leaves the active route as it is and returns false.
bool useFlightPlan(Unit& unit, PlanOrder order);

// Copies the active route into the plan shown (slot `selectedPlan`).
bool storeActiveRoute(Unit& unit);

// Clears a slot to the empty plan: no name, lastIndex 0, an empty entry 0.
void clearPlanSlot(FlightPlan& plan);
