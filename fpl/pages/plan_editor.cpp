#include "fpl/pages/plan_editor.h"

#include <cstdio>
#include <cstring>

#include "base/knob_step.h"
#include "base/text.h"
#include "fpl/plan_store.h"
#include "fpl/route_files.h"
#include "frame/unit.h"
#include "navdb/ident_entry.h"
#include "navdb/lookup.h"
#include "navdb/records.h"

namespace {

constexpr int32_t kShownRows = 4;  // waypoint rows above the final one on stored plans

bool isBlankPlanShown(const FplState& fpl) {
    return fpl.blankPlanIndex > 0 && fpl.selectedPlan == fpl.blankPlanIndex;
}

// The table letter of the waypoint page on the right, or 0 when it shows another group.
char rightPageLetter(const Unit& unit) {
    switch (unit.page.rightPageGroup) {
        case PG_APT: return kTypeAirport;
        case PG_VOR: return kTypeVor;
        case PG_NDB: return kTypeNdb;
        case PG_INT: return kTypeIntersection;
        case PG_SUP: return kTypeUserWaypoint;
        default: return 0;
    }
}

// The table whose identifiers restrict the plan entry's characters.
char planEntryLetter(const Unit& unit) {
    const char letter = rightPageLetter(unit);
    return letter != 0 ? letter : kTypeUserWaypoint;
}

// A new entry at the cursor: empty prefix, the empty first candidate.
void startEntry(Unit& unit) {
    IdentEntry& entry = unit.planEntry;
    if (beginIdentEntry(unit, entry, planEntryLetter(unit))) {
        chooseIdentChar(entry, 1);
    } else {
        clearIdentEntry(entry);
    }
}

// Keeps the cursor row in view. The final waypoint always shows on the bottom row: with
// the cursor on it the four rows above show the four waypoints before it (a plan built at
// its end shows no gap), on any other row the cursor is the lowest of the four.
void scrollToCursor(Unit& unit) {
    FplPageState& editor = unit.pages.fpl;
    const FplState& fpl = unit.fpl;
    const int32_t row = editor.planCursorRow;
    const FlightPlan* plan = fpl.store.plan(fpl.blankPlanIndex);
    const bool onFinal = plan != nullptr && row == plan->lastIndex;
    if (row < kShownRows) {
        editor.planScrollTop = 0;
    } else {
        editor.planScrollTop = onFinal ? row - kShownRows : row - (kShownRows - 1);
    }
}

// The editor closes: the cursor goes off and nothing of the edit stays pending.
void closeEditor(Unit& unit) {
    FplPageState& editor = unit.pages.fpl;
    unit.page.leftCursorOn = 0;
    editor.planEditState = 0;
    editor.deletePending = 0;
    editor.saveFailed = 0;
    // A waypoint found here (1) or made by the REF page (2, while the SUP page enters no
    // coordinates) no longer waits once the editor closes.
    if (editor.confirmPending == 1 || (editor.confirmPending == 2 && unit.pages.sup.supLine == 0)) {
        editor.confirmPending = 0;
    }
    clearIdentEntry(unit.planEntry);
}

void cursorOn(Unit& unit) {
    FplPageState& editor = unit.pages.fpl;
    FplState& fpl = unit.fpl;
    if (fpl.selectedPlan == 0 && unit.nav.leg.activeToIndex == kNoActiveRoute) return;
    unit.page.leftCursorOn = 1;
    clearIdentEntry(unit.planEntry);
    editor.deletePending = 0;
    editor.storedPlanChoice = kChoiceUse;
    if (fpl.selectedPlan == 0) {
        editor.planEditState = 1;
        fpl.selectedPlan = fpl.blankPlanIndex;
        storeActiveRoute(unit);
    } else if (isBlankPlanShown(fpl)) {
        startEntry(unit);
    } else {
        return;  // a stored plan: only its command line takes the cursor
    }
    editor.planCursorRow = 0;
    editor.planScrollTop = 0;
    if (editor.planEditState == 0) {
        if (FlightPlan* blank = fpl.store.plan(fpl.blankPlanIndex)) clearPlanSlot(*blank);
    }
}

void cursorOff(Unit& unit) {
    FplPageState& editor = unit.pages.fpl;
    FplState& fpl = unit.fpl;
    if (isBlankPlanShown(fpl) && editor.planEditState >= 2) {
        // A changed copy of FPL 0 takes effect and FPL 0 is shown; the copy stays in the
        // blank plan until a new plan is started there.
        useFlightPlan(unit, PlanOrder::Forward);
        fpl.selectedPlan = 0;
    }
    if (isBlankPlanShown(fpl)) {
        // Anything else built here is dropped.
        if (FlightPlan* blank = fpl.store.plan(fpl.blankPlanIndex)) clearPlanSlot(*blank);
        fpl.selectedPlan = 0;
    }
    closeEditor(unit);
}

void stepPlan(Unit& unit, int32_t step) {
    FplPageState& editor = unit.pages.fpl;
    FplState& fpl = unit.fpl;
    const int32_t count = fpl.blankPlanIndex + 1;
    if (count <= 0) return;
    fpl.selectedPlan = knobStep(fpl.selectedPlan, step > 0 ? KnobTurn::Up : KnobTurn::Down, 0,
                                count - 1, KnobEnd::Wrap);
    editor.planScrollTop = 0;
}

void storedPlanEvents(Unit& unit) {
    FplPageState& editor = unit.pages.fpl;
    FplState& fpl = unit.fpl;
    ControlEvents& events = unit.events;
    if (take(events.evtLeftOuterDown)) editor.storedPlanChoice = kChoiceUse;
    if (take(events.evtLeftOuterUp) && fpl.selectedPlan >= 2) editor.storedPlanChoice = kChoiceInvert;
    // ENT is read, not taken: the right page sees the same press (kPageRunOrder).
    if (events.evtEnt != 1 || rightPageOwnsEnt(unit)) return;
    const PlanOrder order =
        editor.storedPlanChoice == kChoiceInvert ? PlanOrder::Inverted : PlanOrder::Forward;
    if (useFlightPlan(unit, order)) {
        FindExact(unit, fpl.activeRoute.waypoints[fpl.activeLastIndex].ident, kTypeAirport);
    }
    fpl.selectedPlan = 0;
    closeEditor(unit);
}

// Outer knob towards the command line.
void editorOuterDown(Unit& unit, FlightPlan& plan) {
    FplPageState& editor = unit.pages.fpl;
    IdentEntry& entry = unit.planEntry;
    if (planEntryInProgress(unit)) {
        if (entry.entryColumn < 2 || entry.entryText[0] == '\0') {
            clearIdentEntry(entry);  // abandoning ends the entry, so the cursor can move again
            return;
        }
        // The last prefix character is under the cursor again; a character the rebuilt
        // list lacks keeps its place on the empty first candidate.
        if (!takeBackIdentChar(unit, entry, planEntryLetter(unit))) entry.nextCharPos = 1;
        entry.entryColumn -= 1;
        return;
    }
    // A new plan reaches "USE? INVRT?", an unchanged copy "SAVE FPL 0 ?"; a changed copy
    // is activated with CRSR and keeps the cursor on its waypoints.
    const int32_t top = editor.planEditState == 0 ? -2 : (editor.planEditState == 1 ? -1 : 0);
    if (editor.planCursorRow > top) editor.planCursorRow -= 1;
    if (plan.lastIndex >= 1 && plan.lastIndex < kPlanWaypointCount &&
        plan.waypoints[plan.lastIndex].ident[0] == '\0') {
        plan.lastIndex -= 1;  // the empty row at the end goes away again
    }
    if (editor.planCursorRow > plan.lastIndex && editor.planCursorRow > 0) editor.planCursorRow = plan.lastIndex;
    scrollToCursor(unit);
    clearIdentEntry(entry);
}

// Outer knob towards the end of the plan.
void editorOuterUp(Unit& unit, FlightPlan& plan) {
    FplPageState& editor = unit.pages.fpl;
    IdentEntry& entry = unit.planEntry;
    if (planEntryInProgress(unit)) {
        if (entry.entryColumn >= kPlanEntryMaxChars || entry.nextCharPos < 2) return;
        // Nothing continues the identifier: the cursor stays.
        if (!continueIdentList(unit, entry, planEntryLetter(unit))) return;
        advanceIdentColumn(entry, 2);
        return;
    }
    if (editor.planCursorRow == plan.lastIndex && plan.waypoints[plan.lastIndex].ident[0] != '\0' &&
        plan.lastIndex + 1 < kPlanWaypointCount) {
        plan.lastIndex += 1;
        std::memset(&plan.waypoints[plan.lastIndex], 0, sizeof(PlanWaypoint));
    }
    if (editor.planCursorRow < plan.lastIndex) editor.planCursorRow += 1;
    scrollToCursor(unit);
}

void editorInner(Unit& unit, int32_t step) {
    FplPageState& editor = unit.pages.fpl;
    FplState& fpl = unit.fpl;
    IdentEntry& entry = unit.planEntry;
    if (editor.planCursorRow < 0) return;
    if (!planEntryInProgress(unit)) {
        // The first turn opens an empty row at the cursor (an empty row is used as it is)
        // and starts before the first candidate: up shows candidate 1, the empty text, and
        // down the last one.
        const FlightPlan* plan = fpl.store.plan(fpl.blankPlanIndex);
        const bool rowIsEmpty = plan != nullptr && editor.planCursorRow <= plan->lastIndex &&
                                plan->waypoints[editor.planCursorRow].ident[0] == '\0';
        if (!rowIsEmpty && !insertPlanWaypoint(unit, editor.planCursorRow, PlanWaypoint{})) return;
        BuildEntryChars(unit, entry, planEntryLetter(unit), entry.entryText);
        entry.nextCharPos = 0;
    }
    // The empty first candidate can be chosen only for the first character.
    const int32_t lowest = (entry.entryColumn >= 2 && entry.nextCharCount >= 2) ? 2 : 1;
    if (!stepIdentChar(entry, step, lowest)) return;
    if (entry.entryColumn < 1) entry.entryColumn = 1;
}

void confirmWaypoint(Unit& unit) {
    FplPageState& editor = unit.pages.fpl;
    const char letter = rightPageLetter(unit);
    // The pilot may have turned to another record on the right page meanwhile.
    if (letter != 0) LoadSelectedWaypoint(unit, letter);
    const PlanWaypoint& selected = unit.db.candidates[1];
    editor.confirmPending = 0;
    if (selected.ident[0] == '\0' || !insertPlanWaypoint(unit, editor.planCursorRow, selected)) {
        startEntry(unit);
        return;
    }
    editor.planCursorRow += 1;
    scrollToCursor(unit);
    startEntry(unit);
    if (editor.planEditState > 0) editor.planEditState += 1;
}

void commandLine(Unit& unit) {
    FplPageState& editor = unit.pages.fpl;
    FplState& fpl = unit.fpl;
    if (editor.planEditState == 1) {
        const SaveResult result = saveRouteFile(unit);
        if (result == SaveResult::StoreFull) return;  // not offered: stay
        if (result == SaveResult::NotWritten) {
            // The editor stays open on the command line, which says so; ENT tries again.
            editor.saveFailed = 1;
            return;
        }
    } else {
        // The whole "USE? INVRT?" line chosen activates the plan inverted.
        useFlightPlan(unit, editor.planCursorRow == -2 ? PlanOrder::Inverted : PlanOrder::Forward);
    }
    fpl.selectedPlan = 0;
    closeEditor(unit);
}

void lookUpEntry(Unit& unit) {
    FplPageState& editor = unit.pages.fpl;
    const EnteredIdent entered = enteredIdent(unit.planEntry);
    const char* ident = entered.text;
    if (ident[0] == '\0') return;
    const char letter = rightPageLetter(unit);
    if (letter != 0 && SelectWaypoint(unit, ident, letter)) {
        editor.confirmPending = 1;
        return;
    }
    // Not in the table shown: the SUP page offers to create a user waypoint of that name.
    IdentEntry& sup = unit.identEntry;
    unit.page.rightPageGroup = PG_SUP;
    unit.page.rightCursorOn = 1;
    copyField(sup.entryText, ident);
    sup.entryChar = '\0';
    sup.entryColumn = 6;
    unit.pages.sup.supWaypointBeforeEntry = unit.db.currentUserWaypoint;
    unit.db.currentUserWaypoint = 0;
    unit.pages.sup.supLine = 0;
    if (editor.confirmPending == 1) editor.confirmPending = 0;
    // This ENT has done its work; the SUP page must not take it as its own.
    take(unit.events.evtEnt);
}

void blankPlanEnt(Unit& unit, FlightPlan& plan) {
    FplPageState& editor = unit.pages.fpl;
    if (rightPageOwnsEnt(unit)) return;
    if (editor.deletePending == 1) {
        deletePlanWaypoint(unit, editor.planCursorRow);
        if (plan.lastIndex < 0) clearPlanSlot(plan);  // an empty plan keeps its empty row
        if (editor.planCursorRow > plan.lastIndex) editor.planCursorRow = plan.lastIndex;
        editor.planEditState = 2;
        editor.deletePending = 0;
        scrollToCursor(unit);
        return;
    }
    if (editor.confirmPending != 0) {
        confirmWaypoint(unit);
        return;
    }
    if (editor.planCursorRow < 0) {
        commandLine(unit);
        return;
    }
    lookUpEntry(unit);
}

void blankPlanEvents(Unit& unit) {
    FplPageState& editor = unit.pages.fpl;
    FplState& fpl = unit.fpl;
    ControlEvents& events = unit.events;
    FlightPlan* plan = fpl.store.plan(fpl.blankPlanIndex);
    if (plan == nullptr) return;
    // The save failure stays on the command line until the cursor moves.
    if (events.evtLeftOuterDown != 0 || events.evtLeftOuterUp != 0) editor.saveFailed = 0;
    if (take(events.evtLeftOuterDown)) editorOuterDown(unit, *plan);
    if (take(events.evtLeftOuterUp)) editorOuterUp(unit, *plan);
    if (take(events.evtLeftInnerUp)) editorInner(unit, +1);
    if (take(events.evtLeftInnerDown)) editorInner(unit, -1);
    // ENT is read, not taken; only the look-up that hands over to the SUP page takes it
    // (kPageRunOrder).
    if (events.evtEnt == 1) blankPlanEnt(unit, *plan);
    if (unit.page.leftCursorOn == 1 && take(events.evtClr)) {
        if (!planEntryInProgress(unit) && editor.planCursorRow >= 0 &&
            editor.planCursorRow <= plan->lastIndex) {
            editor.deletePending = editor.deletePending == 1 ? 0 : 1;
        }
        if (editor.confirmPending == 1) editor.confirmPending = 0;
    }
}

}  // namespace

