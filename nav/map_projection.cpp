#include "nav/map_projection.h"

#include <algorithm>
#include <cmath>

#include "nav/angles.h"
#include "nav/geodesy.h"
#include "nav/nav_state.h"

double mapUpBearing(int32_t mode, const NavState& nav, bool legFlown) {
    double up = 0.0;
    switch (mode) {
        case kMapHeadingUp: up = nav.aircraft.headingTrue; break;
        case kMapTrackUp: up = nav.aircraft.headingTrue + nav.wind.driftDeg; break;
        case kMapDesiredTrackUp:
            up = legFlown ? nav.leg.desiredTrack + nav.aircraft.magVar : nav.aircraft.headingTrue;
            break;
        default: break;  // north up
    }
    return std::isfinite(up) ? wrap360(up) : 0.0;
}

bool projectToMap(double upBearing, double bearingTrue, PointF origin, double radius,
                  PointF& point) {
    const double angle = (bearingTrue - upBearing) * kDegToRad;
    const double x = origin.x + radius * std::sin(angle);
    const double y = origin.y - radius * std::cos(angle);
    if (!std::isfinite(x) || !std::isfinite(y)) return false;
    point = {static_cast<float>(x), static_cast<float>(y)};
    return true;
}

double mapUnitsPerNm(double radiusPx, double rangeNm) {
    const double range = rangeNm >= kMapRangeMinNm ? rangeNm : kMapRangeMinNm;  // NaN too
    return radiusPx / range;
}

double leftRangeStepNm(int32_t spinCount) {
    constexpr struct {
        int32_t belowCount;
        double stepNm;
    } kSteps[] = {{12, 1.0}, {24, 5.0}, {36, 10.0}, {48, 20.0}, {60, 40.0}};
    for (const auto& step : kSteps) {
        if (spinCount < step.belowCount) return step.stepNm;
    }
    return 80.0;
}

double stepLeftMapRange(double rangeNm, KnobTurn turn, int32_t spinCount) {
    const double step = leftRangeStepNm(spinCount);
    if (turn == KnobTurn::Up) {
        return rangeNm < kMapRangeMaxNm ? std::min(rangeNm + step, kMapRangeMaxNm) : rangeNm;
    }
    return rangeNm > kMapRangeMinNm ? std::max(rangeNm - step, kMapRangeMinNm) : rangeNm;
}

double stepRightMapRange(double rangeNm, KnobTurn turn) {
    if (turn == KnobTurn::Up)
        return rangeNm >= kRightMapRangeTopNm ? kMapRangeMinNm : rangeNm + 1.0;
    return rangeNm <= kMapRangeMinNm ? kMapRangeMaxNm : rangeNm - 1.0;
}
