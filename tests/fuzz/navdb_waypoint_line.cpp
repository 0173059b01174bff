// One line of ints.txt or user.txt.
#include "navdb/line_parsers.h"
#include "tests/fuzz/fuzz_unit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WaypointRecord record;
    if (parseWaypointLine(bytesOf(data, size), "INT", record)) {
        if (std::memchr(record.ident, '\0', sizeof record.ident) == nullptr) __builtin_trap();
    }
    return 0;
}
