// The REF page (right page group 11): the pilot enters the identifier of a reference
// waypoint with the right knobs, and ENT places a new user waypoint on the nearest leg of
// FPL 0 (makeReferenceWaypoint), which the FPL page's editor then inserts with ENT. An
// identifier shared by several waypoints opens the duplicate list on the left first, and
// the next ENT takes the waypoint chosen there.
//
// The page works together with the FPL page, so its entry is offered only while the left
// page shows FPL (or the duplicate list); otherwise the page says how to get there.
// While its cursor is on, ENT belongs to this page: the FPL page leaves it alone.
#include <cstring>

#include "fpl/pages/fpl_page.h"
#include "fpl/pages/plan_editor.h"
#include "fpl/reference_waypoint.h"
#include "frame/display.h"
#include "frame/pages/page_table.h"
#include "frame/unit.h"
#include "navdb/ident_entry.h"
#include "navdb/lookup.h"
#include "navdb/records.h"

namespace {

// Any identifier of any table may be a reference, so the entry offers every character
// (the user waypoint letter gets the full set).
constexpr char kEntryLetter = kTypeUserWaypoint;
constexpr int32_t kFirstChoice = 2;  // list entry 1 is the empty text
constexpr int32_t kMaxChars = 5;
constexpr float kFieldX = 104.0f;
constexpr float kFieldWidth = 80.0f;
constexpr float kFieldBoxY = 50.0f;
constexpr float kFieldBoxHeight = 20.0f;
constexpr float kCurrentCellWidth = 17.0f;

bool leftShowsPlanPages(const Unit& unit) {
    return unit.page.leftPageGroup == PG_FPL || unit.page.leftPageGroup == PG_DUPLICATES;
}

// The duplicate list this page opened is no longer waited on: it closes and nothing of
// the choice stays pending.
void dropChoice(Unit& unit) {
    RefPageState& ref = unit.pages.ref;
    if (ref.refChoosing == 0) return;
    ref.refChoosing = 0;
    if (unit.pages.fpl.confirmPending == 1) unit.pages.fpl.confirmPending = 0;
    if (unit.page.leftPageGroup == PG_DUPLICATES) unit.page.leftPageGroup = unit.page.savedLeftPageGroup;
}

void cursorOn(Unit& unit) {
    IdentEntry& entry = unit.identEntry;
    unit.page.rightCursorOn = 1;
    unit.pages.ref.refMessage = kRefNoMessage;
    unit.pages.ref.refChoosing = 0;
    // A confirmation another page left behind is not this page's to act on.
    unit.pages.fpl.confirmPending = 0;
    if (beginIdentEntry(unit, entry, kEntryLetter)) chooseIdentChar(entry, kFirstChoice);
}

void cursorOff(Unit& unit) {
    unit.page.rightCursorOn = 0;
    unit.pages.ref.refMessage = kRefNoMessage;
    dropChoice(unit);
}

RefMessage messageFor(ReferenceResult result) {
    switch (result) {
        case ReferenceResult::NoLeg: return kRefNoLeg;
        case ReferenceResult::NoRadial: return kRefNoRadial;
        case ReferenceResult::TableFull: return kRefTableFull;
        case ReferenceResult::Made: break;
    }
    return kRefNoMessage;
}

// Places the reference waypoint from the selected waypoint. Returns true when it was
// made (the right page is SUP from now on).
bool placeReference(Unit& unit) {
    const ReferenceResult result = makeReferenceWaypoint(unit);
    unit.pages.ref.refMessage = messageFor(result);
    if (result != ReferenceResult::Made) {
        if (unit.pages.fpl.confirmPending == 1) unit.pages.fpl.confirmPending = 0;
        return false;
    }
    scrollPlanToCursor(unit);
    return true;
}

// ENT with the cursor on. Returns true when a reference waypoint was made.
bool refEnt(Unit& unit) {
    RefPageState& ref = unit.pages.ref;
    NavDbState& db = unit.db;
    if (ref.refChoosing == 1 && unit.pages.fpl.confirmPending == 1) {
        // The duplicate list has already gone back to the left page it covered.
        ChooseCandidate(unit, unit.pages.duplicates.duplicateSelection);
        ref.refChoosing = 0;
        return placeReference(unit);
    }
    const EnteredIdent entered = enteredIdent(unit.identEntry);
    if (entered.text[0] == '\0') return false;
    ListDuplicates(unit, entered.text);
    if (db.candidateCount == 0) {
        ref.refMessage = kRefNotFound;
        return false;
    }
    if (db.candidateCount == 1) return placeReference(unit);  // candidate 1 is the match
    unit.pages.fpl.confirmPending = 1;
    ref.refChoosing = 1;
    ref.refMessage = kRefNoMessage;
    // A list opened over the list keeps the page the first one covered.
    if (unit.page.leftPageGroup != PG_DUPLICATES) unit.page.savedLeftPageGroup = unit.page.leftPageGroup;
    unit.page.leftPageGroup = PG_DUPLICATES;
    unit.pages.duplicates.duplicateSelection = 1;
    unit.pages.duplicates.duplicateScrollTop = 1;
    return false;
}

void cursorRight(IdentEntry& entry, Unit& unit) {
    if (entry.entryChar == '\0' || entry.entryColumn >= kMaxChars) return;
    if (!continueIdentList(unit, entry, kEntryLetter)) return;
    advanceIdentColumn(entry, kFirstChoice);
}

void cursorLeft(IdentEntry& entry, Unit& unit) {
    if (entry.entryColumn < 2 || entry.entryText[0] == '\0') return;
    entry.entryColumn -= 1;
    takeBackIdentChar(unit, entry, kEntryLetter);
}

// Acts on the right-side events and ENT. Returns true when a reference waypoint was made.
bool handleRefEvents(Unit& unit) {
    ControlEvents& events = unit.events;
    IdentEntry& entry = unit.identEntry;
    if (!leftShowsPlanPages(unit)) {
        // Without the FPL page there is no plan to put the waypoint in.
        take(events.evtRightCrsr);
        if (unit.page.rightCursorOn == 1) cursorOff(unit);
        return false;
    }
    if (take(events.evtRightCrsr)) {
        if (unit.page.rightCursorOn == 1) {
            cursorOff(unit);
        } else {
            cursorOn(unit);
        }
        return false;
    }
    if (unit.page.rightCursorOn != 1) return false;
    const bool changed = events.evtRightInnerUp != 0 || events.evtRightInnerDown != 0 ||
                         events.evtRightOuterUp != 0 || events.evtRightOuterDown != 0;
    if (changed) unit.pages.ref.refMessage = kRefNoMessage;
    if (take(events.evtRightInnerUp)) stepIdentChar(entry, +1, kFirstChoice);
    if (take(events.evtRightInnerDown)) stepIdentChar(entry, -1, kFirstChoice);
    if (take(events.evtRightOuterUp)) cursorRight(entry, unit);
    if (take(events.evtRightOuterDown)) cursorLeft(entry, unit);
    return take(events.evtEnt) && refEnt(unit);
}

const char* messageText(int32_t message) {
    switch (message) {
        case kRefNotFound: return "NOT FOUND";
        case kRefNoLeg: return "NO FPL LEG";
        case kRefNoRadial: return "NO RADIAL";
        case kRefTableFull: return "TABLE FULL";
        default: return "";
    }
}

// The entered identifier: the characters entered so far inverted, the character under
// the cursor blinking in its own cell, the rest of the five-character field inverted.
void drawEntryField(const Unit& unit, Canvas& canvas, float x) {
    const IdentEntry& entry = unit.identEntry;
    const float left = x + kFieldX;
    const float y = rowY(2);
    const float prefixWidth = kCharWidth * static_cast<float>(std::strlen(entry.entryText));
    if (prefixWidth > 0.0f) {
        drawInverseCell(canvas, left, kFieldBoxY, prefixWidth, kFieldBoxHeight, left, y, entry.entryText);
    }
    const float charX = left + prefixWidth;
    const char character[2] = {entry.entryChar, '\0'};
    if (blinkFirstHalf(unit.nav.blinkPhase)) {
        drawInverseCell(canvas, charX, kFieldBoxY, kCurrentCellWidth, kFieldBoxHeight, charX, y, character);
    } else {
        drawCell(canvas, charX, y, character);
    }
    const float rest = kFieldWidth - prefixWidth - kCurrentCellWidth;
    if (rest > 0.0f) canvas.fillRect(charX + kCurrentCellWidth, kFieldBoxY, rest, kFieldBoxHeight, kGreen);
}

void drawRef(const Unit& unit, Canvas& canvas, float x) {
    if (leftShowsPlanPages(unit)) {
        drawCell(canvas, x + 10.0f, rowY(1), "ENTER REF");
        drawCell(canvas, x + 10.0f, rowY(2), "WPT:");
        if (unit.page.rightCursorOn == 1) drawEntryField(unit, canvas, x);
        const char* message = messageText(unit.pages.ref.refMessage);
        if (message[0] != '\0') drawCell(canvas, x + 10.0f, rowY(4), message);
    } else {
        drawCell(canvas, x + 10.0f, rowY(1), "DISPLAY");
        drawCell(canvas, x + 10.0f, rowY(2), "DESIRED");
        drawCell(canvas, x + 10.0f, rowY(3), "FPL ON");
        drawCell(canvas, x + 10.0f, rowY(4), "LEFT PAGE");
    }
    drawStatusLabel(canvas, x, pageLabel(PG_REF), unit.page.rightCursorOn);
}

}  // namespace

void drawRefPage(Unit& unit, Host&, Canvas& canvas, float x) {
    if (handleRefEvents(unit) && unit.page.leftPageGroup == PG_FPL) {
        // The left page drew before this ENT opened the editor, and it is all that has
        // been drawn this frame: it is drawn again, as it now stands, on a clear surface.
        canvas.resetTransform();
        canvas.resetClip();
        canvas.clear(kTransparent);
        drawFplPageOnly(unit, canvas, 0.0f);
    }
    beginPage(canvas, unit.display);
    drawRef(unit, canvas, x);
    endPage(canvas);
}
