// The APT page group: one airport on the right page over four pages. APT 1 shows the
// name and either the position or, in nearest mode, the runway length, bearing and
// distance; APT 2 the elevation and facilities; APT 3 the runways (apt_runways.cpp);
// APT 4 the frequencies (apt_frequencies.cpp).
#include <cstring>

#include "base/knob_step.h"
#include "frame/display.h"
#include "frame/pages/page_table.h"
#include "frame/unit.h"
#include "navdb/ident_entry.h"
#include "navdb/nearest.h"
#include "navdb/pages/apt_pages.h"
#include "navdb/pages/waypoint_pages.h"

namespace {

constexpr double kAirportSearchStepNm = 1.0;
constexpr int32_t kAptPageCount = 4;

AirportRecord& currentAirport(Unit& unit) {
    return unit.db.airports[static_cast<size_t>(unit.db.currentAirport)];
}

NearestStepping airportStepping(Unit& unit) {
    AptPageState& pages = unit.pages.apt;
    return {pages.aptNearestMode, pages.aptNearestPos, unit.db.currentAirport,
            unit.db.nearestAirports, unit.db.airportCount};
}

// The airport search runs once the aircraft has moved more than 1 NM; a cursor left on
// nearest airport 1 then follows the new nearest airport.
void updateNearestAirportsWhenMoved(Unit& unit) {
    const NearestList& list = unit.db.nearestAirports;
    if (!nearestSearchDue(unit, list, kAirportSearchStepNm)) return;
    UpdateNearestAirports(unit);
    const AptPageState& pages = unit.pages.apt;
    if (unit.page.rightCursorOn == 1 && pages.aptNearestMode == 1 && pages.aptNearestPos == 1 &&
        filledNearestPlaces(list, unit.db.airportCount) >= 1) {
        unit.db.currentAirport = list.slots[1].recordIndex;
    }
}

// Inner knob pushed in, cursor off: page steps, with the APT 3 runway list in between.
void stepAptPageUp(Unit& unit) {
    AptPageState& pages = unit.pages.apt;
    if (pages.aptPage == 3) {
        AirportRecord& airport = currentAirport(unit);
        prepareRunwayPairs(airport, unit.nav.aircraft.magVar);
        if (runwayListContinues(airport, pages.runwayListOffset)) {
            pages.runwayListOffset = pages.runwayListOffset == 0 ? 1 : pages.runwayListOffset + 2;
            return;
        }
    }
    pages.aptPage = knobStep(pages.aptPage, KnobTurn::Up, 1, kAptPageCount, KnobEnd::Wrap);
    if (pages.aptPage == 3) pages.runwayListOffset = 0;
}

void stepAptPageDown(Unit& unit) {
    AptPageState& pages = unit.pages.apt;
    if (pages.aptPage == 3 && pages.runwayListOffset >= 1) {
        --pages.runwayListOffset;
        return;
    }
    pages.aptPage = knobStep(pages.aptPage, KnobTurn::Down, 1, kAptPageCount, KnobEnd::Wrap);
    if (pages.aptPage == 3) pages.runwayListOffset = 0;
}

void handleAptEvents(Unit& unit) {
    ControlEvents& events = unit.events;
    PageState& page = unit.page;
    AptPageState& pages = unit.pages.apt;
    const bool knobPushedIn = page.rightInnerKnobState == 1;

    if (take(events.evtRightCrsr)) {
        if (knobPushedIn) {
            if (page.rightCursorOn == 1) {
                page.rightCursorOn = 0;
                pages.aptFollowsNearest = 0;
            } else if (pages.aptNearestMode == 1 && pages.aptNearestPos == 1) {
                page.rightCursorOn = 1;
                pages.aptFollowsNearest = 1;
            } else {
                startIdentEntry(unit, kTypeAirport);
                pages.aptFollowsNearest = 0;
            }
        }
    }

    if (knobPushedIn && page.rightCursorOn == 1) {
        // The knobs enter the identifier; while the cursor only follows nearest airport 1
        // there is no entry to change, so they do nothing.
        const bool innerUp = take(events.evtRightInnerUp);
        const bool innerDown = take(events.evtRightInnerDown);
        const bool outerUp = take(events.evtRightOuterUp);
        const bool outerDown = take(events.evtRightOuterDown);
        if (pages.aptFollowsNearest == 0) {
            if (innerUp) identEntryNextChar(unit, kTypeAirport);
            if (innerDown) identEntryPreviousChar(unit, kTypeAirport);
            if (outerUp) identEntryCursorRight(unit, kTypeAirport);
            if (outerDown) identEntryCursorLeft(unit, kTypeAirport);
        }
        return;
    }

    if (take(events.evtRightInnerUp)) {
        if (knobPushedIn) {
            stepAptPageUp(unit);
        } else {
            stepNearestUp(airportStepping(unit));
        }
    }
    if (take(events.evtRightInnerDown)) {
        if (knobPushedIn) {
            stepAptPageDown(unit);
        } else {
            stepNearestDown(airportStepping(unit));
        }
    }
}

// A small arrow before the identifier when the airport is the active route's waypoint.
void drawActiveMark(Unit& unit, Canvas& canvas, float pageX, const AirportRecord& airport) {
    const int32_t to = unit.nav.leg.activeToIndex;
    if (to == kNoActiveRoute || to < 0 || to >= kPlanWaypointCount) return;
    const PlanWaypoint& waypoint = unit.fpl.activeRoute.waypoints[to];
    if (waypoint.ident[0] == '\0' ||
        std::strncmp(waypoint.ident, airport.ident, sizeof waypoint.ident) != 0) {
        return;
    }
    const PointF triangle[3] = {
        {pageX + 8.0f, 7.0f}, {pageX + 14.0f, 13.0f}, {pageX + 8.0f, 19.0f}};
    canvas.drawLine(pageX + 2.0f, 13.0f, pageX + 8.0f, 13.0f, kGreen, 1.0f);
    canvas.fillPolygon(triangle, 3, kGreen);
}

void drawApt1(Unit& unit, Canvas& canvas, float pageX, const AirportRecord& airport) {
    drawNameRows(canvas, pageX, airport.name);
    if (unit.pages.apt.aptNearestMode == 1 && airport.nearestRank >= 1) {
        const CellText cell = formatCell("  %5d'---", airport.longestRunwayFeet);
        drawCell(canvas, pageX + 10.0f, rowY(3), cell.text);
        drawBearingDistanceRows(unit, canvas, pageX, airport.latitude, airport.longitude);
    } else {
        drawPositionRows(canvas, pageX, airport.latitude, airport.longitude);
    }
}

void drawApt2(Unit& unit, Canvas& canvas, float pageX, AirportRecord& airport) {
    // The facility marks come from the information file, so it is read here too: a
    // pilot reading APT 2 first would otherwise see no ILS at an airport that has one.
    loadAirportInfoOnce(unit);
    CellText cell = formatCell("ELV %5sFT", airport.elevation);
    drawCell(canvas, pageX + 3.0f, rowY(2), cell.text);
    const char* facility = airport.rdr == 1 ? "(R)" : airport.ils == 1 ? "ILS" : "";
    cell = formatCell("%3s     %3s", facility, "");
    drawCell(canvas, pageX + 3.0f, rowY(4), cell.text);
}

}  // namespace

