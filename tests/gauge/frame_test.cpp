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
using surface::litIn;

constexpr uint32_t kSentinel = 0x7F7F7F7F;
constexpr uint32_t kRedraw = 0x80000000;  // element flag: the image is to be drawn again
constexpr uint32_t kClick = 0x20000000;
constexpr int kClrElement = 2;
constexpr int kKnobOutElement = 8;
constexpr int kPowerElement = 9;
constexpr int kKnobPushEntry = 24;  // mouse table entries of the boxes clicked below
constexpr int kClrEntry = 33;

// The display element's image record as the host fills it when it installs the element:
// flags, width and height, then fields the gauge does not read (92 bytes in all).
int32_t displayImage[23];

void attachSurface(const Gauge& g, surface::Surface& s) {
    displayImage[1] = s.width;
    displayImage[2] = s.height;
    put<void*>(g.element(1), kStaticImageFinal, displayImage);
    put<void*>(g.element(1), kStaticImageDc, s.dc);
}

// The seven header routines hand element 0 to the host's element operations, with their
// argument where they take one, and return the host's answer.
void checkForwardingRoutines(const Gauge& g) {
    const struct { size_t offset; int slot; bool argument; } routines[] = {
        {20, 22, false}, {28, 23, true}, {36, 24, false}, {44, 25, false},
        {52, 26, true},  {60, 27, false}, {68, 29, false},
    };
    for (const auto& r : routines) {
        void* routine = at<void*>(g.header, r.offset);
        CHECK_MSG(routine != nullptr, "routine at %zu set", r.offset);
        if (routine == nullptr) continue;
        const uintptr_t argument = 0x5000 + r.slot;
        const intptr_t result = r.argument
                                    ? reinterpret_cast<intptr_t (*)(uintptr_t)>(routine)(argument)
                                    : reinterpret_cast<intptr_t (*)()>(routine)();
        const fake::ElementCall& call = fake::panel.elementCalls[r.slot];
        CHECK_MSG(call.count == 1 && call.element == g.element(0) && result == 1000 + r.slot &&
                      call.argument == (r.argument ? argument : 0),
                  "routine at %zu: slot %d called %d times, argument %zx, result %zd", r.offset,
                  r.slot, call.count, call.argument, result);
    }
}

void checkUnpoweredDisplay(const Gauge& g, surface::Surface& s) {
    fake::panel.tokens[kTokenPower] = 1.0;
    fake::panel.tokens[kTokenAirspeed] = 100.0;
    for (int i = 0; i < 3; ++i) {
        surface::fill(s, kSentinel);
        frame(g);
        CHECK_MSG(surface::allEqual(s, 0), "unpowered draw %d clears the display", i);
    }
    CHECK(g.hidden(kPowerElement));
    CHECK((g.flags(1) & kRedraw) == 0);
}

// Switches on through the power knob's named variable and follows the self-test to NAV.
void checkPowerOnAndSelfTest(const Gauge& g, surface::Surface& s) {
    fake::variable("tw4_vgr_pwr_knob_pressed").value = 1.0;
    frame(g);
    CHECK(fake::variable("tw4_vgr_pwr_knob_pressed").value == 0.0);
    CHECK(!g.hidden(kPowerElement));

    // Draw 1 of the self-test: the title row and the flashing line, nothing between them.
    CHECK(litIn(s, 5, 0, 180, 24) > 20);
    CHECK(litIn(s, 5, 152, 341, 176) > 20);
    CHECK(litIn(s, 0, 30, 370, 148) == 0);

    // The flashing line shows its filled box in one half of the flash and plain text in the
    // other; draws 2..73 keep the self-test page, with no page divider.
    constexpr int kLineArea = (340 - 6) * (174 - 157);  // the surface is at drawing scale
    bool sawBox = false;
    bool sawText = false;
    bool dividerEarly = false;
    for (int draw = 2; draw <= 73; ++draw) {
        frame(g);
        const int lit = litIn(s, 6, 157, 340, 174);
        sawBox = sawBox || lit > kLineArea * 3 / 5;
        sawText = sawText || (lit > 0 && lit < kLineArea / 2);
        dividerEarly = dividerEarly || litIn(s, 183, 30, 188, 140) > 0;
    }
    CHECK(sawBox && sawText);
    CHECK(!dividerEarly);
    CHECK(litIn(s, 5, 0, 180, 24) > 20);

    // Draw 74 hands over to NAV: the self-test text is gone and the divider and status-line
    // frame are drawn in the same draw.
    frame(g);
    CHECK(litIn(s, 183, 30, 188, 140) > 50);
    CHECK(litIn(s, 0, 148, 370, 152) > 200);
    CHECK(litIn(s, 5, 152, 90, 176) < litIn(s, 92, 152, 96, 176) * 20);
}

