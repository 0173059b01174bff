// One line of apts.txt with its runway columns.
#include <cmath>

#include "navdb/line_parsers.h"
#include "tests/fuzz/fuzz_unit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static AirportRecord record;
    if (!parseAirportLine(bytesOf(data, size), record)) return 0;
    if (record.runwayCount < 0 || record.runwayCount > kRunwayCapacity) __builtin_trap();
    for (int32_t i = 1; i <= record.runwayCount; ++i) {
        const RunwayRecord& runway = record.runways[i];
        if (!(std::fabs(runway.thresholdLatitude) <= 90.0)) __builtin_trap();
        if (!(std::fabs(runway.thresholdLongitude) <= 180.0)) __builtin_trap();
    }
    return 0;
}
