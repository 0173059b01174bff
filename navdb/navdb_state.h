// The navigation database and everything the lookup, ident-entry, nearest and coordinate
// operations keep between calls: the five tables with their counts, the current record per
// table, the candidate list (entry 1 is the selected waypoint), the nearest lists and
// slots, and the coordinate entry lists. The ident-entry state is a record of its own
// (navdb/ident_entry_state.h).
//
// The big tables are FixedTables (zero-filled, allocated once), so an empty unit costs
// little resident memory and a loaded one costs in proportion to what was loaded.
#pragma once

#include <cstdint>

#include "frame/plan_waypoint.h"
#include "frame/fixed_table.h"
#include "navdb/records.h"

constexpr int32_t kCandidateCapacity = 200;  // candidates 1..200; entry 1 = selected waypoint

// Entries of a nearest list's wide and narrow candidate lists.
struct NearestEntry {
    char ident[kIdentSize];
    int32_t recordIndex;        // number of the record in its table
    double latitude;
    double longitude;
    int32_t longestRunwayFeet;  // airports only
};

constexpr int32_t kWideListCapacity = 3000;
constexpr int32_t kAirportNarrowListCapacity = 3000;
constexpr int32_t kNavaidNarrowListCapacity = 1000;
constexpr int32_t kNearestSlotCount = 9;
constexpr double kNearestNoPosition = -1024.0;  // a list position that forces a rebuild

enum class NearestKind : int32_t { Airports = 0, Vors = 1, Ndbs = 2 };

// The nearest lists of one kind (airports, VORs or NDBs).
struct NearestList {
    explicit NearestList(int32_t narrowListCapacity)
        : wideList(kWideListCapacity + 1),
          narrowList(static_cast<size_t>(narrowListCapacity) + 1),
          narrowCapacity(narrowListCapacity) {}

    FixedTable<NearestEntry> wideList;    // entries 1..wideCount: within 600 NM, table order
    FixedTable<NearestEntry> narrowList;  // entries 1..narrowCount: within 180 NM, wide order
    int32_t narrowCapacity;
    int32_t wideCount = 0;
    int32_t narrowCount = 0;
    double wideListLat = kNearestNoPosition;    // where wideList was built
    double wideListLon = kNearestNoPosition;
    double narrowListLat = kNearestNoPosition;  // where narrowList was built
    double narrowListLon = kNearestNoPosition;
    double searchLat = kNearestNoPosition;      // where the last search ran
    double searchLon = kNearestNoPosition;
    // Slots 1..9 sorted by distance; slot 0 unused. An empty slot has recordIndex 0 and
    // distanceNm 9999. bearingDeg holds the magnetic bearing from the aircraft.
    WaypointRecord slots[kNearestSlotCount + 1] = {};
};

// Coordinate entry: 15 positions, each a list of one-character choices and the selected
// index (0 = the "_" placeholder). Positions 0..6 are the latitude (hemisphere, degree
// tens and units, minute tens and units, hundredth tens and units), 7..14 the longitude
// (hemisphere, degree hundreds, tens and units, then minutes and hundredths as above).
constexpr int32_t kCoordinatePositions = 15;
constexpr int32_t kLatitudeFirstPosition = 0;
constexpr int32_t kLongitudeFirstPosition = 7;

struct CoordinateChoices {
    char choices[11];  // "_NS", "_EW" or "_0123456789"
    int32_t choiceCount;
    int32_t selected;  // index into choices
};

// An identifier kept beside its record, zero-padded, so that lookups scan 12 bytes per
// record instead of whole records.
struct IdentKey {
    char text[kIdentSize];
};

struct NavDbState {
    FixedTable<AirportRecord> airports{kAirportCapacity + 1};
    FixedTable<WaypointRecord> vors{kVorCapacity + 1};
    FixedTable<WaypointRecord> ndbs{kNdbCapacity + 1};
    FixedTable<WaypointRecord> intersections{kIntersectionCapacity + 1};
    FixedTable<WaypointRecord> userWaypoints{kUserWaypointCapacity + 1};
    // Identifiers of the loaded tables, written by the loader together with the records
    // (identifiers of loaded records never change afterwards). User waypoints, which the
    // pages add, are looked up in their records.
    FixedTable<IdentKey> airportIdents{kAirportCapacity + 1};
    FixedTable<IdentKey> vorIdents{kVorCapacity + 1};
    FixedTable<IdentKey> ndbIdents{kNdbCapacity + 1};
    FixedTable<IdentKey> intersectionIdents{kIntersectionCapacity + 1};
    int32_t airportCount = 0;
    int32_t vorCount = 0;
    int32_t ndbCount = 0;
    int32_t intersectionCount = 0;
    int32_t userWaypointCount = 0;

    // The record each waypoint page shows; 0 = none (only the user waypoint goes to 0).
    int32_t currentAirport = 1;
    int32_t currentVor = 1;
    int32_t currentNdb = 1;
    int32_t currentIntersection = 1;
    int32_t currentUserWaypoint = 1;

    // Candidates 1..candidateCount from ListDuplicates; entry 1 is the selected waypoint
    // that lookups hand to Direct-To, the flight plans, SUP and TRI.
    PlanWaypoint candidates[kCandidateCapacity + 1] = {};
    int32_t candidateCount = 0;

    NearestList nearestAirports{kAirportNarrowListCapacity};
    NearestList nearestVors{kNavaidNarrowListCapacity};
    NearestList nearestNdbs{kNavaidNarrowListCapacity};

    CoordinateChoices coordinateEntry[kCoordinatePositions] = {};
};
