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
    unit.nav.aircraft.fuelUsed1 += engineFuelFlowPph(host, 1) * kHoursPerRun;
    unit.nav.aircraft.fuelUsed2 += engineFuelFlowPph(host, 2) * kHoursPerRun;
}

// Sends the steering heading to the autopilot when its whole degree changed. A unit that is
// switched off or without power steers nothing, and a heading that is not a number (a
// position or variation the host reported as such) is never sent.
void steerTowards(Unit& unit, Host& host, double fromLat, double fromLon, double courseTrue,
                  double alongNm) {
    NavState& nav = unit.nav;
    destinationPoint(fromLat, fromLon, courseTrue, alongNm + nav.coupling.steerLeadNm, nav.coupling.steerLat,
                     nav.coupling.steerLon);
    double distanceNm = 0.0;
    double bearingTrue = 0.0;
    greatCircle(nav.aircraft.presentLat, nav.aircraft.presentLon, nav.coupling.steerLat, nav.coupling.steerLon, distanceNm, bearingTrue);
    nav.coupling.steerHeading = toMagnetic(bearingTrue, nav.aircraft.magVar);
    if (nav.coupling.lnavEngaged != 1 || !unitPowered(unit) || !std::isfinite(nav.coupling.steerHeading)) {
        return;
    }
    const int32_t heading = truncateToInt32(nav.coupling.steerHeading);
    if (heading != truncateToInt32(nav.coupling.lastSteerHeading)) {
        host.sendKeyEvent(kKeySetHeading, static_cast<uint32_t>(heading));
        nav.coupling.lastSteerHeading = nav.coupling.steerHeading;
    }
}

void flyPlanLeg(Unit& unit, Host& host) {
    NavState& nav = unit.nav;
    const PlanWaypoint* from = routeWaypoint(unit, nav.leg.activeToIndex - 1);
    const PlanWaypoint* to = routeWaypoint(unit, nav.leg.activeToIndex);
    // An index that left the route (a plan replaced under it) gives no leg to fly.
    if (from == nullptr || to == nullptr) return;
    nav.leg.anticipationDistance = nav.aircraft.groundSpeedKt / 3600.0 * nav.leg.anticipationSeconds;

    const LegEnds leg{1, from->latitude, from->longitude, to->latitude, to->longitude};
    CrossTrackResult crossing{};
    crossTrack(nav, leg, LegMode::PlanLeg, crossing);
    nav.leg.planCrossTrack = crossing.crossTrackNm;

    double courseTrue = 0.0;
    greatCircle(leg.fromLat, leg.fromLon, leg.toLat, leg.toLon, nav.leg.legLength, courseTrue);
    nav.leg.desiredTrack = toMagnetic(courseTrue, nav.aircraft.magVar);
    double bearingTrue = 0.0;
    greatCircle(nav.aircraft.presentLat, nav.aircraft.presentLon, leg.toLat, leg.toLon, nav.leg.distanceToGo, bearingTrue);
    nav.leg.bearingToWaypoint = toMagnetic(bearingTrue, nav.aircraft.magVar);

    // The intercept leg leads to the waypoint that was TO at engagement; once another one is
    // TO (sequenced, re-captured, a plan activated in its place) the leg is flown directly.
    if (nav.coupling.interceptActive == 1 &&
        (nav.coupling.interceptToIndex != nav.leg.activeToIndex || nav.coupling.interceptToLat != to->latitude ||
         nav.coupling.interceptToLon != to->longitude)) {
        nav.coupling.interceptActive = 0;
    }
    if (nav.coupling.interceptActive == 0) {
        steerTowards(unit, host, leg.fromLat, leg.fromLon, nav.leg.desiredTrack + nav.aircraft.magVar,
                     nav.leg.legLength - nav.leg.distanceToGo);
    } else {
        steerTowards(unit, host, nav.coupling.interceptStartLat, nav.coupling.interceptStartLon,
                     nav.coupling.interceptCourse + nav.aircraft.magVar, nav.coupling.interceptDistance - nav.leg.distanceToGo);
        if (nav.leg.anticipationDistance >= nav.leg.planCrossTrack ||
            fold180(nav.leg.bearingToWaypoint - nav.leg.desiredTrack) < kCourseCaptureDeg) {
            nav.coupling.interceptActive = 0;
        }
    }

    // Passing abeam the waypoint sequences it too; distanceToGo keeps the true distance,
    // which the pages show.
    const bool passedAbeamLine = nav.aircraft.heightFt > kAbeamMinHeightFt && nav.leg.directToActive == 0 &&
                                 passedAbeam(nav, leg.toLat, leg.toLon) == 1;
    if ((passedAbeamLine || nav.leg.anticipationDistance > nav.leg.distanceToGo) &&
        nav.leg.activeToIndex < unit.fpl.activeLastIndex) {
        nav.leg.activeToIndex += 1;
    }
}

