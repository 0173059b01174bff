// Creating user waypoints: records appended to the user waypoint table (1..1000) with
// the identifier being entered on the SUP page, at the aircraft's present position or at
// the latitude and longitude entered digit by digit.
#pragma once

struct Unit;

enum class UserWaypointPlace { EnteredPosition, PresentPosition };

// Appends a user waypoint named entryText + entryChar of unit.identEntry, with type text
// "W" and no frequency, and makes it the current user waypoint. Returns false, adding
// nothing, when the table is full or nothing stands before the entry cursor (entryText
// is empty).
bool CreateUserWaypoint(Unit& unit, UserWaypointPlace place);

// True when the user waypoint table has no room for another record.
bool userWaypointTableFull(const Unit& unit);
