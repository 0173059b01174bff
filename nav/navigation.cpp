// The navigation solution, once per host tick: the aircraft snapshot, fuel used, the blink
// phase, the active leg (plan leg or direct-to leg) with its desired track, distance and
// bearing to go, the steering point for the autopilot, leg sequencing, the wind triangle
// and the departure time.
#include "nav/navigation.h"

#include <cmath>

#include "frame/aircraft_reads.h"
#include "frame/host.h"
#include "frame/host_tokens.h"
#include "frame/numbers.h"
#include "frame/unit.h"
#include "nav/angles.h"
#include "nav/geodesy.h"

namespace {

// One run is one eighteenth of a second of flow.
constexpr double kHoursPerRun = 1.0 / 60.0 / 60.0 / 18.0;
// The intercept leg ends once the track to the waypoint is within this of the leg's.
constexpr double kCourseCaptureDeg = 4.0;
constexpr double kAbeamMinHeightFt = 400.0;

// The active route's waypoint at `index`, or null outside the route.
const PlanWaypoint* routeWaypoint(const Unit& unit, int32_t index) {
    if (index < 0 || index > unit.fpl.activeLastIndex || index >= kPlanWaypointCount) return nullptr;
    return &unit.fpl.activeRoute.waypoints[index];
}

void accumulateFuel(Unit& unit, Host& host) {
    if (unit.power.powerOn == 0) return;
    unit.nav.fuelUsed1 += engineFuelFlowPph(host, 1) * kHoursPerRun;
    unit.nav.fuelUsed2 += engineFuelFlowPph(host, 2) * kHoursPerRun;
}

void steerTowards(Unit& unit, Host& host, double fromLat, double fromLon, double courseTrue,
                  double alongNm) {
    NavState& nav = unit.nav;
    destinationPoint(fromLat, fromLon, courseTrue, alongNm + nav.steerLeadNm, nav.steerLat,
                     nav.steerLon);
    double distanceNm = 0.0;
    double bearingTrue = 0.0;
    greatCircle(nav.presentLat, nav.presentLon, nav.steerLat, nav.steerLon, distanceNm, bearingTrue);
    nav.steerHeading = toMagnetic(bearingTrue, nav.magVar);
    const int32_t heading = truncateToInt32(nav.steerHeading);
    if (nav.lnavEngaged == 1 && heading != truncateToInt32(nav.lastSteerHeading)) {
        host.sendKeyEvent(kKeySetHeading, static_cast<uint32_t>(heading));
        nav.lastSteerHeading = nav.steerHeading;
    }
}

void flyPlanLeg(Unit& unit, Host& host) {
    NavState& nav = unit.nav;
    const PlanWaypoint* from = routeWaypoint(unit, nav.activeToIndex - 1);
    const PlanWaypoint* to = routeWaypoint(unit, nav.activeToIndex);
    // An index that left the route (a plan replaced under it) gives no leg to fly.
    if (from == nullptr || to == nullptr) return;
    nav.anticipationDistance = nav.groundSpeedKt / 3600.0 * nav.anticipationSeconds;

    const LegEnds leg{1, from->latitude, from->longitude, to->latitude, to->longitude};
    CrossTrackResult crossing{};
    crossTrack(nav, leg, LegMode::PlanLeg, crossing);
    nav.planCrossTrack = crossing.crossTrackNm;

    double courseTrue = 0.0;
    greatCircle(leg.fromLat, leg.fromLon, leg.toLat, leg.toLon, nav.legLength, courseTrue);
    nav.desiredTrack = toMagnetic(courseTrue, nav.magVar);
    double bearingTrue = 0.0;
    greatCircle(nav.presentLat, nav.presentLon, leg.toLat, leg.toLon, nav.distanceToGo, bearingTrue);
    nav.bearingToWaypoint = toMagnetic(bearingTrue, nav.magVar);

    if (nav.interceptActive == 0) {
        steerTowards(unit, host, leg.fromLat, leg.fromLon, nav.desiredTrack + nav.magVar,
                     nav.legLength - nav.distanceToGo);
    } else {
        steerTowards(unit, host, nav.interceptStartLat, nav.interceptStartLon,
                     nav.interceptCourse + nav.magVar, nav.interceptDistance - nav.distanceToGo);
        if (nav.anticipationDistance >= nav.planCrossTrack ||
            fold180(nav.bearingToWaypoint - nav.desiredTrack) < kCourseCaptureDeg) {
            nav.interceptActive = 0;
        }
    }

    if (nav.heightFt > kAbeamMinHeightFt && nav.directToActive == 0 &&
        passedAbeam(nav, leg.toLat, leg.toLon) == 1) {
        nav.distanceToGo = -1.0;
    }
    if (nav.anticipationDistance > nav.distanceToGo &&
        nav.activeToIndex < unit.fpl.activeLastIndex) {
        nav.activeToIndex += 1;
    }
}

void flyDirectTo(Unit& unit, Host& host) {
    NavState& nav = unit.nav;
    const PlanWaypoint& origin = unit.directToLeg.origin;
    const PlanWaypoint& target = unit.directToLeg.target;
    nav.anticipationDistance = nav.groundSpeedKt / 3600.0 * nav.anticipationSeconds;
    double courseTrue = 0.0;
    greatCircle(origin.latitude, origin.longitude, target.latitude, target.longitude,
                nav.legLength, courseTrue);
    nav.desiredTrack = toMagnetic(courseTrue, nav.magVar);
    double bearingTrue = 0.0;
    greatCircle(nav.presentLat, nav.presentLon, target.latitude, target.longitude,
                nav.distanceToGo, bearingTrue);
    nav.bearingToWaypoint = toMagnetic(bearingTrue, nav.magVar);
    steerTowards(unit, host, origin.latitude, origin.longitude, nav.desiredTrack + nav.magVar,
                 nav.legLength - nav.distanceToGo);

    if (nav.anticipationDistance > nav.distanceToGo) {
        nav.directToActive = 0;
        // When the target was the active plan waypoint, the plan goes on from the next one.
        if (const PlanWaypoint* to = routeWaypoint(unit, nav.activeToIndex)) {
            double toPlanNm = 0.0;
            double unusedBearing = 0.0;
            greatCircle(nav.presentLat, nav.presentLon, to->latitude, to->longitude, toPlanNm,
                        unusedBearing);
            if (nav.anticipationDistance > toPlanNm &&
                nav.activeToIndex < unit.fpl.activeLastIndex) {
                nav.activeToIndex += 1;
            }
        }
    }
}

void updateWind(NavState& nav, Host& host) {
    const double windDirTrueRad = host.readToken(kTokenWindDirection) * kDegToRad;
    const double headingRad = nav.headingTrue * kDegToRad;
    nav.headwindKt = std::cos(windDirTrueRad - headingRad) * nav.windSpeedKt;
    nav.crosswindKt = std::sin(windDirTrueRad - headingRad) * nav.windSpeedKt;
    if (nav.groundSpeedKt > 25.0) {
        nav.trueAirspeedKt = nav.headwindKt + nav.groundSpeedKt;
        // A tailwind as strong as the ground speed leaves no airspeed to divide by.
        nav.driftDeg = nav.trueAirspeedKt != 0.0 ? nav.crosswindKt / (nav.trueAirspeedKt / 60.0)
                                                 : 0.0;
    } else {
        nav.trueAirspeedKt = 0.0;
        nav.driftDeg = 0.0;
    }
    if (nav.trueAirspeedKt > 0.0) {
        nav.trackMag = wrapOneTurn(nav.headingMag + nav.driftDeg);
    } else {
        nav.trackMag = nav.headingMag;
    }
    nav.windDirMag = wrap360(windDirTrueRad * kRadToDeg - nav.magVar);
}

}  // namespace

