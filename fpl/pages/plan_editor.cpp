#include "fpl/pages/plan_editor.h"

#include <cstdio>
#include <cstring>

#include "base/knob_step.h"
#include "base/text.h"
#include "fpl/plan_store.h"
#include "fpl/route_files.h"
#include "frame/unit.h"
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

// Candidate characters follow the right page's table when it restricts them.
void buildPlanCharsFor(Unit& unit, const char* prefix) {
    const char letter = rightPageLetter(unit);
    BuildPlanChars(unit, letter != 0 ? letter : kTypeUserWaypoint, prefix);
}

void clearEntry(FplState& fpl) {
    fpl.planEntryText[0] = '\0';
    fpl.planEntryChar[0] = '\0';
    fpl.planCandidateIndex = 0;
    fpl.planEntryCount = 0;
}

void setCandidate(Unit& unit, int32_t index) {
    FplState& fpl = unit.fpl;
    fpl.planCandidateIndex = index;
    fpl.planEntryChar[0] = (index >= 1 && index <= unit.db.planCharCount) ? unit.db.planChars[index] : '\0';
    fpl.planEntryChar[1] = '\0';
}

// A new entry at the cursor: empty prefix, the empty first candidate.
void startEntry(Unit& unit) {
    FplState& fpl = unit.fpl;
    clearEntry(fpl);
    buildPlanCharsFor(unit, "");
    if (unit.db.planCharCount >= 2) {
        setCandidate(unit, 1);
        fpl.planEntryCount = 1;
    }
}

// Keeps the cursor row in view; the final waypoint always shows on the bottom row.
void scrollToCursor(FplPageState& editor) {
    editor.planScrollTop = editor.planCursorRow >= kShownRows ? editor.planCursorRow - (kShownRows - 1) : 0;
}

// The editor closes: the cursor goes off and nothing of the edit stays pending.
void closeEditor(Unit& unit) {
    FplPageState& editor = unit.pages.fpl;
    FplState& fpl = unit.fpl;
    unit.page.leftCursorOn = 0;
    editor.planEditState = 0;
    editor.deletePending = 0;
    if (editor.confirmPending == 1) editor.confirmPending = 0;
    clearEntry(fpl);
}

void cursorOn(Unit& unit) {
    FplPageState& editor = unit.pages.fpl;
    FplState& fpl = unit.fpl;
    if (fpl.selectedPlan == 0 && unit.nav.leg.activeToIndex == kNoActiveRoute) return;
    unit.page.leftCursorOn = 1;
    clearEntry(fpl);
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
    FplState& fpl = unit.fpl;
    if (isBlankPlanShown(fpl)) {
        // A changed copy of FPL 0 takes effect; anything else built here is dropped.
        if (unit.pages.fpl.planEditState >= 2) useFlightPlan(unit, PlanOrder::Forward);
        if (FlightPlan* blank = fpl.store.plan(fpl.blankPlanIndex)) clearPlanSlot(*blank);
        fpl.selectedPlan = 0;
    }
    closeEditor(unit);
}

void stepPlan(Unit& unit, int32_t step) {
    FplState& fpl = unit.fpl;
    const int32_t count = fpl.blankPlanIndex + 1;
    if (count <= 0) return;
    fpl.selectedPlan = knobStep(fpl.selectedPlan, step > 0 ? KnobTurn::Up : KnobTurn::Down, 0,
                                count - 1, KnobEnd::Wrap);
    unit.pages.fpl.planScrollTop = 0;
}

void storedPlanEvents(Unit& unit) {
    FplPageState& editor = unit.pages.fpl;
    FplState& fpl = unit.fpl;
    ControlEvents& events = unit.events;
    if (take(events.evtLeftOuterDown)) editor.storedPlanChoice = kChoiceUse;
    if (take(events.evtLeftOuterUp) && fpl.selectedPlan >= 2) editor.storedPlanChoice = kChoiceInvert;
    // ENT is read, not taken: the right page sees the same press (kPageRunOrder).
    if (events.evtEnt != 1 || supCreationOwnsEnt(unit)) return;
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
    FplState& fpl = unit.fpl;
    if (planEntryInProgress(unit)) {
        const int32_t length = static_cast<int32_t>(std::strlen(fpl.planEntryText));
        if (fpl.planEntryCount < 2 || length == 0) {
            clearEntry(fpl);  // abandoning ends the entry, so the cursor can move again
            return;
        }
        const char last = fpl.planEntryText[length - 1];
        fpl.planEntryText[length - 1] = '\0';
        buildPlanCharsFor(unit, fpl.planEntryText);
        int32_t index = 1;
        for (int32_t i = 1; i <= unit.db.planCharCount; ++i) {
            if (unit.db.planChars[i] == last) {
                index = i;
                break;
            }
        }
        setCandidate(unit, index);
        fpl.planEntryChar[0] = last;
        fpl.planEntryCount -= 1;
        return;
    }
    // A new plan reaches "USE? INVRT?", an unchanged copy "SAVE FPL 0 ?"; a changed copy
    // is activated with CRSR and keeps the cursor on its waypoints.
    const int32_t top = editor.planEditState == 0 ? -2 : (editor.planEditState == 1 ? -1 : 0);
    if (editor.planCursorRow > top) editor.planCursorRow -= 1;
    scrollToCursor(unit.pages.fpl);
    if (plan.lastIndex >= 1 && plan.lastIndex < kPlanWaypointCount &&
        plan.waypoints[plan.lastIndex].ident[0] == '\0') {
        plan.lastIndex -= 1;  // the empty row at the end goes away again
    }
    if (editor.planCursorRow > plan.lastIndex && editor.planCursorRow > 0) editor.planCursorRow = plan.lastIndex;
    clearEntry(fpl);
}

