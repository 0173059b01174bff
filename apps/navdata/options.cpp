#include "apps/navdata/options.h"

#include <cmath>
#include <string_view>

#include "apps/navdata/text.h"

namespace navdata {

const char* const kUsage =
    "usage: tarnwick-navdata --apt FILE --nav FILE --fix FILE --out DIR\n"
    "                        [--center LAT LON --radius-nm N] [--kinds land,sea,heli]\n"
    "                        [--min-runway-ft N] [--hard-only] [--keep-closed] [--quiet]\n"
    "Converts apt.dat, nav.dat and fix.dat (plain or gzip) into the unit's navs.txt,\n"
    "ints.txt, apts.txt and apt_info.txt in DIR (and an empty user.txt when none exists).\n";

namespace {

bool takeKinds(std::string_view list, Options& options, std::string& error) {
    options.land = options.sea = options.heliports = false;
    while (!list.empty()) {
        const size_t comma = list.find(',');
        const std::string_view kind = list.substr(0, comma);
        if (kind == "land") options.land = true;
        else if (kind == "sea") options.sea = true;
        else if (kind == "heli") options.heliports = true;
        else {
            error = "--kinds: unknown kind \"" + std::string(kind) + "\" (land, sea, heli)";
            return false;
        }
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    }
    return true;
}

}  // namespace

bool parseOptions(int argc, const char* const* argv, Options& options, bool& helpOnly,
                  std::string& error) {
    helpOnly = false;
    bool hasRadius = false;
    bool hasCenter = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        // Each value is taken by itself, so an option with two values that has one fails on
        // the second.
        auto value = [&](std::string_view& out) {
            if (i + 1 >= argc) {
                error = std::string(arg) + " needs a value";
                return false;
            }
            out = argv[++i];
            return true;
        };
        auto number = [&](double& out) {
            std::string_view text;
            if (!value(text)) return false;
            if (!parseNumber(text, out) || !std::isfinite(out)) {
                error = std::string(arg) + ": \"" + std::string(text) + "\" is not a number";
                return false;
            }
            return true;
        };
        std::string_view text;
        double amount = 0.0;
        if (arg == "--help" || arg == "-h") {
            helpOnly = true;
            return true;
        } else if (arg == "--apt" || arg == "--nav" || arg == "--fix" || arg == "--out") {
            if (!value(text)) return false;
            std::string& target = arg == "--apt" ? options.aptPath : arg == "--nav" ? options.navPath
                                : arg == "--fix" ? options.fixPath : options.outDir;
            target = text;
        } else if (arg == "--center") {
            if (!number(options.centerLat) || !number(options.centerLon)) return false;
            if (std::fabs(options.centerLat) > 90.0 || std::fabs(options.centerLon) > 180.0) {
                error = "--center: latitude -90..90 and longitude -180..180";
                return false;
            }
            hasCenter = true;
        } else if (arg == "--radius-nm") {
            if (!number(options.radiusNm)) return false;
            if (options.radiusNm <= 0.0) {
                error = "--radius-nm must be greater than 0";
                return false;
            }
            hasRadius = true;
        } else if (arg == "--kinds") {
            if (!value(text) || !takeKinds(text, options, error)) return false;
        } else if (arg == "--min-runway-ft") {
            if (!number(amount)) return false;
            options.minRunwayFt = std::lround(amount);
        } else if (arg == "--hard-only") {
            options.hardOnly = true;
        } else if (arg == "--keep-closed") {
            options.keepClosed = true;
        } else if (arg == "--quiet") {
            options.progress = false;
        } else {
            error = "unknown argument \"" + std::string(arg) + "\"";
            return false;
        }
    }
    if (hasCenter != hasRadius) {
        error = "--center and --radius-nm go together";
        return false;
    }
    options.hasArea = hasCenter;
    if (options.aptPath.empty() || options.navPath.empty() || options.fixPath.empty() ||
        options.outDir.empty()) {
        error = "--apt, --nav, --fix and --out are all needed";
        return false;
    }
    return true;
}

}  // namespace navdata
