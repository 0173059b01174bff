#include "apps/navdata/magvar.h"

#include <algorithm>
#include <cmath>

#include "nav/geodesy.h"

namespace navdata {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kLatCells = 180;
constexpr int kLonCells = 360;

// Schmidt semi-normalised associated Legendre functions P(n, m) of colatitude `theta`.
double legendre(int n, int m, double theta) {
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    switch (n * 10 + m) {
        case 10: return c;
        case 11: return s;
        case 20: return (3.0 * c * c - 1.0) / 2.0;
        case 21: return std::sqrt(3.0) * c * s;
        case 22: return std::sqrt(3.0) / 2.0 * s * s;
        case 30: return (5.0 * c * c * c - 3.0 * c) / 2.0;
        case 31: return std::sqrt(6.0) / 4.0 * s * (5.0 * c * c - 1.0);
        case 32: return std::sqrt(15.0) / 2.0 * c * s * s;
        case 33: return std::sqrt(10.0) / 4.0 * s * s * s;
        default: return 0.0;
    }
}

struct Coefficient {
    int n;
    int m;
    double g;  // nT
    double h;
};

// IGRF-13, epoch 2020.0, degrees 1 to 3.
constexpr Coefficient kIgrf2020[] = {
    {1, 0, -29404.8, 0.0},   {1, 1, -1450.9, 4652.5},  {2, 0, -2499.6, 0.0},
    {2, 1, 2982.0, -2991.6}, {2, 2, 1677.0, -734.6},   {3, 0, 1363.2, 0.0},
    {3, 1, -2381.2, -82.1},  {3, 2, 1236.2, 241.9},    {3, 3, 525.7, -543.4},
};

int cellIndex(int latCell, int lonCell) {
    latCell = std::clamp(latCell, 0, kLatCells - 1);
    lonCell = ((lonCell % kLonCells) + kLonCells) % kLonCells;
    return latCell * kLonCells + lonCell;
}

}  // namespace

double modelVariationDeg(double lat, double lon) {
    // Keep off the poles, where the horizontal components vanish.
    const double theta = (90.0 - std::clamp(lat, -89.9, 89.9)) * kPi / 180.0;
    const double phi = lon * kPi / 180.0;
    constexpr double step = 1e-6;
    double north = 0.0;
    double east = 0.0;
    for (const Coefficient& k : kIgrf2020) {
        const double cosTerm = std::cos(k.m * phi);
        const double sinTerm = std::sin(k.m * phi);
        const double derivative =
            (legendre(k.n, k.m, theta + step) - legendre(k.n, k.m, theta - step)) / (2.0 * step);
        north += (k.g * cosTerm + k.h * sinTerm) * derivative;
        east += k.m * (k.g * sinTerm - k.h * cosTerm) * legendre(k.n, k.m, theta) / std::sin(theta);
    }
    return std::atan2(east, north) * 180.0 / kPi;
}

VariationSource::VariationSource(std::vector<VariationPoint> vors)
    : vors_(std::move(vors)), cells_(static_cast<size_t>(kLatCells * kLonCells)) {
    for (size_t i = 0; i < vors_.size(); ++i) {
        const int latCell = static_cast<int>(std::floor(vors_[i].lat + 90.0));
        const int lonCell = static_cast<int>(std::floor(vors_[i].lon + 180.0));
        cells_[static_cast<size_t>(cellIndex(latCell, lonCell))].push_back(static_cast<int>(i));
    }
}

double VariationSource::variationAt(double lat, double lon, bool& fromModel) const {
    const double reachDeg = kNearVorNm / 60.0;
    const int latCell = static_cast<int>(std::floor(lat + 90.0));
    const int lonCell = static_cast<int>(std::floor(lon + 180.0));
    const int latSpan = static_cast<int>(std::ceil(reachDeg)) + 1;
    const double cosLat = std::max(std::cos(lat * kPi / 180.0), 0.01);
    const int lonSpan = std::min(static_cast<int>(std::ceil(reachDeg / cosLat)) + 1, kLonCells / 2);
    double best = kNearVorNm;
    const VariationPoint* nearest = nullptr;
    for (int dLat = -latSpan; dLat <= latSpan; ++dLat) {
        if (latCell + dLat < 0 || latCell + dLat >= kLatCells) continue;
        for (int dLon = -lonSpan; dLon <= lonSpan; ++dLon) {
            for (int index : cells_[static_cast<size_t>(cellIndex(latCell + dLat, lonCell + dLon))]) {
                const VariationPoint& vor = vors_[static_cast<size_t>(index)];
                double distanceNm = 0.0;
                double bearing = 0.0;
                greatCircle(lat, lon, vor.lat, vor.lon, distanceNm, bearing);
                if (distanceNm <= best) {
                    best = distanceNm;
                    nearest = &vor;
                }
            }
        }
    }
    fromModel = nearest == nullptr;
    return nearest != nullptr ? nearest->variationDeg : modelVariationDeg(lat, lon);
}

}  // namespace navdata