void updateNavigation(Unit& unit, Host& host) {
    NavState& nav = unit.nav;
    const double tick = host.readToken(kTokenTick);
    if (tick == nav.lastTick) return;
    readAircraftState(unit, host);
    accumulateFuel(unit, host);
    nav.blinkPhase = nav.blinkPhase >= 17 ? 0 : nav.blinkPhase + 1;
    nav.lastTick = tick;
    if (nav.directToActive == 1) {
        flyDirectTo(unit, host);
    } else if (nav.activeToIndex != kNoActiveRoute) {
        flyPlanLeg(unit, host);
    }
    updateWind(nav, host);
    if (nav.departureHour == -1.0 && nav.groundSpeedKt > unit.settings.flightTimerSpeed) {
        nav.departureHour = nav.zuluHour;
        nav.departureMinute = nav.zuluMinute;
    }
}

void recordInterceptLeg(Unit& unit) {
    NavState& nav = unit.nav;
    nav.interceptStartLat = nav.presentLat;
    nav.interceptStartLon = nav.presentLon;
    if (const PlanWaypoint* to = routeWaypoint(unit, nav.activeToIndex)) {
        greatCircle(nav.presentLat, nav.presentLon, to->latitude, to->longitude,
                    nav.interceptDistance, nav.interceptCourse);
        nav.interceptCourse = raiseBelow(nav.interceptCourse - nav.magVar, 0.5);
    }
    nav.interceptActive = 1;
}
