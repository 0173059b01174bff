// The unit's view of the simulator: the panel services it uses, by meaning.
//
// Token variables come back in the host's own units (the conversions live in
// frame/aircraft_reads.cpp). Named panel variables are looked up by name on every
// use and addressed by the identifier the host returns. Element indices are those
// of the gauge's image chain: 0 the face plate, 1 the display, 2..10 the pressed
// button images.
#pragma once

#include <cstdint>

class Canvas;

// Where the draw step paints: the display element's surface and its size in device
// pixels. `canvas` is null when the element has no device context.
struct DisplayTarget {
    bool exists = false;
    Canvas* canvas = nullptr;
    uint32_t widthPx = 0;
    uint32_t heightPx = 0;
};

class Host {
public:
    virtual ~Host() = default;

    virtual double readToken(uint32_t token) = 0;
    virtual double evaluateCalculatorCode(const char* expression) = 0;

    virtual void registerVariable(const char* name) = 0;
    virtual int32_t lookupVariable(const char* name) = 0;
    virtual double readVariable(int32_t id) = 0;
    virtual void writeVariable(int32_t id, double value) = 0;
    virtual void releaseVariable(const char* name) = 0;

    virtual void sendKeyEvent(uint32_t eventId, uint32_t parameter) = 0;

    // A named host data block ("FS2002 GPS DATA"); null when the host has none.
    virtual const void* dataBlock(const char* name) = 0;

    // Host operation 9 with argument 0: non-zero asks 3D-cockpit instances to skip drawing.
    virtual int32_t skipDrawQuery() = 0;
    // The gauge instance's parameter text ("VC" for a virtual-cockpit instance).
    virtual const char* gaugeParameters() = 0;

    // The display element (element 1). A missing element has `exists` false.
    virtual DisplayTarget displayTarget() = 0;
    // Clears bit 0x80000000 of the display element's image flags so the host takes the
    // image again.
    virtual void markDisplayChanged() = 0;
    // Shows or hides image element `index`; does nothing when the chain ends early.
    virtual void setElementHidden(int index, bool hidden) = 0;

    // Graphics library start and shutdown (services 14 and 15). Returns a non-zero token
    // when started; platforms without such a library return 1.
    virtual uintptr_t startGraphics() { return 1; }
    virtual void stopGraphics(uintptr_t /*token*/) {}

    // The process's current directory, written into `out` (at most `size` - 1 characters,
    // always terminated). Returns false when it cannot be had.
    virtual bool currentDirectory(char* out, int size) = 0;
};
