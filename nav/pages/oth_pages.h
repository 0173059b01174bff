// The OTH pages' drawing, one function per kind of page; drawOthPage (oth_page.cpp) acts on
// the events and calls the one for the page shown. Each draws its rows at page x `x`.
#pragma once

#include <cstdint>

#include "frame/display.h"

class Canvas;
class Host;
struct Unit;

// OTH 5 to 8: fuel on board against the fuel required, endurance and range, fuel flow and
// fuel used per engine.
void drawOthFuelPage(const Unit& unit, Host& host, Canvas& canvas, float x);
// OTH 9 and 10: airspeed, Mach and wind; temperatures, pressure and density altitude.
void drawOthAirDataPage(const Unit& unit, Host& host, Canvas& canvas, float x);

// The reserve digit under the cursor (1 thousands .. 4 units), inverse over the digit of
// a "RES:  %05.0f" row drawn at x + 10 and text top `y`.
void drawReserveDigitCursor(Canvas& canvas, float x, float y, double reserveLb, int32_t digit);

// The wind along the heading as OTH 9 and CAL 3 show it: a headwind positive, a tailwind
// with its minus sign, and dashes for a component that would show as 0.
[[nodiscard]] CellText windComponentText(double headwindKt);
