// NAV 4: vertical navigation. The status row counts down to the start of descent while
// the cursor is on the angle field; below it the indicated altitude, the selected altitude,
// the offset at the TO waypoint and the planned angle, each field marked in inverse while
// the cursor is on it.
//
// The descent starts the distance before the TO waypoint that the planned vertical speed
// needs, at the planned ground speed, to lose the height down to the selected altitude.
#include <cmath>
#include <cstring>

#include "frame/display.h"
#include "frame/unit.h"
#include "nav/pages/nav_pages.h"
#include "nav/vnav.h"

namespace {

constexpr float kColumn = 5.0f;
constexpr int32_t kTenthsInTenMinutes = 100;

CellText vnavStatus(const Unit& unit, const NavLegView& leg, bool onAngleField) {
    const VnavState& vnav = unit.vnav;
    const AircraftSnapshot& aircraft = unit.nav.aircraft;
    double descentNm = 0.0;
    if (!onAngleField || !leg.hasLeg || !std::isfinite(leg.distanceNm) ||
        !descentDistanceNm(aircraft.indicatedAltitudeFt, vnav.vnavTargetAltitude,
                           vnav.vnavVerticalSpeed, vnav.vnavGroundSpeed, descentNm)) {
        return formatCell("VNV INACTV");
    }
    double minutes = 0.0;
    // An aircraft that does not move never reaches the point: armed, with no time to show.
    if (!minutesToDescent(leg.distanceNm, descentNm, aircraft.groundSpeedKt, minutes)) {
        return formatCell("VNV ARMED");
    }
    // Whole minutes and tenths, rounded once; past the point the time is negative and the
    // status shows armed again.
    if (!(minutes > -1.0 && minutes < 10.0)) return formatCell("VNV ARMED");
    const long tenths = std::lround(minutes * 10.0);
    if (tenths < 0 || tenths >= kTenthsInTenMinutes) return formatCell("VNV ARMED");
    return formatCell("VNV IN%02ld:%02ld", tenths / 10, tenths % 10);
}

// The planned angle row. Away from the angle field, with a route, the angle follows the
// planned vertical and ground speeds; otherwise the last angle stays.
CellText angleRow(Unit& unit, bool onAngleField) {
    VnavState& vnav = unit.vnav;
    bool defined = std::isfinite(vnav.vnavAngle);
    if (!onAngleField && unit.nav.leg.activeToIndex != kNoActiveRoute) {
        defined = vnavAngleFor(vnav.vnavVerticalSpeed, vnav.vnavGroundSpeed, vnav.vnavAngle);
    }
    // The blank keeps the tenths in the same column as a minus sign would.
    const char* sign = vnav.vnavAngleEntry < 0.0 ? "" : " ";
    return defined ? formatCell("ANGLE:%s%1.1f\xB0", sign, vnav.vnavAngle)
                   : formatCell("ANGLE:%s-.-\xB0", sign);
}

// The cursor cell over one character of a row's text.
void drawFieldCell(Canvas& canvas, float boxX, int row, const char* text, size_t index) {
    const char character[2] = {index < std::strlen(text) ? text[index] : ' ', '\0'};
    drawInverseCell(canvas, boxX, rowTallBoxY(row), kCharWidth, kRowTallBoxHeight, boxX, rowY(row),
                    character, kFont28);
}

}  // namespace

void drawNav4Page(Unit& unit, Canvas& canvas, float x, const NavLegView& leg, int32_t cursorOn) {
    const VnavState& vnav = unit.vnav;
    const int32_t field = cursorOn == 1 ? unit.pages.nav.vnavField : 0;
    const float column = x + kColumn;
    drawCell(canvas, column, rowY(0), vnavStatus(unit, leg, field == 3).text, kFont28);

    const double altitude = unit.nav.aircraft.indicatedAltitudeFt;
    const CellText indicated = std::isfinite(altitude) ? formatCell("IND %5.0fFT", altitude)
                                                       : formatCell("IND -----FT");
    drawCell(canvas, column, rowY(2), indicated.text, kFont28);

    const CellText selected = formatCell("SEL: %05.0f", vnav.vnavTargetAltitude);
    drawCell(canvas, column, rowY(3), selected.text, kFont28);
    if (field == 1) drawFieldCell(canvas, x + 98.0f, 3, selected.text, 6);

    if (leg.hasLeg) {
        const CellText offset = formatCell("%-5s:%02.0fNM", leg.toIdent, vnav.vnavOffsetNm);
        drawCell(canvas, column, rowY(4), offset.text, kFont28);
        if (field == 2) drawFieldCell(canvas, x + 114.0f, 4, offset.text, 7);
    }

    const CellText angle = angleRow(unit, field == 3);
    drawCell(canvas, column, rowY(5), angle.text, kFont28);
    if (field == 3) drawFieldCell(canvas, x + 142.0f, 5, angle.text, 9);
}
