// A route file of the FlightPlans folder, read into the route scratch.
#include "fpl/route_files.h"
#include "tests/fuzz/fuzz_unit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzUnit& fuzz = fuzzUnit();
    fuzz.files.set("FUZZ.RTE", bytesOf(data, size));
    loadRouteFile(*fuzz.unit, "FUZZ.RTE");
    const int32_t last = fuzz.unit->fpl.scratch.lastIndex;
    if (last < -1 || last >= kPlanWaypointCount) __builtin_trap();
    return 0;
}
