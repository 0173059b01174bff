// A simple aircraft for the headless runner and the tests: its state in plain units
// (degrees north/east positive, knots, feet, degrees magnetic unless named true), the
// encoding of that state into the host tokens the unit reads, and straight-line flight
// on a sphere with an optional turn towards an autopilot heading.
#pragma once

#include <cstdint>

#include "frame/host_tokens.h"

class SimHost;

constexpr double kFramesPerSecond = 18.0;
constexpr double kTurnRateDegPerSecond = 3.0;
constexpr double kFeetPerMetre = 3.2808399;

struct AircraftState {
    double latDeg = 0.0;
    double lonDeg = 0.0;
    double groundSpeedKt = 0.0;
    double headingMagDeg = 0.0;
    double headingTrueDeg = 0.0;
    double magVarDeg = 0.0;  // east positive: true = magnetic + magVar
    double altitudeFt = 0.0;
    double utcSeconds = 0.0;  // seconds since midnight UTC, 0 .. 86400
    double windDirTrueDeg = 0.0;
    double windSpeedKt = 0.0;
    bool powerOn = true;
};

// Host raw values of a position (the inverse of the unit's decoding).
double encodeLatitude(double latDeg);
double encodeLongitude(double lonDeg);

// Writes every token and calculator result of the state into the host.
void encodeAircraftState(const AircraftState& state, SimHost& host);

// Sets the magnetic heading and, with it, the true heading (magnetic + magVar).
void setMagneticHeading(AircraftState& state, double headingMagDeg);
// Sets the magnetic variation, keeping the magnetic heading and moving the true one.
void setMagneticVariation(AircraftState& state, double magVarDeg);
void setUtc(AircraftState& state, int hour, int minute, double second);

// Moves the aircraft along its true heading at its ground speed for `seconds`, on a
// sphere of 10800/pi NM. While `turning`, the heading first turns by at most 3 degrees a
// second, the short way, towards `targetMagDeg`. The clock advances too.
void advanceAircraft(AircraftState& state, double seconds, bool turning, double targetMagDeg);

// Great-circle destination from (lat, lon) along true course `courseDeg` for `distanceNm`.
void moveAlongGreatCircle(double& latDeg, double& lonDeg, double courseDeg, double distanceNm);
