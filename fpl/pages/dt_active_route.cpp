// D/T 1 to D/T 3 while the left side shows anything but the FPL page: the active waypoint
// of FPL 0 and its final waypoint as seen from the aircraft, each with its number and
// identifier, the direct distance to it, and its ETE (D/T 1), arrival time (D/T 2) or
// desired track (D/T 3). Below 30 kt, or with no route active, every row shows dashes.
#include <cmath>

#include "fpl/pages/dt_pages.h"
#include "frame/unit.h"
#include "nav/geodesy.h"

namespace {

// The dash rows from the top, per page.
const char* const kDashRows[3][6] = {
    {"    -- -----", "DIS   ----NM", "ETE:    -:--", "  -- -----", "DIS   ----NM", "ETE:    -:--"},
    {"   -- -----", "DIS   ----NM", "     -:--UTC", "  -- -----", "DIS   ----NM", "     -:--UTC"},
    {"   -- -----", "DIS   ----NM", "DTK     ---\xB0", "  -- -----", "DIS   ----NM", "DTK     ---\xB0"},
};

// One of the two waypoints the page shows, seen from the aircraft.
struct SeenWaypoint {
    int32_t index;
    const PlanWaypoint* waypoint;
    double distanceNm;
    double bearingTrue;
};

SeenWaypoint see(const Unit& unit, int32_t index) {
    const PlanWaypoint& waypoint = unit.fpl.activeRoute.waypoints[index];
    SeenWaypoint seen{index, &waypoint, 0.0, 0.0};
    greatCircle(unit.nav.aircraft.presentLat, unit.nav.aircraft.presentLon, waypoint.latitude, waypoint.longitude,
                seen.distanceNm, seen.bearingTrue);
    return seen;
}

// The time or track row of a waypoint; dashes stand for a value that cannot be worked out.
CellText timeRow(const Unit& unit, int32_t page, const SeenWaypoint& seen) {
    if (page == 1) {
        HoursMinutes ete;
        if (eteOf(unit, seen.distanceNm, ete)) return formatCell("ETE:    %d:%02d", ete.hours, ete.minutes);
    } else if (page == 2) {
        HoursMinutes eta;
        if (etaOf(unit, seen.distanceNm, eta)) return formatCell("    %d:%02dUTC", eta.hours, eta.minutes);
    } else {
        double dtk = 0.0;
        if (dtkOf(unit, seen.bearingTrue, dtk)) return formatCell("DTK     %03.0f\xB0", dtk);
    }
    return formatCell("%s", kDashRows[page - 1][2]);
}

void drawRows(const Unit& unit, Canvas& canvas, float x, int32_t page, const SeenWaypoint& seen, int firstRow,
              float identX) {
    drawCell(canvas, identX, rowY(firstRow), formatCell(" %2d %5s", seen.index + 1, seen.waypoint->ident).text,
             kDtFont);
    drawCell(canvas, x, rowY(firstRow + 1), formatCell("DIS   %4.0fNM", seen.distanceNm).text, kDtFont);
    drawCell(canvas, x, rowY(firstRow + 2), timeRow(unit, page, seen).text, kDtFont);
}

// The arrow beside the active waypoint: a filled triangle on the row's middle and its shaft.
void drawActiveArrow(Canvas& canvas, float x) {
    const PointF triangle[3] = {{x + 25.0f, 4.0f}, {x + 33.0f, 12.0f}, {x + 25.0f, 20.0f}};
    canvas.fillPolygon(triangle, 3, kGreen);
    canvas.drawLine(x + 19.0f, 12.0f, x + 33.0f, 12.0f, kGreen, 1.0f);
}

}  // namespace

void drawDtActiveRoute(const Unit& unit, Canvas& canvas, float x, int32_t page) {
    const int32_t to = unit.nav.leg.activeToIndex;
    const int32_t last = unit.fpl.activeLastIndex;
    const bool routeShown = to != kNoActiveRoute && to >= 0 && last >= to && last < kPlanWaypointCount;
    if (routeShown && dtTimesShown(unit)) {
        const SeenWaypoint active = see(unit, to);
        const SeenWaypoint finalWaypoint = see(unit, last);
        if (std::isfinite(active.distanceNm) && std::isfinite(finalWaypoint.distanceNm)) {
            drawRows(unit, canvas, x, page, active, 0, x + 5.0f);
            drawActiveArrow(canvas, x);
            drawRows(unit, canvas, x, page, finalWaypoint, 3, x + 15.0f);
            return;
        }
    }
    for (int row = 0; row < 6; ++row) drawCell(canvas, x, rowY(row), kDashRows[page - 1][row], kDtFont);
}
