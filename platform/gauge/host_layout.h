// The records the simulator reads from and writes into the gauge module, in the host's
// binary layout: 4-byte packing, 8-byte pointers (64-bit host).
//
// Linkage and ImportTable are exported by name; the host finds the gauge header through
// Linkage, stores its panel-service table in ImportTable, and then drives the gauge through
// the header's routines, callback and mouse rectangle table. Image elements are the host's
// records of the face plate, the display and the pressed-button images: the module sets
// their type, bitmap, position and flags; the host fills in the images and device contexts
// when it installs them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace gauge {

#pragma pack(push, 4)

struct PixPoint {
    int32_t x;
    int32_t y;
};

using ModuleRoutine = void (*)();

struct LinkageRecord {
    uint32_t moduleId;       // 0x13
    ModuleRoutine moduleInit;
    ModuleRoutine moduleDeinit;
    uint32_t flags;
    uint32_t priority;
    uint32_t version;        // 0x900
    void* gaugeTable[2];     // the gauge header, then null
};

struct ImportTableRecord {
    uint32_t importId;       // 0x0F
    void* panelServices;     // stored by the host at load
    uint32_t endId;          // terminating entry: 0, null
    void* endPointer;
};

// The host's bitmap record of an installed element; the module reads only `size`.
struct ImageRecord {
    uint32_t flags;
    PixPoint size;
    void* bits;
    void* palette;
    uint32_t reserved[8];
};

struct GaugeHeader;

// The fields every image element starts with.
struct ElementHeader {
    uint32_t elementType;    // 0 static image, 4 icon
    uint32_t resourceId;     // bitmap resource
    PixPoint position;       // on the face plate, pixels
    PixPoint previousPosition;
    PixPoint offset;
    GaugeHeader* gaugeHeader;
    ElementHeader* previousElement;
    ElementHeader** nextElements;  // null-terminated list; the first entry continues the chain
    void* failureRecords;
    uint32_t imageFlags;
    uint32_t specialInstrumentation;
    uint32_t reserved;
};

// A static image (the face plate and the display). The host installs the bitmap and, for
// elements that ask for a DIB section, the device context the module draws into.
struct StaticImageElement {
    ElementHeader header;
    ImageRecord* finalImage;
    ImageRecord* sourceImage;
    void* reservedImages[2];
    void* saveBuffer;
    void* deviceContext;     // HDC
    void* dibBits;
    uint8_t hostReserved[64];
};

// An icon (the pressed-button images): one bitmap the module shows or hides.
struct IconElement {
    ElementHeader header;
    ImageRecord* finalImage;
    ImageRecord* sourceImage;
    void* reservedImages[2];
    void* saveBuffer;
    uint8_t hostReserved[64];
};

using MouseHandler = int32_t (*)(PixPoint* relativePoint, uint32_t mouseFlags);

struct MouseRect {
    uint32_t type;           // 1 opens a region, 2 a clickable child, 3 closes, 0 ends
    int32_t x, y, w, h;
    uint32_t cursor;
    uint32_t helpId;
    uint32_t mouseFlags;
    uint32_t eventId;
    MouseHandler handler;
    void* extra;
};

using GaugeCallback = void (*)(GaugeHeader* header, int32_t service, uintptr_t extra);

// The gauge header: the module sets the fields named in the comments, the host the rest.
struct GaugeHeader {
    uint32_t version;                          // 800
    const char* name;                          // "GPS"
    ElementHeader** elements;                  // one-entry list: element 0
    intptr_t (*query)();
    intptr_t (*install)(void* argument);
    intptr_t (*initialize)();
    intptr_t (*update)();
    intptr_t (*generate)(uint32_t phase);
    intptr_t (*draw)();
    intptr_t (*kill)();
    void* reserved1;
    uint32_t sizeValue;                        // 312
    uint32_t hostSize;
    float xAdjust;
    float yAdjust;
    void* reserved2;
    void* reserved3;
    PixPoint position;
    void* reserved4;
    MouseRect* mouseRects;
    GaugeCallback callback;
    uint32_t userData;
    const char* parameters;                    // the instance's parameter text (host)
    const char* usage;
    int32_t reserved5;
    uint8_t hostReserved[128];
};

