// Runway pairs of an airport: reciprocal designations, far ends, the airport's centre
// and the scale of its runway diagram.
#include <algorithm>
#include <cstring>

#include "nav/angles.h"
#include "nav/geodesy.h"
#include "navdb/pages/waypoint_pages.h"

namespace {

constexpr double kFeetPerNm = 6076.0;

bool isPairRunway(const RunwayRecord& runway) {
    const int number = runwayNumber(runway.designation);
    return number >= 1 && number <= 18;
}

// Every runway end of the airport as points: the listed thresholds and the far end of
// each runway (for a pair runway that is where its listed reciprocal now lies as well;
// for a runway listed by one end only it is the only trace of the other end).
template <typename Visit>
void forEachRunwayEnd(const AirportRecord& airport, double magVar, Visit visit) {
    const int32_t runwayCount = std::clamp(airport.runwayCount, 0, kRunwayCapacity);
    for (int32_t i = 1; i <= runwayCount; ++i) {
        const RunwayRecord& runway = airport.runways[i];
        visit(runway.thresholdLatitude, runway.thresholdLongitude);
        double lat = 0.0;
        double lon = 0.0;
        runwayFarEnd(runway, magVar, lat, lon);
        visit(lat, lon);
    }
}

}  // namespace

void runwayFarEnd(const RunwayRecord& runway, double magVar, double& lat, double& lon) {
    double headingTrue = wrap360(runway.magneticHeading + magVar);
    destinationPoint(runway.thresholdLatitude, runway.thresholdLongitude, headingTrue,
                     static_cast<double>(runway.lengthFeet) / kFeetPerNm, lat, lon);
}

void prepareRunwayPairs(AirportRecord& airport, double magVar) {
    if (airport.diagramScaleValid != 0) return;
    const int32_t runwayCount = std::clamp(airport.runwayCount, 0, kRunwayCapacity);

    airport.runwayPairCount = 0;
    for (int32_t i = 1; i <= runwayCount; ++i) {
        RunwayRecord& runway = airport.runways[i];
        char reciprocal[kRunwayDesignationChars + 1];
        if (!reciprocalDesignation(runway.designation, reciprocal)) continue;
        ++airport.runwayPairCount;
        std::memcpy(runway.reciprocalDesignation, reciprocal, sizeof reciprocal);

        double farLat = 0.0;
        double farLon = 0.0;
        runwayFarEnd(runway, magVar, farLat, farLon);
        for (int32_t j = 1; j <= runwayCount; ++j) {
            RunwayRecord& other = airport.runways[j];
            if (j != i && std::strcmp(other.designation, reciprocal) == 0) {
                other.thresholdLatitude = farLat;
                other.thresholdLongitude = farLon;
            }
        }
    }

    // An airport without runways keeps the position its file gave it.
    if (runwayCount > 0) {
        double minLat = 90.0, maxLat = -90.0, minLon = 360.0, maxLon = -360.0;
        forEachRunwayEnd(airport, magVar, [&](double lat, double lon) {
            minLat = std::min(minLat, lat);
            maxLat = std::max(maxLat, lat);
            minLon = std::min(minLon, lon);
            maxLon = std::max(maxLon, lon);
        });
        airport.latitude = (minLat + maxLat) / 2.0;
        airport.longitude = (minLon + maxLon) / 2.0;
    }

    double scaleNm = 0.0;
    forEachRunwayEnd(airport, magVar, [&](double lat1, double lon1) {
        forEachRunwayEnd(airport, magVar, [&](double lat2, double lon2) {
            double distanceNm = 0.0;
            double bearing = 0.0;
            greatCircle(lat1, lon1, lat2, lon2, distanceNm, bearing);
            if (distanceNm > scaleNm) scaleNm = distanceNm;
        });
    });
    airport.diagramScale = scaleNm;
    airport.diagramScaleValid = 1;
}

int32_t runwayOfPair(const AirportRecord& airport, int32_t pair) {
    if (pair < 1) return 0;
    const int32_t runwayCount = std::clamp(airport.runwayCount, 0, kRunwayCapacity);
    int32_t seen = 0;
    for (int32_t i = 1; i <= runwayCount; ++i) {
        if (isPairRunway(airport.runways[i]) && ++seen == pair) return i;
    }
    return 0;
}
