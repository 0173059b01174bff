// apt_info.txt, read for each airport of a small fixed apts.txt.
#include "navdb/navdb_load.h"
#include "tests/fuzz/fuzz_unit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzUnit& fuzz = fuzzUnit();
    Unit& unit = *fuzz.unit;
    if (unit.db.airportCount == 0) {
        fuzz.files.set("navdata/apts.txt", "KSEA SEATTLE 433 47.45 -122.31\nEGLL LONDON 83 51.47 -0.46\n");
        LoadNavDatabase(unit);
    }
    fuzz.files.set("navdata/apt_info.txt", bytesOf(data, size));
    for (int32_t i = 1; i <= unit.db.airportCount; ++i) {
        unit.db.currentAirport = i;
        LoadAirportInfo(unit);
        const AirportRecord& airport = unit.db.airports[static_cast<size_t>(i)];
        if (std::memchr(airport.ctr, '\0', sizeof airport.ctr) == nullptr) __builtin_trap();
    }
    return 0;
}
