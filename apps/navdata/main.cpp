// tarnwick-navdata: converts the open X-Plane format navigation data into the unit's
// data files. See options.h for the command line and selection.h for what is kept.
#include <cstdio>
#include <string>

#include "apps/navdata/convert.h"
#include "apps/navdata/options.h"

int main(int argc, char** argv) {
    navdata::Options options;
    bool helpOnly = false;
    std::string error;
    if (!navdata::parseOptions(argc, argv, options, helpOnly, error)) {
        std::fprintf(stderr, "tarnwick-navdata: %s\n%s", error.c_str(), navdata::kUsage);
        return 2;
    }
    if (helpOnly) {
        std::fputs(navdata::kUsage, stdout);
        return 0;
    }
    navdata::Summary summary;
    const int status = navdata::convert(options, stderr, summary);
    if (status == 0) navdata::printSummary(stdout, summary);
    return status;
}
