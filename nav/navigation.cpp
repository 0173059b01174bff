// The navigation solution's per-tick bookkeeping: the aircraft snapshot, fuel used, the
// blink phase, the wind triangle and the departure time.
#include "nav/navigation.h"

#include <cmath>

#include "frame/aircraft_reads.h"
#include "frame/host.h"
#include "frame/unit.h"

namespace {

constexpr double kDegToRad = 0.017453292519943295;
constexpr double kRadToDeg = 57.29577951308232;
// One run is one eighteenth of a second of flow.
constexpr double kHoursPerRun = 1.0 / 60.0 / 60.0 / 18.0;

void accumulateFuel(Unit& unit, Host& host) {
    if (unit.power.powerOn == 0) return;
    unit.nav.fuelUsed1 += engineFuelFlowPph(host, 1) * kHoursPerRun;
    unit.nav.fuelUsed2 += engineFuelFlowPph(host, 2) * kHoursPerRun;
}

void updateWind(NavState& nav, Host& host) {
    const double windDirTrueRad = host.readToken(344) * kDegToRad;
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
        nav.trackMag = nav.headingMag + nav.driftDeg;
        if (nav.trackMag > 360.0) nav.trackMag -= 360.0;
    } else {
        nav.trackMag = nav.headingMag;
    }
    nav.windDirMag = windDirTrueRad * kRadToDeg - nav.magVar;
    if (nav.windDirMag < 0.0) nav.windDirMag += 360.0;
    if (nav.windDirMag >= 360.0) nav.windDirMag -= 360.0;
}

}  // namespace

void updateNavigation(Unit& unit, Host& host) {
    NavState& nav = unit.nav;
    const double tick = host.readToken(1);
    if (tick == nav.lastTick) return;
    readAircraftState(unit, host);
    accumulateFuel(unit, host);
    nav.blinkPhase = nav.blinkPhase >= 17 ? 0 : nav.blinkPhase + 1;
    nav.lastTick = tick;
    updateWind(nav, host);
    if (nav.departureHour == -1.0 && nav.groundSpeedKt > unit.settings.flightTimerSpeed) {
        nav.departureHour = nav.zuluHour;
        nav.departureMinute = nav.zuluMinute;
    }
}
