// SET 4: when the flight timer starts. The departure time is taken when the ground speed
// first exceeds flightTimerSpeed: 30 kt ("GS > 30 KT"), or 0 kt, which the first motion
// exceeds ("POWER IS ON"). Either turn of the left inner knob switches it while the
// cursor is on.
#include <cstring>

#include "fpl/pages/set_pages.h"
#include "frame/display.h"
#include "frame/unit.h"

namespace {

constexpr float kColumn = 10.0f;
constexpr double kGroundSpeedStartKt = 30.0;

void toggleTimerStart(Settings& settings) {
    settings.flightTimerSpeed = settings.flightTimerSpeed == 0.0 ? kGroundSpeedStartKt : 0.0;
}

}  // namespace

void runSetTimerPage(Unit& unit, Host&, Canvas& canvas, float x) {
    Settings& settings = unit.settings;
    const bool cursorOn = unit.page.leftCursorOn == 1;
    if (cursorOn) {
        if (take(unit.events.evtLeftInnerUp)) toggleTimerStart(settings);
        if (take(unit.events.evtLeftInnerDown)) toggleTimerStart(settings);
    }
    drawCell(canvas, x + kColumn, rowY(0), "  FLIGHT");
    drawCell(canvas, x + kColumn, rowY(1), "  TIMER");
    drawCell(canvas, x + kColumn, rowY(2), "OPERATION");
    drawCell(canvas, x + kColumn, rowY(4), "RUN WHEN");
    const char* mode = settings.flightTimerSpeed == 0.0 ? "POWER IS ON" : "GS > 30 KT";
    if (cursorOn) {
        const float width = kCharWidth * static_cast<float>(std::strlen(mode)) + 2.0f;
        drawInverseCell(canvas, x + kColumn, rowBoxY(5), width, kRowBoxHeight, x + kColumn, rowY(5),
                        mode);
    } else {
        drawCell(canvas, x + kColumn, rowY(5), mode);
    }
}
