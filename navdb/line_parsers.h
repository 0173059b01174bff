// Parsing one line of a navigation data file into a record. The loader owns the tables,
// capacities and counts; these functions only turn a line into a record and say whether
// the line holds one.
//
// A line holds a record when it is not a comment (first character ';') and has every
// mandatory column: four for intersections and user waypoints, five for airports and
// navaids. Columns are separated by blanks; texts are cut to their fields. A position that
// is not finite or lies beyond ±90 degrees of latitude or ±180 of longitude makes the
// line malformed, a runway threshold's as much as the record's own.
#pragma once

#include <string_view>

#include "navdb/records.h"

constexpr size_t kDataLineLength = 1698;  // characters of a data line that are read
constexpr int kMaxAirportColumns = 25;    // 5 airport columns and up to 20 runways

// "ints.txt" and "user.txt": identifier, name, latitude, longitude. typeText is "INT" or
// "WPT".
bool parseWaypointLine(std::string_view line, const char* typeText, WaypointRecord& record);

enum class NavaidKind { Vor, Ndb };

// "navs.txt": identifier, name, latitude, longitude, kind, optional frequency. Kind "VOR"
// in any case makes a VOR, anything else an NDB.
bool parseNavaidLine(std::string_view line, WaypointRecord& record, NavaidKind& kind);

// "apts.txt": identifier, name, elevation, latitude, longitude, runway columns. Writes the
// airport's fields and runways 1..runwayCount; runway slots above the count are left as
// they are, so that a table in zero-filled memory is touched only where it is filled.
bool parseAirportLine(std::string_view line, AirportRecord& record);

// One runway column, "09_4500_51.1_-1.2_92_A_B_0": underscores from the second character
// on separate designation, length, threshold latitude and longitude, magnetic heading,
// two auxiliary texts and an auxiliary number (missing ones empty or 0). Returns false when
// the threshold is not a position on the earth (the rule above); the fields are filled
// all the same.
bool parseRunwayColumn(std::string_view column, RunwayRecord& runway);
