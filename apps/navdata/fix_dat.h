// Reading fix.dat and earth_fix.dat (versions 600, 1101, 1200): latitude, longitude,
// identifier, and from 1101 on the terminal area ("ENRT" for en-route fixes) and region.
#pragma once

#include <string>
#include <vector>

#include "apps/navdata/diagnostics.h"
#include "apps/navdata/progress.h"
#include "apps/navdata/records.h"

namespace navdata {

bool readFixDat(const std::string& path, Diagnostics& diagnostics, Progress& progress,
                std::vector<Fix>& fixes, std::string& error);

}  // namespace navdata
