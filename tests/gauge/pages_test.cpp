// The pages that read the root folder's data, driven through the gauge as the simulator
// drives it: an airport from the database on the APT page, a stored plan flown with the
// autopilot coupled, its heading commands arriving as key events, and that plan with a
// plotted VOR on the whole-display map.
// The test host runs under Windows (or Wine) only; the Linux test build skips it.
#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdio>

#include "frame/host_tokens.h"
#include "tests/gauge/check.h"
#include "tests/gauge/fake_panel.h"
#include "tests/gauge/gauge_access.h"
#include "tests/gauge/surface.h"

namespace gauge_test {

namespace {

using surface::litIn;

constexpr double kLatitudeUnitsPerDegree = 111130.555557;
constexpr double kFeetPerSecondPerKnot = 1.68781;

// One airport with a four-letter identifier and a two-word name, so the page fills the
// identifier row only up to its fifth cell and both name rows.
constexpr char kAirports[] =
    "; ident name elevation lat lon runway...\r\n"
    "KHAL HALCYRA_MUNICIPAL 120 0.2000 0.3000 09_5000_0.2_0.29_90_ASPH_LIT_0\r\n";

// Three waypoints along the equator, 30 NM apart; the only stored plan, so it is FPL 2.
constexpr char kRoute[] =
    "[FlightPlan]\r\n"
    "EQ0             0.00000    0.00000  WPT       \r\n"
    "EQ1             0.00000    0.50000  WPT       \r\n"
    "EQ2             0.00000    1.00000  WPT       \r\n";

// One VOR 18 NM south and 15 NM east of where the plan is flown from (0.1 N, 0).
constexpr char kNavaids[] = "VMAP MAPVOR -0.2000 0.2500 VOR 112.00\r\n";

bool writeFile(const char* path, const char* text) {
    std::FILE* f = std::fopen(path, "wb");
    if (f == nullptr) return false;
    const bool written = std::fputs(text, f) >= 0;
    return std::fclose(f) == 0 && written;
}

// Sets the named control variable and runs the frame that handles it.
void press(const Gauge& g, const char* variableName) {
    fake::variable(variableName).value = 1.0;
    frame(g);
}

bool keyEventIs(int index, uint32_t id, uint32_t parameter) {
    if (index >= fake::panel.keyEventCount || index >= fake::kKeyEventCount) return false;
    return fake::panel.keyEvents[index].id == id &&
           fake::panel.keyEvents[index].parameter == parameter;
}

// Past the self-test the right page is APT, showing the first airport: the identifier on
// row 0, the name on rows 1 and 2, latitude and longitude on rows 4 and 5. An empty table's
// page shows " APT DATA" on row 0 (reaching past a four-letter identifier) and " NOT FOUND"
// on row 1, with nothing below.
void checkAirportPage(const Gauge& g, surface::Surface& s) {
    frame(g);
    const int ident = litIn(s, 189, 2, 272, 24);
    const int pastIdent = litIn(s, 290, 2, 365, 24);
    const int name = litIn(s, 189, 24, 365, 72);
    const int gap = litIn(s, 189, 76, 365, 94);
    const int position = litIn(s, 189, 96, 365, 144);
    CHECK_MSG(ident > 40 && pastIdent == 0,
              "APT identifier row: %d lit in the identifier, %d past it", ident, pastIdent);
    CHECK_MSG(name > 80 && gap == 0 && position > 150,
              "APT rows: name %d, row 3 %d, position %d lit", name, gap, position);
}

// FPL 2 activated with the left knobs, CRSR and ENT; then, with the autopilot's master and
// heading hold on, the panel's LNAV click engages the coupling: heading mode on, then the
// heading towards the steering point. 6 NM north of the first leg that is the intercept
// course to the second waypoint, 101.3 degrees. Heading hold going off releases it again.
void checkCoupledHeading(const Gauge& g) {
    fake::Panel& panel = fake::panel;
    panel.tokens[kTokenLatitude] = 0.1 * kLatitudeUnitsPerDegree;
    panel.tokens[kTokenLongitude] = 0.0;
    panel.tokens[kTokenHeadingMag] = 101.0;
    panel.tokens[kTokenHeadingTrue] = 101.0;
    panel.tokens[kTokenGroundSpeed] = 240.0 * kFeetPerSecondPerKnot;
    frame(g);
    for (const char* control :
         {"tw4_vgr_l_otr_knb_scrdown", "tw4_vgr_l_inr_knb_scrup", "tw4_vgr_l_inr_knb_scrup",
          "tw4_vgr_l_crsr_butn_pressed", "tw4_vgr_ent_butn_pressed"}) {
        press(g, control);
    }
    // Without the autopilot master the click is ignored and cleared.
    fake::variable("lnav_clicked").value = 1.0;
    frame(g);
    CHECK_MSG(panel.keyEventCount == 0 && fake::variable("lnav_clicked").value == 0.0,
              "%d key events before the coupling", panel.keyEventCount);

    panel.tokens[kTokenAutopilotMaster] = 1.0;
    panel.tokens[kTokenAutopilotHeadingHold] = 1.0;
    fake::variable("lnav_clicked").value = 1.0;
    frame(g);
    CHECK_MSG(panel.keyEventCount == 2 && keyEventIs(0, kKeyHeadingModeOn, 0) &&
                  keyEventIs(1, kKeySetHeading, 101),
              "coupling: %d key events, first %#x %u, second %#x %u", panel.keyEventCount,
              panel.keyEvents[0].id, panel.keyEvents[0].parameter, panel.keyEvents[1].id,
              panel.keyEvents[1].parameter);
    CHECK(fake::variable("lnav").value == 1.0 && fake::variable("lnav_clicked").value == 0.0);

    // Standing still, the whole-degree heading does not change: nothing more is sent while
    // the engagement settles.
    for (int i = 0; i < 35; ++i) frame(g);
    CHECK_MSG(panel.keyEventCount == 2, "%d key events while coupled", panel.keyEventCount);

    panel.tokens[kTokenAutopilotHeadingHold] = 0.0;
    frame(g);
    CHECK_MSG(panel.keyEventCount == 4 && keyEventIs(2, kKeyHeadingModeOff, 0) &&
                  keyEventIs(3, kKeyHeadingModeOn, 0),
              "release: %d key events", panel.keyEventCount);
    CHECK(fake::variable("lnav").value == 0.0);
    panel.tokens[kTokenAutopilotMaster] = 0.0;
}

// Both sides stepped to NAV 5 with the plan active: the whole-display map, north up at
// 40 NM, is 2.2 units a mile around (230, 88). The first leg runs east along the equator,
// 6 NM south of the aircraft, at y 101; the VOR stands at (263, 127.6). The right cursor
// switches the VOR plots on; CLR hides them and leaves the route.
void checkMovingMap(const Gauge& g, surface::Surface& s) {
    for (const char* control :
         {"tw4_vgr_l_otr_knb_scrup", "tw4_vgr_l_inr_knb_scrup", "tw4_vgr_l_inr_knb_scrup",
          "tw4_vgr_l_inr_knb_scrup", "tw4_vgr_l_crsr_butn_pressed", "tw4_vgr_l_otr_knb_scrup",
          "tw4_vgr_l_inr_knb_scrdown", "tw4_vgr_l_crsr_butn_pressed", "tw4_vgr_r_otr_knb_scrdown",
          "tw4_vgr_r_inr_knb_scrdown", "tw4_vgr_r_crsr_butn_pressed", "tw4_vgr_r_inr_knb_scrup"}) {
        press(g, control);
    }
    const int route = litIn(s, 256, 98, 290, 105);
    const int vor = litIn(s, 259, 124, 267, 132);
    const int between = litIn(s, 256, 108, 290, 120);
    CHECK_MSG(route > 20 && vor > 4 && between == 0,
              "whole-display map: %d lit along the leg, %d at the VOR, %d between", route, vor,
              between);
    press(g, "tw4_vgr_clr_butn_pressed");
    const int routeAfterClr = litIn(s, 256, 98, 290, 105);
    const int vorAfterClr = litIn(s, 259, 124, 267, 132);
    CHECK_MSG(routeAfterClr > 20 && vorAfterClr == 0,
              "after CLR: %d lit along the leg, %d at the VOR", routeAfterClr, vorAfterClr);
    // The right side steps on to NAV 1, so the display is split into two pages again.
    press(g, "tw4_vgr_r_crsr_butn_pressed");
    press(g, "tw4_vgr_r_inr_knb_scrup");
}

}  // namespace

void writePageFiles(const char* rootFolder) {
    char folder[MAX_PATH];
    char path[MAX_PATH];
    std::snprintf(folder, sizeof folder, "%s\\Halcyra Software", rootFolder);
    CreateDirectoryA(folder, nullptr);
    std::snprintf(folder, sizeof folder, "%s\\Halcyra Software\\Tarnwick", rootFolder);
    CreateDirectoryA(folder, nullptr);
    const struct { const char* subfolder; const char* file; const char* text; } files[] = {
        {"navdata", "apts.txt", kAirports},
        {"navdata", "navs.txt", kNavaids},
        {"FlightPlans", "equator.rte", kRoute}};
    for (const auto& f : files) {
        std::snprintf(path, sizeof path, "%s\\%s", folder, f.subfolder);
        CreateDirectoryA(path, nullptr);
        std::snprintf(path, sizeof path, "%s\\%s\\%s", folder, f.subfolder, f.file);
        CHECK_MSG(writeFile(path, f.text), "writing %s", path);
    }
}

void checkPages(const Gauge& g, surface::Surface& s) {
    checkAirportPage(g, s);
    checkCoupledHeading(g);
    checkMovingMap(g, s);
}

}  // namespace gauge_test

#endif  // _WIN32
