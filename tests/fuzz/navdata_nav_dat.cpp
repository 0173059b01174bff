// nav.dat through the converter's reader.
#include "apps/navdata/nav_dat.h"
#include "tests/fuzz/navdata_dat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = writeDatInput("nav.dat", data, size);
    navdata::Progress progress(false);
    navdata::NavDat navDat;
    std::string error;
    navdata::readNavDat(path, quietDiagnostics(), progress, navDat, error);
    return 0;
}
