#include "apps/navdata/fix_dat.h"

#include <string_view>

#include "apps/navdata/dat_reader.h"
#include "apps/navdata/text.h"

namespace navdata {

bool readFixDat(const std::string& path, Diagnostics& diagnostics, Progress& progress,
                std::vector<Fix>& fixes, std::string& error) {
    DatReader reader;
    if (!reader.open(path)) {
        error = reader.error();
        return false;
    }
    const int version = readHeader(reader, diagnostics, 600);
    auto warn = [&](const std::string& kind, const std::string& detail) {
        diagnostics.warn(reader.name(), reader.lineNumber(), kind, detail);
    };
    std::string_view line;
    while (reader.next(line)) {
        if ((reader.lineNumber() & 0xFFFF) == 0) progress.update(reader);
        std::string_view f[6];
        const int count = splitFields(line, f, 6);
        if (count == 0) continue;
        if (count == 1 && f[0] == "99") break;
        if (count < 3) {
            warn("short row", "a fix needs latitude, longitude and identifier");
            continue;
        }
        Fix fix;
        if (!parseNumber(f[0], fix.lat) || !parseNumber(f[1], fix.lon) || fix.lat < -90.0 ||
            fix.lat > 90.0 || fix.lon < -180.0 || fix.lon > 180.0) {
            warn("bad position", std::string(line.substr(0, 60)));
            continue;
        }
        fix.ident = unitIdent(f[2]);
        if (fix.ident.empty()) {
            warn("fix without an identifier", "");
            continue;
        }
        fix.enroute = version < 1101 || count < 4 || f[3] == "ENRT";
        fix.line = reader.lineNumber();
        fixes.push_back(std::move(fix));
    }
    return finishFile(progress, reader, error);
}

}  // namespace navdata
