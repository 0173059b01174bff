// The unit record: read, written back, and read again to the same time (to a tenth of an
// hour) and one more power cycle, as the next start counts it.
#include <cmath>

#include "frame/unit_record.h"
#include "tests/fuzz/fuzz_unit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzUnit& fuzz = fuzzUnit();
    Unit& unit = *fuzz.unit;
    unit.record = GaugeUnitRecord{};
    fuzz.files.set("Brindle/vgr27a.ini", bytesOf(data, size));
    readUnitRecord(unit);
    const double hours = unit.record.totalTimeHours;
    if (!std::isfinite(hours) || hours < 0.0) __builtin_trap();
    if (!writeUnitRecord(unit)) __builtin_trap();  // a record read whole is always written
    const int32_t cycles = unit.record.powerCycles;
    readUnitRecord(unit);
    // The written record holds the time to a tenth and one more cycle than it says.
    if (std::fabs(unit.record.totalTimeHours - hours) > 0.051) __builtin_trap();
    if (cycles < INT32_MAX && unit.record.powerCycles != cycles + 1) __builtin_trap();
    return 0;
}
