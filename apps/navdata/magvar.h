// Magnetic variation for runway headings, east positive, in degrees.
//
// The unit shows runway headings as magnetic and its diagram adds the aircraft's
// variation back, so the converter uses the variation pilots see near the field: that of
// the nearest VOR within kNearVorNm (the VOR's slaved variation in nav.dat, which is what
// the charts around it use). Where no VOR is that near (oceans, polar regions, remote
// strips) it uses a spherical-harmonic model of the earth's main field to degree 3, with
// the IGRF-13 coefficients of epoch 2020.0 on a spherical earth.
#pragma once

#include <vector>

#include "apps/navdata/records.h"

namespace navdata {

constexpr double kNearVorNm = 200.0;

// The model's variation at a position (degrees, east positive).
double modelVariationDeg(double lat, double lon);

class VariationSource {
public:
    explicit VariationSource(std::vector<VariationPoint> vors);

    // The variation at a position; `fromModel` says whether the model gave it.
    double variationAt(double lat, double lon, bool& fromModel) const;

private:
    std::vector<VariationPoint> vors_;
    // VOR indices per one-degree cell, cell = (lat + 90) * 360 + (lon + 180).
    std::vector<std::vector<int>> cells_;
};

}  // namespace navdata