// Outer knob towards the end of the plan.
void editorOuterUp(Unit& unit, FlightPlan& plan) {
    FplPageState& editor = unit.pages.fpl;
    FplState& fpl = unit.fpl;
    if (planEntryInProgress(unit)) {
        if (fpl.planEntryCount >= kPlanEntryMaxChars || fpl.planCandidateIndex < 2) return;
        char prefix[kPlanEntryMaxChars + 3];
        std::snprintf(prefix, sizeof prefix, "%s%s", fpl.planEntryText, fpl.planEntryChar);
        buildPlanCharsFor(unit, prefix);
        if (unit.db.planCharCount < 2) {
            buildPlanCharsFor(unit, fpl.planEntryText);  // nothing continues: stay
            return;
        }
        copyField(fpl.planEntryText, prefix);
        fpl.planEntryCount += 1;
        setCandidate(unit, 2);
        return;
    }
    if (editor.planCursorRow == plan.lastIndex && plan.waypoints[plan.lastIndex].ident[0] != '\0' &&
        plan.lastIndex + 1 < kPlanWaypointCount) {
        plan.lastIndex += 1;
        std::memset(&plan.waypoints[plan.lastIndex], 0, sizeof(PlanWaypoint));
    }
    if (editor.planCursorRow < plan.lastIndex) editor.planCursorRow += 1;
    scrollToCursor(unit.pages.fpl);
}

void editorInner(Unit& unit, int32_t step) {
    FplPageState& editor = unit.pages.fpl;
    FplState& fpl = unit.fpl;
    if (editor.planCursorRow < 0) return;
    if (!planEntryInProgress(unit)) {
        // The first turn opens an empty row at the cursor (an empty row is used as it is).
        const FlightPlan* plan = fpl.store.plan(fpl.blankPlanIndex);
        const bool rowIsEmpty = plan != nullptr && editor.planCursorRow <= plan->lastIndex &&
                                plan->waypoints[editor.planCursorRow].ident[0] == '\0';
        if (!rowIsEmpty && !insertPlanWaypoint(unit, editor.planCursorRow, PlanWaypoint{})) return;
        buildPlanCharsFor(unit, fpl.planEntryText);
        fpl.planCandidateIndex = 1;
    }
    const int32_t count = unit.db.planCharCount;
    if (count < 1) return;
    // The empty first candidate can be chosen only for the first character.
    const int32_t lowest = (fpl.planEntryCount >= 2 && count >= 2) ? 2 : 1;
    int32_t index = fpl.planCandidateIndex + step;
    if (index > count) index = lowest;
    if (index < lowest) index = count;
    setCandidate(unit, index);
    if (fpl.planEntryCount < 1) fpl.planEntryCount = 1;
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
    scrollToCursor(unit.pages.fpl);
    startEntry(unit);
    if (editor.planEditState > 0) editor.planEditState += 1;
}

void commandLine(Unit& unit) {
    FplPageState& editor = unit.pages.fpl;
    FplState& fpl = unit.fpl;
    if (editor.planEditState == 1) {
        if (saveRouteFile(unit) == SaveResult::StoreFull) return;  // not offered: stay
    } else {
        // The whole "USE? INVRT?" line chosen activates the plan inverted.
        useFlightPlan(unit, editor.planCursorRow == -2 ? PlanOrder::Inverted : PlanOrder::Forward);
    }
    fpl.selectedPlan = 0;
    closeEditor(unit);
}

void lookUpEntry(Unit& unit) {
    FplPageState& editor = unit.pages.fpl;
    char ident[kPlanEntryMaxChars + 2];
    enteredPlanIdent(unit, ident, sizeof ident);
    if (ident[0] == '\0') return;
    const char letter = rightPageLetter(unit);
    if (letter != 0 && SelectWaypoint(unit, ident, letter)) {
        editor.confirmPending = 1;
        return;
    }
    // Not in the table shown: the SUP page offers to create a user waypoint of that name.
    NavDbState& db = unit.db;
    unit.page.rightPageGroup = PG_SUP;
    unit.page.rightCursorOn = 1;
    std::snprintf(db.entryText, sizeof db.entryText, "%s", ident);
    db.entryChar = '\0';
    db.entryColumn = 6;
    db.currentUserWaypoint = 0;
    unit.pages.sup.supLine = 0;
    if (editor.confirmPending == 1) editor.confirmPending = 0;
    // This ENT has done its work; the SUP page must not take it as its own.
    take(unit.events.evtEnt);
}

void blankPlanEnt(Unit& unit, FlightPlan& plan) {
    FplPageState& editor = unit.pages.fpl;
    if (supCreationOwnsEnt(unit)) return;
    if (editor.deletePending == 1) {
        deletePlanWaypoint(unit, editor.planCursorRow);
        if (plan.lastIndex < 0) clearPlanSlot(plan);  // an empty plan keeps its empty row
        if (editor.planCursorRow > plan.lastIndex) editor.planCursorRow = plan.lastIndex;
        editor.planEditState = 2;
        editor.deletePending = 0;
        scrollToCursor(unit.pages.fpl);
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

bool planEntryInProgress(const Unit& unit) {
    return unit.fpl.planCandidateIndex != 0 || unit.fpl.planEntryCount != 0;
}

void enteredPlanIdent(const Unit& unit, char* out, int size) {
    std::snprintf(out, static_cast<size_t>(size), "%s%s", unit.fpl.planEntryText,
                  unit.fpl.planEntryChar);
}

bool supCreationOwnsEnt(const Unit& unit) {
    return unit.page.rightPageGroup == PG_SUP && unit.page.rightCursorOn == 1 &&
           (unit.db.entryColumn >= 6 || unit.pages.sup.supLine >= 1);
}

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