void checkPressedButtons(const Gauge& g) {
    auto clr = at<MouseHandler>(g.mouseRect(kClrEntry), 36);
    auto push = at<MouseHandler>(g.mouseRect(kKnobPushEntry), 36);
    if (clr == nullptr || push == nullptr) return;  // reported by the mouse-table check
    int32_t point[2] = {10, 10};
    CHECK(g.hidden(kClrElement));
    CHECK(clr(point, kClick) != 0);
    // Shown on the cycle of the press and the four after it, hidden on the sixth.
    for (int cycle = 1; cycle <= 6; ++cycle) {
        g.service(6);
        CHECK_MSG(g.hidden(kClrElement) == (cycle == 6), "CLR image on cycle %d", cycle);
    }
    // The right inner knob starts pushed in (its pulled-out image hidden); one push through
    // its mouse box pulls it out.
    CHECK(g.hidden(kKnobOutElement));
    push(point, kClick);
    g.service(6);
    CHECK(!g.hidden(kKnobOutElement));
}

// The draw is skipped only for the parameters "VC" with the host answering that the virtual
// cockpit is drawn; a skipped draw leaves the display alone but still marks the image drawn.
// A host's copy of the header for a virtual-cockpit instance skips without making the panel
// window's instance skip after it.
void checkVirtualCockpitSkip(const Gauge& g, surface::Surface& s) {
    static const char vc[] = "VC";
    static const char other[] = "VCX";
    const struct { bool copy; const char* parameters; int32_t answer; bool skips; } cases[] = {
        {false, vc, 1, true},  {false, vc, 0, false},    {false, other, 1, false},
        {true, vc, 1, true},   {false, nullptr, 1, false}};
    uint8_t instance[256];
    for (const auto& c : cases) {
        if (c.copy) std::memcpy(instance, g.header, sizeof instance);
        uint8_t* header = c.copy ? instance : g.header;
        put<const char*>(header, kHeaderParameters, c.parameters);
        fake::panel.skipDrawAnswer = c.answer;
        g.setFlags(1, g.flags(1) | kRedraw);
        surface::fill(s, kSentinel);
        frame(g, header);
        CHECK_MSG(surface::allEqual(s, kSentinel) == c.skips && (g.flags(1) & kRedraw) == 0,
                  "parameters %s, answer %d%s", c.parameters ? c.parameters : "(none)", c.answer,
                  c.copy ? ", header copy" : "");
    }
    fake::panel.skipDrawAnswer = 0;
}

// A host that stretches the display to twice its size gets every item at twice the size.
void checkStretchedDisplay(const Gauge& g, surface::Surface& small) {
    surface::Surface big;
    CHECK(surface::create(big, 740, 352));
    if (big.dc == nullptr) return;
    attachSurface(g, big);
    frame(g);
    CHECK(litIn(big, 183, 30, 188, 140) > 100);
    CHECK(litIn(big, 0, 148, 370, 152) > 400);
    attachSurface(g, small);
    surface::destroy(big);
}

