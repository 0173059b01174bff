// The ALT page (left page group 19): the barometric setting the altitude is read with,
// in the unit the SET pages chose: inches of mercury with two decimals, millibars whole.
// The page has nothing to select and takes no event.
#include <cmath>
#include <cstring>

#include "frame/display.h"
#include "frame/pages/page_table.h"
#include "frame/unit.h"

namespace {

constexpr float kTextColumn = 10.0f;

// The BARO line. A setting the host did not give as a number shows dashes.
CellText baroLine(const Unit& unit) {
    const double setting = unit.nav.aircraft.baroSetting;
    const bool inches = std::strcmp(unit.settings.baroUnits, "INCHES") == 0;
    if (!std::isfinite(setting)) return formatCell("%s", inches ? "BARO:--.--" : "BARO:----");
    return inches ? formatCell("BARO:%2.2f", setting) : formatCell("BARO:%4.0f", setting);
}

}  // namespace

void drawAltPage(Unit& unit, Host&, Canvas& canvas, float x) {
    beginPage(canvas, unit.display);
    drawCell(canvas, x + kTextColumn, rowY(0), "ALTITUDE:");
    drawCell(canvas, x + kTextColumn, rowY(2), baroLine(unit).text);
    drawCell(canvas, x + kTextColumn, rowY(3), "ALERT:  OFF");
    drawCell(canvas, x + kTextColumn, kStatusRowY, "CRSR");
    endPage(canvas);
}
