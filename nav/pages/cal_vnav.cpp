// CAL 4: VNAV planning. The pilot sets the planned ground speed and vertical speed and reads
// the angle they fly, or steps the angle and reads the vertical speed that reaches the
// selected altitude at the TO waypoint. The values are NAV 4's own (nav/vnav_state.h).
//
// The angle is vnavAngleFor's: vertical speed over ground speed in NM per minute, over 100.
// Worked out that way it needs no division by the height to lose, so equal altitudes give
// the angle of the vertical speed, and a zero ground speed leaves the last angle standing.
#include <algorithm>
#include <cmath>

#include "base/knob_step.h"
#include "frame/display.h"
#include "frame/unit.h"
#include "nav/pages/cal_pages.h"
#include "nav/pages/nav_pages.h"
#include "nav/vnav.h"

namespace {

constexpr float kColumn = 10.0f;
constexpr int32_t kFieldCount = 3;
constexpr double kHighestGroundSpeedKt = 999.0;
constexpr double kVerticalSpeedStepFpm = 100.0;
constexpr double kHighestVerticalSpeedFpm = 10000.0;
constexpr double kAngleStep = 0.1;
constexpr double kHighestAngle = 10.0;

void angleFromSpeeds(VnavState& vnav) {
    static_cast<void>(vnavAngleFor(vnav.vnavVerticalSpeed, vnav.vnavGroundSpeed, vnav.vnavAngle));
}

// After an angle step: the vertical speed that loses the height down to the selected
// altitude by the TO waypoint (the direct-to target while a direct-to is active). With no
// waypoint to reach, the vertical speed that flies the angle at the planned ground speed.
// A waypoint that is reached at once, or never (a zero ground speed), keeps the last one.
// The result stays within the range the vertical-speed field's own knob covers.
void verticalSpeedFromAngle(Unit& unit) {
    VnavState& vnav = unit.vnav;
    const NavLegView leg = navLegView(unit);
    double verticalSpeedFpm = vnav.vnavVerticalSpeed;
    const double heightFt = unit.nav.aircraft.indicatedAltitudeFt - vnav.vnavTargetAltitude;
    const bool defined =
        leg.hasLeg
            ? verticalSpeedToLose(heightFt, leg.distanceNm, vnav.vnavGroundSpeed, verticalSpeedFpm)
            : verticalSpeedForAngle(vnav.vnavAngle, vnav.vnavGroundSpeed, verticalSpeedFpm);
    if (defined)
        vnav.vnavVerticalSpeed = std::clamp(verticalSpeedFpm, 0.0, kHighestVerticalSpeedFpm);
}

void changeField(Unit& unit, KnobTurn turn) {
    VnavState& vnav = unit.vnav;
    switch (unit.pages.cal.vnavCalField) {
        case 1:
            vnav.vnavGroundSpeed =
                knobStepQuantity(vnav.vnavGroundSpeed, turn, 1.0, 0.0, kHighestGroundSpeedKt);
            angleFromSpeeds(vnav);
            break;
        case 2:
            vnav.vnavVerticalSpeed = knobStepQuantity(
                vnav.vnavVerticalSpeed, turn, kVerticalSpeedStepFpm, 0.0, kHighestVerticalSpeedFpm);
            angleFromSpeeds(vnav);
            break;
        default:
            vnav.vnavAngle = knobStepQuantity(vnav.vnavAngle, turn, kAngleStep, 0.0, kHighestAngle);
            verticalSpeedFromAngle(unit);
            break;
    }
}

void handleKnobs(Unit& unit) {
    ControlEvents& events = unit.events;
    int32_t& field = unit.pages.cal.vnavCalField;
    field = std::clamp(field, 1, kFieldCount);
    if (take(events.evtLeftOuterUp))
        field = knobStep(field, KnobTurn::Up, 1, kFieldCount, KnobEnd::Wrap);
    if (take(events.evtLeftOuterDown))
        field = knobStep(field, KnobTurn::Down, 1, kFieldCount, KnobEnd::Wrap);
    if (take(events.evtLeftInnerUp)) changeField(unit, KnobTurn::Up);
    if (take(events.evtLeftInnerDown)) changeField(unit, KnobTurn::Down);
}

}  // namespace

void runCalVnavPage(Unit& unit, Host&, Canvas& canvas, float x) {
    const bool cursorOn = unit.page.leftCursorOn == 1;
    if (cursorOn) handleKnobs(unit);
    const VnavState& vnav = unit.vnav;
    const float column = x + kColumn;
    const CellText groundSpeed = formatCell("GS:   %03.0fKT", vnav.vnavGroundSpeed);
    const CellText verticalSpeed = formatCell("FPM:   %04.0f", vnav.vnavVerticalSpeed);
    const CellText angle = std::isfinite(vnav.vnavAngle)
                               ? formatCell("ANGLE: %2.1f", vnav.vnavAngle)
                               : formatCell("ANGLE: -.-");
    drawCell(canvas, column, rowY(0), " VNV ANGLE");
    drawCell(canvas, column, rowY(2), groundSpeed.text);
    drawCell(canvas, column, rowY(3), verticalSpeed.text);
    drawCell(canvas, column, rowY(4), angle.text);
    if (!cursorOn) return;
    // The digit each field's knob steps: the knots, the hundreds of feet a minute, the tenths.
    switch (unit.pages.cal.vnavCalField) {
        case 1: drawCalCursorCell(canvas, x + 128.0f, 2, groundSpeed.text, 3); break;
        case 2: drawCalCursorCell(canvas, x + 128.0f, 3, verticalSpeed.text, 3); break;
        default: drawCalCursorCell(canvas, x + 144.0f, 4, angle.text, 1); break;
    }
}
