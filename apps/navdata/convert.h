// One whole conversion: read the three files, choose the records, write the unit's files.
#pragma once

#include <cstdio>

#include "apps/navdata/options.h"
#include "apps/navdata/selection.h"
#include "apps/navdata/writers.h"

namespace navdata {

struct Summary {
    TableCounts airports;
    TableCounts vors;
    TableCounts ndbs;
    TableCounts intersections;
    HeadingSources headings;
    long infoSections = 0;
};

// Runs the conversion; messages about the input go to `messages` (may be null).
// Returns 0 on success, 1 when an input could not be read or the output not written
// (the old files are then left as they were).
int convert(const Options& options, std::FILE* messages, Summary& summary);

// Prints the counts per table.
void printSummary(std::FILE* out, const Summary& summary);

}  // namespace navdata
