// Adding records to the tables. Every record added to a table goes through these, so
// that the count and the identifier array of a loaded table stay in step with it.
#pragma once

#include <cstdint>

#include "navdb/navdb_state.h"

// Appends a copy of `record` to the table of a letter ('V', 'N', 'I', 'W'). Returns its
// number, or 0 when the table is full or the letter has no waypoint table.
int32_t addWaypoint(NavDbState& db, char typeLetter, const WaypointRecord& record);

// The slot the next airport goes to (filled in place, since an airport record is large),
// or null when the table is full; commitAirport then counts it.
AirportRecord* nextAirportSlot(NavDbState& db);
int32_t commitAirport(NavDbState& db);

// Appends a copy of a whole airport record. Returns its number, or 0 when full.
int32_t addAirport(NavDbState& db, const AirportRecord& record);