void checkDisconnect(const Gauge& g, surface::Surface& s, const char* recordPath) {
    g.service(15);
    CHECK(fake::variable("tw4_vgr_pwr_knob_pressed").released == 1);
    // The record read at start held 12.5 hours and 7 cycles; this load is one more cycle.
    char text[512] = {};
    if (std::FILE* f = std::fopen(recordPath, "rb")) {
        CHECK(std::fread(text, 1, sizeof text - 1, f) > 0);
        std::fclose(f);
    }
    const bool total = std::strncmp(text, "TotalTime=", 10) == 0;
    const double hours = total ? std::atof(text + 10) : 0.0;
    CHECK_MSG(total && hours >= 12.5 && hours < 12.6, "unit record: %s", text);
    CHECK(std::strstr(text, "PowerCycle=8") != nullptr);

    // Drawing after GDI+ has shut down draws nothing and harms nothing; a new connection
    // draws again.
    surface::fill(s, kSentinel);
    frame(g);
    CHECK(surface::allEqual(s, kSentinel));
    g.service(14);
    frame(g);
    CHECK(litIn(s, 183, 30, 188, 140) > 50);
    g.service(15);
}

}  // namespace

void frame(const Gauge& g, void* header) {
    static double tick = 100.0;
    g.callback(header != nullptr ? header : g.header, 6, 0);
    fake::panel.tokens[kTokenTick] = ++tick;
    g.callback(header != nullptr ? header : g.header, 10, 0);
}

void checkFrames(const Gauge& g, const char* rootFolder) {
    fake::resetPanel();
    // Before the host stores its service table every call finds nothing to call and goes on;
    // a display element without a device context draws nothing but is still marked drawn.
    g.service(6);
    g.setFlags(1, g.flags(1) | kRedraw);
    g.service(10);
    CHECK(g.flags(1) == 0x24);
    g.service(3);
    g.service(99);
    CHECK(at<void*>(g.imports, 4) == nullptr);
    put<void*>(g.imports, 4, fake::panel.table);
    checkForwardingRoutines(g);

    // The root folder holds the unit's installation folder with a record from earlier runs.
    char brindle[MAX_PATH];
    char record[MAX_PATH];
    char previous[MAX_PATH];
    std::snprintf(brindle, sizeof brindle, "%s\\Brindle", rootFolder);
    std::snprintf(record, sizeof record, "%s\\vgr27a.ini", brindle);
    CreateDirectoryA(rootFolder, nullptr);
    CreateDirectoryA(brindle, nullptr);
    writePageFiles(rootFolder);
    if (std::FILE* f = std::fopen(record, "wb")) {
        std::fputs("TotalTime= 12.5\nPowerCycle=7\n", f);
        std::fclose(f);
    }
    GetCurrentDirectoryA(MAX_PATH, previous);
    CHECK(SetCurrentDirectoryA(rootFolder) != 0);

    surface::Surface s;
    CHECK(surface::create(s, 370, 176));
    if (s.dc == nullptr) return;
    attachSurface(g, s);
    g.service(2);
    g.service(4);
    g.service(14);
    for (const char* name : {"tw4_vgr_pwr_knob_pressed", "tw4_vgr_clr_butn_pressed",
                             "tw4_vgr_r_inr_knb_scrup", "lnav"}) {
        CHECK_MSG(fake::variable(name).registered == 1, "%s registered once on connect", name);
    }
    SetCurrentDirectoryA(previous);

    checkUnpoweredDisplay(g, s);
    checkPowerOnAndSelfTest(g, s);
    checkPressedButtons(g);
    checkVirtualCockpitSkip(g, s);
    checkStretchedDisplay(g, s);
    checkPages(g, s);
    checkDisconnect(g, s, record);
    CHECK(fake::panel.unexpectedCalls == 0);
    CHECK(fake::panel.airspeedReads > 10 && fake::panel.airspeedRecordChanges == 0);
    CHECK(fake::panel.calculatorCalls > 10);
    put<void*>(g.element(1), kStaticImageDc, nullptr);
    surface::destroy(s);
}

}  // namespace gauge_test

#endif  // _WIN32
