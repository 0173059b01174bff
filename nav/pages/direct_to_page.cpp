// The Direct-To page (left): proposes a target when it opens, lets the pilot enter another
// identifier with the left knobs while the right waypoint page follows the entry, starts
// the direct-to on ENT, and cancels an active one with CLR then ENT.
//
// The entry is the waypoint pages' shared IdentEntry, restricted by the table of the page
// on the right (the full character set beside any other page). What ENT confirms is
// always the waypoint the right page shows, and only while its identifier begins with the
// entry.
#include <cstring>

#include "base/text.h"
#include "frame/display.h"
#include "frame/pages/page_table.h"
#include "frame/unit.h"
#include "nav/direct_to.h"
#include "navdb/ident_entry.h"
#include "navdb/lookup.h"

namespace {

constexpr int32_t kEntryPositions = 5;
constexpr int32_t kFirstChoice = 2;  // list entry 1 is the empty text
constexpr float kTextColumn = 10.0f;
constexpr int kEntryRow = 2;

// The letter whose table restricts the entry's characters.
char entryLetter(const Unit& unit) { return entryLetterBeside(unit.page.rightPageGroup); }

// The identifier the right waypoint page shows, or "".
const char* rightPageIdent(Unit& unit) {
    const char letter = waypointPageLetter(unit.page.rightPageGroup);
    const int32_t* current = currentIndex(unit.db, letter);
    return current != nullptr ? recordIdent(unit.db, letter, *current) : "";
}

// True when the right waypoint page shows a waypoint whose identifier begins with the
// entry (the look-up selects the first such waypoint): only then may ENT confirm. An entry
// that names nothing in the page's table leaves the page on its previous waypoint, and a
// direct-to must never go there.
bool rightPageShowsEntry(Unit& unit) {
    const EnteredIdent entered = enteredIdent(unit.identEntry);
    return entered.text[0] != '\0' && waypointPageLetter(unit.page.rightPageGroup) != '\0' &&
           std::strncmp(entered.text, rightPageIdent(unit), std::strlen(entered.text)) == 0;
}

// Puts an identifier into the entry with the cursor on its last character.
void setEntryIdent(Unit& unit, const char* ident) {
    IdentEntry& entry = unit.identEntry;
    clearIdentEntry(entry);
    std::strncpy(entry.entryText, ident, sizeof entry.entryText - 1);
    entry.entryText[sizeof entry.entryText - 1] = '\0';
    const size_t length = std::strlen(entry.entryText);
    if (length == 0) return;
    entry.entryColumn = static_cast<int32_t>(length);
    takeBackIdentChar(unit, entry, entryLetter(unit));
}

void proposeTarget(Unit& unit) {
    switch (proposalSource(unit)) {
        case DirectToProposal::CurrentTarget:
            setEntryIdent(unit, unit.directToLeg.target.ident);
            break;
        case DirectToProposal::PlanCursor: {
            const PlanWaypoint& planned = unit.fpl.activeRoute.waypoints[planCursorWaypoint(unit)];
            const PageGroup page = waypointPageForType(planned.type);
            if (page != PG_NONE) {
                unit.page.rightPageGroup = page;
                SelectWaypoint(unit, planned.ident, waypointPageLetter(page));
            }
            setEntryIdent(unit, planned.ident);
            break;
        }
        case DirectToProposal::RightPage: setEntryIdent(unit, rightPageIdent(unit)); break;
        case DirectToProposal::Nothing: clearIdentEntry(unit.identEntry); break;
    }
}

void stepEntryChar(Unit& unit, int32_t step) {
    IdentEntry& entry = unit.identEntry;
    if (entry.entryColumn == 0) {
        // The first turn opens the entry on the first character offered.
        if (beginIdentEntry(unit, entry, entryLetter(unit))) chooseIdentChar(entry, kFirstChoice);
        return;
    }
    // A proposed identifier whose last character the list does not offer (a target from
    // another table) has no list entry under the cursor: up starts at the first choice.
    if (step > 0 && entry.nextCharPos < kFirstChoice) {
        chooseIdentChar(entry, kFirstChoice);
        return;
    }
    stepIdentChar(entry, step, kFirstChoice);
}

void handleEntryKnobs(Unit& unit) {
    ControlEvents& events = unit.events;
    IdentEntry& entry = unit.identEntry;
    if (take(events.evtLeftInnerUp)) stepEntryChar(unit, +1);
    if (take(events.evtLeftInnerDown)) stepEntryChar(unit, -1);
    if (take(events.evtLeftOuterUp) && entry.entryColumn >= 1 &&
        entry.entryColumn < kEntryPositions && entry.entryChar != '\0' &&
        continueIdentList(unit, entry, entryLetter(unit))) {
        advanceIdentColumn(entry, kFirstChoice);
    }
    if (take(events.evtLeftOuterDown) && entry.entryColumn >= 2) {
        --entry.entryColumn;
        takeBackIdentChar(unit, entry, entryLetter(unit));
    }
}

void handleEnt(Unit& unit) {
    DirectToPageState& state = unit.pages.directTo;
    if (state.directToCancelPending == 1) {
        cancelDirectTo(unit);
        clearIdentEntry(unit.identEntry);
    } else if (state.directToConfirmPending == 1 && rightPageShowsEntry(unit)) {
        // Checked again here: the right page may have stepped since the prompt was drawn.
        LoadSelectedWaypoint(unit, waypointPageLetter(unit.page.rightPageGroup));
        if (startDirectTo(unit)) clearIdentEntry(unit.identEntry);
    } else if (unit.page.rightCursorOn == 1) {
        setEntryIdent(unit, rightPageIdent(unit));
    }
}

void handleEvents(Unit& unit) {
    ControlEvents& events = unit.events;
    PageState& page = unit.page;
    DirectToPageState& state = unit.pages.directTo;
    if (take(events.evtLeftCrsr)) page.leftCursorOn = page.leftCursorOn == 1 ? 0 : 1;
    if (take(events.evtClr) && unit.nav.leg.directToActive == 1) {
        state.directToCancelPending = 1;
        page.leftCursorOn = 1;
    }
    if (page.leftCursorOn == 1 && state.directToCancelPending == 0) handleEntryKnobs(unit);
    if (page.leftCursorOn == 1 && take(events.evtEnt)) handleEnt(unit);
}

// The right page's current record becomes the first that begins with the entry. Where
// nothing matches, the SUP page would be left showing no waypoint at all; it keeps the one
// it showed, as the other waypoint pages do, unless its own creation entry is open (there
// no match is what offers the creation).
void showEntryOnRightPage(Unit& unit, char letter) {
    int32_t* current = currentIndex(unit.db, letter);
    const int32_t before = current != nullptr ? *current : 0;
    followIdentEntry(unit, unit.identEntry, letter);
    if (current != nullptr && *current == 0 && unit.page.rightCursorOn == 0) *current = before;
}

// The right page follows the entry, so that what ENT confirms is what the pilot sees.
void followEntry(Unit& unit) {
    PageState& page = unit.page;
    const int32_t cursor = planCursorWaypoint(unit);
    if (cursor >= 0) {
        const PageGroup planned = waypointPageForType(unit.fpl.activeRoute.waypoints[cursor].type);
        if (planned != PG_NONE) page.rightPageGroup = planned;
    }
    const EnteredIdent entered = enteredIdent(unit.identEntry);
    const char letter = waypointPageLetter(page.rightPageGroup);
    const bool follows = entered.text[0] != '\0' && letter != '\0';
    DirectToPageState& state = unit.pages.directTo;
    const bool changed = std::strcmp(entered.text, state.followedIdent) != 0 ||
                         state.followedGroup != page.rightPageGroup;
    if (follows && changed && std::strcmp(entered.text, rightPageIdent(unit)) != 0) {
        showEntryOnRightPage(unit, letter);
    }
    copyField(state.followedIdent, entered.text);
    state.followedGroup = page.rightPageGroup;
    state.directToConfirmPending = rightPageShowsEntry(unit) ? 1 : 0;
}

void drawEntryRow(const Unit& unit, Canvas& canvas, float x) {
    const float y = rowY(kEntryRow);
    if (unit.pages.directTo.directToCancelPending == 1) {
        drawCell(canvas, x + kTextColumn, y,
                 formatCell("DEL %s?", unit.directToLeg.target.ident).text);
        return;
    }
    const IdentEntry& entry = unit.identEntry;
    drawCell(canvas, x + kTextColumn, y, formatCell("%s", enteredIdent(entry).text).text);
    if (unit.page.leftCursorOn != 1 || entry.entryColumn < 1 || entry.entryChar == '\0') return;
    const float boxX = x + kTextColumn + kCharWidth * static_cast<float>(entry.entryColumn - 1);
    const char character[2] = {entry.entryChar, '\0'};
    drawFlashingCell(canvas, unit.nav.blinkPhase, boxX, rowBoxY(kEntryRow), kCharWidth,
                     kRowBoxHeight, boxX, y, character);
}

void drawStatusRow(const Unit& unit, Canvas& canvas, float x) {
    drawStatusLabel(canvas, x, pageLabel(PG_DIRECT_TO), unit.page.leftCursorOn);
    if (unit.pages.directTo.directToConfirmPending != 1) return;
    drawCell(canvas, x + 100.0f, kStatusRowY, "ENR-LEG");
    drawFlashingCell(canvas, unit.nav.blinkPhase, x + 224.0f, kStatusRowY + 2.0f,
                     3.0f * kCharWidth, kRowTallBoxHeight, x + 224.0f, kStatusRowY, "ENT");
}

}  // namespace

void drawDirectToPage(Unit& unit, Host&, Canvas& canvas, float x) {
    beginPage(canvas, unit.display);
    DirectToPageState& state = unit.pages.directTo;
    if (take(state.directToJustOpened)) {
        state.directToCancelPending = 0;
        state.directToConfirmPending = 0;
        state.followedIdent[0] = '\0';
        state.followedGroup = PG_NONE;
        proposeTarget(unit);
    }
    handleEvents(unit);
    if (unit.page.leftPageGroup == PG_DIRECT_TO && state.directToCancelPending == 0) {
        followEntry(unit);
    }

    drawCell(canvas, x + kTextColumn, rowY(0), "DIRECT TO:");
    drawEntryRow(unit, canvas, x);
    drawStatusRow(unit, canvas, x);
    endPage(canvas);
}
