// fix.dat through the converter's reader.
#include "apps/navdata/fix_dat.h"
#include "tests/fuzz/navdata_dat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = writeDatInput("earth_fix.dat", data, size);
    navdata::Progress progress(false);
    std::vector<navdata::Fix> fixes;
    std::string error;
    navdata::readFixDat(path, quietDiagnostics(), progress, fixes, error);
    return 0;
}
