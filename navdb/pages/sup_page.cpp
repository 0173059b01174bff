// The SUP page (right page group 17): the user waypoints, and the creation of a new one
// named with the right knobs, at the present position or at a position entered digit by
// digit. A created waypoint becomes the selected waypoint and waits for ENT on the FPL
// page, which inserts it into the plan being edited.
#include <cstdio>
#include <cstring>

#include "base/knob_step.h"
#include "fpl/pages/plan_editor.h"
#include "frame/display.h"
#include "frame/pages/page_table.h"
#include "frame/unit.h"
#include "navdb/coordinates.h"
#include "navdb/ident_entry.h"
#include "navdb/lookup.h"
#include "navdb/records.h"
#include "navdb/user_waypoints.h"

namespace {

constexpr int32_t kLastIdentColumn = 5;
constexpr int32_t kUserPosColumn = 6;
constexpr int32_t kPresPosColumn = 7;
constexpr int32_t kLatitudeColumns = 7;
constexpr int32_t kLongitudeColumns = 8;

bool hasCurrentWaypoint(const Unit& unit) {
    return unit.db.currentUserWaypoint >= 1 && unit.db.currentUserWaypoint <= unit.db.userWaypointCount;
}

void followPrefix(Unit& unit) { followIdentEntry(unit, unit.identEntry, kTypeUserWaypoint); }

// The cursor goes off. An entry that ends without a user waypoint to show (abandoned, or
// refused) brings back the one shown before it started, rather than "SUP DATA / NOT FOUND"
// over a table that has waypoints.
void endCreation(Unit& unit) {
    unit.pages.sup.supLine = 0;
    unit.page.rightCursorOn = 0;
    NavDbState& db = unit.db;
    const int32_t before = unit.pages.sup.supWaypointBeforeEntry;
    if (!hasCurrentWaypoint(unit) && before >= 1 && before <= db.userWaypointCount) {
        db.currentUserWaypoint = before;
    }
}

void startEntry(Unit& unit) {
    IdentEntry& entry = unit.identEntry;
    unit.page.rightCursorOn = 1;
    // A creation that still waits for ENT is over once a new entry starts.
    unit.pages.fpl.confirmPending = 0;
    unit.pages.sup.supLine = 0;
    unit.pages.sup.supTableFull = 0;
    unit.pages.sup.supWaypointBeforeEntry = unit.db.currentUserWaypoint;
    unit.db.currentUserWaypoint = 1;
    beginIdentEntry(unit, entry, kTypeUserWaypoint);
    chooseIdentChar(entry, 1);  // the blank: nothing entered yet
    followPrefix(unit);
}

void stepEntryChar(Unit& unit, int32_t step) {
    // The blank (entry 1) is a choice here: it ends the identifier before the cursor.
    if (stepIdentChar(unit.identEntry, step, 1)) followPrefix(unit);
}

void identCursorRight(Unit& unit) {
    IdentEntry& entry = unit.identEntry;
    if (entry.entryColumn >= kPresPosColumn) return;
    if (entry.entryChar == '\0' || entry.entryColumn >= kLastIdentColumn) {
        // The identifier ends at the cursor: on to the two places to create it at.
        if (entry.entryColumn <= kLastIdentColumn) {
            advanceIdentColumn(entry, 0);
            entry.entryColumn = kUserPosColumn;
        } else {
            entry.entryColumn = kPresPosColumn;
        }
        return;
    }
    BuildNextChars(unit, kTypeUserWaypoint, entry.entryText);
    advanceIdentColumn(entry, 1);
    followPrefix(unit);
}

void identCursorLeft(Unit& unit) {
    IdentEntry& entry = unit.identEntry;
    if (entry.entryColumn < 2) return;
    const int32_t length = static_cast<int32_t>(std::strlen(entry.entryText));
    if (entry.entryColumn == kPresPosColumn) {
        entry.entryColumn = kUserPosColumn;
        return;
    }
    entry.entryColumn =
        entry.entryColumn == kUserPosColumn ? (length > 0 ? length : 1) : entry.entryColumn - 1;
    if (length == 0) {
        chooseIdentChar(entry, 1);  // nothing entered: the blank stays under the cursor
        return;
    }
    // The last entered character comes back under the cursor.
    takeBackIdentChar(unit, entry, kTypeUserWaypoint);
    followPrefix(unit);
}

// True while the FPL page edits a plan with its cursor on a waypoint row.
bool planEditorWaiting(const Unit& unit) {
    const FplState& fpl = unit.fpl;
    return unit.page.leftPageGroup == PG_FPL && unit.page.leftCursorOn == 1 &&
           fpl.selectedPlan == fpl.blankPlanIndex && unit.pages.fpl.planCursorRow >= 0;
}

// After a creation the new waypoint is the selected one; while a plan is being edited it
// waits there for ENT, which inserts it.
void offerCreated(Unit& unit) {
    const int32_t created = unit.db.currentUserWaypoint;
    char ident[kIdentSize];
    std::snprintf(ident, sizeof ident, "%s", unit.db.userWaypoints[created].ident);
    if (SelectWaypoint(unit, ident, kTypeUserWaypoint)) {
        // The new record is the one shown and handed on, even when an older one has its name.
        unit.db.currentUserWaypoint = created;
        LoadSelectedWaypoint(unit, kTypeUserWaypoint);
        unit.pages.fpl.confirmPending = planEditorWaiting(unit) ? 1 : 0;
    } else {
        unit.pages.fpl.confirmPending = 0;
        unit.identEntry.entryText[0] = '\0';
        unit.identEntry.entryChar = '\0';
    }
    endCreation(unit);
}

void identEnt(Unit& unit) {
    NavDbState& db = unit.db;
    IdentEntry& entry = unit.identEntry;
    // Only a name that no user waypoint begins with, and only once its first character is
    // entered (the characters before the cursor), can be created.
    if (db.currentUserWaypoint != 0 || entry.entryText[0] == '\0') return;
    if (userWaypointTableFull(unit)) {
        unit.pages.sup.supTableFull = 1;
        return;
    }
    if (entry.entryColumn == kPresPosColumn) {
        if (CreateUserWaypoint(unit, UserWaypointPlace::PresentPosition)) offerCreated(unit);
        return;
    }
    if (db.coordinateEntry[0].choiceCount == 0) InitCoordinateLists(unit);
    unit.pages.fpl.confirmPending = 1;
    unit.pages.sup.supLine = 1;
    entry.entryColumn = 1;
    for (CoordinateChoices& position : db.coordinateEntry) position.selected = 0;
}

CoordinateChoices& coordinateAtCursor(Unit& unit) {
    const int32_t first = unit.pages.sup.supLine == 1 ? kLatitudeFirstPosition : kLongitudeFirstPosition;
    int32_t column = unit.identEntry.entryColumn;
    if (column < 1) column = 1;
    return unit.db.coordinateEntry[first + column - 1];
}

void stepCoordinate(Unit& unit, KnobTurn turn) {
    CoordinateChoices& position = coordinateAtCursor(unit);
    const int32_t highest = position.choiceCount - 1;  // choice 0 is the "_" placeholder
    if (highest < 1) return;
    position.selected = knobStep(position.selected, turn, 1, highest, KnobEnd::Wrap);
}

void coordinateEvents(Unit& unit) {
    ControlEvents& events = unit.events;
    IdentEntry& entry = unit.identEntry;  // entryColumn is the position within the line
    const int32_t columns = unit.pages.sup.supLine == 1 ? kLatitudeColumns : kLongitudeColumns;
    if (take(events.evtRightInnerUp)) stepCoordinate(unit, KnobTurn::Up);
    if (take(events.evtRightInnerDown)) stepCoordinate(unit, KnobTurn::Down);
    if (take(events.evtRightOuterUp)) {
        entry.entryColumn = knobStep(entry.entryColumn, KnobTurn::Up, 1, columns, KnobEnd::Stop);
    }
    if (take(events.evtRightOuterDown)) {
        entry.entryColumn = knobStep(entry.entryColumn, KnobTurn::Down, 1, columns, KnobEnd::Stop);
    }
    if (!take(events.evtEnt)) return;
    if (unit.pages.sup.supLine == 1) {
        unit.pages.fpl.confirmPending = 2;
        unit.pages.sup.supLine = 2;
        entry.entryColumn = 1;
    } else if (CreateUserWaypoint(unit, UserWaypointPlace::EnteredPosition)) {
        offerCreated(unit);
    } else {
        unit.pages.sup.supTableFull = 1;
        unit.pages.fpl.confirmPending = 0;
        endCreation(unit);
    }
}

void handleSupEvents(Unit& unit) {
    ControlEvents& events = unit.events;
    NavDbState& db = unit.db;
    if (unit.page.rightCursorOn != 1) {
        const int32_t count = db.userWaypointCount;
        if (count > 0 && take(events.evtRightInnerUp)) {
            db.currentUserWaypoint =
                knobStep(db.currentUserWaypoint, KnobTurn::Up, 1, count, KnobEnd::Wrap);
        }
        if (count > 0 && take(events.evtRightInnerDown)) {
            db.currentUserWaypoint =
                knobStep(db.currentUserWaypoint, KnobTurn::Down, 1, count, KnobEnd::Wrap);
        }
        if (take(events.evtRightCrsr)) startEntry(unit);
        return;
    }
    if (take(events.evtRightCrsr)) {
        // Leaving a creation half-way leaves nothing waiting for ENT.
        if (unit.pages.sup.supLine >= 1 || unit.pages.fpl.confirmPending == 1) unit.pages.fpl.confirmPending = 0;
        endCreation(unit);
        return;
    }
    if (unit.pages.sup.supLine >= 1) {
        coordinateEvents(unit);
        return;
    }
    const bool innerUp = take(events.evtRightInnerUp);
    const bool innerDown = take(events.evtRightInnerDown);
    const bool outerUp = take(events.evtRightOuterUp);
    const bool outerDown = take(events.evtRightOuterDown);
    if (innerUp || innerDown || outerUp || outerDown) unit.pages.sup.supTableFull = 0;
    // On "USER POS?" and "PRES POS?" there is no character to change: a step there would
    // add a stray character after the name, so the inner knob does nothing.
    if (unit.identEntry.entryColumn <= kLastIdentColumn) {
        if (innerUp) stepEntryChar(unit, +1);
        if (innerDown) stepEntryChar(unit, -1);
    }
    if (outerUp) identCursorRight(unit);
    if (outerDown) identCursorLeft(unit);
    if (take(events.evtEnt)) identEnt(unit);
}

// --- drawing ---

void drawIdentRow(const Unit& unit, Canvas& canvas, float x) {
    const NavDbState& db = unit.db;
    if (unit.page.rightCursorOn != 1) {
        drawCell(canvas, x + 5.0f, rowY(0), formatCell(" %s", db.userWaypoints[db.currentUserWaypoint].ident).text);
        return;
    }
    const IdentEntry& entry = unit.identEntry;
    drawCell(canvas, x + 5.0f, rowY(0), formatCell(" %s", enteredIdent(entry).text).text);
    if (entry.entryColumn >= 1 && entry.entryColumn <= kLastIdentColumn && unit.pages.sup.supLine == 0) {
        const float cellX = x + 5.0f + kCharWidth * static_cast<float>(entry.entryColumn);
        const char cell[2] = {entry.entryChar, '\0'};
        drawInverseCell(canvas, cellX, rowBoxY(0), kCharWidth, kRowBoxHeight, cellX, rowY(0), cell);
    }
}

// One coordinate line, a cell per character; the entered positions sit among the fixed
// blank, degree sign, "." and "'" of the position rows.
void drawCoordinateLine(const Unit& unit, Canvas& canvas, float x, int32_t line, int32_t row) {
    static constexpr int kLatitudeCells[kLatitudeColumns] = {0, 2, 3, 5, 6, 8, 9};
    static constexpr int kLongitudeCells[kLongitudeColumns] = {0, 1, 2, 3, 5, 6, 8, 9};
    const bool latitude = line == 1;
    const int32_t columns = latitude ? kLatitudeColumns : kLongitudeColumns;
    const int* cells = latitude ? kLatitudeCells : kLongitudeCells;
    const CoordinateChoices* positions =
        unit.db.coordinateEntry + (latitude ? kLatitudeFirstPosition : kLongitudeFirstPosition);
    char text[12] = "           ";
    text[4] = static_cast<char>(0xB0);
    text[7] = '.';
    text[10] = '\'';
    for (int32_t i = 0; i < columns; ++i) {
        const CoordinateChoices& p = positions[i];
        text[cells[i]] = (p.selected >= 0 && p.selected < p.choiceCount) ? p.choices[p.selected] : '_';
    }
    const bool editing = unit.pages.sup.supLine == line;
    const float y = rowY(row);
    const float left = x + 10.0f;
    for (int i = 0; i < 11; ++i) {
        const char cell[2] = {text[i], '\0'};
        const float cellX = left + kCharWidth * static_cast<float>(i);
        const int32_t column = unit.identEntry.entryColumn;
        const bool atCursor = editing && i == cells[column >= 1 && column <= columns ? column - 1 : 0];
        if (atCursor && !blinkFirstHalf(unit.nav.blinkPhase)) {
            drawCell(canvas, cellX, y, cell);
        } else if (editing) {
            drawInverseCell(canvas, cellX, rowBoxY(row), kCharWidth, kRowBoxHeight, cellX, y, cell);
        } else {
            drawCell(canvas, cellX, y, cell);
        }
    }
}

void drawCreationChoices(const Unit& unit, Canvas& canvas, float x) {
    const int32_t column = unit.identEntry.entryColumn;
    drawCell(canvas, x + 10.0f, rowY(2), unit.pages.sup.supTableFull == 1 ? "TABLE FULL" : "CREATE NEW");
    drawCell(canvas, x + 10.0f, rowY(3), "WPT AT:");
    if (column == kUserPosColumn) {
        drawInverseCell(canvas, x + 10.0f, rowBoxY(4), 136.0f, kRowBoxHeight, x + 10.0f, rowY(4), "USER POS?");
    } else {
        drawCell(canvas, x + 10.0f, rowY(4), "USER POS?");
    }
    if (column == kPresPosColumn) {
        drawInverseCell(canvas, x + 10.0f, rowBoxY(5), 136.0f, kRowBoxHeight, x + 10.0f, rowY(5), "PRES POS?");
    } else {
        drawCell(canvas, x + 10.0f, rowY(5), "PRES POS?");
    }
}

void drawWaypointRows(const Unit& unit, Canvas& canvas, float x) {
    const WaypointRecord& record = unit.db.userWaypoints[unit.db.currentUserWaypoint];
    if (record.refIdent[0] != '\0') {
        drawCell(canvas, x + 10.0f, rowY(1), formatCell("REF:  %s", record.refIdent).text);
        drawCell(canvas, x + 10.0f, rowY(2), formatCell("RAD: %3.1f\xB0", record.bearingDeg).text);
        drawCell(canvas, x + 10.0f, rowY(3), formatCell("DIS:%3.1fNM", record.distanceNm).text);
    }
    char latitude[kPositionRowSize];
    char longitude[kPositionRowSize];
    FormatLatitudeRow(record.latitude, latitude);
    FormatLongitudeRow(record.longitude, longitude);
    drawCell(canvas, x + 10.0f, rowY(4), latitude);
    drawCell(canvas, x + 10.0f, rowY(5), longitude);
}

void drawSup(const Unit& unit, Canvas& canvas, float x) {
    const bool cursor = unit.page.rightCursorOn == 1;
    if (cursor && unit.pages.sup.supLine >= 1) {
        drawIdentRow(unit, canvas, x);
        drawCoordinateLine(unit, canvas, x, 1, 4);
        drawCoordinateLine(unit, canvas, x, 2, 5);
    } else if (cursor && !hasCurrentWaypoint(unit)) {
        drawIdentRow(unit, canvas, x);
        drawCreationChoices(unit, canvas, x);
    } else if (hasCurrentWaypoint(unit)) {
        drawIdentRow(unit, canvas, x);
        drawWaypointRows(unit, canvas, x);
    } else {
        drawCell(canvas, x + 5.0f, rowY(0), " SUP DATA");
        drawCell(canvas, x + 5.0f, rowY(1), " NOT FOUND");
        if (unit.pages.sup.supTableFull == 1) drawCell(canvas, x + 5.0f, rowY(3), " TABLE FULL");
    }
    drawStatusLabel(canvas, x, pageLabel(PG_SUP), unit.page.rightCursorOn);
    if (unit.pages.fpl.confirmPending >= 1) {
        drawCell(canvas, 100.0f, kStatusRowY, "ENR-LEG");
        drawFlashingCell(canvas, unit.nav.blinkPhase, x + 40.0f, 155.0f, 50.0f, 20.0f, x + 40.0f, kStatusRowY, "ENT");
    }
}

}  // namespace

void drawSupPage(Unit& unit, Host&, Canvas& canvas, float x) {
    handleSupEvents(unit);
    beginPage(canvas, unit.display);
    drawSup(unit, canvas, x);
    endPage(canvas);
}
