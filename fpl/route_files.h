// Route files: the ".RTE" text files of the FlightPlans folder that hold the stored
// plans, and the folder scan that fills the plan store at start.
//
// A route file is a "[FlightPlan]" line followed by one waypoint per line: ident,
// latitude, longitude, type and frequency ("---" for none), whitespace-separated, then
// up to two further columns that are carried but not shown. Lines whose first field
// begins with ";" are comments. The unit writes lines with CR LF ends.
#pragma once

#include <cstdint>
#include <string_view>

#include "fpl/fpl_state.h"
#include "frame/plan_waypoint.h"

struct Unit;

// A route file line holds at most 148 characters, and every field of it is kept whole.
// Lines the unit writes itself can be longer (a long identifier with the numbers written
// out to five decimals), so lines are read up to the length the unit writes.
constexpr int kRouteLineMaxChars = kPlanFileFieldMaxChars;
constexpr int kRouteReadLineMaxChars = kRouteLineBufferSize;
constexpr int kMaxListedPlanIndex = 198;  // FPL 2..198: at most 197 files are listed

// Fills `waypoint` from the fields of one waypoint line. Returns false for a line
// without a field.
bool parseRouteLine(std::string_view line, PlanWaypoint& waypoint);

// Reads the FlightPlans folder file `name` into the route scratch; a ".PLN" file is
// converted by the import. The scratch stays empty when nothing can be read.
void loadRouteFile(Unit& unit, const char* name);

// Saves FPL 0 as a new stored plan and a new route file named after its first and final
// identifiers. StoreFull: the store has no slot left. NotWritten: the file could not be
// written whole, or no free name was left. The store changes only when the result is Saved.
enum class SaveResult { Saved, StoreFull, NotWritten };
SaveResult saveRouteFile(Unit& unit);

// The name a save would use for FPL 0 without its extension, written into `out`: the
// first and final identifiers joined by "-", with a two-digit counter while the name
// begins a stored plan's name or names a file on disk. False when no counter is free.
bool routeFileStem(Unit& unit, char* out, int size);
