// Reading apt.dat (versions 850, 1000, 1050, 1100, 1200): airports, seaplane bases and
// heliports with their runways (rows 100, 101, and the older row 10 some files still
// carry), helipads (102), communication frequencies (50-56 and the 8.33 kHz rows
// 1050-1056) and the metadata position (1302 datum_lat/datum_lon).
#pragma once

#include <string>
#include <vector>

#include "apps/navdata/diagnostics.h"
#include "apps/navdata/progress.h"
#include "apps/navdata/records.h"

namespace navdata {

// Reads every airport of the file in file order. False with `error` set when the file
// cannot be read; rows it cannot use are reported and skipped.
bool readAptDat(const std::string& path, Diagnostics& diagnostics, Progress& progress,
                std::vector<Airport>& airports, std::string& error);

// The opposite end's designation of a runway: "04L" -> "22R", "18" -> "36", "36C" -> "18C".
std::string reciprocalRunway(const std::string& designation);

}  // namespace navdata
