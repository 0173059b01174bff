// The loaded gauge DLL as the simulator sees it: its exported records, the element chain and
// the mouse table, read at the byte offsets of the host's layout.
#pragma once

#include <cstdint>

#include "tests/gauge/check.h"

namespace surface {
struct Surface;
}

namespace gauge_test {

using Callback = void (*)(void* header, int32_t service, uintptr_t extra);
using MouseHandler = int32_t (*)(void* point, uint32_t flags);

// Offsets the host reads and writes.
constexpr size_t kHeaderElements = 12;
constexpr size_t kHeaderMouseRects = 132;
constexpr size_t kHeaderCallback = 140;
constexpr size_t kHeaderParameters = 152;
constexpr size_t kElementNext = 48;
constexpr size_t kElementFlags = 64;
constexpr size_t kStaticImageFinal = 76;
constexpr size_t kStaticImageDc = 116;
constexpr size_t kMouseRectSize = 52;
constexpr uint32_t kElementHidden = 0x40000000;

struct Gauge {
    void* module = nullptr;  // HMODULE
    uint8_t* linkage = nullptr;
    uint8_t* imports = nullptr;
    uint8_t* header = nullptr;
    Callback callback = nullptr;

    void service(int32_t code) const { callback(header, code, 0); }
    // Element `index` of the chain, null when the chain ends first.
    uint8_t* element(int index) const {
        uint8_t** link = check::at<uint8_t**>(header, kHeaderElements);
        uint8_t* current = link != nullptr ? link[0] : nullptr;
        for (int i = 0; i < index && current != nullptr; ++i) {
            link = check::at<uint8_t**>(current, kElementNext);
            current = link != nullptr ? link[0] : nullptr;
        }
        return current;
    }
    uint32_t flags(int index) const { return check::at<uint32_t>(element(index), kElementFlags); }
    void setFlags(int index, uint32_t f) const { check::put(element(index), kElementFlags, f); }
    bool hidden(int index) const { return (flags(index) & kElementHidden) != 0; }
    // Entry `entry` of the mouse rectangle table.
    const uint8_t* mouseRect(int entry) const {
        return check::at<const uint8_t*>(header, kHeaderMouseRects) + entry * kMouseRectSize;
    }
};

// One simulator frame through `header` (the gauge's own when null): a control cycle, a new
// simulation time, a draw.
void frame(const Gauge& g, void* header = nullptr);

// Checks every record, table and value the host reads from the module.
void checkLayouts(const Gauge& gauge);
// Checks the GDI+ canvas on a surface of its own.
void checkCanvas();
// Runs the services and frames and checks the panel traffic and the display.
void checkFrames(const Gauge& gauge, const char* rootFolder);
// Writes the database and flight plan the page checks read into the root folder; runs before
// the gauge's start-up services, which load them.
void writePageFiles(const char* rootFolder);
// Checks the pages drawn from that data and the autopilot coupling on the loaded plan, on a
// unit powered and past its self-test.
void checkPages(const Gauge& gauge, surface::Surface& display);

}  // namespace gauge_test
