// SET 1: the unit's initial position, which is the present position, with the ground
// speed and the track over the ground the navigation solution keeps.
#include "fpl/pages/set_pages.h"
#include "frame/display.h"
#include "frame/unit.h"
#include "nav/angles.h"
#include "navdb/coordinates.h"

namespace {

constexpr float kColumn = 10.0f;

}  // namespace

void runSetPositionPage(Unit& unit, Host&, Canvas& canvas, float x) {
    const AircraftSnapshot& aircraft = unit.nav.aircraft;
    drawCell(canvas, x + kColumn, rowY(0), "INIT POSN");
    drawCell(canvas, x + kColumn, rowY(1), "WPT:");
    char row[kPositionRowSize];
    FormatLatitudeRow(aircraft.presentLat, row);
    drawCell(canvas, x + kColumn, rowY(2), row);
    FormatLongitudeRow(aircraft.presentLon, row);
    drawCell(canvas, x + kColumn, rowY(3), row);
    // The track is shown as a course: north reads 360, never 000 or a negative angle.
    const double trackDeg = raiseBelow(wrap360(unit.nav.wind.trackMag), 0.5);
    const CellText motion = formatCell("%3.0f KT %03.0f\xB0", aircraft.groundSpeedKt, trackDeg);
    drawCell(canvas, x + kColumn, rowY(4), motion.text);
}
