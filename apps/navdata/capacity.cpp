// The capacity policy: which records stay when a table would hold more than the unit
// loads, and the identifier order of what is written.
#include <algorithm>
#include <tuple>

#include "apps/navdata/selection.h"

namespace navdata {
namespace {

// Keeps the first `capacity` records in `better` order, then sorts them by identifier.
template <typename Record, typename Better>
void keepBest(std::vector<Record>& records, size_t capacity, TableCounts& counts, Better better) {
    if (records.size() > capacity) {
        std::stable_sort(records.begin(), records.end(), better);
        counts.overCapacity += static_cast<long>(records.size() - capacity);
        records.resize(capacity);
    }
    // The unit offers identifier characters in file order, so files are in identifier
    // order; equal identifiers keep their file order.
    std::stable_sort(records.begin(), records.end(), [](const Record& a, const Record& b) {
        if (a.ident != b.ident) return a.ident < b.ident;
        return a.line < b.line;
    });
    counts.written = static_cast<long>(records.size());
}

}  // namespace

void keepAirports(std::vector<Airport>& airports, size_t capacity, TableCounts& counts) {
    keepBest(airports, capacity, counts, [](const Airport& a, const Airport& b) {
        const bool towerA = !a.comm[kCommTwr].empty();
        const bool towerB = !b.comm[kCommTwr].empty();
        return std::tie(b.longestHardFt, towerB, b.longestFt, a.line) <
               std::tie(a.longestHardFt, towerA, a.longestFt, b.line);
    });
}

void keepNavaids(std::vector<Navaid>& navaids, size_t capacity, TableCounts& counts) {
    keepBest(navaids, capacity, counts, [](const Navaid& a, const Navaid& b) {
        if (a.rangeNm != b.rangeNm) return a.rangeNm > b.rangeNm;
        return a.line < b.line;
    });
}

void keepFixes(std::vector<Fix>& fixes, size_t capacity, TableCounts& counts) {
    keepBest(fixes, capacity, counts, [](const Fix& a, const Fix& b) {
        if (a.enroute != b.enroute) return a.enroute;
        return a.line < b.line;
    });
}

}  // namespace navdata
