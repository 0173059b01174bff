// The ACT page (right page group 12): the waypoint the active route flies to, with its
// number in the route, identifier, type letter, frequency and position; with no active
// route, the aircraft's present position. The page takes no input.
#include "frame/display.h"
#include "frame/pages/page_table.h"
#include "frame/unit.h"
#include "navdb/coordinates.h"

namespace {

constexpr float kIdentColumn = 5.0f;
constexpr float kPositionColumn = 10.0f;
constexpr float kTitleColumn = 100.0f;
constexpr int kIdentRow = 0;
constexpr int kFrequencyRow = 3;
constexpr int kLatitudeRow = 4;
constexpr int kLongitudeRow = 5;

// The active route's TO waypoint, or null when no route is active. An index that lies
// outside the route (a route shortened under it) counts as no route, so the page never
// reads past the waypoints that are there.
const PlanWaypoint* activeWaypoint(const Unit& unit) {
    const int32_t to = unit.nav.leg.activeToIndex;
    if (to == kNoActiveRoute || to < 0 || to > unit.fpl.activeLastIndex ||
        to >= kPlanWaypointCount) {
        return nullptr;
    }
    return &unit.fpl.activeRoute.waypoints[to];
}

// The arrow in front of the number: a filled triangle pointing right on a line.
void drawActiveArrow(Canvas& canvas, float x) {
    const PointF triangle[3] = {{x + 15.0f, 4.0f}, {x + 23.0f, 12.0f}, {x + 15.0f, 20.0f}};
    canvas.fillPolygon(triangle, 3, kGreen);
    canvas.drawLine(x + 9.0f, 12.0f, x + 23.0f, 12.0f, kGreen, 1.0f);
}

void drawWaypointRows(Canvas& canvas, float x, int32_t index, const PlanWaypoint& waypoint) {
    const char typeLetter[2] = {waypoint.type[0], '\0'};
    drawCell(canvas, x + kIdentColumn, rowY(kIdentRow),
             formatCell(" %2d %5s %s", index + 1, waypoint.ident, typeLetter).text);
    drawActiveArrow(canvas, x);
    drawCell(canvas, x + kIdentColumn, rowY(kFrequencyRow),
             formatCell("%s", waypoint.frequency).text);
}

}  // namespace

void drawActPage(Unit& unit, Host&, Canvas& canvas, float x) {
    beginPage(canvas, unit.display);
    double latitude = unit.nav.aircraft.presentLat;
    double longitude = unit.nav.aircraft.presentLon;
    if (const PlanWaypoint* waypoint = activeWaypoint(unit)) {
        drawWaypointRows(canvas, x, unit.nav.leg.activeToIndex, *waypoint);
        latitude = waypoint->latitude;
        longitude = waypoint->longitude;
    }
    // The rows carry the rounding into minutes and degrees (45.99999 shows 46 00.00).
    char row[kPositionRowSize];
    FormatLatitudeRow(latitude, row);
    drawCell(canvas, x + kPositionColumn, rowY(kLatitudeRow), row);
    FormatLongitudeRow(longitude, row);
    drawCell(canvas, x + kPositionColumn, rowY(kLongitudeRow), row);
    drawCell(canvas, x + kTitleColumn, kStatusRowY, "ACT 1");
    endPage(canvas);
}
