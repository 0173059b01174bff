#include "platform/sim/aircraft_model.h"

#include <cmath>

#include "nav/angles.h"
#include "platform/sim/sim_host.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kEarthRadiusNm = 10800.0 / kPi;
constexpr double kLatitudeFactor = 111130.555557;
constexpr double kLongitudeFactor = 781874935307.4;
constexpr double kFeetPerSecondPerKnot = 1.68781;
constexpr double kSecondsPerDay = 86400.0;

double radians(double deg) { return deg * kPi / 180.0; }
double degrees(double rad) { return rad * 180.0 / kPi; }

// Brings a longitude into (-180, 180].
double wrapLongitude(double deg) {
    double r = wrap360(deg);
    return r > 180.0 ? r - 360.0 : r;
}

// The signed turn from `fromDeg` to `toDeg`, the short way, in (-180, 180].
double turnBetween(double fromDeg, double toDeg) {
    double d = wrap360(toDeg - fromDeg);
    return d > 180.0 ? d - 360.0 : d;
}

}  // namespace

double encodeLatitude(double latDeg) { return latDeg * kLatitudeFactor; }

double encodeLongitude(double lonDeg) {
    // The host keeps longitude as an angle that wraps at 360: west is 360 - |lon|.
    double wrapped = lonDeg < 0.0 ? lonDeg + 360.0 : lonDeg;
    return wrapped * kLongitudeFactor;
}

void encodeAircraftState(const AircraftState& state, SimHost& host) {
    host.setToken(kTokenLatitude, encodeLatitude(state.latDeg));
    host.setToken(kTokenLongitude, encodeLongitude(state.lonDeg));
    host.setToken(kTokenGroundSpeed, state.groundSpeedKt * kFeetPerSecondPerKnot);
    host.setToken(kTokenHeadingMag, state.headingMagDeg);
    host.setToken(kTokenHeadingTrue, state.headingTrueDeg);
    host.setToken(kTokenMagVar, state.magVarDeg);
    host.setCalculatorResult(kIndicatedAltitudeCode, state.altitudeFt);
    host.setCalculatorResult(kPressureAltitudeCode, state.altitudeFt / kFeetPerMetre);
    host.setToken(kTokenHeightMetres, state.altitudeFt / kFeetPerMetre);
    // Frame steps of 1/18 s do not add up exactly; a hair of slack keeps whole seconds whole.
    double seconds = std::floor(state.utcSeconds + 1e-6);
    auto whole = static_cast<long>(seconds) % 86400;
    host.setToken(kTokenUtcHour, static_cast<double>(whole / 3600));
    host.setToken(kTokenUtcMinute, static_cast<double>((whole / 60) % 60));
    host.setToken(kTokenClockSecond, static_cast<double>(whole % 60));
    host.setToken(kTokenWindSpeed, state.windSpeedKt);
    host.setToken(kTokenWindDirection, state.windDirTrueDeg);
    host.setToken(kTokenPower, state.powerOn ? 1.0 : 0.0);
}

void setMagneticHeading(AircraftState& state, double headingMagDeg) {
    state.headingMagDeg = wrap360(headingMagDeg);
    state.headingTrueDeg = wrap360(headingMagDeg + state.magVarDeg);
}

void setMagneticVariation(AircraftState& state, double magVarDeg) {
    state.magVarDeg = magVarDeg;
    state.headingTrueDeg = wrap360(state.headingMagDeg + magVarDeg);
}

void setUtc(AircraftState& state, int hour, int minute, double second) {
    double t = hour * 3600.0 + minute * 60.0 + second;
    t = std::fmod(t, kSecondsPerDay);
    if (t < 0.0) t += kSecondsPerDay;
    state.utcSeconds = t;
}

void moveAlongGreatCircle(double& latDeg, double& lonDeg, double courseDeg, double distanceNm) {
    double lat1 = radians(latDeg);
    double lon1 = radians(lonDeg);
    double course = radians(courseDeg);
    double angle = distanceNm / kEarthRadiusNm;
    double sinLat2 = std::sin(lat1) * std::cos(angle) +
                     std::cos(lat1) * std::sin(angle) * std::cos(course);
    sinLat2 = std::fmax(-1.0, std::fmin(1.0, sinLat2));
    double lat2 = std::asin(sinLat2);
    double lon2 = lon1 + std::atan2(std::sin(course) * std::sin(angle) * std::cos(lat1),
                                    std::cos(angle) - std::sin(lat1) * sinLat2);
    latDeg = degrees(lat2);
    lonDeg = wrapLongitude(degrees(lon2));
}

void advanceAircraft(AircraftState& state, double seconds, bool turning, double targetMagDeg) {
    if (!(seconds > 0.0)) return;
    if (turning) {
        double wanted = turnBetween(state.headingMagDeg, targetMagDeg);
        double limit = kTurnRateDegPerSecond * seconds;
        double turn = std::fmax(-limit, std::fmin(limit, wanted));
        // Turn both headings together so an explicit true heading keeps its offset.
        state.headingMagDeg = wrap360(state.headingMagDeg + turn);
        state.headingTrueDeg = wrap360(state.headingTrueDeg + turn);
    }
    double distanceNm = state.groundSpeedKt * seconds / 3600.0;
    if (distanceNm != 0.0) {
        moveAlongGreatCircle(state.latDeg, state.lonDeg, state.headingTrueDeg, distanceNm);
    }
    state.utcSeconds = std::fmod(state.utcSeconds + seconds, kSecondsPerDay);
    if (state.utcSeconds > kSecondsPerDay - 1e-6) state.utcSeconds = 0.0;
}
