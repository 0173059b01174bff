// The gauge driven as the simulator drives it: start-up services, control cycles and draws
// on a 32-bit DIB section, power through the named variable, clicks through the mouse table,
// and the unit record written on disconnect.
// The test host runs under Windows (or Wine) only; the Linux test build skips it.
#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tests/gauge/check.h"
#include "tests/gauge/fake_panel.h"
#include "tests/gauge/gauge_access.h"
#include "tests/gauge/surface.h"

namespace gauge_test {

namespace {

using check::at;
using check::put;
using surface::litInDrawingBox;

constexpr uint32_t kSentinel = 0x7F7F7F7F;
constexpr int kPowerElement = 9;
constexpr int kClrElement = 2;
constexpr int kKnobOutElement = 8;

#pragma pack(push, 4)
struct ImageRecord {
    uint32_t flags;
    int32_t width;
    int32_t height;
    uint8_t rest[80];
};
#pragma pack(pop)

ImageRecord displayImage;

// What the host does when it installs the display element: a DIB section and its size.
void attachSurface(const Gauge& g, surface::Surface& s) {
    displayImage = ImageRecord{};
    displayImage.width = s.width;
    displayImage.height = s.height;
    put<void*>(g.element(1), kStaticImageFinal, &displayImage);
    put<void*>(g.element(1), kStaticImageDc, s.dc);
}

double tick = 100.0;

void frame(const Gauge& g) {
    g.service(6);
    fake::panel().tokens[1] = ++tick;
    g.service(10);
}

void checkRecordsFilledOnlyByHost(const Gauge& g) {
    // Before the host stores its table every call must find nothing to call and go on.
    // A display element without a device context draws nothing but is still marked.
    g.service(6);
    g.setElementFlags(1, g.elementFlags(1) | 0x80000000u);
    g.service(10);
    CHECK(g.elementFlags(1) == 0x24);
    g.service(3);
    g.service(99);
    CHECK(at<void*>(g.imports, 4) == nullptr);
}

void checkForwardingRoutines(const Gauge& g) {
    using Plain = intptr_t (*)();
    using WithArgument = intptr_t (*)(uintptr_t);
    const uint8_t* face = g.element(0);
    const struct { size_t offset; int slot; bool argument; } routines[] = {
        {20, 22, false}, {28, 23, true}, {36, 24, false}, {44, 25, false},
        {52, 26, true},  {60, 27, false}, {68, 29, false},
    };
    for (const auto& r : routines) {
        intptr_t result;
        if (r.argument) {
            result = at<WithArgument>(g.header, r.offset)(0x5000 + r.slot);
        } else {
            result = at<Plain>(g.header, r.offset)();
        }
        const fake::ElementCall& call = fake::panel().elementCalls[r.slot];
        CHECK_MSG(call.count == 1 && call.element == face,
                  "routine at %zu forwards element 0 to slot %d", r.offset, r.slot);
        CHECK_MSG(result == 1000 + r.slot, "routine at %zu returns the host's answer", r.offset);
        if (r.argument) {
            CHECK_MSG(call.argument == uintptr_t(0x5000 + r.slot),
                      "routine at %zu passes its argument on", r.offset);
        }
    }
}

void checkStartup(const Gauge& g) {
    g.service(2);
    g.service(4);
    g.service(14);
    const char* registered[] = {"tw4_vgr_pwr_knob_pressed", "tw4_vgr_clr_butn_pressed",
                                "tw4_vgr_r_inr_knb_scrup", "lnav"};
    for (const char* name : registered) {
        const fake::NamedVariable* v = fake::findVariable(name);
        CHECK_MSG(v != nullptr && v->registered == 1, "%s registered on connect", name);
    }
}

void checkUnpoweredDisplay(const Gauge& g, surface::Surface& s) {
    fake::panel().tokens[773] = 1.0;
    fake::panel().tokens[61] = 100.0;
    for (int i = 0; i < 3; ++i) {
        surface::fill(s, kSentinel);
        frame(g);
        CHECK_MSG(surface::allEqual(s, 0), "unpowered draw %d clears the display", i);
    }
    CHECK(g.elementHidden(kPowerElement));
    CHECK((g.elementFlags(1) & 0x80000000u) == 0);
}

// Switches on through the power knob's named variable and follows the self-test to NAV.
void checkPowerOnAndSelfTest(const Gauge& g, surface::Surface& s) {
    fake::variable("tw4_vgr_pwr_knob_pressed").value = 1.0;
    frame(g);
    CHECK(fake::variable("tw4_vgr_pwr_knob_pressed").value == 0.0);
    CHECK(!g.elementHidden(kPowerElement));

    // Draw 1 of the self-test: the title row and the flashing line, nothing between them.
    CHECK(litInDrawingBox(s, 5, 0, 180, 24) > 20);
    CHECK(litInDrawingBox(s, 5, 152, 341, 176) > 20);
    CHECK(litInDrawingBox(s, 0, 30, 370, 148) == 0);

    // The flashing line shows its filled box in one half of the flash and plain text in the
    // other; draws 2..73 keep the self-test page, with no page divider.
    bool sawBox = false;
    bool sawText = false;
    bool dividerEarly = false;
    for (int draw = 2; draw <= 73; ++draw) {
        frame(g);
        const int lit = litInDrawingBox(s, 6, 157, 340, 174);
        const int area = surface::boxArea(s, 6, 157, 340, 174);
        if (lit > area * 3 / 5) sawBox = true;
        if (lit > 0 && lit < area / 2) sawText = true;
        if (litInDrawingBox(s, 183, 30, 188, 140) > 0) dividerEarly = true;
    }
    CHECK(sawBox);
    CHECK(sawText);
    CHECK(!dividerEarly);
    CHECK(litInDrawingBox(s, 5, 0, 180, 24) > 20);

    // Draw 74 hands over to NAV: the self-test text is gone and the divider and status-line
    // frame are drawn in the same draw.
    frame(g);
    CHECK(litInDrawingBox(s, 183, 30, 188, 140) > 50);
    CHECK(litInDrawingBox(s, 0, 148, 370, 152) > 200);
    CHECK(litInDrawingBox(s, 5, 152, 90, 176) < litInDrawingBox(s, 92, 152, 96, 176) * 20);
}

void checkPressedButtons(const Gauge& g) {
    MouseHandler clr = g.mouseHandler(460, 204, 53, 35, 0);
    CHECK(clr != nullptr);
    if (clr == nullptr) return;
    CHECK(g.elementHidden(kClrElement));
    int32_t point[2] = {10, 10};
    CHECK(clr(point, 0x20000000) != 0);
    // Shown on the cycle of the press and the four after it, hidden on the sixth.
    for (int cycle = 1; cycle <= 5; ++cycle) {
        g.service(6);
        CHECK_MSG(!g.elementHidden(kClrElement), "CLR image shown on cycle %d", cycle);
    }
    g.service(6);
    CHECK(g.elementHidden(kClrElement));

    // The right inner knob: pushed in at start (its pulled-out image hidden), one push
    // through its mouse area pulls it out.
    MouseHandler push = g.mouseHandler(720, 204, 16, 18, 0);
    CHECK(push != nullptr);
    if (push == nullptr) return;
    CHECK(g.elementHidden(kKnobOutElement));
    push(point, 0x20000000);
    g.service(6);
    CHECK(!g.elementHidden(kKnobOutElement));
}

void checkVirtualCockpitSkip(const Gauge& g, surface::Surface& s) {
    static const char vc[] = "VC";
    static const char other[] = "VCX";
    struct Case {
        const char* parameters;
        int32_t answer;
        bool skips;
    } cases[] = {{vc, 1, true}, {vc, 0, false}, {other, 1, false}, {nullptr, 1, false}};
    for (const Case& c : cases) {
        put<const char*>(g.header, kHeaderParameters, c.parameters);
        fake::panel().skipDrawAnswer = c.answer;
        g.setElementFlags(1, g.elementFlags(1) | 0x80000000u);
        surface::fill(s, kSentinel);
        frame(g);
        const char* shown = c.parameters != nullptr ? c.parameters : "(none)";
        CHECK_MSG(surface::allEqual(s, kSentinel) == c.skips, "parameters %s, answer %d", shown,
                  c.answer);
        CHECK_MSG((g.elementFlags(1) & 0x80000000u) == 0, "image marked (%s, %d)", shown,
                  c.answer);
    }
    put<const char*>(g.header, kHeaderParameters, nullptr);

    // The host's own copy of the header for a virtual-cockpit instance: that instance skips,
    // the panel window's instance still draws.
    uint8_t instance[256];
    std::memcpy(instance, g.header, sizeof instance);
    put<const char*>(instance, kHeaderParameters, vc);
    surface::fill(s, kSentinel);
    g.callback(instance, 6, 0);
    fake::panel().tokens[1] = ++tick;
    g.callback(instance, 10, 0);
    CHECK(surface::allEqual(s, kSentinel));
    frame(g);
    CHECK(!surface::allEqual(s, kSentinel));
    fake::panel().skipDrawAnswer = 0;
}

// A host that stretches the display to twice its size gets every item at twice the size.
void checkStretchedDisplay(const Gauge& g, surface::Surface& small) {
    surface::Surface big;
    CHECK(surface::create(big, 740, 352));
    if (big.dc == nullptr) return;
    attachSurface(g, big);
    frame(g);
    CHECK(litInDrawingBox(big, 183, 30, 188, 140) > 100);
    CHECK(litInDrawingBox(big, 0, 148, 370, 152) > 400);
    attachSurface(g, small);
    surface::destroy(big);
}

bool readFile(const char* path, char* out, int size) {
    std::FILE* f = std::fopen(path, "rb");
    if (f == nullptr) return false;
    const size_t n = std::fread(out, 1, size - 1, f);
    out[n] = '\0';
    std::fclose(f);
    return true;
}

void writeFile(const char* path, const char* text) {
    std::FILE* f = std::fopen(path, "wb");
    if (f == nullptr) return;
    std::fputs(text, f);
    std::fclose(f);
}

void checkDisconnect(const Gauge& g, surface::Surface& s, const char* recordPath) {
    g.service(15);
    const fake::NamedVariable* pressed = fake::findVariable("tw4_vgr_pwr_knob_pressed");
    CHECK(pressed != nullptr && pressed->released == 1);
    char text[512];
    CHECK(readFile(recordPath, text, sizeof text));
    // The record read at start held 12.5 hours and 7 cycles; this load is one more cycle.
    const char* total = std::strstr(text, "TotalTime=");
    CHECK(total == text);
    if (total != nullptr) {
        const double hours = std::atof(total + 10);
        CHECK_MSG(hours >= 12.5 && hours < 12.6, "operating time %.3f", hours);
    }
    CHECK(std::strstr(text, "PowerCycle=8") != nullptr);

    // Drawing after GDI+ has shut down draws nothing and harms nothing; a new connection
    // draws again.
    surface::fill(s, kSentinel);
    frame(g);
    CHECK(surface::allEqual(s, kSentinel));
    g.service(14);
    frame(g);
    CHECK(litInDrawingBox(s, 183, 30, 188, 140) > 50);
    g.service(15);
}

}  // namespace

void checkFrames(const Gauge& g, const char* rootFolder) {
    fake::resetPanel();
    checkRecordsFilledOnlyByHost(g);
    put<void*>(g.imports, 4, fake::panel().table);
    checkForwardingRoutines(g);

    // The root folder holds the unit's installation folder with a record from earlier runs.
    char brindle[MAX_PATH];
    char record[MAX_PATH];
    CreateDirectoryA(rootFolder, nullptr);
    std::snprintf(brindle, sizeof brindle, "%s\\Brindle", rootFolder);
    std::snprintf(record, sizeof record, "%s\\vgr27a.ini", brindle);
    CreateDirectoryA(brindle, nullptr);
    writeFile(record, "TotalTime= 12.5\nPowerCycle=7\n");
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    CHECK(SetCurrentDirectoryA(rootFolder) != 0);

    surface::Surface s;
    CHECK(surface::create(s, 370, 176));
    if (s.dc == nullptr) return;
    attachSurface(g, s);

    checkStartup(g);
    SetCurrentDirectoryA(previous);
    checkUnpoweredDisplay(g, s);
    checkPowerOnAndSelfTest(g, s);
    checkPressedButtons(g);
    checkVirtualCockpitSkip(g, s);
    checkStretchedDisplay(g, s);
    checkDisconnect(g, s, record);
    CHECK(fake::panel().unexpectedCalls == 0);
    CHECK(fake::panel().airspeedReads > 10);
    CHECK(fake::panel().calculatorCalls > 10);
    CHECK(fake::panel().airspeedRecordChanges == 0);
    put<void*>(g.element(1), kStaticImageDc, nullptr);
    surface::destroy(s);
}

}  // namespace gauge_test

#endif  // _WIN32
