// The navigation solution every page reads, refreshed once per host tick.
// Positions in degrees (north and east positive), distances in NM, speeds in knots,
// bearings and tracks in degrees magnetic unless the name says true, times in UTC.
#pragma once

#include <cstdint>

constexpr int32_t kNoActiveRoute = 999;

struct NavState {
    double lastTick = 0.0;
    int32_t powerAvailable = 0;
    double presentLat = 0.0;
    double presentLon = 0.0;
    double groundSpeedKt = 0.0;
    double calibratedAirspeedKt = 0.0;
    double magVar = 0.0;
    double headingMag = 0.0;
    double headingTrue = 0.0;
    double trackMag = 0.0;
    double indicatedAltitudeFt = 0.0;
    double autopilotAltitudeFt = 0.0;
    double machNumber = 0.0;
    double zuluHour = 0.0;
    double zuluMinute = 0.0;
    double clockSecond = 0.0;
    double lastClockSecond = 0.0;  // clock second at its last change
    double baroSetting = 0.0;
    double temperatureC = 0.0;
    double heightFt = 0.0;
    double fuelUsed1 = 0.0;
    double fuelUsed2 = 0.0;
    int32_t blinkPhase = 0;  // 0..17; flashing items change form at 9
    double anticipationDistance = 0.0;
    double anticipationSeconds = 35.0;
    double steerLeadNm = 3.0;
    double legLength = 0.0;
    double desiredTrack = 0.0;
    double distanceToGo = 0.0;
    double bearingToWaypoint = 0.0;
    double steerLat = 0.0;
    double steerLon = 0.0;
    double steerHeading = 0.0;
    double lastSteerHeading = 0.0;
    int32_t lnavEngaged = 0;
    int32_t lnavGrace = 0;
    int32_t interceptActive = 0;
    double interceptStartLat = 0.0;
    double interceptStartLon = 0.0;
    double interceptDistance = 0.0;
    double interceptCourse = 0.0;
    double planCrossTrack = 0.0;
    double windSpeedKt = 0.0;
    double windDirMag = 0.0;
    double headwindKt = 0.0;
    double crosswindKt = 0.0;
    double trueAirspeedKt = 0.0;
    double driftDeg = 0.0;
    double departureHour = 0.0;
    double departureMinute = 0.0;
    int32_t activeToIndex = kNoActiveRoute;
    int32_t directToActive = 0;
};

// The per-page state of the NAV pages that the frame reads (map range layout).
struct NavPagesState {
    int32_t leftMapMode = 0;
    int32_t rightMapMode = 0;
    int32_t nav5ClrToggle = 0;
};
