// The records the host reads from the module, checked byte by byte against the host's
// layouts: Linkage, ImportTable, the gauge header, the bitmaps and element chain, and the
// mouse table.
// The test host runs under Windows (or Wine) only; the Linux test build skips it.
#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstring>
#include <iterator>

#include "tests/gauge/check.h"
#include "tests/gauge/gauge_access.h"

namespace gauge_test {

namespace {

using check::at;

// Linkage, ImportTable and the gauge header: their values, entry points and zeroed bytes.
// The header's seven routines are checked where they are called, in the frame checks.
void checkRecords(const Gauge& g) {
    // Each field: `size` bytes at `offset` holding `value`, zero past its first four bytes.
    const struct { const char* record; const uint8_t* base; size_t offset, size; uint32_t value; }
        fields[] = {
            {"Linkage", g.linkage, 0, 4, 0x13},    {"Linkage", g.linkage, 20, 8, 0},
            {"Linkage", g.linkage, 28, 4, 0x900},  {"Linkage", g.linkage, 40, 8, 0},
            {"ImportTable", g.imports, 0, 4, 0x0F}, {"ImportTable", g.imports, 4, 20, 0},
            {"header", g.header, 0, 4, 800},       {"header", g.header, 76, 8, 0},
            {"header", g.header, 84, 4, 312},      {"header", g.header, 88, 44, 0},
            {"header", g.header, 148, 28, 0},
        };
    for (const auto& f : fields) {
        uint8_t want[64] = {};
        std::memcpy(want, &f.value, sizeof f.value);
        CHECK_MSG(std::memcmp(f.base + f.offset, want, f.size) == 0,
                  "%s bytes %zu..%zu hold %u (%u found first)", f.record, f.offset,
                  f.offset + f.size, f.value, at<uint32_t>(f.base, f.offset));
    }
    auto init = at<void (*)()>(g.linkage, 4);
    auto deinit = at<void (*)()>(g.linkage, 12);
    CHECK(init != nullptr && deinit != nullptr);
    if (init != nullptr && deinit != nullptr) {
        init();
        deinit();
    }
    const char* name = at<const char*>(g.header, 4);
    CHECK(name != nullptr && std::strcmp(name, "GPS") == 0);
}

// The bitmap resources, the first eleven in the order of the element chain with their
// element's type, position and flags; the last two belong to no element.
struct Image {
    int resource;
    int32_t width, height;
    uint16_t bits;
    uint32_t type;
    int32_t x, y;
    uint32_t flags;
};
constexpr uint32_t kButton = 0x40000003;
constexpr Image kImages[] = {
    {9730, 800, 250, 24, 0, 0, 0, 0},         {9728, 370, 176, 24, 0, 217, 19, 0x24},
    {9732, 63, 42, 24, 4, 450, 198, kButton}, {9734, 63, 42, 24, 4, 536, 198, kButton},
    {9736, 63, 42, 24, 4, 367, 198, kButton}, {9744, 63, 42, 24, 4, 68, 90, kButton},
    {9746, 62, 40, 24, 4, 672, 90, kButton},  {9748, 68, 42, 24, 4, 282, 198, kButton},
    {9750, 106, 86, 24, 4, 671, 166, kButton}, {9752, 68, 57, 24, 4, 677, 20, kButton},
    {9760, 68, 42, 24, 4, 199, 200, kButton}, {9762, 50, 49, 8, 0, 0, 0, 0},
    {9764, 48, 49, 24, 0, 0, 0, 0},
};
constexpr int kChainLength = 11;

void checkImages(const Gauge& g) {
    auto module = static_cast<HMODULE>(g.module);
    for (int i = 0; i < static_cast<int>(std::size(kImages)); ++i) {
        const Image& want = kImages[i];
        HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(want.resource), MAKEINTRESOURCEA(2));
        const void* data = found != nullptr ? LockResource(LoadResource(module, found)) : nullptr;
        BITMAPINFOHEADER info{};
        if (data != nullptr && SizeofResource(module, found) >= sizeof info) {
            std::memcpy(&info, data, sizeof info);
        }
        CHECK_MSG(info.biWidth == want.width && info.biHeight == want.height &&
                      info.biBitCount == want.bits && info.biCompression == BI_RGB,
                  "bitmap %d is %ldx%ld, %u bits, compression %lu (0x0 when missing)",
                  want.resource, info.biWidth, info.biHeight, info.biBitCount,
                  info.biCompression);
        if (i >= kChainLength) continue;
        const uint8_t* e = g.element(i);
        CHECK_MSG(e != nullptr, "element %d in the chain", i);
        if (e == nullptr) return;
        CHECK_MSG(at<uint32_t>(e, 0) == want.type && at<int32_t>(e, 4) == want.resource &&
                      at<int32_t>(e, 8) == want.x && at<int32_t>(e, 12) == want.y &&
                      at<uint32_t>(e, kElementFlags) == want.flags,
                  "element %d: type %u, bitmap %d at %d,%d, flags %08x", i, at<uint32_t>(e, 0),
                  at<int32_t>(e, 4), at<int32_t>(e, 8), at<int32_t>(e, 12),
                  at<uint32_t>(e, kElementFlags));
    }
    CHECK(g.element(kChainLength) == nullptr);
}

// The clickable regions in the table's order. A region opens with a type-1 entry and closes
// with a type-3 one; between them is one box for a button or two halves for a knob.
struct Region {
    int32_t x, y, w, h;
    bool halves;
};
constexpr Region kRegions[] = {
    {74, 94, 52, 30, false},   {679, 96, 50, 30, false},  {28, 145, 124, 100, true},
    {47, 174, 66, 66, true},   {654, 148, 124, 100, true}, {693, 182, 66, 66, true},
    {720, 204, 16, 18, false}, {376, 204, 53, 35, false}, {293, 204, 53, 35, false},
    {460, 204, 53, 35, false}, {544, 204, 53, 35, false}, {210, 204, 53, 35, false},
    {686, 22, 54, 49, false},
};

void checkMouseTable(const Gauge& g) {
    CHECK(at<void*>(g.header, kHeaderMouseRects) != nullptr);
    if (at<void*>(g.header, kHeaderMouseRects) == nullptr) return;
    constexpr uint32_t R = 0xFFFFFFFF;
    constexpr uint32_t C = 0x20000000;
    constexpr uint32_t K = 0x20200000;
    const void* handlers[64] = {};
    int n = 0;
    // Checks the next entry: only boxes (type 2) have a handler; help, event and extra are 0.
    auto expect = [&](uint32_t type, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t cursor,
                      uint32_t flags) {
        const uint8_t* r = g.mouseRect(n);
        handlers[n] = at<void*>(r, 36);
        CHECK_MSG(at<uint32_t>(r, 0) == type && at<int32_t>(r, 4) == x && at<int32_t>(r, 8) == y &&
                      at<int32_t>(r, 12) == w && at<int32_t>(r, 16) == h &&
                      at<uint32_t>(r, 20) == cursor && at<uint32_t>(r, 24) == 0 &&
                      at<uint32_t>(r, 28) == flags && at<uint32_t>(r, 32) == 0 &&
                      (handlers[n] != nullptr) == (type == 2) && at<void*>(r, 44) == nullptr,
                  "mouse entry %d: type %u, box %d,%d %dx%d, cursor %u, flags %08x", n,
                  at<uint32_t>(r, 0), at<int32_t>(r, 4), at<int32_t>(r, 8), at<int32_t>(r, 12),
                  at<int32_t>(r, 16), at<uint32_t>(r, 20), at<uint32_t>(r, 28));
        ++n;
    };
    // The whole face is the outer region, closed after the last inner one.
    expect(1, 0, 0, 0, 0, R, 0);
    for (const Region& b : kRegions) {
        expect(1, b.x, b.y, b.w, b.h, R, 0);
        if (b.halves) {
            expect(2, 0, 0, b.w / 2, b.h, 2, K);
            expect(2, b.w / 2 + 1, 0, b.w / 2, b.h, 1, K);
        } else {
            expect(2, 0, 0, b.w, b.h, 5, C);
        }
        expect(3, 0, 0, 0, 0, 0, 0);
    }
    expect(3, 0, 0, 0, 0, 0, 0);
    expect(0, 0, 0, 0, 0, 0, 0);
    // Every clickable box runs its own control.
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < i; ++j) {
            if (handlers[i] != nullptr && handlers[i] == handlers[j]) {
                CHECK_MSG(false, "mouse entries %d and %d share a handler", i, j);
            }
        }
    }
}

}  // namespace

void checkLayouts(const Gauge& gauge) {
    checkImages(gauge);
    checkRecords(gauge);
    checkMouseTable(gauge);
}

}  // namespace gauge_test

#endif  // _WIN32
