#include "apps/run/options.h"

#include <charconv>
#include <filesystem>
#include <system_error>

#include "frame/unit.h"

const char* const kUsage =
    "usage: tarnwick-run [--root DIR] [--script FILE|-] [--png FILE] [--size WxH]\n";

namespace {

bool parseSide(const char* first, const char* last, uint32_t& out) {
    auto [end, ec] = std::from_chars(first, last, out);
    return ec == std::errc() && end == last && out >= 1 && out <= kMaxDisplayPx;
}

}  // namespace

bool parseDisplaySize(const std::string& text, uint32_t& widthPx, uint32_t& heightPx) {
    size_t x = text.find('x');
    if (x == std::string::npos) return false;
    const char* s = text.data();
    return parseSide(s, s + x, widthPx) && parseSide(s + x + 1, s + text.size(), heightPx);
}

bool parseOptions(int argc, const char* const* argv, RunOptions& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            options.helpWanted = true;
            continue;
        }
        bool takesValue = arg == "--root" || arg == "--script" || arg == "--png" || arg == "--size";
        if (!takesValue) {
            error = "unknown argument \"" + arg + "\"";
            return false;
        }
        if (i + 1 >= argc) {
            error = arg + " needs a value";
            return false;
        }
        std::string value = argv[++i];
        if (arg == "--root") {
            std::error_code ec;
            if (!std::filesystem::is_directory(value, ec)) {
                error = "--root " + value + ": not a folder";
                return false;
            }
            if (value.size() > static_cast<size_t>(kRootFolderSize)) {
                error = "--root: the folder name is longer than " +
                        std::to_string(kRootFolderSize) + " characters";
                return false;
            }
            options.rootFolder = value;
        } else if (arg == "--script") {
            options.scriptPath = value;
        } else if (arg == "--png") {
            if (value.empty()) {
                error = "--png needs a file name";
                return false;
            }
            options.pngPath = value;
        } else if (!parseDisplaySize(value, options.widthPx, options.heightPx)) {
            error = "--size " + value + ": expected WxH, each 1 to " + std::to_string(kMaxDisplayPx);
            return false;
        }
    }
    return true;
}
