// What the converter keeps of the X-Plane format files before it writes the unit's files.
//
// Positions are decimal degrees (north and east positive), lengths in feet, headings in
// degrees true, frequencies as the unit's text ("116.80", "362", "118.85"). `line` is the
// source line number, for messages and for keeping input order where ranks tie.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace navdata {

// One runway end (or a helipad) as the unit lists it.
struct RunwayEnd {
    std::string designation;   // "10L", "28R", "H1"
    double thresholdLat = 0.0;  // the landing threshold, displaced threshold honoured
    double thresholdLon = 0.0;
    double headingTrueDeg = 0.0;  // from this end towards the opposite end
    int32_t lengthFt = 0;         // whole runway length, end to end
    int32_t displacedFt = 0;      // displaced threshold of this end
    std::string surface;          // "ASPH", "CONC", "TURF", ...
    bool hard = false;            // asphalt or concrete
    bool lighted = false;         // edge lights
};

enum class AirportKind { Land, Sea, Heliport };

// The communication frequencies the unit keeps per airport, in the order of CommKind.
enum CommKind { kCommAtis, kCommClr, kCommGrnd, kCommTwr, kCommUncm, kCommAppr, kCommCtr,
                kCommKinds };

struct Airport {
    std::string ident;
    std::string name;  // already in the unit's character set
    int32_t elevationFt = 0;
    double lat = 0.0;
    double lon = 0.0;
    AirportKind kind = AirportKind::Land;
    bool closed = false;
    std::vector<RunwayEnd> runwayEnds;  // pairs of ends, in file order
    std::vector<RunwayEnd> helipads;
    std::array<std::string, kCommKinds> comm;  // first frequency of each kind, "" if none
    bool ils = false;    // a localizer in nav.dat names this airport
    bool radar = false;  // approach or departure control
    int32_t longestFt = 0;
    int32_t longestHardFt = 0;
    long line = 0;
};

enum class NavaidKind { Vor, Ndb };

struct Navaid {
    std::string ident;
    std::string name;
    double lat = 0.0;
    double lon = 0.0;
    NavaidKind kind = NavaidKind::Vor;
    std::string frequency;
    double rangeNm = 0.0;
    long line = 0;
};

// A VOR's position and its slaved magnetic variation (east positive).
struct VariationPoint {
    double lat = 0.0;
    double lon = 0.0;
    double variationDeg = 0.0;
};

struct Fix {
    std::string ident;
    double lat = 0.0;
    double lon = 0.0;
    bool enroute = true;  // false for fixes of a terminal area
    long line = 0;
};

}  // namespace navdata
