// Identifier lookups, the selected waypoint, the duplicate list and the next-character
// lists. All are linear scans in table order; loaded tables are scanned through their
// compact identifier arrays.
#include "base/text.h"
#include "navdb/lookup.h"

#include <cstring>

#include "frame/plan_waypoint.h"
#include "frame/unit.h"
#include "navdb/ident_entry.h"

namespace {

// The identifiers of one table, wherever they are kept.
struct IdentColumn {
    const char* first = nullptr;  // identifier of record 0
    size_t stride = 0;            // bytes from one identifier to the next
    int32_t count = 0;

    const char* at(int32_t index) const { return first + stride * static_cast<size_t>(index); }
};

IdentColumn identColumn(const NavDbState& db, char typeLetter) {
    switch (typeLetter) {
        case kTypeAirport:
            return {db.airportIdents.data()->text, sizeof(IdentKey), db.airportCount};
        case kTypeVor:
            return {db.vorIdents.data()->text, sizeof(IdentKey), db.vorCount};
        case kTypeNdb:
            return {db.ndbIdents.data()->text, sizeof(IdentKey), db.ndbCount};
        case kTypeIntersection:
            return {db.intersectionIdents.data()->text, sizeof(IdentKey), db.intersectionCount};
        case kTypeUserWaypoint:
            return {db.userWaypoints.data()->ident, sizeof(WaypointRecord),
                    db.userWaypointCount};
        default:
            return {};
    }
}

// An identifier as its zero-padded field holds it: equal identifiers have equal keys,
// and a text too long for the field matches nothing.
bool makeKey(std::string_view ident, char (&key)[kIdentSize]) {
    if (ident.size() >= static_cast<size_t>(kIdentSize)) return false;
    if (ident.find('\0') != std::string_view::npos) return false;
    copyField(key, ident);
    return true;
}

int32_t findExactIndex(const NavDbState& db, char typeLetter, std::string_view ident) {
    char key[kIdentSize];
    if (!makeKey(ident, key)) return 0;
    const IdentColumn column = identColumn(db, typeLetter);
    for (int32_t i = 1; i <= column.count; ++i) {
        if (std::memcmp(column.at(i), key, kIdentSize) == 0) return i;
    }
    return 0;
}

// Whether a zero-padded identifier field begins with `prefix` (shorter than the field).
// The first character is compared on its own since it rejects almost every record.
bool startsWith(const char* ident, std::string_view prefix) {
    if (prefix.empty()) return true;
    if (ident[0] != prefix[0]) return false;
    return std::memcmp(ident, prefix.data(), prefix.size()) == 0;
}

int32_t findPrefixIndex(const NavDbState& db, char typeLetter, std::string_view prefix) {
    if (prefix.size() >= static_cast<size_t>(kIdentSize)) return 0;
    const IdentColumn column = identColumn(db, typeLetter);
    for (int32_t i = 1; i <= column.count; ++i) {
        if (startsWith(column.at(i), prefix)) return i;
    }
    return 0;
}

// Fills a next-character list: entry 1 empty, then either the characters that follow the
// prefix in the table's identifiers or the full set "0".."9", "A".."Z".
void buildCharList(const NavDbState& db, char typeLetter, bool restricted,
                   std::string_view prefix, char (&list)[kNextCharCapacity + 1],
                   int32_t& count) {
    count = 1;
    list[1] = '\0';
    if (!restricted) {
        for (char c = '0'; c <= '9'; ++c) list[++count] = c;
        for (char c = 'A'; c <= 'Z'; ++c) list[++count] = c;
        return;
    }
    if (prefix.size() >= static_cast<size_t>(kIdentSize) - 1) return;
    // Every character appears once, in the order the table first shows it, so a table
    // that is not sorted still offers every character that can follow the prefix.
    bool listed[256] = {};
    const IdentColumn column = identColumn(db, typeLetter);
    for (int32_t i = 1; i <= column.count && count < kNextCharCapacity; ++i) {
        const char* ident = column.at(i);
        if (!startsWith(ident, prefix)) continue;
        const char next = ident[prefix.size()];
        if (next == '\0') continue;  // not longer than the prefix
        bool& seen = listed[static_cast<unsigned char>(next)];
        if (seen) continue;
        seen = true;
        list[++count] = next;
    }
}

bool isTableLetter(char typeLetter) {
    return typeLetter == kTypeAirport || typeLetter == kTypeVor || typeLetter == kTypeNdb ||
           typeLetter == kTypeIntersection || typeLetter == kTypeUserWaypoint;
}

// Position, type and frequency of record `index` of a table, for a candidate entry.
void fillFromRecord(const NavDbState& db, char typeLetter, int32_t index, PlanWaypoint& entry,
                    bool withFrequency) {
    if (typeLetter == kTypeAirport) {
        const AirportRecord& airport = db.airports[static_cast<size_t>(index)];
        copyField(entry.ident, airport.ident);
        copyField(entry.type, airport.typeText);
        entry.latitude = airport.latitude;
        entry.longitude = airport.longitude;
        return;
    }
    const FixedTable<WaypointRecord>* table = nullptr;
    switch (typeLetter) {
        case kTypeVor: table = &db.vors; break;
        case kTypeNdb: table = &db.ndbs; break;
        case kTypeIntersection: table = &db.intersections; break;
        default: table = &db.userWaypoints; break;
    }
    const WaypointRecord& record = (*table)[static_cast<size_t>(index)];
    copyField(entry.ident, record.ident);
    copyField(entry.type, record.typeText);
    entry.latitude = record.latitude;
    entry.longitude = record.longitude;
    if (withFrequency) copyField(entry.frequency, record.frequency);
}

}  // namespace

