// A script of the runner's language, parsed and checked (nothing runs).
#include <string>
#include <vector>

#include "apps/run/script.h"
#include "tests/fuzz/fuzz_unit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<ScriptLine> lines;
    ScriptError error;
    if (!parseScript(std::string(bytesOf(data, size)), lines, error) && error.problem.empty()) {
        __builtin_trap();  // a rejected script always says why
    }
    return 0;
}
