// D/T 4, the clock page: the route's first waypoint, the departure time, UTC, the arrival
// at the final waypoint, the flight time since departure and the ETE to the final waypoint.
// Without an active route only UTC is shown.
#include <cmath>

#include "fpl/pages/dt_pages.h"
#include "frame/unit.h"
#include "nav/angles.h"
#include "nav/geodesy.h"

namespace {

constexpr double kMinutesPerDay = 24.0 * 60.0;

void drawRow(Canvas& canvas, float x, int row, const char* text) {
    drawCell(canvas, x, rowY(row), text, kDtFont);
}

HoursMinutes clockTime(double hours, double minutes) { return splitWholeMinutes(hours * 60.0 + minutes); }

void drawWithoutRoute(const Unit& unit, Canvas& canvas, float x) {
    const HoursMinutes utc = clockTime(unit.nav.aircraft.zuluHour, unit.nav.aircraft.zuluMinute);
    drawRow(canvas, x, 0, "  ----  UTC:");
    drawRow(canvas, x, 1, "DEP:  --:--");
    drawRow(canvas, x, 2, formatCell("TIME: %02d:%02d", utc.hours, utc.minutes).text);
    drawRow(canvas, x, 3, "ETA:  --:--");
    drawRow(canvas, x, 4, "FLT:   -:--");
    drawRow(canvas, x, 5, "ETE:   -:--");
}

void drawWithRoute(const Unit& unit, Canvas& canvas, float x, int32_t last) {
    const NavState& nav = unit.nav;
    const AircraftSnapshot& aircraft = nav.aircraft;
    const PlanWaypoint* route = unit.fpl.activeRoute.waypoints;
    drawRow(canvas, x, 0, formatCell("  %s  UTC", route[0].ident).text);

    // The departure hour is negative until the flight timer has caught the take-off.
    const bool departed = nav.departureHour >= 0.0;
    const HoursMinutes departure = clockTime(nav.departureHour, nav.departureMinute);
    drawRow(canvas, x, 1,
            departed ? formatCell("DEP:  %02d:%02d", departure.hours, departure.minutes).text : "DEP:  --:--");

    const HoursMinutes utc = clockTime(aircraft.zuluHour, aircraft.zuluMinute);
    drawRow(canvas, x, 2, formatCell("TIME:  %02d:%02d", utc.hours, utc.minutes).text);

    double distanceNm = 0.0;
    double bearingTrue = 0.0;
    greatCircle(aircraft.presentLat, aircraft.presentLon, route[last].latitude, route[last].longitude, distanceNm,
                bearingTrue);
    HoursMinutes eta;
    drawRow(canvas, x, 3,
            etaOf(unit, distanceNm, eta) ? formatCell("ETA:   %2d:%02d", eta.hours, eta.minutes).text : "ETA:  --:--");

    // The flight time runs on past midnight: UTC minus departure, within one day.
    const double flightMinutes = floorMod((aircraft.zuluHour - nav.departureHour) * 60.0 +
                                              (aircraft.zuluMinute - nav.departureMinute),
                                          kMinutesPerDay);
    const HoursMinutes flight = splitWholeMinutes(flightMinutes);
    drawRow(canvas, x, 4,
            departed ? formatCell("FLT:   %2d:%02d", flight.hours, flight.minutes).text : "FLT:   -:--");

    HoursMinutes ete;
    drawRow(canvas, x, 5,
            eteOf(unit, distanceNm, ete) ? formatCell("ETE:   %2d:%02d", ete.hours, ete.minutes).text : "ETE:    -:--");
}

}  // namespace

void drawDtClock(const Unit& unit, Canvas& canvas, float x) {
    const int32_t last = unit.fpl.activeLastIndex;
    if (unit.nav.leg.activeToIndex == kNoActiveRoute || last < 0 || last >= kPlanWaypointCount) {
        drawWithoutRoute(unit, canvas, x);
    } else {
        drawWithRoute(unit, canvas, x, last);
    }
}
