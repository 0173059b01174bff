// A simulator plan file in either form (the tagged one and the line-oriented one).
#include "fpl/pln_import.h"
#include "tests/fuzz/fuzz_unit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzUnit& fuzz = fuzzUnit();
    fuzz.files.set("FUZZ.PLN", bytesOf(data, size));
    importPlanFile(*fuzz.unit, "FUZZ.PLN");
    const int32_t last = fuzz.unit->fpl.scratch.lastIndex;
    if (last < -1 || last >= kPlanWaypointCount) __builtin_trap();
    return 0;
}
