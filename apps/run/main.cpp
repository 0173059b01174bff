// tarnwick-run: drives the unit headless from a script. See README.md for the lines.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "apps/run/options.h"
#include "apps/run/runner.h"
#include "apps/run/script.h"

namespace {

bool readScript(const std::string& path, std::string& text) {
    if (path.empty()) return true;
    if (path == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        return !std::cin.bad();
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

}  // namespace

int main(int argc, char** argv) {
    RunOptions options;
    std::string error;
    if (!parseOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "tarnwick-run: %s\n%s", error.c_str(), kUsage);
        return 2;
    }
    if (options.helpWanted) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    std::string text;
    if (!readScript(options.scriptPath, text)) {
        std::fprintf(stderr, "tarnwick-run: cannot read script %s\n", options.scriptPath.c_str());
        return 2;
    }
    std::vector<ScriptLine> lines;
    ScriptError scriptError;
    if (!parseScript(text, lines, scriptError)) {
        std::fprintf(stderr, "tarnwick-run: line %d: %s\n", scriptError.lineNumber,
                     scriptError.problem.c_str());
        return 2;
    }
    return runScript(options, lines, stdout);
}
