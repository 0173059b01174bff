// Shared pieces of the APT, VOR, NDB and INT pages: the two-row name wrapping, runway
// designations, the rows every waypoint page draws the same way, and stepping through a
// nearest list with the inner knob.
//
// Columns are drawing units from the right page's left edge (page x 184); rows are
// numbered 1..6 from the top as the pages describe them (row k has its text top at
// 24 * (k - 1)). Bearings are degrees magnetic, distances NM.
#pragma once

#include <cstdint>

#include "frame/canvas.h"
#include "navdb/navdb_state.h"

struct Unit;

// ---- names ----

constexpr int kNameLineChars = 11;  // characters that fit on one page row

struct NameLines {
    char line1[kNameLineChars + 1];
    char line2[kNameLineChars + 1];
};

// Splits a database name (underscores shown as blanks) into the two rows the waypoint
// pages show: short names stay on row 1; longer ones (cut to 22) break at the tenth
// character when it is a blank, else after the first word, and a second word joins the
// first when the joined line fits in 11 characters. Each line is cut to 11.
NameLines splitName(const char* name);

// ---- runways ----

constexpr int kRunwayDesignationChars = kRunwayDesignationSize - 1;

// The number at the start of a designation ("09L" -> 9); 0 when there is none.
int runwayNumber(const char* designation);
// The opposite end of a runway numbered 1..18: the number plus 18, two digits, with L and
// R exchanged ("09L" -> "27R", "18C" -> "36C", "4" -> "22"). False (and an empty text) for
// any other designation.
bool reciprocalDesignation(const char* designation, char (&out)[kRunwayDesignationChars + 1]);

// Works out an airport's runway pairs once (while diagramScaleValid is 0): the reciprocal
// of every runway numbered 1..18, its far end moved onto the runway listed with that
// designation, the airport's position moved to the centre of the box round all runway
// ends, and the diagram scale (the greatest distance between two runway ends, NM).
// `magVar` turns the runways' magnetic headings into true ones.
void prepareRunwayPairs(AirportRecord& airport, double magVar);
// Runway number `index` (1..runwayCount) of the k-th pair (1..runwayPairCount): the k-th
// runway numbered 1..18 in file order. 0 when there is no such pair.
int32_t runwayOfPair(const AirportRecord& airport, int32_t pair);
// The far end of a runway numbered 1..18: its length along its true heading.
void runwayFarEnd(const RunwayRecord& runway, double magVar, double& lat, double& lon);

// ---- rows ----

// Row 1: " IDENT" at column 5; while `entryShown`, the character under the entry cursor
// (entryColumn) inverse in a 16-unit box.
void drawIdentRow(const Unit& unit, Canvas& canvas, float pageX, const char* ident,
                  int32_t entryShown);
// Row 1, column 101: "NR k", inverse in a 64 x 18 box in the first half of the blink.
void drawNearestRank(const Unit& unit, Canvas& canvas, float pageX, int32_t rank);
// Rows 2 and 3: the wrapped name at column 5.
void drawNameRows(Canvas& canvas, float pageX, const char* name);
// Rows 5 and 6: the position rows at column 10.
void drawPositionRows(Canvas& canvas, float pageX, double latitude, double longitude);
// Rows 5 and 6: bearing and distance from the aircraft at column 10, with "TO" and "NM"
// in the small font at column 150.
void drawBearingDistanceRows(const Unit& unit, Canvas& canvas, float pageX, double latitude,
                             double longitude);
// The page of an empty table: " XXX DATA" on row 1, " NOT FOUND" on row 2, the label.
// A cursor left on is turned off by the cursor button, so the page never traps it.
void drawNoDataPage(Unit& unit, Canvas& canvas, float pageX, const char* dataText,
                    const char* label);

// ---- nearest lists ----

// True when a page's nearest search is due: the list was never searched, or the aircraft
// is more than `stepNm` from where it last was.
bool nearestSearchDue(const Unit& unit, const NearestList& list, double stepNm);

// The places 1..n of a list that name a record (slots fill from place 1 up).
int32_t filledNearestPlaces(const NearestList& list, int32_t tableCount);

// The inner knob on a page with a nearest mode (APT, VOR, NDB). Up: in nearest mode the
// next place, and past the last filled place the mode ends at record 1; otherwise the
// next record, stopping at the last. Down: in nearest mode the previous place, not below
// 1; from record 1 the mode starts at the last filled place (place 9 with a full list);
// otherwise the previous record.
struct NearestStepping {
    int32_t& nearestMode;
    int32_t& nearestPos;
    int32_t& current;
    const NearestList& list;
    int32_t tableCount;
};
void stepNearestUp(NearestStepping step);
void stepNearestDown(NearestStepping step);

// ---- the VOR and NDB pages ----

enum class FrequencyStyle : int32_t { Vor, Ndb };

// What tells the VOR page and the NDB page apart.
struct NavaidPage {
    char typeLetter;  // 'V' or 'N'
    const FixedTable<WaypointRecord>& table;
    int32_t count;
    int32_t& current;
    int32_t& nearestMode;
    int32_t& nearestPos;
    const NearestList& nearest;
    void (*updateNearest)(Unit&);
    const char* dataText;  // " VOR DATA"
    const char* label;     // "VOR"
    FrequencyStyle frequencyStyle;
};

// The VOR or NDB page: the nearest search once the aircraft has moved 5 NM, identifier
// entry with the cursor, the inner knob through the table and the nearest list, and rows
// 1 to 6 with the label.
void drawNavaidPage(Unit& unit, Canvas& canvas, float pageX, const NavaidPage& page);

// Brings a current-record index back into 1..count (record 1 when it is outside).
void keepCurrentInTable(int32_t& current, int32_t count);
