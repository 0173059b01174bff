// Placing a new waypoint on FPL 0 relative to a reference waypoint (the REF page).
//
// The reference is the selected waypoint (candidate 1). The new user waypoint lies on the
// leg of FPL 0 that starts at the waypoint nearest the reference: of the whole-degree
// radials from the reference (0..359, degrees true), the first one whose meeting point
// with the leg's course lies closest to the leg's middle. The waypoint is named after the
// reference with the first letter "A".."Z" that no user waypoint of that name has yet
// ("KSEAA"), and carries the reference's identifier, the radial (degrees true) and its
// distance from the reference (NM).
#pragma once

struct Unit;

enum class ReferenceResult { Made, NoLeg, NoRadial, TableFull };

// Makes the reference waypoint. On success: the user waypoint is appended and becomes the
// current one and the selected waypoint; the right page shows it on SUP; the FPL editor
// holds a copy of FPL 0 in the blank plan with the left cursor on and its cursor row on
// the row after the leg's start, where ENT on the FPL page inserts it; confirmPending is
// 2. Any other result changes nothing: NoLeg when FPL 0 has fewer than two waypoints or
// no active route, NoRadial when no radial meets the leg's course, TableFull when the
// user waypoint table is full.
ReferenceResult makeReferenceWaypoint(Unit& unit);
