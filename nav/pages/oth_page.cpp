// The OTH page group (left): fuel and air data on pages 5 to 10. With the cursor off the
// inner knob steps the pages; on OTH 5 and 6 the cursor edits the fuel reserve the TRI
// pages plan with, one digit at a time.
#include <algorithm>

#include "base/knob_step.h"
#include "fpl/pages/trip_fuel.h"
#include "frame/display.h"
#include "frame/unit.h"
#include "nav/pages/oth_pages.h"

namespace {

bool hasReserveField(int32_t othPage) { return othPage == 5 || othPage == 6; }

void handleEvents(Unit& unit) {
    ControlEvents& events = unit.events;
    PageState& page = unit.page;
    OthPageState& oth = unit.pages.oth;
    if (take(events.evtLeftCrsr)) {
        // Only OTH 5 and 6 have a field. Elsewhere the button still turns off a cursor an
        // overlay page left on, so the knobs never stay captured.
        if (page.leftCursorOn == 1) {
            page.leftCursorOn = 0;
        } else if (hasReserveField(oth.othPage)) {
            page.leftCursorOn = 1;
            oth.othDigit = 1;
        }
    }
    if (page.leftCursorOn != 1) {
        if (take(events.evtLeftInnerUp)) {
            oth.othPage = knobStep(oth.othPage, KnobTurn::Up, kFirstOthPage, kLastOthPage, KnobEnd::Wrap);
        }
        if (take(events.evtLeftInnerDown)) {
            oth.othPage = knobStep(oth.othPage, KnobTurn::Down, kFirstOthPage, kLastOthPage, KnobEnd::Wrap);
        }
        return;
    }
    if (!hasReserveField(oth.othPage)) return;
    if (take(events.evtLeftOuterUp)) oth.othDigit = knobStep(oth.othDigit, KnobTurn::Up, 1, 4, KnobEnd::Stop);
    if (take(events.evtLeftOuterDown)) oth.othDigit = knobStep(oth.othDigit, KnobTurn::Down, 1, 4, KnobEnd::Stop);
    if (take(events.evtLeftInnerUp)) stepFuelReserve(unit.pages.tri.fuelReserve, oth.othDigit, KnobTurn::Up);
    if (take(events.evtLeftInnerDown)) stepFuelReserve(unit.pages.tri.fuelReserve, oth.othDigit, KnobTurn::Down);
}

}  // namespace

void drawReserveDigitCursor(Canvas& canvas, float x, float y, double reserveLb, int32_t digit) {
    if (digit < 1 || digit > 4) return;
    // The row's text starts at x + 10 with "RES:  " before the five digits, the first of
    // which is a leading zero below 10000.
    const CellText row = formatCell("RES:  %05.0f", reserveLb);
    const int32_t index = 6 + digit;
    const char character[2] = {row.text[index], '\0'};
    const float charX = x + 10.0f + kCharWidth * static_cast<float>(index);
    drawInverseCell(canvas, charX, y + 2.0f, kCharWidth, kRowTallBoxHeight, charX, y, character);
}

void drawOthPage(Unit& unit, Host& host, Canvas& canvas, float x) {
    handleEvents(unit);
    OthPageState& oth = unit.pages.oth;
    oth.othPage = std::clamp(oth.othPage, kFirstOthPage, kLastOthPage);
    beginPage(canvas, unit.display);
    if (oth.othPage <= 8) {
        drawOthFuelPage(unit, host, canvas, x);
    } else {
        drawOthAirDataPage(unit, host, canvas, x);
    }
    drawStatusLabel(canvas, x, formatCell("OTH%2d", oth.othPage).text, unit.page.leftCursorOn);
    endPage(canvas);
}
