// Helpers for the converter's tests: input files written into a temporary folder, one
// conversion into the unit's navdata folder below it, its messages, and the unit loaded
// from what was written.
#pragma once

#include <zlib.h>

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "apps/navdata/convert.h"
#include "frame/paths.h"
#include "frame/unit.h"
#include "navdb/navdb_load.h"
#include "support/test_bench.h"

class Conversion {
public:
    Conversion() {
        options.aptPath = (folder.path() / "apt.dat").string();
        options.navPath = (folder.path() / "nav.dat").string();
        options.fixPath = (folder.path() / "earth_fix.dat").string();
        options.outDir = (folder.path() / kNavdataFolder[0] / kNavdataFolder[1] / kNavdataFolder[2]).string();
        options.progress = false;
    }

    void write(const std::string& name, std::string_view text) const { folder.write(name, text); }
    void writeGzip(const std::string& name, std::string_view text) const {
        gzFile file = gzopen((folder.path() / name).string().c_str(), "wb");
        gzwrite(file, text.data(), static_cast<unsigned>(text.size()));
        gzclose(file);
    }
    // A file of the navdata folder as written, and one put there before a conversion.
    static std::string outputPath(const std::string& name) {
        return std::string(kNavdataFolder[0]) + "/" + kNavdataFolder[1] + "/" + kNavdataFolder[2] +
               "/" + name;
    }
    std::string output(const std::string& name) const { return folder.read(outputPath(name)); }
    void writeOutput(const std::string& name, std::string_view text) const {
        folder.write(outputPath(name), text);
    }

    // Converts; keeps the exit status and the messages.
    int run() {
        std::FILE* sink = std::tmpfile();
        summary = navdata::Summary{};
        const int status = navdata::convert(options, sink, summary);
        messages.clear();
        std::rewind(sink);
        char buffer[4096];
        size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, sink)) > 0) messages.append(buffer, got);
        std::fclose(sink);
        return status;
    }

    // A unit that has loaded the converted files.
    Unit& load() {
        unit = std::make_unique<Unit>();
        folder.path().string().copy(unit->rootFolder, sizeof unit->rootFolder - 1);
        LoadNavDatabase(*unit);
        return *unit;
    }

    TempFolder folder;
    navdata::Options options;
    navdata::Summary summary;
    std::string messages;
    std::unique_ptr<Unit> unit;
};
