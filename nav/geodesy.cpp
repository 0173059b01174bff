#include "nav/geodesy.h"

#include <algorithm>
#include <cmath>

#include "nav/nav_state.h"

namespace {

constexpr double kCrossTrackCapNm = 125.0;
constexpr double kAbeamLineNm = 22.0;

double courseOrZero(double course) { return course == 360.0 ? 0.0 : course; }

// Side of a bearing against a reference: 1 when the bearing lies clockwise of the
// reference by at most 180 degrees, else 2. The angle is the plain difference.
void sideAndAngle(double bearing, double reference, int32_t& side, double& angle) {
    const double clockwise = wrap360(bearing - reference);
    side = clockwise <= 180.0 ? 1 : 2;
    angle = std::fabs(bearing - reference);
}

// Side of a bearing against the desired track for the abeam test: 1 left
// (counter-clockwise of the track), 2 right; the angle folded to at most 180.
void abeamSide(double bearing, double track, int32_t& side, double& angle) {
    const double clockwise = wrap360(bearing - track);
    if (clockwise > 180.0) {
        side = 1;
        angle = 360.0 - clockwise;
    } else {
        side = 2;
        angle = clockwise;
    }
}

}  // namespace

void greatCircle(double lat1, double lon1, double lat2, double lon2, double& distanceNm,
                 double& bearingTrue) {
    const double phi1 = lat1 * kDegToRad;
    const double phi2 = lat2 * kDegToRad;
    const double dLambda = (lon2 - lon1) * kDegToRad;
    const double cosine = std::cos(phi1) * std::cos(phi2) * std::cos(dLambda) +
                          std::sin(phi1) * std::sin(phi2);
    // Rounding can push the cosine of coincident points just past 1, where acos has no
    // value; clamping gives those points a distance of 0.
    distanceNm = std::acos(std::clamp(cosine, -1.0, 1.0)) * kEarthRadiusNm;
    const double y = std::sin(dLambda) * std::cos(phi2);
    const double x = std::sin(phi2) * std::cos(phi1) -
                     std::sin(phi1) * std::cos(phi2) * std::cos(dLambda);
    double bearing = floorMod(std::atan2(y, x), kTwoPi) * kRadToDeg;
    // North reads 360 on every page, and so does anything that would show as 000.
    if (bearing >= 0.0 && bearing < 1.0) bearing = 360.0;
    bearingTrue = bearing;
}

void destinationPoint(double lat, double lon, double courseTrue, double distanceNm,
                      double& lat2, double& lon2) {
    const double phi1 = lat * kDegToRad;
    const double lambda1 = lon * kDegToRad;
    const double theta = courseOrZero(courseTrue) * kDegToRad;
    const double delta = distanceNm * kPi / 10800.0;
    const double phi2 = std::asin(std::sin(phi1) * std::cos(delta) +
                                  std::cos(phi1) * std::sin(delta) * std::cos(theta));
    const double lambda2 =
        floorMod(lambda1 +
                     std::atan2(std::sin(theta) * std::sin(delta) * std::cos(phi1),
                                std::cos(delta) - std::sin(phi1) * std::sin(phi2)) +
                     kPi,
                 kTwoPi) -
        kPi;
    lat2 = phi2 * kRadToDeg;
    lon2 = lambda2 * kRadToDeg;
}

int32_t courseIntersection(double lat1, double lon1, double course1True, double lat2,
                           double lon2, double course2True, double& lat3, double& lon3) {
    const double phi1 = lat1 * kDegToRad;
    const double lambda1 = lon1 * kDegToRad;
    const double phi2 = lat2 * kDegToRad;
    const double lambda2 = lon2 * kDegToRad;
    const double theta13 = courseOrZero(course1True) * kDegToRad;
    const double theta23 = courseOrZero(course2True) * kDegToRad;

    const double sinHalfLat = std::sin((phi1 - phi2) / 2.0);
    const double sinHalfLon = std::sin((lambda1 - lambda2) / 2.0);
    const double d12 = 2.0 * std::asin(std::sqrt(sinHalfLat * sinHalfLat +
                                                 std::cos(phi1) * std::cos(phi2) *
                                                     sinHalfLon * sinHalfLon));
    const double a = std::acos((std::sin(phi2) - std::sin(phi1) * std::cos(d12)) /
                               (std::sin(d12) * std::cos(phi1)));
    const double b = std::acos((std::sin(phi1) - std::sin(phi2) * std::cos(d12)) /
                               (std::sin(d12) * std::cos(phi2)));
    const double theta12 = std::sin(lambda2 - lambda1) > 0.0 ? a : kTwoPi - a;
    const double theta21 = std::sin(lambda1 - lambda2) > 0.0 ? b : kTwoPi - b;

    double alpha1 = floorMod(theta13 - theta12 + kPi, kTwoPi) - kPi;
    double alpha2 = floorMod(theta21 - theta23 + kPi, kTwoPi) - kPi;
    // Also rejects coincident start points, where the angles above have no value.
    if (!(std::sin(alpha1) * std::sin(alpha2) > std::sqrt(1e-15))) return -99;

    alpha1 = std::fabs(alpha1);
    alpha2 = std::fabs(alpha2);
    const double alpha3 = std::acos(std::sin(alpha1) * std::sin(alpha2) * std::cos(d12) -
                                    std::cos(alpha1) * std::cos(alpha2));
    const double d13 = std::asin(std::sin(d12) * std::sin(alpha2) / std::sin(alpha3));
    const double phi3 = std::asin(std::sin(phi1) * std::cos(d13) +
                                  std::cos(phi1) * std::sin(d13) * std::cos(theta13));
    const double lambda3 =
        floorMod(lambda1 + std::asin(std::sin(theta13) * std::sin(d13) / std::cos(phi3)) + kPi,
                 kTwoPi) -
        kPi;
    lat3 = phi3 * kRadToDeg;
    lon3 = lambda3 * kRadToDeg;
    return 0;
}

