// One line of navs.txt.
#include "navdb/line_parsers.h"
#include "tests/fuzz/fuzz_unit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WaypointRecord record;
    NavaidKind kind = NavaidKind::Ndb;
    if (parseNavaidLine(bytesOf(data, size), record, kind)) {
        if (std::memchr(record.frequency, '\0', sizeof record.frequency) == nullptr) __builtin_trap();
    }
    return 0;
}
