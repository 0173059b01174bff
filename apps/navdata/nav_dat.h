// Reading nav.dat (versions 810, 1100, 1150, 1200): VORs of every kind (row 3) and NDBs
// of every kind (row 2) for the unit's navaid table, the VORs' slaved variation for
// runway headings, and the airports that have an ILS (localizer rows 4 and 5).
#pragma once

#include <set>
#include <string>
#include <vector>

#include "apps/navdata/diagnostics.h"
#include "apps/navdata/progress.h"
#include "apps/navdata/records.h"

namespace navdata {

struct NavDat {
    std::vector<Navaid> navaids;           // VORs and NDBs in file order
    std::vector<VariationPoint> variations;  // one per VOR
    std::set<std::string> ilsAirports;     // airport identifiers with a localizer
};

bool readNavDat(const std::string& path, Diagnostics& diagnostics, Progress& progress,
                NavDat& navDat, std::string& error);

}  // namespace navdata
