// Navigation arithmetic on a spherical earth of radius 10800/pi NM, where one nautical
// mile is exactly one minute of arc.
//
// Positions are degrees, latitude north positive in [-90, 90], longitude east positive;
// longitudes handed in may lie anywhere in (-360, 360). Distances are NM. Bearings and
// courses are degrees true unless the name says magnetic; a course of exactly 360 is taken
// as 0. Bearings reported by greatCircle lie in [1, 360]: north is 360, never 0. Magnetic
// variation is degrees, east positive (magnetic = true - variation).
#pragma once

#include <cstdint>

#include "nav/angles.h"

struct NavState;

constexpr double kEarthRadiusNm = 3437.7467707849396;  // 10800 / pi
constexpr double kDegToRad = 0.017453292519943295;
constexpr double kRadToDeg = 57.29577951308232;
constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;

// Great-circle distance (NM, >= 0) and initial true bearing from point 1 to point 2.
// A bearing below 1 degree is reported as 360.0. Coincident points give distance 0
// (the arc-cosine argument is clamped to [-1, 1]).
void greatCircle(double lat1, double lon1, double lat2, double lon2, double& distanceNm,
                 double& bearingTrue);

// The position reached from (lat, lon) along a true course for a distance in NM.
// The resulting longitude lies in [-180, 180).
void destinationPoint(double lat, double lon, double courseTrue, double distanceNm,
                      double& lat2, double& lon2);

// Where the course from point 1 meets the course from point 2 (true courses). Returns 0
// and writes the position, or -99 and writes nothing when there is no single
// intersection (parallel, coincident or diverging courses).
int32_t courseIntersection(double lat1, double lon1, double course1True, double lat2,
                           double lon2, double course2True, double& lat3, double& lon3);

// The end points of the leg that crossTrack and passedAbeam look at: FROM/TO of the
// active plan leg or of the direct-to leg. `valid` 0 means there is no active leg.
struct LegEnds {
    int32_t valid;
    double fromLat;
    double fromLon;
    double toLat;
    double toLon;
};

enum class LegMode : int32_t { PlanLeg = 0, DirectTo = 1 };

// Side codes: 1 when the compared bearing lies clockwise of its reference by at most 180
// degrees, else 2. Angles are the plain difference (larger minus smaller, up to 360).
struct CrossTrackResult {
    int32_t toSide;          // bearing to TO against the leg course
    double toAngle;
    int32_t aircraftSide;    // 1: aircraft right of the course line, 2: left of it
    double crossTrackNm;     // 0..125 (capped); -99.0 when there is no active leg
    int32_t headingSide;     // magnetic heading against the magnetic leg course
    double headingAngle;
};

// Cross-track geometry of the aircraft against the active leg. In plan mode the
// along-track distance and course come from nav (legLength - distanceToGo, desiredTrack
// + magVar); in direct-to mode they are computed from the leg's end points. With no
// active leg (!leg.valid) only crossTrackNm is written, as -99.0.
void crossTrack(const NavState& nav, const LegEnds& leg, LegMode mode, CrossTrackResult& out);

// 1 once the aircraft has crossed the line through the active waypoint (toLat/toLon of
// the leg) square to the desired track, within 22 NM either side of it; else 0.
int32_t passedAbeam(const NavState& nav, double waypointLat, double waypointLon);
