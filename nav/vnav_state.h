// The vertical navigation values the NAV 4 page edits and shows, shared with the VNAV
// planning page of the CAL group: the altitude to descend to, the offset and the angle the
// pilot entered, and the planned vertical speed, ground speed and angle.
//
// Altitudes in feet, vertical speed in feet per minute, speeds in knots, distances in NM.
// The angle is the planned vertical speed over the ground speed in NM per minute, divided by
// 100: feet lost per NM / 100, about the descent angle in degrees.
#pragma once

struct VnavState {
    double vnavTargetAltitude = 0.0;  // 0..99999
    double vnavOffsetNm = 0.0;        // -99..99
    double vnavAngleEntry = 0.0;      // -9.9..9.9, in steps of 0.1
    double vnavVerticalSpeed = 0.0;
    double vnavGroundSpeed = 150.0;
    double vnavAngle = 0.0;
};
