// Choosing what goes into the unit's tables: repeated records, the command line's
// filters, and the capacity policy when a table would hold more than the unit can load.
//
// Capacity policy (the unit loads at most 25,000 airports, 18,000 VORs, 18,000 NDBs and
// 280,000 intersections and ignores the rest of a file):
// - airports: the longest hard (asphalt or concrete) runway first, then those with a
//   tower frequency, then the longest runway of any surface, then file order;
// - VORs and NDBs: the greatest service range first, then file order;
// - intersections: en-route fixes before terminal ones, then file order.
// What is kept is then written sorted by identifier.
#pragma once

#include <string>
#include <vector>

#include "apps/navdata/diagnostics.h"
#include "apps/navdata/options.h"
#include "apps/navdata/records.h"

namespace navdata {

struct TableCounts {
    long read = 0;          // records taken from the input
    long repeated = 0;      // the same record again, dropped
    long filteredOut = 0;   // left out by a filter (area, kind, runway, closed)
    long overCapacity = 0;  // dropped by the capacity policy
    long written = 0;
};

// Drops airports whose identifier came earlier (the first in file order stays).
void dropRepeatedAirports(std::vector<Airport>& airports, Diagnostics& diagnostics,
                          const std::string& fileName, TableCounts& counts);
// Drops navaids and fixes that repeat an earlier one's identifier (and kind) at the same
// place; the same identifier elsewhere is a different waypoint and stays.
void dropRepeatedNavaids(std::vector<Navaid>& navaids, TableCounts& vorCounts,
                         TableCounts& ndbCounts);
void dropRepeatedFixes(std::vector<Fix>& fixes, TableCounts& counts);

bool withinArea(const Options& options, double lat, double lon);
void filterAirports(std::vector<Airport>& airports, const Options& options, TableCounts& counts);
void filterNavaids(std::vector<Navaid>& navaids, const Options& options, TableCounts& vorCounts,
                   TableCounts& ndbCounts);
void filterFixes(std::vector<Fix>& fixes, const Options& options, TableCounts& counts);

// Keep at most `capacity` records by the policy above, then sort by identifier
// (identical identifiers keep their file order).
void keepAirports(std::vector<Airport>& airports, size_t capacity, TableCounts& counts);
void keepNavaids(std::vector<Navaid>& navaids, size_t capacity, TableCounts& counts);
void keepFixes(std::vector<Fix>& fixes, size_t capacity, TableCounts& counts);

}  // namespace navdata
