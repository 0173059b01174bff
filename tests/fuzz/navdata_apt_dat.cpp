// apt.dat through the converter's reader.
#include "apps/navdata/apt_dat.h"
#include "tests/fuzz/navdata_dat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = writeDatInput("apt.dat", data, size);
    navdata::Progress progress(false);
    std::vector<navdata::Airport> airports;
    std::string error;
    navdata::readAptDat(path, quietDiagnostics(), progress, airports, error);
    return 0;
}
