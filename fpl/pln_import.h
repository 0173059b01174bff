// Import of the simulator's flight plan files (".PLN") into the route scratch.
//
// Two forms are recognised by their markers: the tagged form ("<ATCWaypoint id=" blocks
// with a type and a world position of degrees, minutes and seconds) and the older
// line-oriented form ("departure_id=" and "waypoint.N=" lines with positions of degrees,
// minutes and hundredths of a minute). Each waypoint becomes one scratch entry, read as a
// route file line of identifier, latitude, longitude (degrees, north and east positive,
// five decimals) and type text. The conversion is done in memory and writes no file.
#pragma once

#include <string_view>

struct Unit;

constexpr int kImportConverted = 0;
constexpr int kImportFailed = -99;
constexpr int kPlnLineMaxChars = 998;

// Converts the FlightPlans folder file `name` into the route scratch. Returns
// kImportConverted, or kImportFailed with the scratch empty when the file cannot be read.
int importPlanFile(Unit& unit, const char* name);

// Degrees of a tagged-form position part such as N47° 26' 58.80" (the degree sign as
// 0xB0 or as UTF-8); fractions of seconds are dropped and S and W are negative.
double parseTaggedAngle(std::string_view part);
// Degrees of a line-form position part such as N47* 26.98'; S and W are negative.
double parseLineAngle(std::string_view part);
