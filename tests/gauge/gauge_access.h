// The loaded gauge DLL as the simulator sees it: its exported records and the element
// chain, read at the byte offsets of the host's layout.
#pragma once

#include <cstdint>

namespace gauge_test {

using Callback = void (*)(void* header, int32_t service, uintptr_t extra);
using MouseHandler = int32_t (*)(void* point, uint32_t flags);

struct Gauge {
    void* module = nullptr;  // HMODULE
    uint8_t* linkage = nullptr;
    uint8_t* imports = nullptr;
    uint8_t* header = nullptr;
    Callback callback = nullptr;

    void service(int32_t code) const { callback(header, code, 0); }
    // Element `index` of the chain, null when it ends first.
    uint8_t* element(int index) const;
    uint32_t elementFlags(int index) const;
    void setElementFlags(int index, uint32_t flags) const;
    bool elementHidden(int index) const;
    // The mouse handler of the child box of the region at (x, y, w, h) on the face whose
    // relative box starts at `childX`; null when there is none.
    MouseHandler mouseHandler(int32_t x, int32_t y, int32_t w, int32_t h, int32_t childX) const;
};

// Offsets the host reads and writes.
constexpr size_t kHeaderElements = 12;
constexpr size_t kHeaderParameters = 152;
constexpr size_t kHeaderMouseRects = 132;
constexpr size_t kHeaderCallback = 140;
constexpr size_t kElementNext = 48;
constexpr size_t kElementFlags = 64;
constexpr size_t kStaticImageFinal = 76;
constexpr size_t kStaticImageDc = 116;
constexpr size_t kMouseRectSize = 52;

// Checks every record, table and value the host reads from the module.
void checkLayouts(const Gauge& gauge);
// Checks the GDI+ canvas on a surface of its own.
void checkCanvas();
// Runs the services and frames and checks the panel traffic and the display.
void checkFrames(const Gauge& gauge, const char* rootFolder);

}  // namespace gauge_test
