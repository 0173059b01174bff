// CAL 1 to 3: the altitude, airspeed and wind calculators. They show what the navigation
// solution and the host report; the one value entered here is the barometric setting on
// CAL 1 and CAL 2 (cal_baro.cpp). The pressure altitude is read from the host on every draw.
//
// The density altitude is measured against the standard atmosphere's temperature at the
// pressure altitude, so it differs from the pressure altitude whenever the air is warmer or
// colder than standard.
#include "frame/aircraft_reads.h"
#include "frame/display.h"
#include "frame/unit.h"
#include "nav/air_data.h"
#include "nav/pages/cal_pages.h"
#include "nav/pages/oth_pages.h"

namespace {

constexpr float kColumn = 10.0f;

CellText temperatureRow(const Unit& unit) {
    return formatCell("TEMP:  %03.0fC", unit.nav.aircraft.temperatureC);
}

}  // namespace

void runCalAltitudePage(Unit& unit, Host& host, Canvas& canvas, float x) {
    const AircraftSnapshot& aircraft = unit.nav.aircraft;
    const float column = x + kColumn;
    const double pressureFt = pressureAltitudeFt(host);
    drawCell(canvas, column, rowY(0), "ALTITUDE");
    drawCell(canvas, column, rowY(1),
             formatCell("IND:%05.0fFT", aircraft.indicatedAltitudeFt).text);
    runBaroSettingRow(unit, host, canvas, x, 2);
    drawCell(canvas, column, rowY(3), formatCell("PRS:   %4.0f", pressureFt).text);
    drawCell(canvas, column, rowY(4), temperatureRow(unit).text);
    const double densityFt = densityAltitudeFt(pressureFt, aircraft.temperatureC);
    drawCell(canvas, column, rowY(5), formatCell("DEN %5.0fFT", densityFt).text);
}

void runCalAirspeedPage(Unit& unit, Host& host, Canvas& canvas, float x) {
    const AircraftSnapshot& aircraft = unit.nav.aircraft;
    const float column = x + kColumn;
    drawCell(canvas, column, rowY(0), "    TAS");
    drawCell(canvas, column, rowY(1),
             formatCell("CAS:  %03.0fKT", aircraft.calibratedAirspeedKt).text);
    drawCell(canvas, column, rowY(2), formatCell("ALT:%5.0fFT", aircraft.indicatedAltitudeFt).text);
    runBaroSettingRow(unit, host, canvas, x, 3);
    drawCell(canvas, column, rowY(4), temperatureRow(unit).text);
    // The navigation solution's estimate, not a figure worked out from the rows above.
    drawCell(canvas, column, rowY(5),
             formatCell("TAS   %3.0fKT", unit.nav.wind.trueAirspeedKt).text);
}

void runCalWindPage(Unit& unit, Host&, Canvas& canvas, float x) {
    const WindSolution& wind = unit.nav.wind;
    const float column = x + kColumn;
    drawCell(canvas, column, rowY(0), "   WIND");
    drawCell(canvas, column, rowY(1), formatCell("TAS   %03.0fKT", wind.trueAirspeedKt).text);
    drawCell(canvas, column, rowY(2),
             formatCell("HDG    %03.0f\xB0", unit.nav.aircraft.headingMag).text);
    drawCell(canvas, column, rowY(3), windComponentText(wind.headwindKt).text);
    drawCell(canvas, column, rowY(4), formatCell("WIND  %03.0f\xB0t", wind.windDirMag).text);
    drawCell(canvas, column, rowY(5), formatCell("      %3.0fKT", wind.windSpeedKt).text);
}
