// The records the host reads from the module, checked byte by byte against the host's
// layouts: Linkage, ImportTable, the gauge header, the element chain and the mouse table.
// The test host runs under Windows (or Wine) only; the Linux test build skips it.
#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstring>

#include "tests/gauge/check.h"
#include "tests/gauge/gauge_access.h"

namespace gauge_test {

using check::at;

uint8_t* Gauge::element(int index) const {
    uint8_t** list = at<uint8_t**>(header, kHeaderElements);
    uint8_t* current = list != nullptr ? list[0] : nullptr;
    for (int i = 0; i < index && current != nullptr; ++i) {
        uint8_t** next = at<uint8_t**>(current, kElementNext);
        current = next != nullptr ? next[0] : nullptr;
    }
    return current;
}

uint32_t Gauge::elementFlags(int index) const {
    return at<uint32_t>(element(index), kElementFlags);
}

void Gauge::setElementFlags(int index, uint32_t flags) const {
    check::put(element(index), kElementFlags, flags);
}

bool Gauge::elementHidden(int index) const { return (elementFlags(index) & 0x40000000) != 0; }

MouseHandler Gauge::mouseHandler(int32_t x, int32_t y, int32_t w, int32_t h,
                                 int32_t childX) const {
    const uint8_t* rects = at<uint8_t*>(header, kHeaderMouseRects);
    bool inRegion = false;
    for (int i = 0; i < 100; ++i) {
        const uint8_t* r = rects + i * kMouseRectSize;
        const uint32_t type = at<uint32_t>(r, 0);
        if (type == 0) break;
        if (type == 1) {
            inRegion = at<int32_t>(r, 4) == x && at<int32_t>(r, 8) == y &&
                       at<int32_t>(r, 12) == w && at<int32_t>(r, 16) == h;
        } else if (type == 2 && inRegion && at<int32_t>(r, 4) == childX) {
            return at<MouseHandler>(r, 36);
        } else if (type == 3) {
            inRegion = false;
        }
    }
    return nullptr;
}

namespace {

bool zeroBytes(const uint8_t* base, size_t from, size_t to) {
    for (size_t i = from; i < to; ++i) {
        if (base[i] != 0) return false;
    }
    return true;
}

void checkLinkageAndImports(const Gauge& g) {
    CHECK(at<uint32_t>(g.linkage, 0) == 0x13);
    auto init = at<void (*)()>(g.linkage, 4);
    auto deinit = at<void (*)()>(g.linkage, 12);
    CHECK(init != nullptr);
    CHECK(deinit != nullptr);
    CHECK(at<uint32_t>(g.linkage, 20) == 0);
    CHECK(at<uint32_t>(g.linkage, 24) == 0);
    CHECK(at<uint32_t>(g.linkage, 28) == 0x900);
    CHECK(at<uint8_t*>(g.linkage, 32) == g.header);
    CHECK(at<void*>(g.linkage, 40) == nullptr);
    if (init != nullptr) init();
    if (deinit != nullptr) deinit();

    CHECK(at<uint32_t>(g.imports, 0) == 0x0F);
    CHECK(at<void*>(g.imports, 4) == nullptr);
    CHECK(at<uint32_t>(g.imports, 12) == 0);
    CHECK(at<void*>(g.imports, 16) == nullptr);
}

void checkHeader(const Gauge& g) {
    const uint8_t* h = g.header;
    CHECK(at<uint32_t>(h, 0) == 800);
    const char* name = at<const char*>(h, 4);
    CHECK(name != nullptr && std::strcmp(name, "GPS") == 0);
    uint8_t** elements = at<uint8_t**>(h, 12);
    CHECK(elements != nullptr && elements[0] != nullptr);
    // Query, install, initialise, update, generate, draw, kill: seven distinct routines.
    for (int i = 0; i < 7; ++i) {
        const void* routine = at<void*>(h, 20 + 8 * i);
        CHECK_MSG(routine != nullptr, "header routine %d set", i);
        for (int j = 0; j < i; ++j) {
            CHECK_MSG(routine != at<void*>(h, 20 + 8 * j), "routines %d and %d differ", i, j);
        }
    }
    CHECK(zeroBytes(h, 76, 84));
    CHECK(at<uint32_t>(h, 84) == 312);
    CHECK(zeroBytes(h, 88, 132));
    CHECK(at<void*>(h, 132) != nullptr);
    CHECK(at<void*>(h, 140) != nullptr);
    CHECK(zeroBytes(h, 148, 176));
}

struct ExpectedElement {
    uint32_t type;
    uint32_t resource;
    int32_t x, y;
    uint32_t flags;
};

constexpr ExpectedElement kElements[11] = {
    {0, 9730, 0, 0, 0},
    {0, 9728, 217, 19, 0x24},
    {4, 9732, 450, 198, 0x40000003},
    {4, 9734, 536, 198, 0x40000003},
    {4, 9736, 367, 198, 0x40000003},
    {4, 9744, 68, 90, 0x40000003},
    {4, 9746, 672, 90, 0x40000003},
    {4, 9748, 282, 198, 0x40000003},
    {4, 9750, 671, 166, 0x40000003},
    {4, 9752, 677, 20, 0x40000003},
    {4, 9760, 199, 200, 0x40000003},
};

void checkElements(const Gauge& g) {
    for (int i = 0; i < 11; ++i) {
        const uint8_t* e = g.element(i);
        CHECK_MSG(e != nullptr, "element %d in the chain", i);
        if (e == nullptr) return;
        const ExpectedElement& want = kElements[i];
        CHECK_MSG(at<uint32_t>(e, 0) == want.type, "element %d type", i);
        CHECK_MSG(at<uint32_t>(e, 4) == want.resource, "element %d bitmap", i);
        CHECK_MSG(at<int32_t>(e, 8) == want.x && at<int32_t>(e, 12) == want.y,
                  "element %d position", i);
        CHECK_MSG(at<uint32_t>(e, kElementFlags) == want.flags, "element %d flags %08x", i,
                  at<uint32_t>(e, kElementFlags));
    }
    CHECK(g.element(11) == nullptr);
}

struct ExpectedRect {
    uint32_t type;
    int32_t x, y, w, h;
    uint32_t cursor;
    uint32_t flags;
};

constexpr uint32_t R = 0xFFFFFFFF;
constexpr uint32_t C = 0x20000000;
constexpr uint32_t K = 0x20200000;

constexpr ExpectedRect kRects[] = {
    {1, 0, 0, 0, 0, R, 0},
    {1, 74, 94, 52, 30, R, 0},     {2, 0, 0, 52, 30, 5, C},    {3, 0, 0, 0, 0, 0, 0},
    {1, 679, 96, 50, 30, R, 0},    {2, 0, 0, 50, 30, 5, C},    {3, 0, 0, 0, 0, 0, 0},
    {1, 28, 145, 124, 100, R, 0},  {2, 0, 0, 62, 100, 2, K},   {2, 63, 0, 62, 100, 1, K},
    {3, 0, 0, 0, 0, 0, 0},
    {1, 47, 174, 66, 66, R, 0},    {2, 0, 0, 33, 66, 2, K},    {2, 34, 0, 33, 66, 1, K},
    {3, 0, 0, 0, 0, 0, 0},
    {1, 654, 148, 124, 100, R, 0}, {2, 0, 0, 62, 100, 2, K},   {2, 63, 0, 62, 100, 1, K},
    {3, 0, 0, 0, 0, 0, 0},
    {1, 693, 182, 66, 66, R, 0},   {2, 0, 0, 33, 66, 2, K},    {2, 34, 0, 33, 66, 1, K},
    {3, 0, 0, 0, 0, 0, 0},
    {1, 720, 204, 16, 18, R, 0},   {2, 0, 0, 16, 18, 5, C},    {3, 0, 0, 0, 0, 0, 0},
    {1, 376, 204, 53, 35, R, 0},   {2, 0, 0, 53, 35, 5, C},    {3, 0, 0, 0, 0, 0, 0},
    {1, 293, 204, 53, 35, R, 0},   {2, 0, 0, 53, 35, 5, C},    {3, 0, 0, 0, 0, 0, 0},
    {1, 460, 204, 53, 35, R, 0},   {2, 0, 0, 53, 35, 5, C},    {3, 0, 0, 0, 0, 0, 0},
    {1, 544, 204, 53, 35, R, 0},   {2, 0, 0, 53, 35, 5, C},    {3, 0, 0, 0, 0, 0, 0},
    {1, 210, 204, 53, 35, R, 0},   {2, 0, 0, 53, 35, 5, C},    {3, 0, 0, 0, 0, 0, 0},
    {1, 686, 22, 54, 49, R, 0},    {2, 0, 0, 54, 49, 5, C},    {3, 0, 0, 0, 0, 0, 0},
    {3, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0},
};
constexpr int kRectCount = sizeof(kRects) / sizeof(kRects[0]);

void checkMouseTable(const Gauge& g) {
    const uint8_t* rects = at<uint8_t*>(g.header, kHeaderMouseRects);
    if (rects == nullptr) return;
    const void* handlers[kRectCount] = {};
    for (int i = 0; i < kRectCount; ++i) {
        const uint8_t* r = rects + i * kMouseRectSize;
        const ExpectedRect& want = kRects[i];
        CHECK_MSG(at<uint32_t>(r, 0) == want.type, "mouse entry %d type", i);
        CHECK_MSG(at<int32_t>(r, 4) == want.x && at<int32_t>(r, 8) == want.y &&
                      at<int32_t>(r, 12) == want.w && at<int32_t>(r, 16) == want.h,
                  "mouse entry %d box", i);
        CHECK_MSG(at<uint32_t>(r, 20) == want.cursor, "mouse entry %d cursor", i);
        CHECK_MSG(at<uint32_t>(r, 24) == 0 && at<uint32_t>(r, 32) == 0,
                  "mouse entry %d help and event ids", i);
        CHECK_MSG(at<uint32_t>(r, 28) == want.flags, "mouse entry %d flags", i);
        handlers[i] = at<void*>(r, 36);
        CHECK_MSG((handlers[i] != nullptr) == (want.type == 2), "mouse entry %d handler", i);
        CHECK_MSG(at<void*>(r, 44) == nullptr, "mouse entry %d extra", i);
    }
    // Every clickable box runs its own control.
    for (int i = 0; i < kRectCount; ++i) {
        for (int j = 0; j < i; ++j) {
            if (handlers[i] != nullptr && handlers[i] == handlers[j]) {
                CHECK_MSG(false, "mouse entries %d and %d share a handler", i, j);
            }
        }
    }
}

struct ExpectedBitmap {
    int id;
    int32_t width, height;
    uint16_t bits;
};

constexpr ExpectedBitmap kBitmaps[] = {
    {9730, 800, 250, 24}, {9728, 370, 176, 24}, {9732, 63, 42, 24}, {9734, 63, 42, 24},
    {9736, 63, 42, 24},   {9744, 63, 42, 24},   {9746, 62, 40, 24}, {9748, 68, 42, 24},
    {9750, 106, 86, 24},  {9752, 68, 57, 24},   {9760, 68, 42, 24}, {9762, 50, 49, 8},
    {9764, 48, 49, 24},
};

void checkBitmaps(const Gauge& g) {
    auto module = static_cast<HMODULE>(g.module);
    for (const ExpectedBitmap& want : kBitmaps) {
        HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(want.id), MAKEINTRESOURCEA(2));
        CHECK_MSG(found != nullptr, "bitmap %d present", want.id);
        if (found == nullptr) continue;
        const void* data = LockResource(LoadResource(module, found));
        CHECK_MSG(data != nullptr && SizeofResource(module, found) >= 40, "bitmap %d readable",
                  want.id);
        if (data == nullptr) continue;
        BITMAPINFOHEADER info;
        std::memcpy(&info, data, sizeof info);
        CHECK_MSG(info.biWidth == want.width && info.biHeight == want.height &&
                      info.biBitCount == want.bits && info.biCompression == BI_RGB,
                  "bitmap %d is %ldx%ld, %u bits, compression %lu", want.id, info.biWidth,
                  info.biHeight, info.biBitCount, info.biCompression);
    }
}

}  // namespace

void checkLayouts(const Gauge& gauge) {
    checkBitmaps(gauge);
    checkLinkageAndImports(gauge);
    checkHeader(gauge);
    checkElements(gauge);
    checkMouseTable(gauge);
}

}  // namespace gauge_test

#endif  // _WIN32
