// Repeated records and the command line's filters.
#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "apps/navdata/selection.h"
#include "nav/geodesy.h"

namespace navdata {
namespace {

// Two records closer than this (degrees) are the same place.
constexpr double kSamePlaceDeg = 0.01;

bool samePlace(double lat1, double lon1, double lat2, double lon2) {
    return std::fabs(lat1 - lat2) < kSamePlaceDeg && std::fabs(lon1 - lon2) < kSamePlaceDeg;
}

// Removes the records `drop` says so, keeping the order of the rest.
template <typename Record, typename Drop>
void removeWhere(std::vector<Record>& records, Drop drop) {
    records.erase(std::remove_if(records.begin(), records.end(), drop), records.end());
}

// Drops records whose key and place match an earlier record's.
template <typename Record, typename Key, typename Counts>
void dropSamePlaceRepeats(std::vector<Record>& records, Key key, Counts countsOf) {
    std::unordered_map<std::string, std::vector<size_t>> seen;
    std::vector<bool> repeated(records.size(), false);
    for (size_t i = 0; i < records.size(); ++i) {
        std::vector<size_t>& earlier = seen[key(records[i])];
        for (size_t j : earlier) {
            if (samePlace(records[i].lat, records[i].lon, records[j].lat, records[j].lon)) {
                repeated[i] = true;
                ++countsOf(records[i]).repeated;
                break;
            }
        }
        if (!repeated[i]) earlier.push_back(i);
    }
    size_t index = 0;
    removeWhere(records, [&](const Record&) { return repeated[index++]; });
}

}  // namespace

void dropRepeatedAirports(std::vector<Airport>& airports, Diagnostics& diagnostics,
                          const std::string& fileName, TableCounts& counts) {
    std::unordered_map<std::string, long> firstLine;
    std::vector<bool> repeated(airports.size(), false);
    for (size_t i = 0; i < airports.size(); ++i) {
        const auto [found, inserted] = firstLine.emplace(airports[i].ident, airports[i].line);
        if (inserted) continue;
        repeated[i] = true;
        ++counts.repeated;
        diagnostics.warn(fileName, airports[i].line, "repeated airport identifier, left out",
                         airports[i].ident + " (first on line " + std::to_string(found->second) + ")");
    }
    size_t index = 0;
    removeWhere(airports, [&](const Airport&) { return repeated[index++]; });
}

void dropRepeatedNavaids(std::vector<Navaid>& navaids, TableCounts& vorCounts,
                         TableCounts& ndbCounts) {
    dropSamePlaceRepeats(
        navaids,
        [](const Navaid& navaid) {
            return navaid.ident + (navaid.kind == NavaidKind::Vor ? " V" : " N");
        },
        [&](const Navaid& navaid) -> TableCounts& {
            return navaid.kind == NavaidKind::Vor ? vorCounts : ndbCounts;
        });
}

void dropRepeatedFixes(std::vector<Fix>& fixes, TableCounts& counts) {
    dropSamePlaceRepeats(
        fixes, [](const Fix& fix) { return fix.ident; },
        [&](const Fix&) -> TableCounts& { return counts; });
}

bool withinArea(const Options& options, double lat, double lon) {
    if (!options.hasArea) return true;
    double distanceNm = 0.0;
    double bearing = 0.0;
    greatCircle(options.centerLat, options.centerLon, lat, lon, distanceNm, bearing);
    return distanceNm <= options.radiusNm;
}

void filterAirports(std::vector<Airport>& airports, const Options& options, TableCounts& counts) {
    removeWhere(airports, [&](const Airport& airport) {
        const bool kindWanted = (airport.kind == AirportKind::Land && options.land) ||
                                (airport.kind == AirportKind::Sea && options.sea) ||
                                (airport.kind == AirportKind::Heliport && options.heliports);
        const bool keep = kindWanted && (options.keepClosed || !airport.closed) &&
                          airport.longestFt >= options.minRunwayFt &&
                          (!options.hardOnly || airport.longestHardFt > 0) &&
                          withinArea(options, airport.lat, airport.lon);
        if (!keep) ++counts.filteredOut;
        return !keep;
    });
}

void filterNavaids(std::vector<Navaid>& navaids, const Options& options, TableCounts& vorCounts,
                   TableCounts& ndbCounts) {
    removeWhere(navaids, [&](const Navaid& navaid) {
        if (withinArea(options, navaid.lat, navaid.lon)) return false;
        ++(navaid.kind == NavaidKind::Vor ? vorCounts : ndbCounts).filteredOut;
        return true;
    });
}

void filterFixes(std::vector<Fix>& fixes, const Options& options, TableCounts& counts) {
    removeWhere(fixes, [&](const Fix& fix) {
        if (withinArea(options, fix.lat, fix.lon)) return false;
        ++counts.filteredOut;
        return true;
    });
}

}  // namespace navdata
