// NAV 2: the present position as a radial and distance from the nearest VOR, and as
// latitude and longitude. The nearest-VOR search runs again once the aircraft is more than
// 5 NM from where it last ran.
#include <cmath>

#include "frame/display.h"
#include "frame/unit.h"
#include "nav/geodesy.h"
#include "nav/pages/nav_pages.h"
#include "navdb/coordinates.h"
#include "navdb/nearest.h"
#include "navdb/pages/waypoint_pages.h"

namespace {

constexpr double kVorSearchStepNm = 5.0;

void drawReferenceVorRows(const Unit& unit, Canvas& canvas, float x) {
    const WaypointRecord& vor = unit.db.nearestVors.slots[1];
    const AircraftSnapshot& aircraft = unit.nav.aircraft;
    double distanceNm = 0.0;
    double bearingTrue = 0.0;
    greatCircle(vor.latitude, vor.longitude, aircraft.presentLat, aircraft.presentLon, distanceNm,
                bearingTrue);
    const double radialMag = toMagnetic(bearingTrue, aircraft.magVar);
    const bool shown = vor.recordIndex != 0 && std::isfinite(distanceNm) &&
                       std::isfinite(radialMag);
    if (shown) {
        drawCell(canvas, x + 10.0f, rowY(2),
                 formatCell("%3s %03.0f\xB0"
                            "FR",
                            vor.ident, radialMag)
                     .text,
                 kFont28);
        drawCell(canvas, x + 10.0f, rowY(3), formatCell("  %4.1fNM", distanceNm).text, kFont28);
    } else {
        drawCell(canvas, x + 10.0f, rowY(2),
                 "--- ---\xB0"
                 "FR",
                 kFont28);
        drawCell(canvas, x + 10.0f, rowY(3), "  ---- -NM", kFont28);
    }
}

}  // namespace

void drawNav2Page(Unit& unit, Canvas& canvas, float x) {
    if (nearestSearchDue(unit, unit.db.nearestVors, kVorSearchStepNm)) UpdateNearestVors(unit);
    drawCell(canvas, x + 10.0f, rowY(0), "PRESENT POS", kFont28);
    drawReferenceVorRows(unit, canvas, x);
    char row[kPositionRowSize];
    FormatLatitudeRow(unit.nav.aircraft.presentLat, row);
    drawCell(canvas, x + 10.0f, rowY(4), row, kFont28);
    FormatLongitudeRow(unit.nav.aircraft.presentLon, row);
    drawCell(canvas, x + 10.0f, rowY(5), row, kFont28);
}
