// The OTH pages' figures at the edges: fuel left against the fuel required and the reserve,
// endurance and range (never below 0), miles per pound without fuel flow, each engine's own
// fuel-flow source, a tailwind, Mach near 1, and the reserve digits at their limits.
#include <gtest/gtest.h>

#include "frame/host_tokens.h"
#include "support/test_bench.h"

namespace {

constexpr double kMachTokenPerMach = 65536.0 / 3.2;

struct OthCase {
    const char* name;
    int32_t othPage;
    double onBoardLb;
    double requiredLb;
    double reserveLb;
    bool tripSet;
    double groundSpeedKt;
    double engine1FlowPph;           // first source, with 800 in the second; -1: neither flows
    double engine2FlowPph;           // first source; no second source
    double windFromTrueDeg;          // the aircraft heads north
    double mach;
    int32_t digit;                   // 0: cursor off; 1..4 the reserve digit under the cursor
    const char* press;               // "" or a knob turned on that digit
    int row;
    const char* text;
    double reserveAfter;
};

TEST(OthPages, FuelAndAirDataAtTheirEdges) {
    const OthCase cases[] = {
        {"L FOB", 5, 2000, 1200, 500, true, 150, 1500, 0, 0, 0.5, 0, "", 3, "L FOB   800", 500},
        {"EXTRA", 5, 2000, 1200, 500, true, 150, 1500, 0, 0, 0.5, 0, "", 5, "EXTRA   300", 500},
        {"EXTRA short of the reserve", 5, 1500, 1200, 500, true, 150, 1500, 0, 0, 0.5, 0, "", 5,
         "EXTRA  -200", 500},
        // The fuel required is kept whole past what TRI 1 can show.
        {"REQD above 999.9", 5, 2000, 1250, 500, true, 150, 1500, 0, 0, 0.5, 0, "", 2,
         "REQD   1250", 500},
        {"ENDUR", 6, 2000, 0, 500, true, 150, 1500, 0, 0, 0.5, 0, "", 2, "ENDUR 01:00", 500},
        {"RANGE", 6, 2000, 0, 500, true, 150, 1500, 0, 0, 0.5, 0, "", 3, "RANGE   150", 500},
        {"ENDUR rounds to a whole hour", 6, 2000 - 0.5, 0, 500, true, 150, 1500, 0, 0, 0.5, 0,
         "", 2, "ENDUR 01:00", 500},
        // Not wrapped at a day: the longest the field holds.
        {"ENDUR beyond 99 hours", 6, 200000, 0, 500, true, 150, 1500, 0, 0, 0.5, 0, "", 2,
         "ENDUR 99:59", 500},
        {"ENDUR under the reserve", 6, 300, 0, 500, true, 150, 1500, 0, 0, 0.5, 0, "", 2,
         "ENDUR 00:00", 500},
        {"RANGE under the reserve", 6, 300, 0, 500, true, 150, 1500, 0, 0, 0.5, 0, "", 3,
         "RANGE     0", 500},
        {"ENDUR without a trip waypoint", 6, 2000, 0, 500, false, 150, 1500, 0, 0, 0.5, 0, "",
         2, "ENDUR 00:00", 500},
        {"NM/LB", 6, 2000, 0, 500, true, 150, 1500, 0, 0, 0.5, 0, "", 4, "NM/LB   0.1", 500},
        {"NM/LB without fuel flow", 6, 2000, 0, 500, true, 150, -1, 0, 0, 0.5, 0, "", 4,
         "NM/LB   -.-", 500},
        // Engine 1 falls back to its second source (800); engine 2 keeps its first (700).
        {"NM/LB over both sources", 6, 2000, 0, 500, true, 150, 0, 700, 0, 0.5, 0, "", 4,
         "NM/LB   0.1", 500},
        {"engine 1 second source", 7, 2000, 0, 500, true, 150, 0, 0, 0, 0.5, 0, "", 3,
         "ENG 1  800", 500},
        {"engine 2 without flow", 7, 2000, 0, 500, true, 150, 0, 0, 0, 0.5, 0, "", 4, "", 500},
        {"tailwind", 9, 2000, 0, 500, true, 150, 1500, 0, 180, 0.5, 0, "", 3, "TLWND -12KT", 500},
        {"headwind", 9, 2000, 0, 500, true, 150, 1500, 0, 0, 0.5, 0, "", 3, "HDWND 012KT", 500},
        {"Mach 0.80", 9, 2000, 0, 500, true, 150, 1500, 0, 0, 0.8, 0, "", 2, "MACH    .80", 500},
        {"Mach 0.996", 9, 2000, 0, 500, true, 150, 1500, 0, 0, 0.996, 0, "", 2, "MACH   1.00",
         500},
        {"9950, hundreds up", 5, 2000, 0, 9950, true, 150, 1500, 0, 0, 0.5, 2, "li+", 4,
         "RES:  09950", 9950},
        {"9950, units up", 5, 2000, 0, 9950, true, 150, 1500, 0, 0, 0.5, 4, "li+", 4,
         "RES:  09951", 9951},
        {"50, hundreds down", 6, 2000, 0, 50, true, 150, 1500, 0, 0, 0.5, 2, "li-", 5,
         "RES:  00050", 50},
        {"50, units down", 6, 2000, 0, 50, true, 150, 1500, 0, 0, 0.5, 4, "li-", 5,
         "RES:  00049", 49},
    };
    for (const OthCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestBench bench;
        bench.setPosition(0.0, 0.0);
        bench.setHeading(0.0);
        bench.setGroundSpeed(c.groundSpeedKt);
        bench.aircraft().windDirTrueDeg = c.windFromTrueDeg;
        bench.aircraft().windSpeedKt = 12.0;
        bench.setMagVar(0.0);
        SimHost& host = bench.host();
        host.setToken(kTokenFuelWeightPerGallon, 1.0);
        host.setToken(kTokenFuelTanks[0].level, 8388608.0);  // full
        host.setToken(kTokenFuelTanks[0].capacity, c.onBoardLb);
        host.setToken(kTokenFuelFlow[0], c.engine1FlowPph > 0.0 ? c.engine1FlowPph : 0.0);
        host.setToken(kTokenFuelFlowSecondary[0], c.engine1FlowPph < 0.0 ? 0.0 : 800.0);
        host.setToken(kTokenFuelFlow[1], c.engine2FlowPph);
        host.setToken(kTokenMach, c.mach * kMachTokenPerMach);
        bench.powerOnAndSkipSelfTest();
        Unit& unit = bench.unit();
        unit.page.leftPageGroup = PG_OTH;
        unit.pages.oth.othPage = c.othPage;
        TriPageState& trip = unit.pages.tri;
        trip.fuelRequired = c.requiredLb;
        trip.fuelReserve = c.reserveLb;
        if (c.tripSet) std::snprintf(trip.tripTargetIdent, sizeof trip.tripTargetIdent, "KXYZ");
        if (c.digit != 0) {
            unit.page.leftCursorOn = 1;
            unit.pages.oth.othDigit = c.digit;
        }
        bench.frame();
        if (c.press[0] != '\0') bench.press(c.press);
        EXPECT_EQ(bench.textAt(10.0f, 24.0f * static_cast<float>(c.row)), c.text) << bench.dump();
        EXPECT_EQ(trip.fuelReserve, c.reserveAfter);
    }
}

}  // namespace
