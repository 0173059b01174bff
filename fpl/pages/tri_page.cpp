// The TRI pages (left): TRI 0 shows the trip estimates (true airspeed and wind); TRI 1 plans
// a direct trip from the present position to a waypoint the pilot enters and shows its
// distance, magnetic course, time en route and the fuel required for the planned fuel flow
// plus the reserve.
//
// The identifier is entered with the left knobs into the waypoint pages' shared entry, with
// the characters of the table the right page shows (the full set beside any other page).
// ENT looks the identifier up in that table, so the right page shows it; a second ENT makes
// the waypoint the right page then shows the trip waypoint. The outer knob carries the
// cursor on from the identifier to the four digits of the reserve.
#include <algorithm>
#include <cstring>

#include "base/knob_step.h"
#include "base/text.h"
#include "fpl/pages/trip_fuel.h"
#include "frame/display.h"
#include "frame/numbers.h"
#include "frame/pages/page_table.h"
#include "frame/unit.h"
#include "nav/angles.h"
#include "nav/geodesy.h"
#include "navdb/ident_entry.h"
#include "navdb/lookup.h"

namespace {

constexpr int32_t kEntryPositions = 5;
constexpr int32_t kFirstDigitField = 6;  // the reserve's thousands
constexpr int32_t kLastDigitField = 9;   // the reserve's units
constexpr int32_t kFirstChoice = 2;      // list entry 1 is the empty text
constexpr int32_t kNoCharacter = 1;      // the empty text: the identifier may end here
constexpr double kSlowestGroundSpeedKt = 30.0;  // at or below it no time is worked out
constexpr double kFuelRequiredShownMax = 999.9;
constexpr int32_t kTimeMaxHours = 99;
constexpr float kIdentFieldX = 96.0f;
constexpr float kIdentBoxX = 98.0f;
constexpr float kIdentBoxWidth = 80.0f;
const FontSpec& kTriFont = kFont28;

// The table TRI looks the trip waypoint up in: the right page's airport, VOR, NDB or
// intersection table (a user waypoint is no trip target), or '\0'.
char tripTableLetter(PageGroup group) {
    const char letter = waypointPageLetter(group);
    return letter != kTypeUserWaypoint ? letter : '\0';
}

// The letter whose table offers the entry's characters.
char entryLetter(const Unit& unit) { return entryLetterBeside(unit.page.rightPageGroup); }

void startCursor(Unit& unit) {
    unit.page.leftCursorOn = 1;
    unit.pages.tri.triDigitField = 0;
    // A confirmation another page left waiting is not one this entry asked for.
    unit.pages.fpl.confirmPending = 0;
    IdentEntry& entry = unit.identEntry;
    if (beginIdentEntry(unit, entry, entryLetter(unit))) chooseIdentChar(entry, kFirstChoice);
}

void stopCursor(Unit& unit) {
    unit.page.leftCursorOn = 0;
    if (unit.pages.fpl.confirmPending == 1) unit.pages.fpl.confirmPending = 0;
}

void stepCharacter(Unit& unit, KnobTurn turn) {
    IdentEntry& entry = unit.identEntry;
    if (entry.entryColumn == 0) {
        if (beginIdentEntry(unit, entry, entryLetter(unit))) chooseIdentChar(entry, kFirstChoice);
        return;
    }
    stepIdentChar(entry, turn == KnobTurn::Up ? +1 : -1, kFirstChoice);
}

void cursorRight(Unit& unit) {
    TriPageState& tri = unit.pages.tri;
    IdentEntry& entry = unit.identEntry;
    if (tri.triDigitField != 0) {
        tri.triDigitField = std::min(tri.triDigitField + 1, kLastDigitField);
        return;
    }
    if (entry.entryColumn >= 1 && entry.entryColumn < kEntryPositions && entry.entryChar != '\0') {
        // The character joins the identifier; the next position starts empty, so a shorter
        // identifier ends there.
        advanceIdentColumn(entry, kNoCharacter);
        BuildEntryChars(unit, entry, entryLetter(unit), entry.entryText);
        return;
    }
    // An empty position ends the identifier, and the last position leads on to the reserve.
    // The identifier stays as entered, so turning back finds it unchanged.
    tri.triDigitField = kFirstDigitField;
}

void cursorLeft(Unit& unit) {
    TriPageState& tri = unit.pages.tri;
    IdentEntry& entry = unit.identEntry;
    if (tri.triDigitField > kFirstDigitField) {
        --tri.triDigitField;
    } else if (tri.triDigitField == kFirstDigitField) {
        tri.triDigitField = 0;
    } else if (entry.entryColumn >= 2 && entry.entryText[0] != '\0') {
        --entry.entryColumn;
        takeBackIdentChar(unit, entry, entryLetter(unit));
    }
}

// The waypoint the right page shows becomes the trip waypoint.
void takeRightPageWaypoint(Unit& unit, char letter) {
    const int32_t* current = currentIndex(unit.db, letter);
    if (current == nullptr || recordIdent(unit.db, letter, *current)[0] == '\0') return;
    LoadSelectedWaypoint(unit, letter);
    const PlanWaypoint& selected = unit.db.candidates[1];
    TriPageState& tri = unit.pages.tri;
    copyField(tri.tripTargetIdent, selected.ident);
    tri.tripTargetLatitude = selected.latitude;
    tri.tripTargetLongitude = selected.longitude;
}

void handleEnt(Unit& unit) {
    int32_t& confirmPending = unit.pages.fpl.confirmPending;
    const char letter = tripTableLetter(unit.page.rightPageGroup);
    if (confirmPending != 0) {
        if (letter != '\0') takeRightPageWaypoint(unit, letter);
        unit.page.leftCursorOn = 0;
        confirmPending = 0;
        clearIdentEntry(unit.identEntry);
        return;
    }
    // Only an identifier the right page's table holds waits for confirmation; a second ENT
    // must never take whatever the right page happened to show.
    const EnteredIdent entered = enteredIdent(unit.identEntry);
    if (entered.text[0] != '\0' && letter != '\0' && SelectWaypoint(unit, entered.text, letter)) {
        confirmPending = 1;
    }
}

void handleEvents(Unit& unit) {
    ControlEvents& events = unit.events;
    PageState& page = unit.page;
    TriPageState& tri = unit.pages.tri;
    if (take(events.evtLeftCrsr)) {
        // Only TRI 1 has fields; on TRI 0 the button only turns a cursor left on off.
        if (page.leftCursorOn == 1) {
            stopCursor(unit);
        } else if (tri.triPage == 1) {
            startCursor(unit);
        }
    }
    if (page.leftCursorOn != 1) {
        if (take(events.evtLeftInnerUp)) tri.triPage = knobStep(tri.triPage, KnobTurn::Up, 0, 1, KnobEnd::Wrap);
        if (take(events.evtLeftInnerDown)) tri.triPage = knobStep(tri.triPage, KnobTurn::Down, 0, 1, KnobEnd::Wrap);
        return;
    }
    if (tri.triPage != 1) return;
    const EnteredIdent before = enteredIdent(unit.identEntry);
    for (const KnobTurn turn : {KnobTurn::Up, KnobTurn::Down}) {
        if (!take(turn == KnobTurn::Up ? events.evtLeftInnerUp : events.evtLeftInnerDown)) continue;
        if (tri.triDigitField != 0) {
            stepFuelReserve(tri.fuelReserve, tri.triDigitField - kFirstDigitField + 1, turn);
        } else {
            stepCharacter(unit, turn);
        }
    }
    if (take(events.evtLeftOuterUp)) cursorRight(unit);
    if (take(events.evtLeftOuterDown)) cursorLeft(unit);
    // An identifier changed after its look-up is not the one waiting for ENT: the next ENT
    // looks the new one up instead of taking the old one.
    int32_t& confirmPending = unit.pages.fpl.confirmPending;
    if (confirmPending == 1 && std::strcmp(before.text, enteredIdent(unit.identEntry).text) != 0) {
        confirmPending = 0;
    }
    if (tri.triDigitField == 0 && take(events.evtEnt)) handleEnt(unit);
}

void drawEstimates(const Unit& unit, Canvas& canvas, float x) {
    const WindSolution& wind = unit.nav.wind;
    drawCell(canvas, x + 10.0f, rowY(0), "TRIP PLAN", kTriFont);
    drawCell(canvas, x + 10.0f, rowY(1), "ESTIMATES", kTriFont);
    drawCell(canvas, x + 10.0f, rowY(3), formatCell("TAS:  %3.0f", wind.trueAirspeedKt).text, kTriFont);
    drawCell(canvas, x + 10.0f, rowY(4), formatCell("WIND: %3.0f\xB0", wind.windDirMag).text, kTriFont);
    drawCell(canvas, x + 10.0f, rowY(5), formatCell("      %03.0fKT", wind.windSpeedKt).text, kTriFont);
}

// The identifier field: the trip waypoint, or while the cursor is on the identifier the
// entered text on an inverse field whose cursor cell blinks.
void drawIdentField(const Unit& unit, Canvas& canvas, float x) {
    const TriPageState& tri = unit.pages.tri;
    const IdentEntry& entry = unit.identEntry;
    if (unit.page.leftCursorOn != 1) {
        drawCell(canvas, x + kIdentFieldX, rowY(0), tri.tripTargetIdent, kTriFont);
        return;
    }
    const EnteredIdent entered = enteredIdent(entry);
    if (tri.triDigitField != 0) {
        drawCell(canvas, x + kIdentFieldX, rowY(0), entered.text, kTriFont);
        return;
    }
    drawInverseCell(canvas, x + kIdentBoxX, rowTallBoxY(0), kIdentBoxWidth, kRowTallBoxHeight,
                    x + kIdentFieldX, rowY(0), entered.text, kTriFont);
    if (blinkFirstHalf(unit.nav.blinkPhase)) return;
    const float offset = kCharWidth * static_cast<float>(std::strlen(entry.entryText));
    const char character[2] = {entry.entryChar, '\0'};
    canvas.fillRect(x + kIdentBoxX + offset, rowTallBoxY(0), kCharWidth, kRowTallBoxHeight, kBlack);
    drawCell(canvas, x + kIdentFieldX + offset, rowY(0), character, kTriFont);
}

// The reserve row, with the digit under the cursor inverse.
void drawReserveRow(const Unit& unit, Canvas& canvas, float x) {
    const int32_t field = unit.pages.tri.triDigitField;
    const CellText reserve = formatCell("RES:  %06.1f", unit.pages.tri.fuelReserve);
    drawCell(canvas, x, rowY(4), reserve.text, kTriFont);
    if (unit.page.leftCursorOn != 1 || field < kFirstDigitField || field > kLastDigitField) return;
    const char digit[2] = {reserve.text[field], '\0'};
    const auto boxX = static_cast<float>(static_cast<int32_t>(static_cast<float>(field) * 15.3f));
    drawInverseCell(canvas, x + 2.0f + boxX, rowTallBoxY(4), kCharWidth, kRowTallBoxHeight,
                    x + static_cast<float>(field) * 15.2f, rowY(4), digit, kTriFont);
}

void drawTrip(Unit& unit, Canvas& canvas, float x) {
    const NavState& nav = unit.nav;
    TriPageState& tri = unit.pages.tri;
    drawCell(canvas, x, rowY(0), "P.POS-", kTriFont);
    drawIdentField(unit, canvas, x);
    drawReserveRow(unit, canvas, x);
    if (!tripTargetSet(tri)) {
        drawCell(canvas, x, rowY(3), formatCell("FF:   %05.1f", tri.fuelFlow).text, kTriFont);
        const double required = std::min(tri.fuelRequired, kFuelRequiredShownMax);
        drawCell(canvas, x, rowY(5), formatCell("F REQ    %03.1f", required).text, kTriFont);
        return;
    }
    double distanceNm = 0.0;
    double bearingTrue = 0.0;
    greatCircle(nav.aircraft.presentLat, nav.aircraft.presentLon, tri.tripTargetLatitude,
                tri.tripTargetLongitude, distanceNm, bearingTrue);
    const double courseMag = toMagnetic(bearingTrue, nav.aircraft.magVar);
    drawCell(canvas, x, rowY(1), formatCell("%4.0fNM %03.0f\xB0", distanceNm, courseMag).text, kTriFont);
    drawCell(canvas, x, rowY(3), formatCell("FF:  %05.1f", tri.fuelFlow).text, kTriFont);

    // Too slow for a time: the fuel required keeps the value last worked out.
    const double groundSpeedKt = nav.aircraft.groundSpeedKt;
    if (!(groundSpeedKt > kSlowestGroundSpeedKt)) {
        drawCell(canvas, x, rowY(2), " ---KT  -:--", kTriFont);
        drawCell(canvas, x, rowY(5), "F REQ  ---.-", kTriFont);
        return;
    }
    const double hours = distanceNm / groundSpeedKt;
    tri.fuelRequired = hours * tri.fuelFlow + tri.fuelReserve;
    const HoursMinutes time = splitDurationMinutes(hours * 60.0, kTimeMaxHours);
    drawCell(canvas, x, rowY(2),
             formatCell("%3.0fKT %2d:%02d", nav.wind.trueAirspeedKt, time.hours, time.minutes).text,
             kTriFont);
    const double required = std::min(tri.fuelRequired, kFuelRequiredShownMax);
    drawCell(canvas, x, rowY(5), formatCell("F REQ %03.1f", required).text, kTriFont);
}

void drawStatusRow(const Unit& unit, Canvas& canvas, float x) {
    if (unit.page.leftCursorOn == 1) {
        drawStatusLabel(canvas, x, "", 1);
    } else {
        drawCell(canvas, x, kStatusRowY, formatCell("TRI %d", unit.pages.tri.triPage).text);
    }
    if (unit.page.leftCursorOn == 1 && unit.pages.fpl.confirmPending == 1) {
        drawCell(canvas, 100.0f, kStatusRowY, "ENR-LEG");
        drawFlashingCell(canvas, unit.nav.blinkPhase, 224.0f, 155.0f, 50.0f, 20.0f, 224.0f, kStatusRowY, "ENT");
    }
}

}  // namespace

void drawTriPage(Unit& unit, Host&, Canvas& canvas, float x) {
    handleEvents(unit);
    beginPage(canvas, unit.display);
    if (unit.pages.tri.triPage == 1) {
        drawTrip(unit, canvas, x);
    } else {
        drawEstimates(unit, canvas, x);
    }
    drawStatusRow(unit, canvas, x);
    endPage(canvas);
}
