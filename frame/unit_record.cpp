#include "frame/unit_record.h"

#include <cstdio>
#include <cstring>
#include <string_view>

#include "frame/numbers.h"
#include "frame/paths.h"
#include "frame/unit.h"

namespace {

constexpr int kMaxLineLength = 498;

bool unitRecordPath(const Unit& unit, PathBuffer& path) {
    return buildPath(path, unit.rootFolder, {"Brindle", "vgr27a.ini"});
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The next blank-separated word of `rest`, which then starts after it.
std::string_view nextWord(std::string_view& rest) {
    size_t start = 0;
    while (start < rest.size() && isBlank(rest[start])) ++start;
    size_t end = start;
    while (end < rest.size() && !isBlank(rest[end])) ++end;
    std::string_view word = rest.substr(start, end - start);
    rest = rest.substr(end);
    return word;
}

// Reads one line of at most kMaxLineLength characters into `line`; the rest of a longer
// line is read and dropped so that it never counts as a line of its own.
bool readLine(std::FILE* file, char (&line)[kMaxLineLength + 2]) {
    if (std::fgets(line, sizeof line, file) == nullptr) return false;
    if (std::strchr(line, '\n') == nullptr) {
        int c;
        while ((c = std::fgetc(file)) != EOF && c != '\n') {
        }
    }
    return true;
}

}  // namespace

void readUnitRecord(Unit& unit) {
    PathBuffer path;
    if (!unitRecordPath(unit, path)) return;
    std::FILE* file = std::fopen(path.text, "r");
    if (file == nullptr) return;
    char line[kMaxLineLength + 2];
    while (readLine(file, line)) {
        if (line[0] == ';') continue;
        if (char* equals = std::strchr(line, '=')) *equals = ' ';
        std::string_view rest(line);
        const std::string_view key = nextWord(rest);
        const std::string_view value = nextWord(rest);
        if (equalsIgnoringCase(key, "TotalTime")) unit.record.totalTimeHours = parseDoublePrefix(value);
        const int32_t base = equalsIgnoringCase(key, "PowerCycle") ? parseIntPrefix(value)
                                                                   : unit.record.powerCycles;
        // Saturate rather than overflow on an absurd stored count.
        unit.record.powerCycles = base < INT32_MAX ? base + 1 : base;
    }
    std::fclose(file);
}

double operatingHours(const Unit& unit) {
    return unit.record.totalTimeHours + unit.record.secondsCounter / 3600.0;
}

bool writeUnitRecord(const Unit& unit) {
    PathBuffer path;
    if (!unitRecordPath(unit, path)) return false;
    char text[128];
    const int length = std::snprintf(text, sizeof text, "TotalTime=%5.1f\nPowerCycle=%d\n",
                                     operatingHours(unit), unit.record.powerCycles);
    if (length <= 0 || length >= static_cast<int>(sizeof text)) return false;
    return replaceFileContents(path.text, text, length);
}
