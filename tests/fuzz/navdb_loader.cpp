// The whole loader over a virtual navdata folder: the input holds the five data files,
// each after a line "=FILE=" (ints.txt, user.txt, apts.txt, navs.txt, apt_info.txt in
// that order); the airport information is then read for the first airports.
#include <string>

#include "navdb/lookup.h"
#include "navdb/navdb_load.h"
#include "tests/fuzz/fuzz_unit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzUnit& fuzz = fuzzUnit();
    Unit& unit = *fuzz.unit;
    fuzz.files.clear();
    static const char* const kFiles[] = {"ints.txt", "user.txt", "apts.txt", "navs.txt",
                                         "apt_info.txt"};
    std::string_view rest = bytesOf(data, size);
    for (const char* name : kFiles) {
        const size_t marker = rest.find("=FILE=\n");
        fuzz.files.set(std::string("navdata/") + name, rest.substr(0, marker));
        if (marker == std::string_view::npos) break;
        rest.remove_prefix(marker + 7);
    }
    LoadNavDatabase(unit);
    for (int32_t i = 1; i <= unit.db.airportCount && i <= 8; ++i) {
        unit.db.currentAirport = i;
        LoadAirportInfo(unit);
        ListDuplicates(unit, unit.db.airports[static_cast<size_t>(i)].ident);
    }
    return 0;
}
