#include "apps/navdata/apt_dat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "apps/navdata/dat_reader.h"
#include "apps/navdata/text.h"
#include "nav/geodesy.h"

namespace navdata {
namespace {

constexpr double kFeetPerMetre = 3.28084;
constexpr double kFeetPerNm = 6076.12;
constexpr size_t kAirportNameChars = 80;
constexpr int kMaxFields = 32;
constexpr double kMaxFeet = 100000.0;  // longer runways and displacements are data errors

// Feet as a whole number, cut to 0..kMaxFeet.
int32_t feet(double value) { return static_cast<int32_t>(std::lround(std::clamp(value, 0.0, kMaxFeet))); }

// Rows this converter has no use for, read and passed over without a message.
bool isKnownUnusedRow(long code) {
    return code == 14 || code == 15 || code == 18 || code == 19 || code == 20 || code == 21 ||
           (code >= 110 && code <= 116) || code == 120 || code == 130 ||
           (code >= 1000 && code <= 1004) || code == 1100 || code == 1101 ||
           (code >= 1200 && code <= 1204) || code == 1300 || code == 1301 || code == 1400 ||
           code == 1401 || (code >= 1500 && code <= 1505);
}

std::string surfaceText(long code) {
    switch (code) {
        case 1: return "ASPH";
        case 2: return "CONC";
        case 3: return "TURF";
        case 4: return "DIRT";
        case 5: return "GRVL";
        case 12: return "LAKE";
        case 13: return "WATR";
        case 14: return "SNOW";
        case 15: return "TRSP";
        default: break;
    }
    if (code >= 20 && code <= 38) return "ASPH";  // the newer asphalt shades
    if (code >= 50 && code <= 57) return "CONC";  // the newer concrete shades
    return "UNKN";
}

bool isHardSurface(const std::string& surface) { return surface == "ASPH" || surface == "CONC"; }

// The airport being read and what its rows said about its position.
struct PendingAirport {
    Airport airport;
    bool open = false;
    bool hasDatum = false;
    double datumLat = 0.0;
    double datumLon = 0.0;
    bool hasAnyPosition = false;  // a tower, beacon, windsock or start position
    double anyLat = 0.0;
    double anyLon = 0.0;
};

class AptDatParser {
public:
    AptDatParser(DatReader& reader, Diagnostics& diagnostics, std::vector<Airport>& airports)
        : reader_(reader), diagnostics_(diagnostics), airports_(airports) {}

    void row(std::string_view line);
    void finishAirport();

private:
    void warn(const std::string& kind, const std::string& detail) {
        diagnostics_.warn(reader_.name(), reader_.lineNumber(), kind, detail);
    }
    bool needFields(int count, int needed, long code) {
        if (count >= needed) return true;
        warn("short row", "row " + std::to_string(code) + " has " + std::to_string(count) +
                              " fields, needs " + std::to_string(needed));
        return false;
    }
    bool numbers(std::initializer_list<std::pair<std::string_view, double*>> fields) {
        for (const auto& [text, value] : fields) {
            if (!parseNumber(text, *value)) {
                warn("bad number", quoted(text));
                return false;
            }
        }
        return true;
    }
    bool inAirport(long code) {
        if (pending_.open) return true;
        warn("row outside an airport", "row " + std::to_string(code));
        return false;
    }

    void startAirport(long code, std::string_view line, const std::string_view* f, int count);
    void runway(const std::string_view* f, int count);
    void waterRunway(const std::string_view* f, int count);
    void helipad(const std::string_view* f, int count);
    void oldRunway(const std::string_view* f, int count);
    void frequency(long code, std::string_view line, const std::string_view* f, int count);
    void metadata(const std::string_view* f, int count);
    void addRunwayPair(RunwayEnd first, RunwayEnd second, double lat1, double lon1, double lat2,
                       double lon2);

