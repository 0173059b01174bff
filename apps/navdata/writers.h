// The unit's data files: one line per record, blank-separated columns, names with
// underscores for blanks, positions in decimal degrees with five decimals.
//   navs.txt      IDENT NAME LAT LON VOR|NDB FREQUENCY
//   ints.txt      IDENT NAME LAT LON
//   apts.txt      IDENT NAME ELEVATION LAT LON RUNWAY...
//                 RUNWAY = DESIGNATION_LENGTH_LAT_LON_HEADING_SURFACE_LIGHTS_DISPLACED
//                 (threshold position, heading degrees magnetic, lights LIT or NIL,
//                 displaced threshold in feet), one column per runway end, at most 20
//   apt_info.txt  [IDENT], key=value lines (atis clr grnd twr uncm appr ctr ils rdr),
//                 a blank line after each section
#pragma once

#include <string>
#include <vector>

#include "apps/navdata/magvar.h"
#include "apps/navdata/records.h"

namespace navdata {

struct HeadingSources {
    long fromVor = 0;    // airports whose runway headings use a VOR's variation
    long fromModel = 0;  // airports whose runway headings use the model
};

std::string navaidLine(const Navaid& navaid);
std::string fixLine(const Fix& fix);
std::string airportLine(const Airport& airport, const VariationSource& variation,
                        HeadingSources& sources);
// The airport's information section, or "" when it has nothing to say.
std::string airportInfoSection(const Airport& airport);

struct OutputFiles {
    std::string navs;
    std::string ints;
    std::string apts;
    std::string aptInfo;
};

// Writes the four files into `dir` (created when missing), each to a temporary name
// first; only when all four are written are they renamed over the old files. Creates an
// empty user.txt when none exists. False with `error` set when anything failed, in
// which case the old files are left as they were.
bool writeOutputFiles(const std::string& dir, const OutputFiles& files, std::string& error);

}  // namespace navdata
