// OTH 9 and 10: the air data pages. True airspeed, Mach and the wind come from the
// navigation solution; the total air temperature and the pressure altitude are read from
// the host on every draw.
#include <cmath>

#include "frame/aircraft_reads.h"
#include "frame/display.h"
#include "frame/unit.h"
#include "nav/air_data.h"
#include "nav/pages/oth_pages.h"

CellText windComponentText(double headwindKt) {
    if (!(std::fabs(headwindKt) >= 0.5)) return formatCell("---       ");
    return formatCell(headwindKt > 0.0 ? "HDWND %03.0fKT" : "TLWND %03.0fKT", headwindKt);
}

namespace {

// Below Mach 0.995 the number shows in hundredths after the point; from there on it would
// read ".100", so it shows with its whole part.
CellText machText(double machNumber) {
    if (machNumber * 100.0 < 99.5) return formatCell("MACH    .%02.0f", machNumber * 100.0);
    return formatCell("MACH   %4.2f", machNumber);
}

void drawSpeedsAndWind(const Unit& unit, Canvas& canvas, float x) {
    const WindSolution& wind = unit.nav.wind;
    const float column = x + 10.0f;
    drawCell(canvas, column, rowY(0), "AIR DATA");
    drawCell(canvas, column, rowY(1), formatCell("TAS   %3.0fKT", wind.trueAirspeedKt).text);
    drawCell(canvas, column, rowY(2), machText(unit.nav.aircraft.machNumber).text);
    drawCell(canvas, column, rowY(3), windComponentText(wind.headwindKt).text);
    drawCell(canvas, column, rowY(4), formatCell("WIND  %03.0f\xB0t", wind.windDirMag).text);
    drawCell(canvas, column, rowY(5), formatCell("      %3.0fKT", wind.windSpeedKt).text);
}

void drawTemperaturesAndAltitudes(const Unit& unit, Host& host, Canvas& canvas, float x) {
    const double outsideC = unit.nav.aircraft.temperatureC;
    const double pressureFt = pressureAltitudeFt(host);
    drawCell(canvas, x, rowY(0), "AIR DATA");
    drawCell(canvas, x, rowY(2), formatCell("SAT   %3.0f\xB0" "C", outsideC).text);
    drawCell(canvas, x, rowY(3), formatCell("TAT   %3.0f\xB0" "C", totalAirTemperature(host)).text);
    drawCell(canvas, x, rowY(4), formatCell("PRS %5.0fFT", pressureFt).text);
    drawCell(canvas, x, rowY(5), formatCell("DEN %5.0fFT", densityAltitudeFt(pressureFt, outsideC)).text);
}

}  // namespace

void drawOthAirDataPage(const Unit& unit, Host& host, Canvas& canvas, float x) {
    if (unit.pages.oth.othPage == 9) {
        drawSpeedsAndWind(unit, canvas, x);
    } else {
        drawTemperaturesAndAltitudes(unit, host, canvas, x);
    }
}