// The argument of the token read and of the named data block look-up.
struct TokenRecord {
    uint32_t token;
    void* dataPointer;       // the named data block's address, written by the host
    uint32_t valueType;
    double value;            // written by the host
    double previous;         // kept across reads of the smoothed airspeed
};

#pragma pack(pop)

static_assert(sizeof(LinkageRecord) == 48);
static_assert(offsetof(LinkageRecord, moduleInit) == 4);
static_assert(offsetof(LinkageRecord, version) == 28);
static_assert(offsetof(LinkageRecord, gaugeTable) == 32);
static_assert(sizeof(ImportTableRecord) == 24);
static_assert(offsetof(ImportTableRecord, panelServices) == 4);
static_assert(offsetof(ImportTableRecord, endId) == 12);
static_assert(offsetof(GaugeHeader, elements) == 12);
static_assert(offsetof(GaugeHeader, query) == 20);
static_assert(offsetof(GaugeHeader, kill) == 68);
static_assert(offsetof(GaugeHeader, sizeValue) == 84);
static_assert(offsetof(GaugeHeader, mouseRects) == 132);
static_assert(offsetof(GaugeHeader, callback) == 140);
static_assert(offsetof(GaugeHeader, parameters) == 152);
static_assert(offsetof(ElementHeader, nextElements) == 48);
static_assert(offsetof(ElementHeader, imageFlags) == 64);
static_assert(sizeof(ElementHeader) == 76);
static_assert(offsetof(StaticImageElement, finalImage) == 76);
static_assert(offsetof(StaticImageElement, deviceContext) == 116);
static_assert(offsetof(ImageRecord, size) == 4);
static_assert(sizeof(MouseRect) == 52);
static_assert(offsetof(MouseRect, handler) == 36);
static_assert(sizeof(TokenRecord) == 32);
static_assert(offsetof(TokenRecord, dataPointer) == 4);
static_assert(offsetof(TokenRecord, value) == 16);

// Image flag bits the module changes.
constexpr uint32_t kImageHidden = 0x40000000;
constexpr uint32_t kImageOnScreen = 0x80000000;

// Panel-service slots the module calls (byte offset = slot x 8).
enum PanelSlot : int {
    kSlotSkipDrawQuery = 9,
    kSlotElementQuery = 22,
    kSlotElementInstall = 23,
    kSlotElementInitialize = 24,
    kSlotElementUpdate = 25,
    kSlotElementGenerate = 26,
    kSlotElementDraw = 27,
    kSlotElementKill = 29,
    kSlotSendKeyEvent = 34,
    kSlotDataBlock = 37,
    kSlotReadToken = 38,
    kSlotReleaseVariable = 39,
    kSlotLookupVariable = 49,
    kSlotRegisterVariable = 50,
    kSlotReadVariable = 51,
    kSlotWriteVariable = 53,
    kSlotCalculatorCode = 67,
};
constexpr int kPanelSlotCount = 68;

// The signatures of those slots.
using SkipDrawQueryFn = int32_t (*)(int32_t);
using ElementFn = intptr_t (*)(ElementHeader*);
using ElementArgFn = intptr_t (*)(ElementHeader*, void*);
using ElementPhaseFn = intptr_t (*)(ElementHeader*, uint32_t);
using SendKeyEventFn = void (*)(uint32_t, uint32_t);
using DataBlockFn = void (*)(TokenRecord*, const char*);
using ReadTokenFn = void (*)(TokenRecord*);
using NameFn = void (*)(const char*);
using LookupVariableFn = int32_t (*)(const char*);
using RegisterVariableFn = int32_t (*)(const char*);
using ReadVariableFn = double (*)(int32_t);
using WriteVariableFn = void (*)(int32_t, double);
using CalculatorCodeFn = int32_t (*)(const char*, double*, int32_t*, const char**);

}  // namespace gauge
