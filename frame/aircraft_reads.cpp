// Host variables and their conversions to the unit's units.
#include "frame/aircraft_reads.h"

#include <cstring>

#include "frame/host.h"
#include "frame/numbers.h"
#include "frame/unit.h"

namespace {

constexpr double kFeetPerSecondPerKnot = 1.68781;
constexpr double kLatitudeUnitsPerDegree = 111130.555557;
constexpr double kLongitudeUnitsPerDegree = 781874935307.4;
constexpr double kLongitudeWrapRaw = 140737488355332.0;  // half a turn in host units
constexpr double kFeetPerMetre = 3.2808399;
constexpr double kMachUnit = 1.52587890625e-5;  // 1 / 65536
// 1 - 0.7 as a double, which is not exactly 0.3.
constexpr double kAirspeedNewShare = 1.0 - 0.7;

double firstIfPositive(Host& host, uint32_t first, uint32_t second) {
    const double value = host.readToken(first);
    return value > 0.0 ? value : host.readToken(second);
}

}  // namespace

double decodeLatitude(double raw) { return raw / kLatitudeUnitsPerDegree; }

double decodeLongitude(double raw) {
    const double degrees = raw / kLongitudeUnitsPerDegree;
    return raw > kLongitudeWrapRaw ? degrees - 360.0 : degrees;
}

void readAircraftState(Unit& unit, Host& host) {
    NavState& nav = unit.nav;
    nav.aircraft.powerAvailable = truncateToInt32(host.readToken(773));
    nav.aircraft.groundSpeedKt = host.readToken(551) / kFeetPerSecondPerKnot;
    nav.aircraft.calibratedAirspeedKt =
        kAirspeedNewShare * host.readToken(61) + 0.7 * nav.aircraft.calibratedAirspeedKt;
    nav.aircraft.magVar = host.readToken(82);
    nav.aircraft.headingMag = host.readToken(81);
    nav.aircraft.presentLat = decodeLatitude(host.readToken(71));
    nav.aircraft.presentLon = decodeLongitude(host.readToken(72));
    nav.aircraft.indicatedAltitudeFt = host.evaluateCalculatorCode("(A:INDICATED ALTITUDE, feet)");
    nav.aircraft.headingTrue = host.readToken(86);
    nav.aircraft.machNumber = host.readToken(64) * kMachUnit * 3.2;
    nav.aircraft.autopilotAltitudeFt =
        host.evaluateCalculatorCode("(A:AUTOPILOT ALTITUDE LOCK VAR, feet)");
    nav.aircraft.zuluHour = host.readToken(6);
    nav.aircraft.zuluMinute = host.readToken(7);
    nav.aircraft.clockSecond = host.readToken(5);
    nav.aircraft.baroSetting = host.readToken(75) / 1013.25 * 29.92;
    if (std::strcmp(unit.settings.baroUnits, "MILLIBARS") == 0) nav.aircraft.baroSetting *= 33.8637526;
    nav.aircraft.temperatureC = host.readToken(341);
    // The second read of the clock second feeds the operating-time counter.
    const double second = host.readToken(5);
    if (second != nav.aircraft.lastClockSecond) {
        unit.record.secondsCounter += 1.0;
        nav.aircraft.lastClockSecond = second;
    }
    nav.aircraft.heightFt = host.readToken(614) * kFeetPerMetre;
    nav.wind.windSpeedKt = host.readToken(343);
}

double engineFuelFlowPph(Host& host, int engine) {
    return engine == 1 ? firstIfPositive(host, 421, 638) : firstIfPositive(host, 460, 657);
}

double totalFuelFlowPph(Host& host) {
    if (host.readToken(421) > 0.0) {
        return host.readToken(421) + host.readToken(460) + host.readToken(499) +
               host.readToken(538);
    }
    return host.readToken(638) + host.readToken(657) + host.readToken(676) + host.readToken(695);
}

double fuelOnBoardLb(Host& host) {
    // Seven tanks, each a (level, capacity) pair; the level is a fraction scaled by 2^23.
    constexpr uint32_t kTankPairs[7][2] = {{289, 290}, {291, 292}, {297, 298}, {293, 294},
                                           {299, 300}, {295, 296}, {301, 302}};
    constexpr double kLevelUnit = 1.0 / 8388608.0;
    const double poundsPerGallon = host.readToken(306);
    double total = 0.0;
    for (const auto& tank : kTankPairs) {
        total += host.readToken(tank[0]) * kLevelUnit * host.readToken(tank[1]) * poundsPerGallon;
    }
    return total;
}

double pressureAltitudeFt(Host& host) {
    return host.evaluateCalculatorCode("(A:PRESSURE ALTITUDE,number)") * kFeetPerMetre;
}

double totalAirTemperature(Host& host) { return host.readToken(350) * 256.0; }

int dayOfYear(Host& host) { return truncateToInt32(host.readToken(8)); }

double calendarYear(Host& host) { return host.readToken(9); }
