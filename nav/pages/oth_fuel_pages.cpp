// OTH 5 to 8: the fuel pages. Fuel on board and the fuel flows are read from the host on
// every draw; the fuel required and the reserve are the TRI pages' figures. Pounds and
// pounds per hour throughout.
#include <algorithm>
#include <cmath>

#include "fpl/pages/trip_fuel.h"
#include "frame/aircraft_reads.h"
#include "frame/display.h"
#include "frame/numbers.h"
#include "frame/unit.h"
#include "nav/pages/oth_pages.h"

namespace {

constexpr float kTextColumn = 10.0f;
constexpr int32_t kEnduranceMaxHours = 99;

void drawRow(Canvas& canvas, float x, int row, const char* text) {
    drawCell(canvas, x + kTextColumn, rowY(row), text);
}

// The final waypoint of FPL 0, or null without a route.
const PlanWaypoint* routeDestination(const Unit& unit) {
    const int32_t last = unit.fpl.activeLastIndex;
    if (last < 0 || last >= kPlanWaypointCount) return nullptr;
    const PlanWaypoint& waypoint = unit.fpl.activeRoute.waypoints[last];
    return waypoint.ident[0] != '\0' ? &waypoint : nullptr;
}

// The arrow before the destination while it is the waypoint flown to.
void drawToArrow(Canvas& canvas, float x) {
    const PointF triangle[3] = {{x + 7.0f, 4.0f}, {x + 15.0f, 12.0f}, {x + 7.0f, 20.0f}};
    canvas.fillPolygon(triangle, 3, kGreen);
    canvas.drawLine(x - 9.0f, 12.0f, x + 15.0f, 12.0f, kGreen, 1.0f);
}

void drawFuelBalance(const Unit& unit, Host& host, Canvas& canvas, float x) {
    const TriPageState& trip = unit.pages.tri;
    const PlanWaypoint* destination = routeDestination(unit);
    if (destination != nullptr) {
        drawRow(canvas, x, 0, formatCell("%s     LB", destination->ident).text);
        if (unit.nav.leg.activeToIndex == unit.fpl.activeLastIndex) drawToArrow(canvas, x);
    } else {
        drawRow(canvas, x, 0, "----     LB");
    }
    const double onBoardLb = fuelOnBoardLb(host);
    drawRow(canvas, x, 1, formatCell("FOB   %5.0f", onBoardLb).text);
    drawRow(canvas, x, 2, formatCell("REQD   %4.0f", trip.fuelRequired).text);
    drawRow(canvas, x, 3, formatCell("L FOB %5.0f", onBoardLb - trip.fuelRequired).text);
    drawRow(canvas, x, 4, formatCell("RES:  %05.0f", trip.fuelReserve).text);
    drawRow(canvas, x, 5,
            formatCell("EXTRA %5.0f", onBoardLb - trip.fuelRequired - trip.fuelReserve).text);
    if (unit.page.leftCursorOn == 1) {
        drawReserveDigitCursor(canvas, x, rowY(4), trip.fuelReserve, unit.pages.oth.othDigit);
    }
}

// Hours the fuel above the reserve lasts at the planned fuel flow; 0 without a trip
// waypoint, and never below 0 when the fuel on board is already under the reserve.
double enduranceHours(const Unit& unit, double onBoardLb) {
    const TriPageState& trip = unit.pages.tri;
    if (!tripTargetSet(trip) || !(trip.fuelFlow > 0.0)) return 0.0;
    const double hours = (onBoardLb - trip.fuelReserve) / trip.fuelFlow;
    return hours > 0.0 ? hours : 0.0;
}

void drawEndurance(const Unit& unit, Host& host, Canvas& canvas, float x) {
    const TriPageState& trip = unit.pages.tri;
    const double groundSpeedKt = std::max(unit.nav.aircraft.groundSpeedKt, 0.0);
    const double hours = enduranceHours(unit, fuelOnBoardLb(host));
    const HoursMinutes endurance = splitDurationMinutes(hours * 60.0, kEnduranceMaxHours);
    drawRow(canvas, x, 0, "FUEL DATA");
    drawRow(canvas, x, 2, formatCell("ENDUR %02d:%02d", endurance.hours, endurance.minutes).text);
    drawRow(canvas, x, 3, formatCell("RANGE  %4.0f", groundSpeedKt * hours).text);
    // Without fuel flowing there are no miles per pound to show.
    const double flowPph = totalFuelFlowPph(host);
    const bool flowing = flowPph > 0.0 && std::isfinite(groundSpeedKt / flowPph);
    drawRow(canvas, x, 4,
            flowing ? formatCell("NM/LB   %3.1f", groundSpeedKt / flowPph).text : "NM/LB   -.-");
    drawRow(canvas, x, 5, formatCell("RES:  %05.0f", trip.fuelReserve).text);
    if (unit.page.leftCursorOn == 1) {
        drawReserveDigitCursor(canvas, x, rowY(5), trip.fuelReserve, unit.pages.oth.othDigit);
    }
}

// An engine's flow row, left out when the engine reports no flow of either kind.
void drawEngineFlow(Host& host, Canvas& canvas, float x, int engine) {
    const double flowPph = engineFuelFlowPph(host, engine);
    if (flowPph > 0.0) drawRow(canvas, x, 2 + engine, formatCell("ENG %d %4.0f", engine, flowPph).text);
}

void drawEngineUsed(Canvas& canvas, float x, int engine, double usedLb) {
    drawRow(canvas, x, 2 + engine,
            usedLb > 0.0 ? formatCell("ENG %d %4.0f", engine, usedLb).text
                         : formatCell("ENG %d ----", engine).text);
}

}  // namespace

void drawOthFuelPage(const Unit& unit, Host& host, Canvas& canvas, float x) {
    switch (unit.pages.oth.othPage) {
        case 5: drawFuelBalance(unit, host, canvas, x); break;
        case 6: drawEndurance(unit, host, canvas, x); break;
        case 7:
            drawRow(canvas, x, 0, "FUEL FLOW");
            drawRow(canvas, x, 2, "     LB/HR");
            drawEngineFlow(host, canvas, x, 1);
            drawEngineFlow(host, canvas, x, 2);
            break;
        default:
            drawRow(canvas, x, 0, "FUEL USED");
            drawRow(canvas, x, 2, "     LBS");
            drawEngineUsed(canvas, x, 1, unit.nav.aircraft.fuelUsed1);
            drawEngineUsed(canvas, x, 2, unit.nav.aircraft.fuelUsed2);
            break;
    }
}
