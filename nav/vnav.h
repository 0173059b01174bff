// Vertical navigation arithmetic: the planned angle and the start-of-descent point. Each
// operation reports whether its result is defined, so no NaN or infinity from a zero speed
// ever reaches a page.
//
// Altitudes in feet, vertical speed in feet per minute (positive while descending), speeds
// in knots, distances in NM, times in minutes.
#pragma once

// The planned angle: vertical speed / (ground speed / 60) / 100. False, leaving `angle`
// alone, when the ground speed is zero or either value is not finite.
[[nodiscard]] bool vnavAngleFor(double verticalSpeedFpm, double groundSpeedKt, double& angle);

// How far before the waypoint the descent starts: the minutes needed to lose the height
// (altitude - target) at the vertical speed, flown at the planned ground speed. False when
// the vertical speed or the planned ground speed is zero or a value is not finite.
[[nodiscard]] bool descentDistanceNm(double altitudeFt, double targetAltitudeFt,
                                     double verticalSpeedFpm, double plannedGroundSpeedKt,
                                     double& distanceNm);

// Minutes until the aircraft reaches the start of descent `descentNm` before a waypoint
// `distanceToGoNm` ahead, at `groundSpeedKt`: negative once it has passed that point. False
// when the aircraft is not moving or a value is not finite.
[[nodiscard]] bool minutesToDescent(double distanceToGoNm, double descentNm, double groundSpeedKt,
                                    double& minutes);

// The vertical speed that loses `heightFt` over `distanceNm` flown at `groundSpeedKt`: the
// height over the minutes the distance takes. False, leaving `verticalSpeedFpm` alone, when
// the distance or the ground speed is not above zero or a value is not finite.
[[nodiscard]] bool verticalSpeedToLose(double heightFt, double distanceNm, double groundSpeedKt,
                                       double& verticalSpeedFpm);

// The vertical speed that flies `angle` (as vnavAngleFor defines it) at `groundSpeedKt`.
// False, leaving `verticalSpeedFpm` alone, when a value is not finite.
[[nodiscard]] bool verticalSpeedForAngle(double angle, double groundSpeedKt,
                                         double& verticalSpeedFpm);
