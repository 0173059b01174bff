// Host variables and their conversions to the unit's units.
#include "frame/aircraft_reads.h"

#include <cstring>

#include "frame/host.h"
#include "frame/host_tokens.h"
#include "frame/numbers.h"
#include "frame/unit.h"

namespace {

constexpr double kFeetPerSecondPerKnot = 1.68781;
constexpr double kLatitudeUnitsPerDegree = 111130.555557;
constexpr double kLongitudeUnitsPerDegree = 781874935307.4;
constexpr double kLongitudeWrapRaw = 140737488355332.0;  // half a turn in host units
constexpr double kFeetPerMetre = 3.2808399;
constexpr double kTemperatureUnitsPerDegree = 256.0;  // token 350
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
    nav.aircraft.powerAvailable = truncateToInt32(host.readToken(kTokenPower));
    nav.aircraft.groundSpeedKt = host.readToken(kTokenGroundSpeed) / kFeetPerSecondPerKnot;
    nav.aircraft.calibratedAirspeedKt =
        kAirspeedNewShare * host.readToken(kTokenAirspeed) + 0.7 * nav.aircraft.calibratedAirspeedKt;
    nav.aircraft.magVar = host.readToken(kTokenMagVar);
    nav.aircraft.headingMag = host.readToken(kTokenHeadingMag);
    nav.aircraft.presentLat = decodeLatitude(host.readToken(kTokenLatitude));
    nav.aircraft.presentLon = decodeLongitude(host.readToken(kTokenLongitude));
    nav.aircraft.indicatedAltitudeFt = host.evaluateCalculatorCode(kIndicatedAltitudeCode);
    nav.aircraft.headingTrue = host.readToken(kTokenHeadingTrue);
    nav.aircraft.machNumber = host.readToken(kTokenMach) * kMachUnit * 3.2;
    nav.aircraft.autopilotAltitudeFt =
        host.evaluateCalculatorCode(kAutopilotAltitudeCode);
    nav.aircraft.zuluHour = host.readToken(kTokenUtcHour);
    nav.aircraft.zuluMinute = host.readToken(kTokenUtcMinute);
    nav.aircraft.clockSecond = host.readToken(kTokenClockSecond);
    nav.aircraft.baroSetting = host.readToken(kTokenBaroSetting) / 1013.25 * 29.92;
    if (std::strcmp(unit.settings.baroUnits, "MILLIBARS") == 0) nav.aircraft.baroSetting *= 33.8637526;
    nav.aircraft.temperatureC = host.readToken(kTokenOutsideTemperature);
    // The second read of the clock second feeds the operating-time counter.
    const double second = host.readToken(kTokenClockSecond);
    if (second != nav.aircraft.lastClockSecond) {
        unit.record.secondsCounter += 1.0;
        nav.aircraft.lastClockSecond = second;
    }
    nav.aircraft.heightFt = host.readToken(kTokenHeightMetres) * kFeetPerMetre;
    nav.wind.windSpeedKt = host.readToken(kTokenWindSpeed);
}

double engineFuelFlowPph(Host& host, int engine) {
    const size_t i = engine == 1 ? 0 : 1;
    return firstIfPositive(host, kTokenFuelFlow[i], kTokenFuelFlowSecondary[i]);
}

double totalFuelFlowPph(Host& host) {
    // Each engine falls back to its own second source, as its own flow does: an engine 1
    // whose first source reads 0 must not switch the other engines' sources too.
    double total = 0.0;
    for (size_t i = 0; i < 4; ++i) {
        total += firstIfPositive(host, kTokenFuelFlow[i], kTokenFuelFlowSecondary[i]);
    }
    return total;
}

double fuelOnBoardLb(Host& host) {
    constexpr double kLevelUnit = 1.0 / 8388608.0;  // the level is a fraction scaled by 2^23
    const double poundsPerGallon = host.readToken(kTokenFuelWeightPerGallon);
    double total = 0.0;
    for (const FuelTankTokens& tank : kTokenFuelTanks) {
        total += host.readToken(tank.level) * kLevelUnit * host.readToken(tank.capacity) *
                 poundsPerGallon;
    }
    return total;
}

double pressureAltitudeFt(Host& host) {
    return host.evaluateCalculatorCode(kPressureAltitudeCode) * kFeetPerMetre;
}

double totalAirTemperature(Host& host) {
    return host.readToken(kTokenTotalAirTemperature) / kTemperatureUnitsPerDegree;
}

int dayOfYear(Host& host) { return truncateToInt32(host.readToken(kTokenDayOfYear)); }

double calendarYear(Host& host) { return host.readToken(kTokenYear); }
