// File paths below the root folder, built into fixed buffers with the platform's separator.
#pragma once

#include <initializer_list>

#include "base/file_access.h"

constexpr int kPathSize = 600;

struct PathBuffer {
    char text[kPathSize] = {};
};

#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

// rootFolder + each part, separated. Returns false (and an empty path) when the result
// would not fit.
bool buildPath(PathBuffer& out, const char* rootFolder, std::initializer_list<const char*> parts);

// The fixed folders below the root folder.
inline constexpr const char* kNavdataFolder[] = {"Halcyra Software", "Tarnwick", "navdata"};
inline constexpr const char* kFlightPlansFolder[] = {"Halcyra Software", "Tarnwick", "FlightPlans"};

// Writes `size` bytes to `path` through a temporary file renamed over it, so a failed
// write never leaves a truncated file. Returns false when nothing was replaced; the old
// file is then as it was and no temporary file is left.
bool replaceFileContents(FileAccess& files, const char* path, const char* bytes, int size);
