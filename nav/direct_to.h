// Direct-To: the leg from the present position straight to one chosen waypoint, the
// target the Direct-To page proposes when it opens, and the cancel that hands navigation
// back to the active route.
//
// Positions are degrees (north and east positive); distances NM; bearings degrees true.
// The chosen waypoint reaches these operations as the selected waypoint (candidate 1).
#pragma once

#include <cstdint>

#include "frame/page_state.h"

struct Unit;

// A plan waypoint this close (NM) to the chosen target is taken to be the same waypoint:
// the target takes the plan's coordinates so that arrival sequences the route.
constexpr double kPlanSnapNm = 0.25;

// The right page that shows a waypoint of a plan type text, in the route files' three
// letter form ("APT", "VOR", "NDB", "INT", "WPT") or the one-letter form ("A", "V", "N",
// "I", "W"); PG_NONE for any other text.
PageGroup waypointPageForType(const char* type);

// The ActiveRoute index under the FPL cursor while the FPL pages show the unchanged active
// plan with the cursor on a waypoint row; -1 otherwise.
int32_t planCursorWaypoint(const Unit& unit);

// Where the Direct-To page's first proposal comes from when it opens.
enum class DirectToProposal : int32_t {
    CurrentTarget,  // a direct-to is active: its target
    PlanCursor,     // the waypoint under the FPL cursor
    RightPage,      // the waypoint the right page shows
    Nothing,        // the entry starts empty
};
DirectToProposal proposalSource(const Unit& unit);

// Builds the leg to the selected waypoint: origin "PPOS" at the present position, target a
// copy of the selected waypoint (snapped to the FPL cursor's plan waypoint when that lies
// within kPlanSnapNm), directToActive 1. The FPL selection returns to FPL 0 with the blank
// plan emptied, the right page shows NAV 1, the left page returns to the saved group and
// both cursors go off. activeToIndex is not changed. Returns false, changing nothing, when
// the selected waypoint has no identifier.
bool startDirectTo(Unit& unit);

// After a cancel: the first waypoint from activeToIndex to the last whose bearing from the
// present position lies within 90 degrees of the bearing to the final waypoint becomes the
// TO waypoint. activeToIndex stays when none does or when it lies outside the route.
void recaptureRoute(Unit& unit);

// Ends the active direct-to on the pilot's confirmation: the route is re-captured when
// one exists, the cursor and the pending cancel go off and the left page returns to the
// saved group.
void cancelDirectTo(Unit& unit);
