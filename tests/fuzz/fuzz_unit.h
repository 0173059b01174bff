// The unit the fuzz targets feed: made once per process (its tables are large), with its
// files in memory below the root folder "/fuzz".
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

#include "frame/unit.h"
#include "tests/fuzz/memory_files.h"

struct FuzzUnit {
    std::unique_ptr<Unit> unit = std::make_unique<Unit>();
    MemoryFiles files;

    FuzzUnit() {
        std::strcpy(unit->rootFolder, "/fuzz");
        unit->files = &files;
    }
};

inline FuzzUnit& fuzzUnit() {
    static FuzzUnit fuzz;
    return fuzz;
}

inline std::string_view bytesOf(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}
