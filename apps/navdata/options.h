// The converter's command line:
//   tarnwick-navdata --apt FILE --nav FILE --fix FILE --out DIR
//                    [--center LAT LON --radius-nm N] [--kinds land,sea,heli]
//                    [--min-runway-ft N] [--hard-only] [--keep-closed] [--quiet]
#pragma once

#include <cstddef>
#include <string>

#include "navdb/records.h"

namespace navdata {

// How many records of each table the unit holds.
struct Capacities {
    size_t airports = kAirportCapacity;
    size_t vors = kVorCapacity;
    size_t ndbs = kNdbCapacity;
    size_t intersections = kIntersectionCapacity;
};

struct Options {
    std::string aptPath;
    std::string navPath;
    std::string fixPath;
    std::string outDir;
    bool hasArea = false;  // keep only what lies within radiusNm of the centre
    double centerLat = 0.0;
    double centerLon = 0.0;
    double radiusNm = 0.0;
    bool land = true;  // airport kinds kept
    bool sea = true;
    bool heliports = true;
    long minRunwayFt = 0;     // longest runway at least this long
    bool hardOnly = false;    // at least one asphalt or concrete runway
    bool keepClosed = false;  // closed fields are left out unless asked for
    bool progress = true;
    Capacities capacities;
};

// The usage text printed for --help and with every command-line error.
extern const char* const kUsage;

// Fills `options` from the arguments; false with `error` set on a bad command line.
// `helpOnly` is set for --help.
bool parseOptions(int argc, const char* const* argv, Options& options, bool& helpOnly,
                  std::string& error);

}  // namespace navdata
