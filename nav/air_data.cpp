#include "nav/air_data.h"

namespace {

constexpr double kSeaLevelTemperatureC = 15.0;
constexpr double kLapseRateCPerFt = 1.98 / 1000.0;
constexpr double kFeetPerDegreeC = 120.0;

}  // namespace

double standardTemperatureC(double pressureAltitudeFt) {
    return kSeaLevelTemperatureC - kLapseRateCPerFt * pressureAltitudeFt;
}

double densityAltitudeFt(double pressureAltitudeFt, double temperatureC) {
    return pressureAltitudeFt +
           kFeetPerDegreeC * (temperatureC - standardTemperatureC(pressureAltitudeFt));
}