void crossTrack(const NavState& nav, const LegEnds& leg, LegMode mode, CrossTrackResult& out) {
    if (!leg.valid) {
        out.crossTrackNm = -99.0;
        return;
    }
    double toDistance = 0.0;
    double bearingToWaypoint = 0.0;
    greatCircle(nav.aircraft.presentLat, nav.aircraft.presentLon, leg.toLat, leg.toLon, toDistance,
                bearingToWaypoint);
    double legDistance = 0.0;
    double legCourseTrue = 0.0;
    greatCircle(leg.fromLat, leg.fromLon, leg.toLat, leg.toLon, legDistance, legCourseTrue);
    const double legCourseMag = toMagnetic(legCourseTrue, nav.aircraft.magVar);

    double alongTrackNm = 0.0;
    double alongCourseTrue = 0.0;
    if (mode == LegMode::PlanLeg) {
        alongTrackNm = nav.leg.legLength - nav.leg.distanceToGo;
        alongCourseTrue = nav.leg.desiredTrack + nav.aircraft.magVar;
    } else {
        alongTrackNm = legDistance - toDistance;
        alongCourseTrue = legCourseTrue;
    }
    double abeamLat = 0.0;
    double abeamLon = 0.0;
    destinationPoint(leg.fromLat, leg.fromLon, alongCourseTrue, alongTrackNm, abeamLat, abeamLon);

    double offTrackNm = 0.0;
    double bearingFromAbeam = 0.0;
    greatCircle(abeamLat, abeamLon, nav.aircraft.presentLat, nav.aircraft.presentLon, offTrackNm,
                bearingFromAbeam);
    out.crossTrackNm = std::min(offTrackNm, kCrossTrackCapNm);

    double unusedAngle = 0.0;
    sideAndAngle(nav.aircraft.headingMag, legCourseMag, out.headingSide, out.headingAngle);
    sideAndAngle(bearingToWaypoint, legCourseTrue, out.toSide, out.toAngle);
    sideAndAngle(bearingFromAbeam, legCourseTrue, out.aircraftSide, unusedAngle);
}

int32_t passedAbeam(const NavState& nav, double waypointLat, double waypointLon) {
    const double track = nav.leg.desiredTrack;
    const double left = wrapOneTurn(track - 90.0);
    const double right = wrapOneTurn(track + 90.0);

    double distance = 0.0;
    double bearing = 0.0;
    greatCircle(nav.aircraft.presentLat, nav.aircraft.presentLon, waypointLat, waypointLon, distance, bearing);
    // This test's magnetic conversion already wraps exactly 360 to 0.
    const double bearingWaypoint = wrap360(bearing - nav.aircraft.magVar);

    double leftLat = 0.0;
    double leftLon = 0.0;
    double rightLat = 0.0;
    double rightLon = 0.0;
    destinationPoint(waypointLat, waypointLon, left + nav.aircraft.magVar, kAbeamLineNm, leftLat, leftLon);
    destinationPoint(waypointLat, waypointLon, right + nav.aircraft.magVar, kAbeamLineNm, rightLat,
                     rightLon);
    greatCircle(nav.aircraft.presentLat, nav.aircraft.presentLon, leftLat, leftLon, distance, bearing);
    const double bearingLeft = wrap360(bearing - nav.aircraft.magVar);
    greatCircle(nav.aircraft.presentLat, nav.aircraft.presentLon, rightLat, rightLon, distance, bearing);
    const double bearingRight = wrap360(bearing - nav.aircraft.magVar);

    int32_t sideLeft = 0;
    int32_t sideRight = 0;
    int32_t sideWaypoint = 0;
    double angleLeft = 0.0;
    double angleRight = 0.0;
    double angleWaypoint = 0.0;
    abeamSide(bearingLeft, track, sideLeft, angleLeft);
    abeamSide(bearingRight, track, sideRight, angleRight);
    abeamSide(bearingWaypoint, track, sideWaypoint, angleWaypoint);

    const bool crossedFromLeft =
        sideLeft == 1 && sideWaypoint == 2 && angleLeft > 90.0 && angleWaypoint > 90.0;
    const bool crossedFromRight =
        sideRight == 2 && sideWaypoint == 1 && angleRight > 90.0 && angleWaypoint > 90.0;
    return crossedFromLeft || crossedFromRight ? 1 : 0;
}