void drawAptPage(Unit& unit, Host&, Canvas& canvas, float x) {
    beginPage(canvas, unit.display);
    NavDbState& db = unit.db;
    if (db.airportCount < 1) {
        drawNoDataPage(unit, canvas, x, " APT DATA", pageLabel(PG_APT));
        endPage(canvas);
        return;
    }
    AptPageState& pages = unit.pages.apt;
    if (unit.page.rightCursorOn == 0) pages.aptFollowsNearest = 0;
    if (pages.aptPage < 1 || pages.aptPage > kAptPageCount) pages.aptPage = 1;
    keepCurrentInTable(db.currentAirport, db.airportCount);

    updateNearestAirportsWhenMoved(unit);
    handleAptEvents(unit);
    keepCurrentInTable(db.currentAirport, db.airportCount);

    AirportRecord& airport = currentAirport(unit);
    drawActiveMark(unit, canvas, x, airport);
    const int32_t entryShown = unit.page.rightCursorOn == 1 && pages.aptFollowsNearest == 0;
    drawIdentRow(unit, canvas, x, airport.ident, entryShown);
    if (pages.aptNearestMode == 1 && airport.nearestRank >= 1) {
        drawNearestRank(unit, canvas, x, airport.nearestRank);
    }

    const char* label = "APT 1";
    switch (pages.aptPage) {
        case 1:
            drawApt1(unit, canvas, x, airport);
            break;
        case 2:
            drawApt2(unit, canvas, x, airport);
            label = "APT 2";
            break;
        case 3:
            label = drawApt3(unit, canvas, x, airport);
            break;
        default:
            drawApt4(unit, canvas, x, airport);
            label = "APT 4";
            break;
    }
    drawStatusLabel(canvas, x, label, unit.page.rightCursorOn);
    endPage(canvas);
}