    DatReader& reader_;
    Diagnostics& diagnostics_;
    std::vector<Airport>& airports_;
    PendingAirport pending_;
};

void AptDatParser::startAirport(long code, std::string_view line, const std::string_view* f,
                                int count) {
    finishAirport();
    if (!needFields(count, 5, code)) return;
    double elevation = 0.0;
    if (!numbers({{f[1], &elevation}})) return;
    pending_ = PendingAirport{};
    Airport& airport = pending_.airport;
    airport.ident = unitIdent(f[4]);
    if (airport.ident.empty()) {
        warn("airport without an identifier", "");
        return;
    }
    pending_.open = true;
    airport.line = reader_.lineNumber();
    airport.kind = code == 16 ? AirportKind::Sea : code == 17 ? AirportKind::Heliport
                                                               : AirportKind::Land;
    // Elevations beyond any field on earth are cut so the unit's 7-character field holds them.
    airport.elevationFt = static_cast<int32_t>(std::lround(std::clamp(elevation, -9999.0, 99999.0)));
    std::string_view name = restAfterFields(line, 5);
    // Names may open with tags: "[X]" marks a closed field, "[H]", "[S]" and the like
    // only repeat the kind.
    while (name.size() >= 3 && name[0] == '[' && name[2] == ']') {
        if (name[1] == 'X' || name[1] == 'x') airport.closed = true;
        name.remove_prefix(3);
        while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
    }
    NameEncoding encoding = NameEncoding::Ascii;
    airport.name = unitName(name, kAirportNameChars, &encoding);
    if (encoding == NameEncoding::Windows1252) {
        warn("name read as Windows-1252", airport.ident);
    }
    if (airport.name.empty()) airport.name = airport.ident;
}

void AptDatParser::addRunwayPair(RunwayEnd first, RunwayEnd second, double lat1, double lon1,
                                 double lat2, double lon2) {
    if (!validPosition(lat1, lon1) || !validPosition(lat2, lon2)) {
        warn("bad position", pending_.airport.ident);
        return;
    }
    double lengthNm = 0.0;
    double bearing = 0.0;
    greatCircle(lat1, lon1, lat2, lon2, lengthNm, bearing);
    double backBearing = 0.0;
    double unused = 0.0;
    greatCircle(lat2, lon2, lat1, lon1, unused, backBearing);
    const int32_t lengthFt = static_cast<int32_t>(std::lround(lengthNm * kFeetPerNm));
    // A displaced threshold lies on the runway, never beyond its far end.
    first.displacedFt = std::clamp(first.displacedFt, 0, lengthFt);
    second.displacedFt = std::clamp(second.displacedFt, 0, lengthFt);
    RunwayEnd* ends[2] = {&first, &second};
    const double lats[2] = {lat1, lat2};
    const double lons[2] = {lon1, lon2};
    const double headings[2] = {bearing, backBearing};
    for (int k = 0; k < 2; ++k) {
        RunwayEnd& end = *ends[k];
        end.lengthFt = lengthFt;
        end.headingTrueDeg = headings[k];
        // The landing threshold lies the displaced length inside the runway end.
        destinationPoint(lats[k], lons[k], headings[k], end.displacedFt / kFeetPerNm,
                         end.thresholdLat, end.thresholdLon);
        pending_.airport.runwayEnds.push_back(end);
    }
}

void AptDatParser::runway(const std::string_view* f, int count) {
    if (!needFields(count, 26, 100)) return;
    double surface = 0.0, edgeLights = 0.0, lat1 = 0.0, lon1 = 0.0, displaced1 = 0.0;
    double lat2 = 0.0, lon2 = 0.0, displaced2 = 0.0;
    if (!numbers({{f[2], &surface}, {f[6], &edgeLights}, {f[9], &lat1}, {f[10], &lon1},
                  {f[11], &displaced1}, {f[18], &lat2}, {f[19], &lon2}, {f[20], &displaced2}})) {
        return;
    }
    RunwayEnd first;
    first.surface = surfaceText(std::lround(surface));
    first.hard = isHardSurface(first.surface);
    first.lighted = edgeLights > 0.0;
    RunwayEnd second = first;
    first.designation = unitIdent(f[8]);
    second.designation = unitIdent(f[17]);
    first.displacedFt = feet(displaced1 * kFeetPerMetre);
    second.displacedFt = feet(displaced2 * kFeetPerMetre);
    addRunwayPair(first, second, lat1, lon1, lat2, lon2);
}

void AptDatParser::waterRunway(const std::string_view* f, int count) {
    if (!needFields(count, 9, 101)) return;
    double lat1 = 0.0, lon1 = 0.0, lat2 = 0.0, lon2 = 0.0;
    if (!numbers({{f[4], &lat1}, {f[5], &lon1}, {f[7], &lat2}, {f[8], &lon2}})) return;
    RunwayEnd first;
    first.surface = "WATR";
    RunwayEnd second = first;
    first.designation = unitIdent(f[3]);
    second.designation = unitIdent(f[6]);
    addRunwayPair(first, second, lat1, lon1, lat2, lon2);
}

void AptDatParser::helipad(const std::string_view* f, int count) {
    if (!needFields(count, 8, 102)) return;
    double lat = 0.0, lon = 0.0, heading = 0.0, length = 0.0, surface = 0.0;
    if (!numbers({{f[2], &lat}, {f[3], &lon}, {f[4], &heading}, {f[5], &length}, {f[7], &surface}})) {
        return;
    }
    if (!validPosition(lat, lon)) {
        warn("bad position", pending_.airport.ident);
        return;
    }
    RunwayEnd pad;
    pad.designation = unitIdent(f[1]);
    pad.thresholdLat = lat;
    pad.thresholdLon = lon;
    pad.headingTrueDeg = heading;
    pad.lengthFt = feet(length * kFeetPerMetre);
    pad.surface = surfaceText(std::lround(surface));
    pad.hard = isHardSurface(pad.surface);
    pending_.airport.helipads.push_back(pad);
}

// The runway row of the older format: centre, true heading, length and displaced
// thresholds in feet ("150.0200": 150 ft at the first end, 200 ft at the other), a
// six-digit lighting code per pair of ends, the surface code. "xxx" marks a taxiway.
void AptDatParser::oldRunway(const std::string_view* f, int count) {
    if (!needFields(count, 11, 10)) return;
    const std::string_view number = f[3];
    if (number == "xxx") return;
    double lat = 0.0, lon = 0.0, heading = 0.0, length = 0.0, surface = 0.0;
    if (!numbers({{f[1], &lat}, {f[2], &lon}, {f[4], &heading}, {f[5], &length}, {f[10], &surface}})) {
        return;
    }
    if (!validPosition(lat, lon)) {
        warn("bad position", pending_.airport.ident);
        return;
    }
    length = std::clamp(length, 0.0, kMaxFeet);
    std::string designation = unitIdent(number);
    if (!designation.empty() && designation.back() == 'x') designation.pop_back();
    RunwayEnd first;
    first.surface = surfaceText(std::lround(surface));
    first.hard = isHardSurface(first.surface);
    // The second digit of each end's three-digit code is its runway lighting (1 = none).
    const std::string_view lights = f[9];
    first.lighted = (lights.size() >= 2 && lights[1] > '1') || (lights.size() >= 5 && lights[4] > '1');
    if (!designation.empty() && designation.front() == 'H') {
        first.designation = designation;
        first.thresholdLat = lat;
        first.thresholdLon = lon;
        first.headingTrueDeg = heading;
        first.lengthFt = feet(length);
        pending_.airport.helipads.push_back(first);
        return;
    }
    RunwayEnd second = first;
    first.designation = designation;
    second.designation = reciprocalRunway(designation);
    const std::string_view displaced = f[6];
    const size_t dot = displaced.find('.');
    long displaced1 = 0, displaced2 = 0;
    if (!parseInteger(displaced.substr(0, dot), displaced1)) displaced1 = 0;
    if (dot == std::string_view::npos || !parseInteger(displaced.substr(dot + 1), displaced2)) {
        displaced2 = 0;
    }
    first.displacedFt = feet(static_cast<double>(displaced1));
    second.displacedFt = feet(static_cast<double>(displaced2));
    const double halfNm = length / 2.0 / kFeetPerNm;
    double lat1 = 0.0, lon1 = 0.0, lat2 = 0.0, lon2 = 0.0;
    destinationPoint(lat, lon, floorMod(heading + 180.0, 360.0), halfNm, lat1, lon1);
    destinationPoint(lat, lon, heading, halfNm, lat2, lon2);
    addRunwayPair(first, second, lat1, lon1, lat2, lon2);
}

void AptDatParser::frequency(long code, std::string_view line, const std::string_view* f,
                             int count) {
    if (!needFields(count, 2, code)) return;
    long value = 0;
    if (!parseInteger(f[1], value)) {
        warn("bad number", quoted(f[1]));
        return;
    }
    // Rows 50..56 give 10 kHz units (12180 = 121.80 MHz), rows 1050..1056 kHz.
    const long kHz = code < 1000 ? value * 10 : value;
    if (kHz < 100000 || kHz > 400000) {
        warn("bad frequency", std::to_string(value));
        return;
    }
    const long kind = code % 1000 - 50;
    std::string name = unitName(restAfterFields(line, 2), 40);
    const bool centre = name.find("CTR") != std::string::npos ||
                        name.find("CENTER") != std::string::npos ||
                        name.find("CENTRE") != std::string::npos;
    static constexpr CommKind kinds[] = {kCommAtis, kCommUncm, kCommClr, kCommGrnd,
                                         kCommTwr,  kCommAppr, kCommAppr};
    CommKind target = kinds[kind];
    if (target == kCommAppr && centre) target = kCommCtr;
    Airport& airport = pending_.airport;
    if (kind == 5 || kind == 6) airport.radar = true;
    std::string& field = airport.comm[target];
    // The first frequency of a kind is kept; departure stands in for approach only
    // when the field has no approach frequency.
    if (!field.empty()) return;
    char text[48];
    if (kHz % 10 == 0 || kHz % 25 == 0) {
        std::snprintf(text, sizeof text, "%ld.%02ld", kHz / 1000, (kHz % 1000) / 10);
    } else {
        std::snprintf(text, sizeof text, "%ld.%03ld", kHz / 1000, kHz % 1000);
    }
    field = text;
}

void AptDatParser::metadata(const std::string_view* f, int count) {
    if (count < 3) return;
    double value = 0.0;
    if (f[1] == "datum_lat" && parseNumber(f[2], value)) {
        pending_.datumLat = value;
        pending_.hasDatum = true;
    } else if (f[1] == "datum_lon" && parseNumber(f[2], value)) {
        pending_.datumLon = value;
    }
}

void AptDatParser::row(std::string_view line) {
    std::string_view f[kMaxFields];
    const int count = splitFields(line, f, kMaxFields);
    if (count == 0) return;
    long code = 0;
    if (!parseInteger(f[0], code)) {
        warn("unknown row code", quoted(f[0]));
        return;
    }
    switch (code) {
        case 1: case 16: case 17: startAirport(code, line, f, count); return;
        case 99: finishAirport(); return;
        default: break;
    }
    if (isKnownUnusedRow(code)) {
        // Tower, beacon, windsock and start positions place an airport that has nothing else.
        if ((code == 14 || code == 15 || code == 18 || code == 19) && pending_.open &&
            !pending_.hasAnyPosition && count >= 3 && parseNumber(f[1], pending_.anyLat) &&
            parseNumber(f[2], pending_.anyLon)) {
            pending_.hasAnyPosition = validPosition(pending_.anyLat, pending_.anyLon);
        }
        return;
    }
    const bool frequencyRow = (code >= 50 && code <= 56) || (code >= 1050 && code <= 1056);
    if (code != 100 && code != 101 && code != 102 && code != 10 && code != 1302 && !frequencyRow) {
        warn("unknown row code", std::to_string(code));
        return;
    }
    if (!inAirport(code)) return;
    if (code == 100) runway(f, count);
    else if (code == 101) waterRunway(f, count);
    else if (code == 102) helipad(f, count);
    else if (code == 10) oldRunway(f, count);
    else if (code == 1302) metadata(f, count);
    else frequency(code, line, f, count);
}

void AptDatParser::finishAirport() {
    if (!pending_.open) return;
    pending_.open = false;
    Airport& airport = pending_.airport;
    // The airport lies at the centre of its runway ends, as the unit's diagram puts it.
    const std::vector<RunwayEnd>& points =
        airport.runwayEnds.empty() ? airport.helipads : airport.runwayEnds;
    if (!points.empty()) {
        double minLat = 90.0, maxLat = -90.0, minLon = 180.0, maxLon = -180.0;
        for (const RunwayEnd& end : points) {
            minLat = std::min(minLat, end.thresholdLat);
            maxLat = std::max(maxLat, end.thresholdLat);
            minLon = std::min(minLon, end.thresholdLon);
            maxLon = std::max(maxLon, end.thresholdLon);
        }
        airport.lat = (minLat + maxLat) / 2.0;
        airport.lon = maxLon - minLon > 180.0 ? minLon : (minLon + maxLon) / 2.0;
    } else if (pending_.hasDatum && validPosition(pending_.datumLat, pending_.datumLon)) {
        airport.lat = pending_.datumLat;
        airport.lon = pending_.datumLon;
    } else if (pending_.hasAnyPosition) {
        airport.lat = pending_.anyLat;
        airport.lon = pending_.anyLon;
    } else {
        diagnostics_.warn(reader_.name(), airport.line, "airport without a position, left out",
                          airport.ident);
        return;
    }
    for (const RunwayEnd& end : airport.runwayEnds) {
        airport.longestFt = std::max(airport.longestFt, end.lengthFt);
        if (end.hard) airport.longestHardFt = std::max(airport.longestHardFt, end.lengthFt);
    }
    airports_.push_back(std::move(airport));
}

}  // namespace

std::string reciprocalRunway(const std::string& designation) {
    size_t digits = 0;
    while (digits < designation.size() && designation[digits] >= '0' && designation[digits] <= '9') {
        ++digits;
    }
    if (digits == 0 || digits > 2) return designation;
    const int number = std::stoi(designation.substr(0, digits));
    const int opposite = number > 18 ? number - 18 : number + 18;
    std::string side = designation.substr(digits);
    if (side == "L") side = "R";
    else if (side == "R") side = "L";
    char text[16];
    std::snprintf(text, sizeof text, "%02d", opposite);
    std::string result = text;
    result.append(side);
    return result;
}

bool readAptDat(const std::string& path, Diagnostics& diagnostics, Progress& progress,
                std::vector<Airport>& airports, std::string& error) {
    DatReader reader;
    if (!reader.open(path)) {
        error = reader.error();
        return false;
    }
    readHeader(reader, diagnostics, 1000);
    AptDatParser parser(reader, diagnostics, airports);
    std::string_view line;
    while (reader.next(line)) {
        parser.row(line);
        if ((reader.lineNumber() & 0xFFFF) == 0) progress.update(reader);
    }
    parser.finishAirport();
    return finishFile(progress, reader, error);
}

}  // namespace navdata
