// The gauge test host: loads tarnwick_gps.dll as the simulator would, checks its records,
// drives it through services and frames with a panel of its own, and exits non-zero when a
// check fails.
//
// Usage: gauge_host_test.exe [PATH_TO_DLL [ROOT_FOLDER]]
// The test host runs under Windows (or Wine) only; the Linux test build skips it.
#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdio>

#include "tests/gauge/check.h"
#include "tests/gauge/gauge_access.h"

int main(int argc, char** argv) {
    const char* dllPath = argc > 1 ? argv[1] : "tarnwick_gps.dll";
    const char* root = argc > 2 ? argv[2] : "gauge_root";
    HMODULE dll = LoadLibraryA(dllPath);
    if (dll == nullptr) {
        std::printf("FAIL cannot load %s (error %lu)\n", dllPath, GetLastError());
        return 1;
    }
    gauge_test::Gauge gauge;
    gauge.module = dll;
    gauge.linkage = reinterpret_cast<uint8_t*>(GetProcAddress(dll, "Linkage"));
    gauge.imports = reinterpret_cast<uint8_t*>(GetProcAddress(dll, "ImportTable"));
    // Everything after this goes through the header and its callback.
    if (gauge.linkage != nullptr) gauge.header = check::at<uint8_t*>(gauge.linkage, 32);
    if (gauge.header != nullptr) {
        gauge.callback = check::at<gauge_test::Callback>(gauge.header, gauge_test::kHeaderCallback);
    }
    CHECK_MSG(gauge.imports != nullptr && gauge.callback != nullptr,
              "exports: Linkage %p, ImportTable %p, header %p, callback %p", gauge.linkage,
              gauge.imports, gauge.header, reinterpret_cast<void*>(gauge.callback));
    if (gauge.imports == nullptr || gauge.callback == nullptr) return 1;

    gauge_test::checkLayouts(gauge);
    gauge_test::checkCanvas();
    gauge_test::checkFrames(gauge, root);

    FreeLibrary(dll);
    std::printf("%s: %d checks passed, %d failed\n", check::failures == 0 ? "PASS" : "FAIL",
                check::passes, check::failures);
    return check::failures == 0 ? 0 : 1;
}

#endif  // _WIN32
