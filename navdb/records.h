// The records of the navigation database: waypoints (VORs, NDBs, intersections, user
// waypoints), airports with their runways, the type letters and the table capacities.
//
// Every record is a plain, trivially copyable struct of fixed char arrays and numbers, and
// a record of all zero bytes is a valid empty record, so the tables can live in zero-filled
// memory that costs nothing until a record is written. Texts are zero-terminated and cut to
// their field; the sizes below include the terminator.
//
// Positions are decimal degrees, north and east positive. Distances in NM, bearings in
// degrees, runway lengths and elevations in feet. Tables are numbered from 1 in file order;
// record 0 is never filled and index 0 means "no record" wherever an index is kept.
#pragma once

#include <cstdint>

// Waypoint kinds as the one-character letters every lookup takes.
constexpr char kTypeAirport = 'A';
constexpr char kTypeVor = 'V';
constexpr char kTypeNdb = 'N';
constexpr char kTypeIntersection = 'I';
constexpr char kTypeUserWaypoint = 'W';
constexpr char kTypePresentPosition = 'P';  // no table: the aircraft's position

// Table capacities (records 1..N; each table holds N + 1 slots).
constexpr int32_t kAirportCapacity = 25000;
constexpr int32_t kVorCapacity = 18000;
constexpr int32_t kNdbCapacity = 18000;
constexpr int32_t kIntersectionCapacity = 280000;
constexpr int32_t kUserWaypointCapacity = 1000;
constexpr int32_t kRunwayCapacity = 20;  // runways 1..20 per airport

// Field sizes, terminator included. Longer texts from a file are cut to the field.
constexpr int kIdentSize = 12;           // identifiers up to 11 characters
constexpr int kTypeTextSize = 4;         // "APT", "VOR", "NDB", "INT", "WPT", "W"
constexpr int kWaypointNameSize = 32;    // navaid, intersection and user waypoint names
constexpr int kAirportNameSize = 81;     // airport names up to 80 characters
constexpr int kFrequencySize = 8;        // "116.40", "1234.5"
constexpr int kElevationSize = 8;        // elevation text as written, "-210", "13500"
constexpr int kRunwayDesignationSize = 6;  // "09", "27L"
constexpr int kRunwayAuxTextSize = 8;
constexpr int kCommTextSize = 48;        // one value of the airport information file

// One VOR, NDB, intersection or user waypoint; also the form of a nearest-list slot.
struct WaypointRecord {
    char ident[kIdentSize];        // case kept as in the file
    char typeText[kTypeTextSize];  // "VOR", "NDB", "INT", "WPT" or "W"
    char name[kWaypointNameSize];  // blanks written as underscores in the files
    char frequency[kFrequencySize];  // navaid frequency text as written; empty otherwise
    double latitude;               // degrees, north positive
    double longitude;              // degrees, east positive
    double distanceNm;             // REF-page user waypoints: distance from the reference;
    double bearingDeg;             // nearest slots: distance and magnetic bearing from the aircraft
    int32_t recordIndex;           // nearest slots: the listed record's number in its table
    int32_t nearestRank;           // 0, or the place 1..9 in the current nearest list
    char refIdent[kIdentSize];     // REF-page user waypoints: the reference's identifier
};

// One runway end of an airport.
struct RunwayRecord {
    double thresholdLatitude;   // degrees
    double thresholdLongitude;  // degrees
    double magneticHeading;     // degrees magnetic
    double auxNumber;           // eighth sub-field, kept and not shown
    int32_t lengthFeet;
    char designation[kRunwayDesignationSize];            // "09", "27L"
    char reciprocalDesignation[kRunwayDesignationSize];  // empty until the diagram fills it
    char auxText1[kRunwayAuxTextSize];  // sixth sub-field, kept and not shown
    char auxText2[kRunwayAuxTextSize];  // seventh sub-field, kept and not shown
};

struct AirportRecord {
    char ident[kIdentSize];
    char typeText[kTypeTextSize];  // "APT"
    char name[kAirportNameSize];   // names over 80 characters are cut to 75 when loaded
    char frequency[kFrequencySize];  // always empty for airports
    char elevation[kElevationSize];  // feet, as written in the file
    double latitude;   // degrees; replaced by the runway-threshold centre by the diagram
    double longitude;  // degrees
    double diagramScale;         // runway diagram cache, cleared when loaded
    int32_t diagramScaleValid;
    int32_t runwayCount;         // 0..20
    int32_t runwayPairCount;     // written by the runway diagram
    int32_t longestRunwayFeet;   // greatest runway length, 0 with no positive length
    int32_t nearestRank;         // 0, or the place 1..9 in the nearest-airport list
    int32_t rdr;                 // radar service, 1 = yes (information file)
    int32_t ils;                 // ILS, 1 = yes (information file)
    int32_t infoLoaded;          // set by the APT pages once the information file was read
    // Communication texts from the information file, empty until read.
    char atis[kCommTextSize];
    char appr[kCommTextSize];
    char clr[kCommTextSize];
    char grnd[kCommTextSize];
    char twr[kCommTextSize];
    char fss[kCommTextSize];
    char ctr[kCommTextSize];
    char uncm[kCommTextSize];
    RunwayRecord runways[kRunwayCapacity + 1];  // 1..runwayCount in file order; 0 unused
};
