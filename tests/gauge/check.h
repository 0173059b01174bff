// A small check harness for the gauge test host: every failed check prints its place and
// message, and the program's exit code says whether any failed.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace check {

inline int failures = 0;
inline int passes = 0;

inline void report(bool ok, const char* file, int line, const char* what) {
    if (ok) {
        ++passes;
        return;
    }
    ++failures;
    std::printf("FAIL %s:%d: %s\n", file, line, what);
    std::fflush(stdout);
}

// Reads a value at a byte offset of a host record, independent of any struct definition.
template <typename T>
T at(const void* base, size_t offset) {
    T value;
    std::memcpy(&value, static_cast<const uint8_t*>(base) + offset, sizeof(T));
    return value;
}

template <typename T>
void put(void* base, size_t offset, T value) {
    std::memcpy(static_cast<uint8_t*>(base) + offset, &value, sizeof(T));
}

}  // namespace check

#define CHECK(condition) ::check::report((condition), __FILE__, __LINE__, #condition)
#define CHECK_MSG(condition, ...)                                              \
    do {                                                                       \
        char checkMessage_[256];                                               \
        std::snprintf(checkMessage_, sizeof checkMessage_, __VA_ARGS__);       \
        ::check::report((condition), __FILE__, __LINE__, checkMessage_);       \
    } while (0)
