// The knob-driven identifier entry of the right-hand waypoint pages.
#include "navdb/ident_entry.h"

#include <cstring>
#include <string_view>

#include "frame/unit.h"
#include "navdb/lookup.h"

namespace {

constexpr int32_t kLowestChoice = 2;  // entry 1, the empty text, cannot be chosen

size_t entryLength(const NavDbState& db) { return std::strlen(db.entryText); }

void appendChar(NavDbState& db, char c) {
    const size_t length = entryLength(db);
    if (c == '\0' || length + 1 >= sizeof db.entryText) return;
    db.entryText[length] = c;
    db.entryText[length + 1] = '\0';
}

// Puts the list entry at nextCharPos under the cursor and moves the page to the first
// record that begins with the text.
void takeChoice(Unit& unit, char typeLetter) {
    NavDbState& db = unit.db;
    db.entryChar = db.nextChars[db.nextCharPos];
    const size_t length = entryLength(db);
    if (length == 0) {
        appendChar(db, db.entryChar);
    } else {
        db.entryText[length - 1] = db.entryChar;
    }
    FindByPrefix(unit, db.entryText, typeLetter);
}

}  // namespace

void startIdentEntry(Unit& unit, char typeLetter) {
    NavDbState& db = unit.db;
    unit.page.rightCursorOn = 1;
    db.entryColumn = 1;
    if (int32_t* current = currentIndex(db, typeLetter)) *current = 1;
    db.entryText[0] = '\0';
    db.entryChar = '\0';
    BuildNextChars(unit, typeLetter, "");
    if (db.nextCharCount < kLowestChoice) return;
    db.nextCharPos = kLowestChoice;
    db.entryChar = db.nextChars[kLowestChoice];
    appendChar(db, db.entryChar);
    FindByPrefix(unit, db.entryText, typeLetter);
}

void identEntryNextChar(Unit& unit, char typeLetter) {
    NavDbState& db = unit.db;
    // With nothing to choose from (an empty table) there is no character to step to.
    if (db.nextCharCount < kLowestChoice) return;
    db.nextCharPos = db.nextCharPos >= db.nextCharCount ? kLowestChoice : db.nextCharPos + 1;
    takeChoice(unit, typeLetter);
}

void identEntryPreviousChar(Unit& unit, char typeLetter) {
    NavDbState& db = unit.db;
    if (db.nextCharCount < kLowestChoice) return;
    db.nextCharPos = db.nextCharPos < kLowestChoice + 1 || db.nextCharPos > db.nextCharCount
                         ? db.nextCharCount
                         : db.nextCharPos - 1;
    takeChoice(unit, typeLetter);
}

void identEntryCursorRight(Unit& unit, char typeLetter) {
    NavDbState& db = unit.db;
    char savedList[sizeof db.nextChars];
    std::memcpy(savedList, db.nextChars, sizeof savedList);
    const int32_t savedCount = db.nextCharCount;
    BuildNextChars(unit, typeLetter, db.entryText);
    if (db.nextCharCount < kLowestChoice) {
        // No identifier continues the text: the list and the cursor stay as they were.
        std::memcpy(db.nextChars, savedList, sizeof savedList);
        db.nextCharCount = savedCount;
        return;
    }
    db.nextCharPos = kLowestChoice;
    db.entryChar = db.nextChars[kLowestChoice];
    appendChar(db, db.entryChar);
    ++db.entryColumn;
    FindByPrefix(unit, db.entryText, typeLetter);
}

void identEntryCursorLeft(Unit& unit, char typeLetter) {
    NavDbState& db = unit.db;
    size_t length = entryLength(db);
    if (db.entryColumn < 2 || length < 2) return;
    --db.entryColumn;
    db.entryText[--length] = '\0';
    db.entryChar = db.entryText[length - 1];
    db.entryText[length - 1] = '\0';
    BuildNextChars(unit, typeLetter, db.entryText);
    appendChar(db, db.entryChar);
    for (int32_t i = 1; i <= db.nextCharCount; ++i) {
        if (db.nextChars[i] == db.entryChar) {
            db.nextCharPos = i;
            break;
        }
    }
    FindByPrefix(unit, db.entryText, typeLetter);
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
