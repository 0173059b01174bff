#include "fpl/pln_import.h"

#include <cstdio>
#include <cstring>

#include "base/text.h"
#include "frame/plan_waypoint.h"
#include "fpl/route_files.h"
#include "frame/paths.h"
#include "frame/unit.h"

namespace {

constexpr int kImportIdentSize = 16;
constexpr int kImportTypeSize = 4;
// One converted waypoint as route file text, cut where the route loader cuts a line.
constexpr int kImportLineSize = kRouteReadLineMaxChars + 1;

struct ImportWaypoint {
    char ident[kImportIdentSize];
    char type[kImportTypeSize];
    double latitude;
    double longitude;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// Reads the digits at `i` (after blanks) as a whole number; `i` moves past them.
double readWhole(std::string_view text, size_t& i) {
    while (i < text.size() && text[i] == ' ') ++i;
    double value = 0.0;
    int digits = 0;
    while (i < text.size() && isDigit(text[i]) && digits < 9) {
        value = value * 10.0 + (text[i] - '0');
        ++i;
        ++digits;
    }
    while (i < text.size() && isDigit(text[i])) ++i;
    return value;
}

// Skips the marker after a number (degree sign, apostrophe, "*") and any blanks: up to
// the next digit.
void skipToDigit(std::string_view text, size_t& i) {
    while (i < text.size() && !isDigit(text[i])) ++i;
}

// The hemisphere letter at the start of a part (after blanks); `i` moves past it.
char hemisphere(std::string_view text, size_t& i) {
    while (i < text.size() && text[i] == ' ') ++i;
    if (i >= text.size() || isDigit(text[i])) return '\0';
    return text[i++];
}

double signedFor(char letter, double degrees) {
    return (letter == 'S' || letter == 's' || letter == 'W' || letter == 'w') ? -degrees : degrees;
}

// The text between `open` and `close` on `line`, or an empty view when `open` is absent.
std::string_view between(std::string_view line, std::string_view open, std::string_view close) {
    const size_t start = line.find(open);
    if (start == std::string_view::npos) return {};
    std::string_view rest = line.substr(start + open.size());
    const size_t end = rest.find(close);
    return end == std::string_view::npos ? rest : rest.substr(0, end);
}

// Appends each converted waypoint to the route scratch. The waypoint goes through the
// route file line it would have as text, so an imported plan reads exactly as the same
// plan saved in a route file would.
class ImportWriter {
public:
    explicit ImportWriter(RouteScratch& scratch) : scratch_(scratch) { scratch_.lastIndex = -1; }
    void write(const ImportWaypoint& w) {
        // A waypoint without an identifier would shift every column of its line.
        if (w.ident[0] == '\0' || scratch_.lastIndex >= kPlanWaypointCount - 1) return;
        char line[kImportLineSize];
        std::snprintf(line, sizeof line, "%-8s %-3.5f %-3.5f  %s", w.ident, w.latitude,
                      w.longitude, w.type);
        // As in a route file, a line whose first field begins with ";" is a comment.
        std::string_view first[1];
        if (splitFields(line, first, 1) > 0 && first[0][0] == ';') return;
        if (parseRouteLine(line, scratch_.waypoints[scratch_.lastIndex + 1])) scratch_.lastIndex += 1;
    }

private:
    RouteScratch& scratch_;
};

// State of one import while lines are read; both forms are recognised line by line.
struct ImportState {
    // Tagged form.
    bool inBlock = false;
    ImportWaypoint block{};
    char lastTaggedType[kImportTypeSize] = "INT";
    // Line form.
    char departure[8] = {};
    bool identInSecondField = false;
};

void setType(char (&type)[kImportTypeSize], const char* text) { copyField(type, text); }

void taggedLine(std::string_view line, ImportState& state, ImportWriter& out) {
    constexpr std::string_view kOpen = "<ATCWaypoint id=";
    const size_t open = line.find(kOpen);
    if (open != std::string_view::npos) {
        state.inBlock = true;
        state.block = ImportWaypoint{};
        copyField(state.block.type, state.lastTaggedType);
        char ident[kImportIdentSize] = {};
        int n = 0;
        for (char c : line.substr(open + kOpen.size())) {
            if (c == '"' || c == '>' || c == ' ' || c == '\t') continue;
            if (n < kImportIdentSize - 1) ident[n++] = c;
        }
        copyField(state.block.ident, ident);
        return;
    }
    if (!state.inBlock) return;
    if (line.find("<ATCWaypointType>") != std::string_view::npos) {
        std::string_view name = trimBlanks(between(line, "<ATCWaypointType>", "</ATCWaypointType>"));
        if (name == "Airport") setType(state.block.type, "APT");
        else if (name == "Intersection") setType(state.block.type, "INT");
        else if (name == "VOR") setType(state.block.type, "VOR");
        else if (name == "NDB") setType(state.block.type, "NDB");
    } else if (line.find("<WorldPosition>") != std::string_view::npos) {
        std::string_view position = between(line, "<WorldPosition>", "</WorldPosition>");
        const size_t comma = position.find(',');
        std::string_view latitude = position.substr(0, comma);
        std::string_view longitude;
        if (comma != std::string_view::npos) {
            longitude = position.substr(comma + 1);
            longitude = longitude.substr(0, longitude.find(','));
        }
        state.block.latitude = parseTaggedAngle(latitude);
        state.block.longitude = parseTaggedAngle(longitude);
    } else if (line.find("</ATCWaypoint>") != std::string_view::npos) {
        out.write(state.block);
        copyField(state.lastTaggedType, state.block.type);
        state.inBlock = false;
    }
}

void lineFormLine(std::string_view line, ImportState& state, ImportWriter& out) {
    constexpr std::string_view kDeparture = "departure_id=";
    const size_t departure = line.find(kDeparture);
    if (departure != std::string_view::npos) {
        std::string_view rest = line.substr(departure + kDeparture.size(), 4);
        int n = 0;
        for (char c : rest) {
            if (c != ' ' && c != ',' && n < 7) state.departure[n++] = c;
        }
        state.departure[n] = '\0';
        return;
    }
    const size_t marker = line.find("waypoint.");
    if (marker == std::string_view::npos) return;

    if (line.find("waypoint.0") != std::string_view::npos) {
        // Where the first waypoint's value starts with the departure identifier the
        // identifiers stand in the first field, otherwise in the second. A file without a
        // departure line has the empty departure text, which begins every value.
        char compact[kPlnLineMaxChars + 1];
        size_t n = 0;
        for (size_t i = 11; i < line.size(); ++i) {
            if (line[i] != ' ') compact[n++] = line[i];
        }
        std::string_view value(compact, n);
        const std::string_view departureId(state.departure);
        state.identInSecondField = value.substr(0, departureId.size()) != departureId;
    }

    const size_t equals = line.find('=');
    std::string_view value = equals != std::string_view::npos
                                 ? line.substr(equals + 1)
                                 : (line.size() > 11 ? line.substr(11) : std::string_view{});
    ImportWaypoint waypoint{};
    setType(waypoint.type, "INT");
    int field = 0;
    bool positionTaken = false;
    while (true) {
        const size_t comma = value.find(',');
        std::string_view text = trimBlanks(value.substr(0, comma));
        const int identField = state.identInSecondField ? 1 : 0;
        if (field == identField) {
            copyField(waypoint.ident, sizeof waypoint.ident, text);
        } else if (field > identField && !positionTaken) {
            std::string_view word = text.substr(0, text.find(' '));
            if (text == "A") setType(waypoint.type, "APT");
            else if (text == "V") setType(waypoint.type, "VOR");
            else if (text == "N") setType(waypoint.type, "NDB");
            else if (!word.empty() && word.back() == '*') {
                waypoint.latitude = parseLineAngle(text);
                std::string_view next = comma == std::string_view::npos
                                            ? std::string_view{}
                                            : value.substr(comma + 1);
                waypoint.longitude = parseLineAngle(next.substr(0, next.find(',')));
                positionTaken = true;
            }
        }
        if (comma == std::string_view::npos) break;
        value.remove_prefix(comma + 1);
        ++field;
    }
    out.write(waypoint);
}

}  // namespace

double parseTaggedAngle(std::string_view part) {
    // The degree sign (C2 B0 in UTF-8 files, B0 in code page 1252) and the other marks
    // are skipped alike: each number runs to the next non-digit.
    size_t i = 0;
    const char letter = hemisphere(part, i);
    const double degrees = readWhole(part, i);
    skipToDigit(part, i);
    const double minutes = readWhole(part, i);
    skipToDigit(part, i);
    const double seconds = readWhole(part, i);
    return signedFor(letter, degrees + (minutes + seconds / 60.0) / 60.0);
}

double parseLineAngle(std::string_view part) {
    size_t i = 0;
    const char letter = hemisphere(part, i);
    const double degrees = readWhole(part, i);
    skipToDigit(part, i);
    const double minutes = parseDoublePrefix(part.substr(i));
    return signedFor(letter, degrees + minutes / 60.0);
}

int importPlanFile(Unit& unit, const char* name) {
    RouteScratch& scratch = unit.fpl.scratch;
    scratch.lastIndex = -1;
    PathBuffer source;
    const auto& f = kFlightPlansFolder;
    if (!buildPath(source, unit.rootFolder, {f[0], f[1], f[2], name})) return kImportFailed;
    char buffer[4096];
    LineReader reader(source.text, kPlnLineMaxChars, buffer, *unit.files);
    if (!reader.isOpen()) return kImportFailed;
    ImportWriter out(scratch);
    ImportState state;
    std::string_view line;
    while (reader.next(line)) {
        taggedLine(line, state, out);
        lineFormLine(line, state, out);
    }
    if (reader.readFailed()) {
        scratch.lastIndex = -1;
        return kImportFailed;
    }
    return kImportConverted;
}
