// CAL 5: temperature and speed conversions. The field under the cursor is stepped by one
// whole unit within its limits and its partner follows: degrees Celsius and Fahrenheit,
// knots and miles per hour.
#include <algorithm>
#include <cmath>

#include "base/knob_step.h"
#include "frame/display.h"
#include "frame/unit.h"
#include "nav/pages/cal_pages.h"

namespace {

constexpr float kColumn = 10.0f;
constexpr float kCursorX = 80.0f;
constexpr int32_t kFieldCount = 4;
constexpr int kFieldRows[kFieldCount] = {1, 2, 4, 5};
// Where each field's units digit stands, counted from the end of its text (before the unit).
constexpr size_t kUnitsDigitFromEnd[kFieldCount] = {3, 3, 3, 4};
constexpr double kLowestCelsius = -150.0;
constexpr double kHighestCelsius = 150.0;
constexpr double kLowestFahrenheit = -150.0;
constexpr double kHighestFahrenheit = 200.0;
constexpr double kHighestSpeed = 1000.0;  // knots or miles per hour
constexpr double kCelsiusPerFahrenheit = 0.5555555555555556;

void changeField(CalPageState& cal, KnobTurn turn) {
    switch (cal.convField) {
        case 1:
            cal.convCelsius =
                knobStepQuantity(cal.convCelsius, turn, 1.0, kLowestCelsius, kHighestCelsius);
            cal.convFahrenheit = cal.convCelsius * 1.8 + 32.0;
            break;
        case 2:
            cal.convFahrenheit = knobStepQuantity(cal.convFahrenheit, turn, 1.0, kLowestFahrenheit,
                                                  kHighestFahrenheit);
            cal.convCelsius = (cal.convFahrenheit - 32.0) * kCelsiusPerFahrenheit;
            break;
        case 3:
            cal.convKnots = knobStepQuantity(cal.convKnots, turn, 1.0, 0.0, kHighestSpeed);
            cal.convMph = cal.convKnots * kMphPerKnot;
            break;
        default:
            cal.convMph = knobStepQuantity(cal.convMph, turn, 1.0, 0.0, kHighestSpeed);
            cal.convKnots = cal.convMph * kKnotsPerMph;
            break;
    }
}

void handleKnobs(Unit& unit) {
    ControlEvents& events = unit.events;
    CalPageState& cal = unit.pages.cal;
    cal.convField = std::clamp(cal.convField, 1, kFieldCount);
    if (take(events.evtLeftOuterUp))
        cal.convField = knobStep(cal.convField, KnobTurn::Up, 1, kFieldCount, KnobEnd::Wrap);
    if (take(events.evtLeftOuterDown))
        cal.convField = knobStep(cal.convField, KnobTurn::Down, 1, kFieldCount, KnobEnd::Wrap);
    if (take(events.evtLeftInnerUp)) changeField(cal, KnobTurn::Up);
    if (take(events.evtLeftInnerDown)) changeField(cal, KnobTurn::Down);
}

// A value as its field shows it: rounded to a whole number first, so a temperature just
// below zero reads "000" and never "-00".
double shown(double value) { return std::round(value) + 0.0; }

}  // namespace

void runCalConversionsPage(Unit& unit, Host&, Canvas& canvas, float x) {
    const bool cursorOn = unit.page.leftCursorOn == 1;
    if (cursorOn) handleKnobs(unit);
    const CalPageState& cal = unit.pages.cal;
    const CellText fields[kFieldCount] = {
        formatCell("   %03.0f\xB0"
                   "C",
                   shown(cal.convCelsius)),
        formatCell("   %03.0f\xB0"
                   "F",
                   shown(cal.convFahrenheit)),
        formatCell("   %03.0fKT", shown(cal.convKnots)),
        formatCell("   %03.0fMPH", shown(cal.convMph)),
    };
    const float column = x + kColumn;
    drawCell(canvas, column, rowY(0), "TEMP/SPEED");
    for (int32_t i = 0; i < kFieldCount; ++i)
        drawCell(canvas, column, rowY(kFieldRows[i]), fields[i].text);
    if (cursorOn) {
        const int32_t i = cal.convField - 1;
        drawCalCursorCell(canvas, x + kCursorX, kFieldRows[i], fields[i].text,
                          kUnitsDigitFromEnd[i]);
    }
}
