// Identifier entry with the knobs: the operations every entering page shares, and the
// procedure of the APT, VOR, NDB and INT pages built on them.
#include "navdb/ident_entry.h"

#include <cstdio>
#include <cstring>

#include "frame/unit.h"
#include "navdb/lookup.h"

namespace {

constexpr int32_t kLowestChoice = 2;  // waypoint pages: entry 1, the empty text, cannot be chosen

// The list entry holding `c`, or 0.
int32_t choiceOf(const IdentEntry& entry, char c) {
    for (int32_t i = 1; i <= entry.nextCharCount && i <= kNextCharCapacity; ++i) {
        if (entry.nextChars[i] == c) return i;
    }
    return 0;
}

}  // namespace

EnteredIdent enteredIdent(const IdentEntry& entry) {
    EnteredIdent ident{};
    std::snprintf(ident.text, sizeof ident.text, "%s%c", entry.entryText, entry.entryChar);
    return ident;
}

bool identEntryInProgress(const IdentEntry& entry) {
    return entry.nextCharPos != 0 || entry.entryColumn != 0;
}

void clearIdentEntry(IdentEntry& entry) {
    entry.entryText[0] = '\0';
    entry.entryChar = '\0';
    entry.entryColumn = 0;
    entry.nextCharPos = 0;
}

bool beginIdentEntry(Unit& unit, IdentEntry& entry, char typeLetter) {
    clearIdentEntry(entry);
    entry.entryColumn = 1;
    BuildEntryChars(unit, entry, typeLetter, "");
    return entry.nextCharCount >= 2;
}

void chooseIdentChar(IdentEntry& entry, int32_t position) {
    const bool inList =
        position >= 1 && position <= entry.nextCharCount && position <= kNextCharCapacity;
    // A position the list does not hold chooses nothing, so the position never points
    // past the list (0 is "no entry under the cursor").
    entry.nextCharPos = inList ? position : 0;
    entry.entryChar = inList ? entry.nextChars[position] : '\0';
}

bool stepIdentChar(IdentEntry& entry, int32_t step, int32_t lowest) {
    const int32_t count = entry.nextCharCount;
    if (count < lowest) return false;
    int32_t position = entry.nextCharPos;
    if (step > 0) {
        position = position >= count ? lowest : position + 1;
    } else {
        position = (position < lowest + 1 || position > count) ? count : position - 1;
    }
    chooseIdentChar(entry, position);
    return true;
}

bool continueIdentList(Unit& unit, IdentEntry& entry, char typeLetter) {
    char savedList[sizeof entry.nextChars];
    std::memcpy(savedList, entry.nextChars, sizeof savedList);
    const int32_t savedCount = entry.nextCharCount;
    BuildEntryChars(unit, entry, typeLetter, enteredIdent(entry).text);
    if (entry.nextCharCount >= 2) return true;
    // No identifier continues the text: the list stays as it was.
    std::memcpy(entry.nextChars, savedList, sizeof savedList);
    entry.nextCharCount = savedCount;
    return false;
}

void advanceIdentColumn(IdentEntry& entry, int32_t firstChoice) {
    const size_t length = std::strlen(entry.entryText);
    if (entry.entryChar != '\0' && length + 1 < sizeof entry.entryText) {
        entry.entryText[length] = entry.entryChar;
        entry.entryText[length + 1] = '\0';
    }
    entry.entryColumn += 1;
    chooseIdentChar(entry, firstChoice);
}

bool takeBackIdentChar(Unit& unit, IdentEntry& entry, char typeLetter) {
    const size_t length = std::strlen(entry.entryText);
    if (length == 0) return false;
    entry.entryChar = entry.entryText[length - 1];
    entry.entryText[length - 1] = '\0';
    BuildEntryChars(unit, entry, typeLetter, entry.entryText);
    // The character taken back may not be in the rebuilt list (an identifier proposed
    // from another table): it stays shown with no list entry under the cursor.
    entry.nextCharPos = choiceOf(entry, entry.entryChar);
    return entry.nextCharPos != 0;
}

void followIdentEntry(Unit& unit, const IdentEntry& entry, char typeLetter) {
    FindByPrefix(unit, enteredIdent(entry).text, typeLetter);
}

// ---- the APT, VOR, NDB and INT pages ----

void startIdentEntry(Unit& unit, char typeLetter) {
    IdentEntry& entry = unit.identEntry;
    unit.page.rightCursorOn = 1;
    if (int32_t* current = currentIndex(unit.db, typeLetter)) *current = 1;
    if (!beginIdentEntry(unit, entry, typeLetter)) return;
    chooseIdentChar(entry, kLowestChoice);
    followIdentEntry(unit, entry, typeLetter);
}

void identEntryNextChar(Unit& unit, char typeLetter) {
    // With nothing to choose from (an empty table) there is no character to step to.
    IdentEntry& entry = unit.identEntry;
    if (stepIdentChar(entry, +1, kLowestChoice)) followIdentEntry(unit, entry, typeLetter);
}

void identEntryPreviousChar(Unit& unit, char typeLetter) {
    IdentEntry& entry = unit.identEntry;
    if (stepIdentChar(entry, -1, kLowestChoice)) followIdentEntry(unit, entry, typeLetter);
}

void identEntryCursorRight(Unit& unit, char typeLetter) {
    IdentEntry& entry = unit.identEntry;
    if (entry.entryChar == '\0' || !continueIdentList(unit, entry, typeLetter)) return;
    advanceIdentColumn(entry, kLowestChoice);
    followIdentEntry(unit, entry, typeLetter);
}

void identEntryCursorLeft(Unit& unit, char typeLetter) {
    IdentEntry& entry = unit.identEntry;
    if (entry.entryColumn < 2 || entry.entryText[0] == '\0') return;
    --entry.entryColumn;
    takeBackIdentChar(unit, entry, typeLetter);
    followIdentEntry(unit, entry, typeLetter);
}

bool handleIdentEntryEvents(Unit& unit, char typeLetter) {
    ControlEvents& events = unit.events;
    if (take(events.evtRightCrsr)) {
        if (unit.page.rightCursorOn) {
            unit.page.rightCursorOn = 0;
        } else {
            startIdentEntry(unit, typeLetter);
        }
    }
    if (!unit.page.rightCursorOn) return false;
    if (take(events.evtRightInnerUp)) {
        identEntryNextChar(unit, typeLetter);
    }
    if (take(events.evtRightInnerDown)) {
        identEntryPreviousChar(unit, typeLetter);
    }
    if (take(events.evtRightOuterUp)) {
        identEntryCursorRight(unit, typeLetter);
    }
    if (take(events.evtRightOuterDown)) {
        identEntryCursorLeft(unit, typeLetter);
    }
    return true;
}

char waypointPageLetter(PageGroup group) {
    switch (group) {
        case PG_APT: return kTypeAirport;
        case PG_VOR: return kTypeVor;
        case PG_NDB: return kTypeNdb;
        case PG_INT: return kTypeIntersection;
        case PG_SUP: return kTypeUserWaypoint;
        default: return '\0';
    }
}

char entryLetterBeside(PageGroup rightPageGroup) {
    const char letter = waypointPageLetter(rightPageGroup);
    return letter != '\0' ? letter : kTypeUserWaypoint;
}
