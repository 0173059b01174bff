#include "navdb/line_parsers.h"

#include <cmath>
#include <cstddef>
#include <cstring>

#include "base/text.h"

namespace {

constexpr size_t kLongNameLength = 80;  // longer airport names are cut to kCutNameLength
constexpr size_t kCutNameLength = 75;
constexpr int kRunwaySubFields = 8;

bool isComment(std::string_view line) { return !line.empty() && line.front() == ';'; }

// Reads a record's position. Text that is not a number reads as 0, as everywhere in the
// data files; a number that is not finite ("nan", "inf", an overflow) or lies beyond
// ±90 degrees of latitude or ±180 of longitude is not a place on the earth, and the line
// holding it is malformed.
bool readPosition(std::string_view latitudeText, std::string_view longitudeText,
                  double& latitude, double& longitude) {
    latitude = parseNumber(latitudeText).value;
    longitude = parseNumber(longitudeText).value;
    return std::isfinite(latitude) && std::isfinite(longitude) && latitude >= -90.0 &&
           latitude <= 90.0 && longitude >= -180.0 && longitude <= 180.0;
}

}  // namespace

bool parseWaypointLine(std::string_view line, const char* typeText, WaypointRecord& record) {
    if (isComment(line)) return false;
    std::string_view columns[4];
    if (splitFields(line, columns, 4) < 4) return false;
    record = WaypointRecord{};
    copyField(record.ident, columns[0]);
    copyField(record.name, columns[1]);
    copyField(record.typeText, typeText);
    return readPosition(columns[2], columns[3], record.latitude, record.longitude);
}

bool parseNavaidLine(std::string_view line, WaypointRecord& record, NavaidKind& kind) {
    if (isComment(line)) return false;
    std::string_view columns[6];
    const int count = splitFields(line, columns, 6);
    if (count < 5) return false;
    kind = equalsIgnoreCase(columns[4], "VOR") ? NavaidKind::Vor : NavaidKind::Ndb;
    record = WaypointRecord{};
    copyField(record.ident, columns[0]);
    copyField(record.name, columns[1]);
    copyField(record.typeText, kind == NavaidKind::Vor ? "VOR" : "NDB");
    if (count == 6) copyField(record.frequency, columns[5]);
    return readPosition(columns[2], columns[3], record.latitude, record.longitude);
}

bool parseRunwayColumn(std::string_view column, RunwayRecord& runway) {
    // Sub-fields are separated by underscores, except that a first character is never a
    // separator.
    std::string_view fields[kRunwaySubFields];
    int count = 0;
    size_t i = 0;
    while (count < kRunwaySubFields && i < column.size()) {
        while (i < column.size() && i > 0 && column[i] == '_') ++i;
        if (i >= column.size()) break;
        const size_t start = i;
        ++i;
        while (i < column.size() && column[i] != '_') ++i;
        fields[count++] = column.substr(start, i - start);
    }
    runway = RunwayRecord{};
    copyField(runway.designation, fields[0]);
    runway.lengthFeet = parseIntPrefix(fields[1]);
    const bool onEarth = readPosition(fields[2], fields[3], runway.thresholdLatitude,
                                      runway.thresholdLongitude);
    runway.magneticHeading = parseDoublePrefix(fields[4]);
    copyField(runway.auxText1, fields[5]);
    copyField(runway.auxText2, fields[6]);
    runway.auxNumber = parseDoublePrefix(fields[7]);
    return onEarth;
}

bool parseAirportLine(std::string_view line, AirportRecord& record) {
    if (isComment(line)) return false;
    std::string_view columns[kMaxAirportColumns];
    const int count = splitFields(line, columns, kMaxAirportColumns);
    if (count < 5) return false;
    // Clear everything but the runway slots; the slots that get a runway are written whole.
    std::memset(static_cast<void*>(&record), 0, offsetof(AirportRecord, runways));
    copyField(record.ident, columns[0]);
    std::string_view name = columns[1];
    if (name.size() > kLongNameLength) name = name.substr(0, kCutNameLength);
    copyField(record.name, name);
    copyField(record.elevation, columns[2]);
    if (!readPosition(columns[3], columns[4], record.latitude, record.longitude)) return false;
    copyField(record.typeText, "APT");
    for (int column = 5; column < count && record.runwayCount < kRunwayCapacity; ++column) {
        RunwayRecord& runway = record.runways[record.runwayCount + 1];
        // A threshold off the earth would send the runway diagram and the airport's centre
        // there: the whole line is malformed, as for the airport's own position.
        if (!parseRunwayColumn(columns[column], runway)) return false;
        ++record.runwayCount;
        if (runway.lengthFeet > record.longestRunwayFeet) {
            record.longestRunwayFeet = runway.lengthFeet;
        }
    }
    return true;
}
