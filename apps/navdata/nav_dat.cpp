#include "apps/navdata/nav_dat.h"

#include <cmath>
#include <cstdio>
#include <string_view>

#include "apps/navdata/dat_reader.h"
#include "apps/navdata/text.h"

namespace navdata {
namespace {

constexpr size_t kNavaidNameChars = 31;
constexpr int kMaxFields = 16;

// The kind words that close a navaid's name in nav.dat; the unit shows the kind itself.
std::string_view withoutKindWord(std::string_view name) {
    constexpr std::string_view kinds[] = {" VORTAC", " VOR-DME", " VOR/DME", " VOR",
                                          " NDB-DME", " NDB/DME", " NDB"};
    for (std::string_view kind : kinds) {
        if (name.size() > kind.size() && name.substr(name.size() - kind.size()) == kind) {
            return name.substr(0, name.size() - kind.size());
        }
    }
    return name;
}

std::string frequencyText(NavaidKind kind, double value) {
    char text[48];
    if (kind == NavaidKind::Vor) {
        // 10 kHz units: 11680 is 116.80 MHz.
        const long units = std::lround(value);
        std::snprintf(text, sizeof text, "%ld.%02ld", units / 100, units % 100);
    } else if (value == std::floor(value)) {
        std::snprintf(text, sizeof text, "%ld", std::lround(value));
    } else {
        std::snprintf(text, sizeof text, "%.1f", value);
    }
    return text;
}

}  // namespace

bool readNavDat(const std::string& path, Diagnostics& diagnostics, Progress& progress,
                NavDat& navDat, std::string& error) {
    DatReader reader;
    if (!reader.open(path)) {
        error = reader.error();
        return false;
    }
    const int version = readHeader(reader, diagnostics, 810);
    // From 1100 on, two columns (terminal area and ICAO region) precede the name.
    const int nameField = version >= 1100 ? 10 : 8;
    auto warn = [&](const std::string& kind, const std::string& detail) {
        diagnostics.warn(reader.name(), reader.lineNumber(), kind, detail);
    };
    std::string_view line;
    while (reader.next(line)) {
        if ((reader.lineNumber() & 0xFFFF) == 0) progress.update(reader);
        std::string_view f[kMaxFields];
        const int count = splitFields(line, f, kMaxFields);
        if (count == 0) continue;
        long code = 0;
        if (!parseInteger(f[0], code)) {
            warn("unknown row code", quoted(f[0]));
            continue;
        }
        if (code == 99) break;
        if (code >= 6 && code <= 16 && code != 10 && code != 11) continue;  // not the unit's kinds
        if (code != 2 && code != 3 && code != 4 && code != 5) {
            warn("unknown row code", std::to_string(code));
            continue;
        }
        const int needed = code >= 4 ? 9 : nameField;
        if (count < needed) {
            warn("short row", "row " + std::to_string(code) + " has " + std::to_string(count) +
                                  " fields, needs " + std::to_string(needed));
            continue;
        }
        if (code >= 4) {
            navDat.ilsAirports.insert(unitIdent(f[8]));
            continue;
        }
        Navaid navaid;
        double frequency = 0.0, variation = 0.0;
        if (!parseNumber(f[1], navaid.lat) || !parseNumber(f[2], navaid.lon) ||
            !parseNumber(f[4], frequency) || !parseNumber(f[5], navaid.rangeNm) ||
            !parseNumber(f[6], variation)) {
            warn("bad number", std::string(line.substr(0, 60)));
            continue;
        }
        navaid.kind = code == 3 ? NavaidKind::Vor : NavaidKind::Ndb;
        if (!validPosition(navaid.lat, navaid.lon)) {
            warn("bad position", std::string(f[7]));
            continue;
        }
        // VORs between 100 and 137 MHz (10 kHz units), NDBs between 100 and 2000 kHz.
        const bool frequencyValid = navaid.kind == NavaidKind::Vor
                                        ? frequency >= 10000.0 && frequency <= 13700.0
                                        : frequency >= 100.0 && frequency <= 2000.0;
        if (!frequencyValid) {
            warn("bad frequency", std::string(f[7]) + " " + std::string(f[4]));
            continue;
        }
        navaid.ident = unitIdent(f[7]);
        navaid.line = reader.lineNumber();
        if (navaid.ident.empty()) {
            warn("navaid without an identifier", "");
            continue;
        }
        NameEncoding encoding = NameEncoding::Ascii;
        navaid.name = unitName(withoutKindWord(restAfterFields(line, nameField)), kNavaidNameChars,
                               &encoding);
        if (encoding == NameEncoding::Windows1252) warn("name read as Windows-1252", navaid.ident);
        if (navaid.name.empty()) navaid.name = navaid.ident;
        navaid.frequency = frequencyText(navaid.kind, frequency);
        if (navaid.kind == NavaidKind::Vor) {
            navDat.variations.push_back({navaid.lat, navaid.lon, variation});
        }
        navDat.navaids.push_back(std::move(navaid));
    }
    return finishFile(progress, reader, error);
}

}  // namespace navdata
