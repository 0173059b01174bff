// The communication data of one airport from "apt_info.txt": sections headed by the
// airport identifier in square brackets, key=value lines, a blank line ending a section.
#include <cstring>
#include <string_view>

#include "base/text.h"
#include "frame/paths.h"
#include "frame/unit.h"
#include "navdb/navdb_load.h"

namespace {

constexpr size_t kInfoLineLength = 48;

// A header line "[EGLL]" names the airport whose section follows.
bool headerNames(std::string_view line, const char* ident) {
    char text[kInfoLineLength + 1] = {};
    copyField(text, line);
    for (char& c : text) {
        if (c == '[' || c == ']') c = ' ';
    }
    std::string_view firstWord;
    if (splitFields(text, &firstWord, 1) < 1) return false;
    return firstWord == ident;
}

// Applies one key line to the airport. Blanks in the value survive: they are turned into
// '*' while the line is split at the first '=' and turned back afterwards (so a '*' in a
// value reads as a blank). Returns false for a line without a key, which ends the section.
bool applyKeyLine(std::string_view line, AirportRecord& airport) {
    char text[kInfoLineLength + 1] = {};
    copyField(text, line);
    bool onlyBlanks = true;
    bool equalsSeen = false;
    for (char& c : text) {
        if (c == '\0') break;
        if (!isBlank(c)) onlyBlanks = false;
        if (c == ' ') {
            c = '*';
        } else if (c == '=' && !equalsSeen) {
            c = ' ';
            equalsSeen = true;
        }
    }
    // A line of blanks reads as the blank line that ends the section, as it looks.
    if (onlyBlanks) return false;
    std::string_view words[2];
    const int count = splitFields(text, words, 2);
    if (count < 1) return false;
    char value[kCommTextSize] = {};
    if (count == 2) copyField(value, words[1]);
    for (char& c : value) {
        if (c == '*') c = ' ';
    }
    const std::string_view key = words[0];
    struct TextKey {
        const char* name;
        char* field;
    };
    const TextKey textKeys[] = {{"atis", airport.atis}, {"fss", airport.fss},
                                {"clr", airport.clr},   {"grnd", airport.grnd},
                                {"twr", airport.twr},   {"uncm", airport.uncm},
                                {"appr", airport.appr}, {"ctr", airport.ctr}};
    for (const TextKey& textKey : textKeys) {
        if (equalsIgnoreCase(key, textKey.name)) {
            std::memcpy(textKey.field, value, kCommTextSize);
            return true;
        }
    }
    if (equalsIgnoreCase(key, "ils")) airport.ils = parseIntPrefix(value);
    if (equalsIgnoreCase(key, "rdr")) airport.rdr = parseIntPrefix(value);
    return true;
}

}  // namespace

void LoadAirportInfo(Unit& unit) {
    NavDbState& db = unit.db;
    if (db.currentAirport < 1 || db.currentAirport > db.airportCount) return;
    AirportRecord& airport = db.airports[static_cast<size_t>(db.currentAirport)];

    PathBuffer path;
    if (!buildPath(path, unit.rootFolder,
                   {kNavdataFolder[0], kNavdataFolder[1], kNavdataFolder[2], "apt_info.txt"})) {
        return;
    }
    char buffer[4096];
    LineReader reader(path.text, kInfoLineLength, buffer, *unit.files);
    std::string_view line;
    bool inSection = false;
    while (reader.next(line)) {
        if (!line.empty() && line.front() == ';') continue;
        if (!inSection) {
            inSection = !line.empty() && line.front() == '[' && headerNames(line, airport.ident);
            continue;
        }
        if (!applyKeyLine(line, airport)) break;
    }
}
