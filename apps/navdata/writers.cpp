#include "apps/navdata/writers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "nav/geodesy.h"

namespace navdata {
namespace {

constexpr size_t kMaxRunwayColumns = 20;
constexpr size_t kDesignationChars = 5;
constexpr size_t kFrequencyChars = 7;

void appendPosition(std::string& line, double lat, double lon) {
    char text[48];
    std::snprintf(text, sizeof text, " %.5f %.5f", lat, lon);
    line += text;
}

// Runway ends come in pairs; with more than 20 ends the longest runways stay, listed in
// file order.
std::vector<const RunwayEnd*> listedEnds(const Airport& airport) {
    std::vector<const RunwayEnd*> ends;
    const std::vector<RunwayEnd>& source =
        airport.runwayEnds.empty() ? airport.helipads : airport.runwayEnds;
    for (const RunwayEnd& end : source) {
        if (!end.designation.empty()) ends.push_back(&end);
    }
    if (ends.size() <= kMaxRunwayColumns || airport.runwayEnds.empty()) {
        if (ends.size() > kMaxRunwayColumns) ends.resize(kMaxRunwayColumns);
        return ends;
    }
    std::vector<const RunwayEnd*> byLength = ends;
    std::stable_sort(byLength.begin(), byLength.end(), [](const RunwayEnd* a, const RunwayEnd* b) {
        return a->lengthFt > b->lengthFt;
    });
    const int32_t shortestKept = byLength[kMaxRunwayColumns - 1]->lengthFt;
    std::vector<const RunwayEnd*> kept;
    for (const RunwayEnd* end : ends) {
        if (end->lengthFt > shortestKept && kept.size() < kMaxRunwayColumns) kept.push_back(end);
    }
    for (const RunwayEnd* end : ends) {
        if (end->lengthFt == shortestKept && kept.size() < kMaxRunwayColumns) kept.push_back(end);
    }
    std::stable_sort(kept.begin(), kept.end());  // back to file order (pointers into one vector)
    return kept;
}

}  // namespace

std::string navaidLine(const Navaid& navaid) {
    std::string line = navaid.ident + ' ' + navaid.name;
    appendPosition(line, navaid.lat, navaid.lon);
    line += navaid.kind == NavaidKind::Vor ? " VOR " : " NDB ";
    line += navaid.frequency.substr(0, kFrequencyChars);
    line += '\n';
    return line;
}

std::string fixLine(const Fix& fix) {
    std::string line = fix.ident + ' ' + fix.ident;
    appendPosition(line, fix.lat, fix.lon);
    line += '\n';
    return line;
}

std::string airportLine(const Airport& airport, const VariationSource& variation,
                        HeadingSources& sources) {
    std::string line = airport.ident + ' ' + airport.name + ' ' + std::to_string(airport.elevationFt);
    appendPosition(line, airport.lat, airport.lon);
    const std::vector<const RunwayEnd*> ends = listedEnds(airport);
    if (!ends.empty()) {
        bool fromModel = false;
        const double variationDeg = variation.variationAt(airport.lat, airport.lon, fromModel);
        ++(fromModel ? sources.fromModel : sources.fromVor);
        for (const RunwayEnd* end : ends) {
            // Headings below half a degree read 360, as the unit shows bearings.
            long heading = std::lround(floorMod(end->headingTrueDeg - variationDeg, 360.0));
            if (heading == 0) heading = 360;
            char column[128];
            std::snprintf(column, sizeof column, " %s_%d_%.5f_%.5f_%03ld_%s_%s_%d",
                          end->designation.substr(0, kDesignationChars).c_str(), end->lengthFt,
                          end->thresholdLat, end->thresholdLon, heading, end->surface.c_str(),
                          end->lighted ? "LIT" : "NIL", end->displacedFt);
            line += column;
        }
    }
    line += '\n';
    return line;
}

std::string airportInfoSection(const Airport& airport) {
    static constexpr const char* keys[kCommKinds] = {"atis", "clr", "grnd", "twr",
                                                     "uncm", "appr", "ctr"};
    std::string section;
    for (int kind = 0; kind < kCommKinds; ++kind) {
        if (airport.comm[kind].empty()) continue;
        section += keys[kind];
        section += '=';
        section += airport.comm[kind];
        section += '\n';
    }
    if (section.empty() && !airport.ils && !airport.radar) return {};
    section += airport.ils ? "ils=1\n" : "ils=0\n";
    section += airport.radar ? "rdr=1\n" : "rdr=0\n";
    return "[" + airport.ident + "]\n" + section + "\n";
}

bool writeOutputFiles(const std::string& dir, const OutputFiles& files, std::string& error) {
    namespace fs = std::filesystem;
    std::error_code code;
    fs::create_directories(dir, code);
    if (!fs::is_directory(dir, code)) {
        error = dir + ": cannot create the folder";
        return false;
    }
    const std::pair<const char*, const std::string*> outputs[] = {
        {"navs.txt", &files.navs}, {"ints.txt", &files.ints},
        {"apts.txt", &files.apts}, {"apt_info.txt", &files.aptInfo}};
    std::vector<fs::path> written;
    auto removeWritten = [&]() {
        for (const fs::path& path : written) fs::remove(path, code);
    };
    for (const auto& [name, contents] : outputs) {
        const fs::path temporary = fs::path(dir) / (std::string(".") + name + ".tmp");
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (out) written.push_back(temporary);
        out.write(contents->data(), static_cast<std::streamsize>(contents->size()));
        out.close();
        if (!out) {
            error = temporary.string() + ": cannot write";
            removeWritten();
            return false;
        }
    }
    for (size_t i = 0; i < written.size(); ++i) {
        fs::rename(written[i], fs::path(dir) / outputs[i].first, code);
        if (code) {
            error = (fs::path(dir) / outputs[i].first).string() + ": cannot replace (" +
                    code.message() + ")";
            removeWritten();
            return false;
        }
    }
    const fs::path user = fs::path(dir) / "user.txt";
    if (!fs::exists(user, code)) {
        std::ofstream out(user, std::ios::binary);
        if (!out) {
            error = user.string() + ": cannot create";
            return false;
        }
    }
    return true;
}

}  // namespace navdata
