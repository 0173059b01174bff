#include "nav/angles.h"

#include <cmath>

double floorMod(double x, double m) { return x - std::floor(x / m) * m; }

double wrap360(double deg) {
    // fmod is exact, so an angle already in range comes back unchanged.
    double wrapped = std::fmod(deg, 360.0);
    if (wrapped < 0.0) wrapped += 360.0;
    // A tiny negative angle plus 360 rounds to 360 itself.
    if (wrapped >= 360.0) wrapped = 0.0;
    return wrapped + 0.0;
}

double wrapOneTurn(double deg) {
    if (deg < 0.0) {
        deg += 360.0;
    } else if (deg > 360.0) {
        deg -= 360.0;
    }
    return deg + 0.0;
}

double raiseBelow(double deg, double lowDeg) { return deg < lowDeg ? deg + 360.0 : deg; }

double fold180(double deg) {
    const double wrapped = wrap360(deg);
    return wrapped > 180.0 ? 360.0 - wrapped : wrapped;
}

double toMagnetic(double bearingTrue, double magVar) { return wrapOneTurn(bearingTrue - magVar); }
