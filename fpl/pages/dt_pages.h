// The D/T (distance and time) pages of the right side: D/T 1 to D/T 3 list the plan on
// the FPL page leg by leg while the left side shows it, and otherwise the active and
// final waypoints of FPL 0 as seen from the aircraft; D/T 4 shows the clock times.
//
// Distances are NM along great circles, ground speed knots, times whole hours and
// minutes of UTC, desired tracks degrees magnetic. Times are shown only at 30 kt or more.
#pragma once

#include <cstdint>

#include "frame/canvas.h"
#include "frame/display.h"
#include "frame/numbers.h"

struct Unit;

inline constexpr FontSpec kDtFont = kFont28;

// Whether the ground speed is enough to show times (a ground speed that is no number is not).
[[nodiscard]] bool dtTimesShown(const Unit& unit);

// Time en route over `distanceNm` at the present ground speed: whole hours and minutes,
// the minutes rounded first. Hours are not taken modulo a day, since an ETE is a span,
// not a clock time. False when the ground speed is below 30 kt or the distance is no number.
[[nodiscard]] bool eteOf(const Unit& unit, double distanceNm, HoursMinutes& ete);

// Arrival time over `distanceNm`: UTC plus the ETE, hours modulo 24. False as eteOf.
[[nodiscard]] bool etaOf(const Unit& unit, double distanceNm, HoursMinutes& eta);

// Desired track in degrees magnetic of a true bearing, a north track reading 360. False
// when the bearing or the variation is no number.
[[nodiscard]] bool dtkOf(const Unit& unit, double bearingTrue, double& dtkMag);

// The three forms of D/T 1 to D/T 3 and the clock page; `page` is 1..3 for the first two.
void drawDtLegList(const Unit& unit, Canvas& canvas, float x, int32_t page);
void drawDtActiveRoute(const Unit& unit, Canvas& canvas, float x, int32_t page);
void drawDtClock(const Unit& unit, Canvas& canvas, float x);
