// The D/T pages' rows in their three forms: the leg list beside the FPL page, the active
// and final waypoints seen from the aircraft, and the clock page, at and below 30 kt,
// across midnight and with the flight timer running past it.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/test_bench.h"

namespace {

// FPL 0 runs along the equator, EQ0 at 0 E to EQ6 at 3 E, 30 NM a leg; FPL 3 holds its
// first five waypoints.
constexpr int32_t kRouteLast = 6;
constexpr int32_t kStoredLast = 4;

void writeRoutes(Unit& unit) {
    FlightPlan& stored = *unit.fpl.store.plan(3);
    for (int32_t i = 0; i <= kRouteLast; ++i) {
        PlanWaypoint& w = unit.fpl.activeRoute.waypoints[i];
        std::snprintf(w.ident, sizeof w.ident, "EQ%d", i);
        w.longitude = 0.5 * i;
        if (i <= kStoredLast) stored.waypoints[i] = w;
    }
    unit.fpl.activeLastIndex = kRouteLast;
    stored.lastIndex = kStoredLast;
    unit.fpl.blankPlanIndex = 4;
}

// The right page's rows 0..5 and its title, joined by "|".
std::string rightRows(const TestBench& bench) {
    std::string text = bench.row(Side::Right, 0);
    for (int k = 1; k <= kStatusRow; ++k) text.append("|").append(bench.row(Side::Right, k));
    return text;
}

struct Case {
    const char* name;
    PageGroup left;
    int32_t dtPage;
    int32_t selectedPlan;
    int32_t toIndex;  // 999: no route active
    double lonDeg;    // the aircraft sits on the equator
    double groundSpeedKt;
    int utcHour, utcMinute;
    double departureHour, departureMinute;
    const char* rows;
};

// clang-format off
const Case kCases[] = {
    // The leg list of FPL 0 counts from its first row; the final row carries legs 5 and 6.
    {"FPL 0 ETE at 30 kt", PG_FPL, 1, 0, 1, -0.5, 30.0, 12, 0, -1.0, -1.0,
     "DIS     ETE|   30   1:00|   60   2:00|   90   3:00|  120   4:00|  180   6:00|D/T 1"},
    {"FPL 0 ETE at 29 kt", PG_FPL, 1, 0, 1, -0.5, 29.0, 12, 0, -1.0, -1.0,
     "DIS     ETE|   30  --:--|   60  --:--|   90  --:--|  120  --:--|  180  --:--|D/T 1"},
    {"FPL 0 ETA across midnight", PG_FPL, 2, 0, 1, -0.5, 30.0, 23, 50, -1.0, -1.0,
     "DIS     UTC|   30   00:50|   60   01:50|   90   02:50|  120   03:50|  180   05:50|D/T 2"},
    {"FPL 0 tracks", PG_FPL, 3, 0, 1, -0.5, 29.0, 12, 0, -1.0, -1.0,
     "DIS     DTK|  30    090\xB0|  60    090\xB0|  90    090\xB0| 120    090\xB0| 180    090\xB0|D/T 3"},
    {"FPL 0 without a route", PG_FPL, 1, 0, 999, -0.5, 30.0, 12, 0, -1.0, -1.0,
     "DIS     ETE|----   --:--|----   --:--|----   --:--|----   --:--||D/T 1"},
    // A stored plan: distances only, from its second waypoint on row 2; the final row.
    {"FPL 3 distances", PG_FPL, 1, 3, 1, -0.5, 30.0, 12, 0, -1.0, -1.0,
     "DIS     ETE||   30  --:--|   60  --:--|   90  --:--|  120  --:--|D/T 1"},
    // Seen from the aircraft 30 NM before EQ0, flying to EQ1.
    {"active view at 30 kt", PG_NAV, 1, 0, 1, -0.5, 30.0, 12, 0, -1.0, -1.0,
     "  2   EQ1|DIS     60NM|ETE:    2:00|  7   EQ6|DIS    210NM|ETE:    7:00|D/T 1"},
    {"active view at 29 kt", PG_NAV, 1, 0, 1, -0.5, 29.0, 12, 0, -1.0, -1.0,
     "    -- -----|DIS   ----NM|ETE:    -:--|  -- -----|DIS   ----NM|ETE:    -:--|D/T 1"},
    {"active view ETA", PG_NAV, 2, 0, 1, -0.5, 30.0, 22, 30, -1.0, -1.0,
     "  2   EQ1|DIS     60NM|    0:30UTC|  7   EQ6|DIS    210NM|    5:30UTC|D/T 2"},
    {"active view tracks", PG_NAV, 3, 0, 1, -0.5, 30.0, 12, 0, -1.0, -1.0,
     "  2   EQ1|DIS     60NM|DTK     090\xB0|  7   EQ6|DIS    210NM|DTK     090\xB0|D/T 3"},
    // The clock page 10 NM (20 minutes at 30 kt) before the final waypoint.
    {"clock across midnight", PG_NAV, 4, 0, 6, 3.0 - 1.0 / 6.0, 30.0, 23, 50, 23.0, 40.0,
     "  EQ0  UTC|DEP:  23:40|TIME:  23:50|ETA:    0:10|FLT:    0:10|ETE:    0:20|D/T 4"},
    {"flight time past midnight", PG_NAV, 4, 0, 6, 3.0 - 1.0 / 6.0, 29.0, 0, 10, 23.0, 40.0,
     "  EQ0  UTC|DEP:  23:40|TIME:  00:10|ETA:  --:--|FLT:    0:30|ETE:    -:--|D/T 4"},
    // UTC a little before the departure (a clock set back): never a negative flight time.
    {"flight time within a day", PG_NAV, 4, 0, 6, 3.0 - 1.0 / 6.0, 29.0, 10, 10, 10.0, 30.0,
     "  EQ0  UTC|DEP:  10:30|TIME:  10:10|ETA:  --:--|FLT:   23:40|ETE:    -:--|D/T 4"},
    {"clock before departure", PG_NAV, 4, 0, 6, 3.0 - 1.0 / 6.0, 30.0, 9, 5, -1.0, -1.0,
     "  EQ0  UTC|DEP:  --:--|TIME:  09:05|ETA:    9:25|FLT:   -:--|ETE:    0:20|D/T 4"},
    {"clock without a route", PG_NAV, 4, 0, 999, 0.0, 30.0, 9, 5, -1.0, -1.0,
     "  ----  UTC:|DEP:  --:--|TIME: 09:05|ETA:  --:--|FLT:   -:--|ETE:   -:--|D/T 4"},
};
// clang-format on

TEST(DtPageTest, RowsOfEachForm) {
    TestBench bench;
    bench.setPosition(0.0, 0.0);
    bench.powerOnAndSkipSelfTest();
    Unit& unit = bench.unit();
    writeRoutes(unit);
    unit.page.rightPageGroup = PG_DT;
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        unit.page.leftPageGroup = c.left;
        unit.pages.dt.dtPage = c.dtPage;
        unit.fpl.selectedPlan = c.selectedPlan;
        unit.nav.leg.activeToIndex = c.toIndex;
        unit.nav.departureHour = c.departureHour;
        unit.nav.departureMinute = c.departureMinute;
        setUtc(bench.aircraft(), c.utcHour, c.utcMinute, 0.0);
        bench.setPosition(0.0, c.lonDeg);
        bench.setGroundSpeed(c.groundSpeedKt);
        bench.frame();
        EXPECT_EQ(rightRows(bench), c.rows) << bench.dump();
    }
}

}  // namespace
