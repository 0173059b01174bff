#include "frame/unit_record.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "base/text.h"
#include "frame/paths.h"
#include "frame/unit.h"

namespace {

constexpr int kMaxLineLength = 498;
// No unit runs for more than a century (876,000 hours); a stored time beyond this bound is
// a damaged record, not an operating time.
constexpr double kMaxStoredHours = 1.0e6;

// The stored operating time, or 0 for a value no unit can have counted: not finite,
// negative or beyond kMaxStoredHours. Such a value would otherwise never change again and
// would not fit the written record.
double storedHours(std::string_view value) {
    const double hours = parseDoublePrefix(value);
    return std::isfinite(hours) && hours >= 0.0 && hours <= kMaxStoredHours ? hours : 0.0;
}

bool unitRecordPath(const Unit& unit, PathBuffer& path) {
    return buildPath(path, unit.rootFolder, {"Brindle", "vgr27a.ini"});
}

}  // namespace

void readUnitRecord(Unit& unit) {
    PathBuffer path;
    if (!unitRecordPath(unit, path)) return;
    char buffer[4096];
    LineReader reader(path.text, kMaxLineLength, buffer, *unit.files);
    unit.record.storedRecordUnread = 0;
    if (!reader.isOpen()) {
        if (unit.files->exists(path.text)) unit.record.storedRecordUnread = 1;
        return;
    }
    std::string_view line;
    while (reader.next(line)) {
        if (!line.empty() && line.front() == ';') continue;
        // The first '=' separates the key from the value as a blank would.
        char text[kMaxLineLength + 1];
        copyField(text, line);
        if (char* equals = std::strchr(text, '=')) *equals = ' ';
        std::string_view words[2];
        splitFields(text, words, 2);
        const std::string_view key = words[0];
        const std::string_view value = words[1];
        if (equalsIgnoreCase(key, "TotalTime")) unit.record.totalTimeHours = storedHours(value);
        const int32_t base = equalsIgnoreCase(key, "PowerCycle") ? parseIntPrefix(value)
                                                                 : unit.record.powerCycles;
        // Saturate rather than overflow on an absurd stored count.
        unit.record.powerCycles = base < INT32_MAX ? base + 1 : base;
    }
    if (reader.readFailed()) unit.record.storedRecordUnread = 1;
}

double operatingHours(const Unit& unit) {
    return unit.record.totalTimeHours + unit.record.secondsCounter / 3600.0;
}

bool writeUnitRecord(const Unit& unit) {
    PathBuffer path;
    if (!unitRecordPath(unit, path) || unit.record.storedRecordUnread != 0) return false;
    char text[128];
    const int length = std::snprintf(text, sizeof text, "TotalTime=%5.1f\nPowerCycle=%d\n",
                                     operatingHours(unit), unit.record.powerCycles);
    if (length <= 0 || length >= static_cast<int>(sizeof text)) return false;
    return replaceFileContents(*unit.files, path.text, text, length);
}