void flyDirectTo(Unit& unit, Host& host) {
    NavState& nav = unit.nav;
    const PlanWaypoint& origin = unit.directToLeg.origin;
    const PlanWaypoint& target = unit.directToLeg.target;
    // A direct-to replaces the intercept leg; the plan leg is flown directly after it.
    nav.coupling.interceptActive = 0;
    nav.leg.anticipationDistance = nav.aircraft.groundSpeedKt / 3600.0 * nav.leg.anticipationSeconds;
    double courseTrue = 0.0;
    greatCircle(origin.latitude, origin.longitude, target.latitude, target.longitude,
                nav.leg.legLength, courseTrue);
    nav.leg.desiredTrack = toMagnetic(courseTrue, nav.aircraft.magVar);
    double bearingTrue = 0.0;
    greatCircle(nav.aircraft.presentLat, nav.aircraft.presentLon, target.latitude, target.longitude,
                nav.leg.distanceToGo, bearingTrue);
    nav.leg.bearingToWaypoint = toMagnetic(bearingTrue, nav.aircraft.magVar);
    steerTowards(unit, host, origin.latitude, origin.longitude, nav.leg.desiredTrack + nav.aircraft.magVar,
                 nav.leg.legLength - nav.leg.distanceToGo);

    if (nav.leg.anticipationDistance > nav.leg.distanceToGo) {
        nav.leg.directToActive = 0;
        // When the target was the active plan waypoint, the plan goes on from the next one.
        if (const PlanWaypoint* to = routeWaypoint(unit, nav.leg.activeToIndex)) {
            double toPlanNm = 0.0;
            double unusedBearing = 0.0;
            greatCircle(nav.aircraft.presentLat, nav.aircraft.presentLon, to->latitude, to->longitude, toPlanNm,
                        unusedBearing);
            if (nav.leg.anticipationDistance > toPlanNm &&
                nav.leg.activeToIndex < unit.fpl.activeLastIndex) {
                nav.leg.activeToIndex += 1;
            }
        }
    }
}

void updateWind(NavState& nav, Host& host) {
    const double windDirTrueRad = host.readToken(kTokenWindDirection) * kDegToRad;
    const double headingRad = nav.aircraft.headingTrue * kDegToRad;
    nav.wind.headwindKt = std::cos(windDirTrueRad - headingRad) * nav.wind.windSpeedKt;
    nav.wind.crosswindKt = std::sin(windDirTrueRad - headingRad) * nav.wind.windSpeedKt;
    if (nav.aircraft.groundSpeedKt > 25.0) {
        nav.wind.trueAirspeedKt = nav.wind.headwindKt + nav.aircraft.groundSpeedKt;
        // A wind from the right (positive crosswind) drifts the track left of the heading:
        // the track lies downwind. A tailwind as strong as the ground speed leaves no
        // airspeed to divide by.
        nav.wind.driftDeg = nav.wind.trueAirspeedKt != 0.0
                                ? -nav.wind.crosswindKt / (nav.wind.trueAirspeedKt / 60.0)
                                : 0.0;
    } else {
        nav.wind.trueAirspeedKt = 0.0;
        nav.wind.driftDeg = 0.0;
    }
    if (nav.wind.trueAirspeedKt > 0.0) {
        nav.wind.trackMag = wrapOneTurn(nav.aircraft.headingMag + nav.wind.driftDeg);
    } else {
        nav.wind.trackMag = nav.aircraft.headingMag;
    }
    nav.wind.windDirMag = wrap360(windDirTrueRad * kRadToDeg - nav.aircraft.magVar);
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
    if (nav.leg.directToActive == 1) {
        flyDirectTo(unit, host);
    } else if (nav.leg.activeToIndex != kNoActiveRoute) {
        flyPlanLeg(unit, host);
    }
    updateWind(nav, host);
    if (nav.departureHour == -1.0 && nav.aircraft.groundSpeedKt > unit.settings.flightTimerSpeed) {
        nav.departureHour = nav.aircraft.zuluHour;
        nav.departureMinute = nav.aircraft.zuluMinute;
    }
}

bool unitPowered(const Unit& unit) { return unit.power.powerOn != 0 && unit.nav.aircraft.powerAvailable != 0; }

bool planLegFlyable(const Unit& unit) {
    return unit.nav.leg.activeToIndex != kNoActiveRoute &&
           routeWaypoint(unit, unit.nav.leg.activeToIndex - 1) != nullptr &&
           routeWaypoint(unit, unit.nav.leg.activeToIndex) != nullptr;
}

void recordInterceptLeg(Unit& unit) {
    NavState& nav = unit.nav;
    const PlanWaypoint* to = routeWaypoint(unit, nav.leg.activeToIndex);
    if (to == nullptr) return;
    nav.coupling.interceptStartLat = nav.aircraft.presentLat;
    nav.coupling.interceptStartLon = nav.aircraft.presentLon;
    greatCircle(nav.aircraft.presentLat, nav.aircraft.presentLon, to->latitude, to->longitude,
                nav.coupling.interceptDistance, nav.coupling.interceptCourse);
    nav.coupling.interceptCourse = raiseBelow(nav.coupling.interceptCourse - nav.aircraft.magVar, 0.5);
    nav.coupling.interceptToIndex = nav.leg.activeToIndex;
    nav.coupling.interceptToLat = to->latitude;
    nav.coupling.interceptToLon = to->longitude;
    nav.coupling.interceptActive = 1;
}
