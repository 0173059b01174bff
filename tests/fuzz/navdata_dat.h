// The converter's readers take a path: each input is written to a file of the process's
// own temporary folder and read from there.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "apps/navdata/diagnostics.h"
#include "apps/navdata/progress.h"
#include "tests/fuzz/fuzz_unit.h"

// The folder, removed with its file when the process ends.
struct DatInputFolder {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("tarnwick-fuzz-" + std::to_string(::getpid()));
    DatInputFolder() { std::filesystem::create_directories(path); }
    ~DatInputFolder() {
        std::error_code error;
        std::filesystem::remove_all(path, error);
    }
};

inline std::string writeDatInput(const char* name, const uint8_t* data, size_t size) {
    static const DatInputFolder folder;
    const std::string path = (folder.path / name).string();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) __builtin_trap();
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    return path;
}

inline navdata::Diagnostics& quietDiagnostics() {
    static navdata::Diagnostics diagnostics(std::fopen("/dev/null", "w"), 0);
    return diagnostics;
}
