#include "nav/vnav.h"

#include <cmath>

bool vnavAngleFor(double verticalSpeedFpm, double groundSpeedKt, double& angle) {
    if (groundSpeedKt == 0.0) return false;
    const double result = verticalSpeedFpm / (groundSpeedKt / 60.0) / 100.0;
    if (!std::isfinite(result)) return false;
    angle = result + 0.0;  // no "-0.0" on the page
    return true;
}

bool descentDistanceNm(double altitudeFt, double targetAltitudeFt, double verticalSpeedFpm,
                       double plannedGroundSpeedKt, double& distanceNm) {
    if (verticalSpeedFpm == 0.0 || plannedGroundSpeedKt == 0.0) return false;
    const double result =
        (altitudeFt - targetAltitudeFt) / verticalSpeedFpm * plannedGroundSpeedKt / 60.0;
    if (!std::isfinite(result)) return false;
    distanceNm = result;
    return true;
}

bool minutesToDescent(double distanceToGoNm, double descentNm, double groundSpeedKt,
                      double& minutes) {
    // The start of descent lies on the great circle from the aircraft to the waypoint,
    // descentNm short of it, so the aircraft is (distanceToGo - descentNm) from it: ahead
    // while positive, behind once negative.
    if (!(groundSpeedKt > 0.0)) return false;
    const double result = (distanceToGoNm - descentNm) / groundSpeedKt * 60.0;
    if (!std::isfinite(result)) return false;
    minutes = result;
    return true;
}

bool verticalSpeedToLose(double heightFt, double distanceNm, double groundSpeedKt,
                         double& verticalSpeedFpm) {
    if (!(distanceNm > 0.0) || !(groundSpeedKt > 0.0)) return false;
    const double minutes = distanceNm / (groundSpeedKt / 60.0);
    const double result = heightFt / minutes;
    if (!std::isfinite(result)) return false;
    verticalSpeedFpm = result + 0.0;
    return true;
}

bool verticalSpeedForAngle(double angle, double groundSpeedKt, double& verticalSpeedFpm) {
    const double result = angle * 100.0 * (groundSpeedKt / 60.0);
    if (!std::isfinite(result)) return false;
    verticalSpeedFpm = result + 0.0;
    return true;
}
