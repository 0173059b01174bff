// TRI 1's trip figures at the edges: the slowest ground speed that still gives a time, the
// fuel required beyond what the page can show, times that round up to a whole hour, and
// the reserve digits at their limits.
#include <gtest/gtest.h>

#include <string>

#include "support/test_bench.h"

namespace {

struct TripCase {
    const char* name;
    double groundSpeedKt;
    double tripNm;      // the trip waypoint lies this far due north of the aircraft
    double reserveLb;
    int32_t digitField;  // 0: cursor off; 6..9 the reserve digit under the cursor
    const char* press;   // a knob turned on that digit, or ""
    const char* timeRow;
    const char* requiredRow;
    double fuelRequired;  // what TRI 1 keeps for the OTH pages
    double reserveAfter;
};

TEST(TriPage, TripFiguresAndReserveDigitsAtTheirLimits) {
    constexpr double kLastRequired = 777.0;  // left by an earlier trip
    const TripCase cases[] = {
        // At exactly 30 kt no time is worked out and the last fuel required stays.
        {"30 kt", 30.0, 60.0, 500.0, 0, "", " ---KT  -:--", "F REQ  ---.-", kLastRequired, 500.0},
        {"31 kt", 31.0, 31.0, 0.0, 0, "", " 31KT  1:00", "F REQ 999.9", 1500.0, 0.0},
        {"fuel required below the limit", 120.0, 20.0, 500.0, 0, "", "120KT  0:10",
         "F REQ 750.0", 750.0, 500.0},
        // 1250 pounds: shown as 999.9 here, kept whole for OTH 5.
        {"fuel required above 999.9", 120.0, 60.0, 500.0, 0, "", "120KT  0:30", "F REQ 999.9",
         1250.0, 500.0},
        // 59.6 minutes rounds to a whole hour and never shows 0:60.
        {"59.6 minutes", 60.0, 59.6, 0.0, 0, "", " 60KT  1:00", "F REQ 999.9", 1490.0, 0.0},
        {"9950, hundreds up", 120.0, 20.0, 9950.0, 7, "li+", "120KT  0:10", "F REQ 999.9",
         10200.0, 9950.0},
        {"9950, units up", 120.0, 20.0, 9950.0, 9, "li+", "120KT  0:10", "F REQ 999.9",
         10201.0, 9951.0},
        {"9999, units up", 120.0, 20.0, 9999.0, 9, "li+", "120KT  0:10", "F REQ 999.9",
         10249.0, 9999.0},
        {"50, hundreds down", 120.0, 20.0, 50.0, 7, "li-", "120KT  0:10", "F REQ 300.0", 300.0,
         50.0},
        {"950, thousands up", 120.0, 20.0, 950.0, 6, "li+", "120KT  0:10", "F REQ 999.9",
         2200.0, 1950.0},
    };
    for (const TripCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestBench bench;
        bench.setPosition(0.0, 0.0);
        bench.setGroundSpeed(c.groundSpeedKt);
        bench.powerOnAndSkipSelfTest();
        Unit& unit = bench.unit();
        unit.page.leftPageGroup = PG_TRI;
        TriPageState& tri = unit.pages.tri;
        tri.triPage = 1;
        std::snprintf(tri.tripTargetIdent, sizeof tri.tripTargetIdent, "KXYZ");
        tri.tripTargetLatitude = c.tripNm / 60.0;
        tri.fuelReserve = c.reserveLb;
        tri.fuelRequired = kLastRequired;
        if (c.digitField != 0) {
            unit.page.leftCursorOn = 1;
            tri.triDigitField = c.digitField;
        }
        bench.frame();
        if (c.press[0] != '\0') bench.press(c.press);
        EXPECT_EQ(bench.textAt(0.0f, 48.0f), c.timeRow) << bench.dump();
        EXPECT_EQ(bench.textAt(0.0f, 120.0f), c.requiredRow) << bench.dump();
        EXPECT_NEAR(tri.fuelRequired, c.fuelRequired, 1e-6);
        EXPECT_EQ(tri.fuelReserve, c.reserveAfter);
    }
}

}  // namespace
