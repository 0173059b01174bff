// SET 7: the unit the barometric setting is shown and entered in, inches of mercury or
// millibars. Either turn of the left inner knob switches it while the cursor is on.
#include <cstring>

#include "base/text.h"
#include "fpl/pages/set_pages.h"
#include "frame/display.h"
#include "frame/unit.h"

namespace {

constexpr float kColumn = 10.0f;

bool inInches(const Settings& settings) { return std::strcmp(settings.baroUnits, "INCHES") == 0; }

void toggleBaroUnits(Settings& settings) {
    copyField(settings.baroUnits, inInches(settings) ? "MILLIBARS" : "INCHES");
}

}  // namespace

void runSetBaroPage(Unit& unit, Host&, Canvas& canvas, float x) {
    Settings& settings = unit.settings;
    const bool cursorOn = unit.page.leftCursorOn == 1;
    if (cursorOn) {
        if (take(unit.events.evtLeftInnerUp)) toggleBaroUnits(settings);
        if (take(unit.events.evtLeftInnerDown)) toggleBaroUnits(settings);
    }
    drawCell(canvas, x + kColumn, rowY(0), "BARO SET");
    drawCell(canvas, x + kColumn, rowY(1), " UNITS");
    drawCell(canvas, x + kColumn, rowY(4), inInches(settings) ? "  ''" : "  MB");
    const CellText units = formatCell(" %s", settings.baroUnits);
    if (cursorOn) {
        const float width = kCharWidth * static_cast<float>(std::strlen(units.text)) + 2.0f;
        drawInverseCell(canvas, x + kColumn, rowBoxY(5), width, kRowBoxHeight, x + kColumn, rowY(5),
                        units.text);
    } else {
        drawCell(canvas, x + kColumn, rowY(5), units.text);
    }
}
