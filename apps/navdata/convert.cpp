#include "apps/navdata/convert.h"

#include <algorithm>
#include <filesystem>

#include "apps/navdata/apt_dat.h"
#include "apps/navdata/fix_dat.h"
#include "apps/navdata/magvar.h"
#include "apps/navdata/nav_dat.h"

namespace navdata {
namespace {

// Splits the navaids into the two tables the unit keeps.
void splitNavaids(std::vector<Navaid>& navaids, std::vector<Navaid>& vors,
                  std::vector<Navaid>& ndbs) {
    for (Navaid& navaid : navaids) {
        (navaid.kind == NavaidKind::Vor ? vors : ndbs).push_back(std::move(navaid));
    }
    navaids.clear();
}

std::string navaidFile(const std::vector<Navaid>& vors, const std::vector<Navaid>& ndbs) {
    // Both tables come from one file; it is in identifier order as a whole, and each
    // table, read from it in file order, is in identifier order too.
    std::vector<const Navaid*> all;
    for (const Navaid& navaid : vors) all.push_back(&navaid);
    for (const Navaid& navaid : ndbs) all.push_back(&navaid);
    std::stable_sort(all.begin(), all.end(), [](const Navaid* a, const Navaid* b) {
        return a->ident < b->ident;
    });
    std::string text;
    for (const Navaid* navaid : all) text += navaidLine(*navaid);
    return text;
}

}  // namespace

int convert(const Options& options, std::FILE* messages, Summary& summary) {
    Diagnostics diagnostics(messages);
    Progress progress(options.progress);
    std::string error;
    NavDat navDat;
    std::vector<Airport> airports;
    std::vector<Fix> fixes;
    if (!readNavDat(options.navPath, diagnostics, progress, navDat, error) ||
        !readAptDat(options.aptPath, diagnostics, progress, airports, error) ||
        !readFixDat(options.fixPath, diagnostics, progress, fixes, error)) {
        if (messages != nullptr) std::fprintf(messages, "tarnwick-navdata: %s\n", error.c_str());
        return 1;
    }

    summary.airports.read = static_cast<long>(airports.size());
    for (Airport& airport : airports) airport.ils = navDat.ilsAirports.count(airport.ident) > 0;
    const std::string aptName = std::filesystem::path(options.aptPath).filename().string();
    dropRepeatedAirports(airports, diagnostics, aptName, summary.airports);
    filterAirports(airports, options, summary.airports);
    keepAirports(airports, options.capacities.airports, summary.airports);

    for (const Navaid& navaid : navDat.navaids) {
        ++(navaid.kind == NavaidKind::Vor ? summary.vors : summary.ndbs).read;
    }
    dropRepeatedNavaids(navDat.navaids, summary.vors, summary.ndbs);
    filterNavaids(navDat.navaids, options, summary.vors, summary.ndbs);
    std::vector<Navaid> vors;
    std::vector<Navaid> ndbs;
    splitNavaids(navDat.navaids, vors, ndbs);
    keepNavaids(vors, options.capacities.vors, summary.vors);
    keepNavaids(ndbs, options.capacities.ndbs, summary.ndbs);

    summary.intersections.read = static_cast<long>(fixes.size());
    dropRepeatedFixes(fixes, summary.intersections);
    filterFixes(fixes, options, summary.intersections);
    keepFixes(fixes, options.capacities.intersections, summary.intersections);

    OutputFiles files;
    const VariationSource variation(std::move(navDat.variations));
    for (const Airport& airport : airports) {
        files.apts += airportLine(airport, variation, summary.headings);
        const std::string section = airportInfoSection(airport);
        if (!section.empty()) ++summary.infoSections;
        files.aptInfo += section;
    }
    files.navs = navaidFile(vors, ndbs);
    for (const Fix& fix : fixes) files.ints += fixLine(fix);
    if (!writeOutputFiles(options.outDir, files, error)) {
        if (messages != nullptr) std::fprintf(messages, "tarnwick-navdata: %s\n", error.c_str());
        return 1;
    }
    if (messages != nullptr && !diagnostics.counts().empty()) {
        std::fprintf(messages, "input problems (rows skipped or read another way):\n");
        diagnostics.printSummary();
    }
    return 0;
}

void printSummary(std::FILE* out, const Summary& summary) {
    std::fprintf(out, "%-14s %8s %9s %12s %13s %8s\n", "table", "read", "repeated",
                 "filtered out", "over capacity", "written");
    const std::pair<const char*, const TableCounts*> rows[] = {
        {"airports", &summary.airports}, {"VORs", &summary.vors},
        {"NDBs", &summary.ndbs},         {"intersections", &summary.intersections}};
    for (const auto& [name, counts] : rows) {
        std::fprintf(out, "%-14s %8ld %9ld %12ld %13ld %8ld\n", name, counts->read,
                     counts->repeated, counts->filteredOut, counts->overCapacity, counts->written);
    }
    std::fprintf(out, "airport information sections: %ld\n", summary.infoSections);
    std::fprintf(out, "runway headings: variation of a VOR within %.0f NM at %ld airports, "
                 "of the field model at %ld\n", kNearVorNm, summary.headings.fromVor,
                 summary.headings.fromModel);
}

}  // namespace navdata