bool planEntryInProgress(const Unit& unit) { return identEntryInProgress(unit.planEntry); }

bool supCreationOwnsEnt(const Unit& unit) {
    return unit.page.rightPageGroup == PG_SUP && unit.page.rightCursorOn == 1 &&
           (unit.identEntry.entryColumn >= 6 || unit.pages.sup.supLine >= 1);
}

bool rightPageOwnsEnt(const Unit& unit) {
    return supCreationOwnsEnt(unit) || (unit.page.rightPageGroup == PG_REF && unit.page.rightCursorOn == 1);
}

void scrollPlanToCursor(Unit& unit) { scrollToCursor(unit); }

int32_t activeRouteTopRow(const Unit& unit) {
    const int32_t last = unit.fpl.activeLastIndex;
    const int32_t to = unit.nav.leg.activeToIndex;
    if (last < 5 || to == kNoActiveRoute || to <= 4) return 0;
    int32_t top = to - 3;  // the previous waypoint stays in view above the active one
    if (top > last - 5) top = last - 5;
    return top < 0 ? 0 : top;
}

void handleFplEvents(Unit& unit) {
    FplState& fpl = unit.fpl;
    ControlEvents& events = unit.events;
    if (fpl.selectedPlan < 0 || fpl.selectedPlan > fpl.blankPlanIndex) fpl.selectedPlan = 0;
    if (unit.page.leftCursorOn != 1) {
        if (take(events.evtLeftInnerDown)) stepPlan(unit, -1);
        if (take(events.evtLeftInnerUp)) stepPlan(unit, +1);
        if (take(events.evtLeftCrsr)) cursorOn(unit);
        return;
    }
    if (take(events.evtLeftCrsr)) {
        cursorOff(unit);
        return;
    }
    if (isBlankPlanShown(fpl)) {
        blankPlanEvents(unit);
    } else if (fpl.selectedPlan >= 1) {
        storedPlanEvents(unit);
    }
}
