// The CAL pages (left page group 5): one file per kind of page, run by drawCalPage
// (cal_page.cpp), which picks the page with the left inner knob while the cursor is off
// and owns the cursor. A page run here draws its rows at page x `x` and, while the left
// cursor is on, acts on the left knobs; the status label is drawn by drawCalPage.
#pragma once

#include <cstddef>
#include <cstdint>

class Canvas;
class Host;
struct Unit;

// CAL 1: indicated, pressure and density altitude with the barometric setting.
void runCalAltitudePage(Unit& unit, Host& host, Canvas& canvas, float x);
// CAL 2: calibrated airspeed, altitude, barometric setting, temperature and true airspeed.
void runCalAirspeedPage(Unit& unit, Host& host, Canvas& canvas, float x);
// CAL 3: true airspeed, heading, the wind component along it and the wind.
void runCalWindPage(Unit& unit, Host& host, Canvas& canvas, float x);
// CAL 4: the planned ground speed, vertical speed and angle, shared with NAV 4.
void runCalVnavPage(Unit& unit, Host& host, Canvas& canvas, float x);
// CAL 5: degrees Celsius and Fahrenheit, knots and miles per hour.
void runCalConversionsPage(Unit& unit, Host& host, Canvas& canvas, float x);

// The barometric setting's row on CAL 1 and CAL 2: "BARO:" and the setting in the unit the
// SET pages chose. While the cursor is on, the outer knob picks a digit and the inner knob
// changes it; each change is sent to the simulator.
void runBaroSettingRow(Unit& unit, Host& host, Canvas& canvas, float x, int row);

// An inverse 16 x 20 cursor cell with its left edge at `boxX` on row `row`, showing the
// character of `text` that is `fromEnd` characters before its end (1 its last): the digit
// the knob steps.
void drawCalCursorCell(Canvas& canvas, float boxX, int row, const char* text, size_t fromEnd);
