// The moving map's geometry: which true bearing points up the screen in each orientation
// mode, where a point at a true bearing and a distance from the aircraft lands on the
// screen, and how the range knobs step the range.
//
// Bearings are degrees true in [0, 360); distances on the screen are drawing units; ranges
// are NM from the aircraft symbol to the edge of the map's radius.
#pragma once

#include <cstdint>

#include "base/knob_step.h"
#include "frame/canvas.h"

struct NavState;

// The orientation modes of a map side.
constexpr int32_t kMapNorthUp = 1;
constexpr int32_t kMapHeadingUp = 2;
constexpr int32_t kMapTrackUp = 3;
constexpr int32_t kMapDesiredTrackUp = 4;

constexpr double kMapRangeMinNm = 1.0;
constexpr double kMapRangeMaxNm = 1000.0;
// The right range knob counts one past the left one's top before it wraps to 1.
constexpr double kRightMapRangeTopNm = 1001.0;

// The true bearing that points up the screen: north (mode 1), the true heading (2), the
// true track, heading plus drift (3), or the true desired track while a leg is flown (4;
// the true heading without one). An angle that is not a number gives north up, so the map
// never turns by NaN.
[[nodiscard]] double mapUpBearing(int32_t mode, const NavState& nav, bool legFlown);

// The point `radius` units from `origin` along true bearing `bearingTrue`, with `upBearing`
// pointing up the screen: x = origin.x + r sin(B - U), y = origin.y - r cos(B - U).
// Returns false, leaving `point` alone, when any input is not a finite number.
[[nodiscard]] bool projectToMap(double upBearing, double bearingTrue, PointF origin, double radius,
                                PointF& point);

// Drawing units per NM for a map radius of `radiusPx` units at `rangeNm`. A range below
// 1 NM or not a number counts as 1 NM, so a bad range never divides by zero.
[[nodiscard]] double mapUnitsPerNm(double radiusPx, double rangeNm);

// The left range knob's step: 1 NM for the first 12 bursts of turning, then 5, 10, 20, 40
// and from 60 bursts on 80 NM.
[[nodiscard]] double leftRangeStepNm(int32_t spinCount);
// One click of the left inner knob on the range: up only while below 1000, down only while
// above 1, the result kept within 1..1000.
[[nodiscard]] double stepLeftMapRange(double rangeNm, KnobTurn turn, int32_t spinCount);
// One click of the right inner knob on the range: by 1 NM, up from 1001 to 1 and down from
// 1 to 1000.
[[nodiscard]] double stepRightMapRange(double rangeNm, KnobTurn turn);
