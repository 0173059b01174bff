// The FPL page's controls: choosing a plan, activating stored plans, and the editor that
// builds new plans and edits a copy of FPL 0 in the blank plan.
//
// The editor works on the blank plan only. Identifiers are entered on the cursor row
// with the left knobs: the inner knob steps the character at the cursor through the
// database's plan character list, the outer knob moves between characters (and between
// rows when no entry is in progress). ENT looks the identifier up in the table the right
// page shows, and a second ENT inserts the waypoint found.
#pragma once

#include <cstdint>

struct Unit;

// Acts on the pending left-side events, ENT and CLR for the FPL page.
void handleFplEvents(Unit& unit);

// True while an identifier entry is in progress on the cursor row.
bool planEntryInProgress(const Unit& unit);

// True while the SUP page is creating a user waypoint (its choices or its coordinate
// entry): ENT then belongs to the SUP page.
bool supCreationOwnsEnt(const Unit& unit);

// True while ENT belongs to the right page: the SUP page creating a waypoint, or the REF
// page with its cursor on.
bool rightPageOwnsEnt(const Unit& unit);

// Scrolls the blank plan so that its cursor row is in view.
void scrollPlanToCursor(Unit& unit);

// The page's first shown waypoint on FPL 0: the active leg is kept in view.
int32_t activeRouteTopRow(const Unit& unit);
