// Loading the five tables from the data files of the navdata folder.
#include "navdb/navdb_load.h"

#include <string_view>

#include "base/text.h"
#include "frame/paths.h"
#include "frame/unit.h"
#include "navdb/line_parsers.h"
#include "navdb/tables.h"

namespace {

// Runs `handleLine` on every line of a data file of the navdata folder; a file that cannot
// be opened has no lines.
template <typename Handler>
void readDataFile(const Unit& unit, const char* fileName, Handler&& handleLine) {
    PathBuffer path;
    if (!buildPath(path, unit.rootFolder,
                   {kNavdataFolder[0], kNavdataFolder[1], kNavdataFolder[2], fileName})) {
        return;
    }
    // One 64 KiB buffer per file read, not one per line.
    char buffer[64 * 1024];
    LineReader reader(path.text, kDataLineLength, buffer, *unit.files);
    std::string_view line;
    while (reader.next(line)) handleLine(line);
}

// Reads a four-column waypoint file into the table of a letter while it has room.
void loadWaypointFile(Unit& unit, const char* fileName, const char* typeText, char typeLetter,
                      int32_t capacity, const int32_t& count) {
    WaypointRecord record;
    readDataFile(unit, fileName, [&](std::string_view line) {
        if (count >= capacity) return;
        if (parseWaypointLine(line, typeText, record)) addWaypoint(unit.db, typeLetter, record);
    });
}

void loadAirports(Unit& unit) {
    NavDbState& db = unit.db;
    readDataFile(unit, "apts.txt", [&](std::string_view line) {
        // Parsed straight into the next free slot; a line that holds no airport leaves the
        // slot beyond the count, where nothing reads it.
        AirportRecord* slot = nextAirportSlot(db);
        if (slot != nullptr && parseAirportLine(line, *slot)) commitAirport(db);
    });
}

void loadNavaids(Unit& unit) {
    NavDbState& db = unit.db;
    WaypointRecord record;
    NavaidKind kind = NavaidKind::Ndb;
    readDataFile(unit, "navs.txt", [&](std::string_view line) {
        if (db.vorCount >= kVorCapacity && db.ndbCount >= kNdbCapacity) return;
        if (!parseNavaidLine(line, record, kind)) return;
        addWaypoint(db, kind == NavaidKind::Vor ? kTypeVor : kTypeNdb, record);
    });
}

}  // namespace

void LoadNavDatabase(Unit& unit) {
    NavDbState& db = unit.db;
    db.airportCount = 0;
    db.vorCount = 0;
    db.ndbCount = 0;
    db.intersectionCount = 0;
    db.userWaypointCount = 0;
    loadWaypointFile(unit, "ints.txt", "INT", kTypeIntersection, kIntersectionCapacity,
                     db.intersectionCount);
    loadWaypointFile(unit, "user.txt", "WPT", kTypeUserWaypoint, kUserWaypointCapacity,
                     db.userWaypointCount);
    loadAirports(unit);
    loadNavaids(unit);
}
