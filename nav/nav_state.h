// The navigation solution every page reads, refreshed once per host tick.
// Positions in degrees (north and east positive), distances in NM, speeds in knots,
// bearings and tracks in degrees magnetic unless the name says true, times in UTC.
//
// The solution is four records by meaning: what was read from the host this tick (the
// aircraft snapshot), the active leg and its solution, the autopilot coupling with its
// steering point and intercept leg, and the wind triangle. The tick count, the blink phase
// and the departure time sit beside them.
#pragma once

#include <cstdint>

constexpr int32_t kNoActiveRoute = 999;
// lastSteerHeading after an engagement: no heading truncates to it, so the first one is sent.
constexpr double kNoSteerHeadingSent = -1.0;

// The aircraft as the host reports it, read once per tick (fuel used is summed per tick).
struct AircraftSnapshot {
    int32_t powerAvailable = 0;
    double presentLat = 0.0;
    double presentLon = 0.0;
    double groundSpeedKt = 0.0;
    double calibratedAirspeedKt = 0.0;
    double magVar = 0.0;
    double headingMag = 0.0;
    double headingTrue = 0.0;
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
};

// The leg being flown (a flight plan leg or the direct-to leg) and where the aircraft
// stands on it. activeToIndex is the active route's waypoint flown to (kNoActiveRoute
// when no route is active).
struct LegSolution {
    double anticipationDistance = 0.0;
    double anticipationSeconds = 35.0;
    double legLength = 0.0;
    double desiredTrack = 0.0;
    double distanceToGo = 0.0;
    double bearingToWaypoint = 0.0;
    double planCrossTrack = 0.0;
    int32_t activeToIndex = kNoActiveRoute;
    int32_t directToActive = 0;
};

// The autopilot coupling: the steering point ahead on the leg, the heading last sent,
// the engaged flag with its grace count, and the intercept leg flown when it engages.
struct Coupling {
    double steerLeadNm = 3.0;
    double steerLat = 0.0;
    double steerLon = 0.0;
    double steerHeading = 0.0;
    double lastSteerHeading = 0.0;  // kNoSteerHeadingSent after an engagement
    int32_t lnavEngaged = 0;
    int32_t lnavGrace = 0;
    int32_t interceptActive = 0;
    double interceptStartLat = 0.0;
    double interceptStartLon = 0.0;
    double interceptDistance = 0.0;
    double interceptCourse = 0.0;
    // The TO waypoint the intercept leg was recorded for: the leg ends once the active
    // waypoint is another one.
    int32_t interceptToIndex = 0;
    double interceptToLat = 0.0;
    double interceptToLon = 0.0;
};

// The wind triangle: the host's wind, its head and cross parts, true airspeed, drift and
// the track over the ground they give.
struct WindSolution {
    double windSpeedKt = 0.0;
    double windDirMag = 0.0;
    double headwindKt = 0.0;
    double crosswindKt = 0.0;
    double trueAirspeedKt = 0.0;
    double driftDeg = 0.0;
    double trackMag = 0.0;
};

struct NavState {
    double lastTick = 0.0;
    int32_t blinkPhase = 0;  // 0..17; flashing items change form at 9
    double departureHour = 0.0;
    double departureMinute = 0.0;
    AircraftSnapshot aircraft;
    LegSolution leg;
    Coupling coupling;
    WindSolution wind;
};