int32_t tableCount(const NavDbState& db, char typeLetter) {
    return identColumn(db, typeLetter).count;
}

const char* recordIdent(const NavDbState& db, char typeLetter, int32_t index) {
    const IdentColumn column = identColumn(db, typeLetter);
    if (index < 1 || index > column.count) return "";
    return column.at(index);
}

int32_t* currentIndex(NavDbState& db, char typeLetter) {
    switch (typeLetter) {
        case kTypeAirport: return &db.currentAirport;
        case kTypeVor: return &db.currentVor;
        case kTypeNdb: return &db.currentNdb;
        case kTypeIntersection: return &db.currentIntersection;
        case kTypeUserWaypoint: return &db.currentUserWaypoint;
        default: return nullptr;
    }
}

bool FindExact(Unit& unit, std::string_view ident, char typeLetter) {
    int32_t* current = currentIndex(unit.db, typeLetter);
    if (current == nullptr) return false;
    const int32_t index = findExactIndex(unit.db, typeLetter, ident);
    if (index == 0) return false;
    *current = index;
    return true;
}

void FindByPrefix(Unit& unit, std::string_view text, char typeLetter) {
    int32_t* current = currentIndex(unit.db, typeLetter);
    if (current == nullptr) return;
    if (typeLetter == kTypeUserWaypoint) {
        // 0 tells the SUP pages that no user waypoint matches, so they offer a new one.
        *current = text.empty() ? 0 : findPrefixIndex(unit.db, typeLetter, text);
        return;
    }
    const int32_t index = findPrefixIndex(unit.db, typeLetter, text);
    if (index != 0) *current = index;
}

bool SelectWaypoint(Unit& unit, std::string_view ident, char typeLetter) {
    if (!FindExact(unit, ident, typeLetter)) return false;
    LoadSelectedWaypoint(unit, typeLetter);
    return true;
}

void LoadSelectedWaypoint(Unit& unit, char typeLetter) {
    NavDbState& db = unit.db;
    PlanWaypoint& selected = db.candidates[1];
    selected = PlanWaypoint{};
    if (typeLetter == kTypePresentPosition) {
        copyField(selected.ident, enteredIdent(unit.identEntry).text);
        copyField(selected.type, "W");
        selected.latitude = unit.nav.aircraft.presentLat;
        selected.longitude = unit.nav.aircraft.presentLon;
        return;
    }
    if (!isTableLetter(typeLetter)) return;
    // A current index outside the table (an empty table, or no user waypoint) leaves the
    // entry empty rather than reading a record that was never loaded.
    const int32_t index = *currentIndex(db, typeLetter);
    if (index < 1 || index > tableCount(db, typeLetter)) return;
    fillFromRecord(db, typeLetter, index, selected, false);
}

void ListDuplicates(Unit& unit, std::string_view ident) {
    NavDbState& db = unit.db;
    db.candidateCount = 0;
    char key[kIdentSize];
    if (!makeKey(ident, key)) return;
    const char letters[] = {kTypeAirport, kTypeVor, kTypeNdb, kTypeIntersection,
                            kTypeUserWaypoint};
    for (const char letter : letters) {
        const IdentColumn column = identColumn(db, letter);
        for (int32_t i = 1; i <= column.count; ++i) {
            if (std::memcmp(column.at(i), key, kIdentSize) != 0) continue;
            if (db.candidateCount >= kCandidateCapacity) return;
            PlanWaypoint& entry = db.candidates[++db.candidateCount];
            entry = PlanWaypoint{};
            fillFromRecord(db, letter, i, entry, letter == kTypeVor || letter == kTypeNdb);
            entry.recordIndex = i;
        }
    }
}

void ChooseCandidate(Unit& unit, int32_t k) {
    NavDbState& db = unit.db;
    if (k < 1 || k > db.candidateCount || k == 1) return;
    const PlanWaypoint& chosen = db.candidates[k];
    PlanWaypoint& selected = db.candidates[1];
    std::memcpy(selected.ident, chosen.ident, sizeof selected.ident);
    selected.latitude = chosen.latitude;
    selected.longitude = chosen.longitude;
    std::memcpy(selected.type, chosen.type, sizeof selected.type);
    selected.recordIndex = chosen.recordIndex;
}

void BuildEntryChars(Unit& unit, IdentEntry& entry, char typeLetter, std::string_view prefix) {
    const bool restricted =
        entry.rule == CharListRule::PlanEditor
            ? typeLetter == kTypeIntersection
            : (typeLetter == kTypeAirport || typeLetter == kTypeVor || typeLetter == kTypeNdb ||
               typeLetter == kTypeIntersection);
    buildCharList(unit.db, typeLetter, restricted, prefix, entry.nextChars, entry.nextCharCount);
    // A position left from the old list may lie past the new one: no entry is chosen then.
    if (entry.nextCharPos > entry.nextCharCount) entry.nextCharPos = 0;
}

void BuildNextChars(Unit& unit, char typeLetter, std::string_view prefix) {
    BuildEntryChars(unit, unit.identEntry, typeLetter, prefix);
}

void BuildPlanChars(Unit& unit, char typeLetter, std::string_view prefix) {
    BuildEntryChars(unit, unit.planEntry, typeLetter, prefix);
}
