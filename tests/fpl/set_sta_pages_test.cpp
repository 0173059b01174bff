// The SET and STA pages driven with the left knob and CRSR: the dates SET 2 works out,
// the runway length's limits and the airport search it forces, the SET 4 and SET 7
// toggles, the page order, and the STA operating time.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "frame/host_tokens.h"
#include "tests/navdb/navdb_test_support.h"
#include "tests/support/test_bench.h"

namespace {

// "*" stands for the degree sign (0xB0 on the display).
std::string withDegreeSign(std::string text) {
    for (char& c : text) {
        if (c == '*') c = '\xB0';
    }
    return text;
}

struct Case {
    const char* what;
    PageGroup group = PG_SET;
    int32_t setPage = 1;
    double dayOfYear = 1.0;
    double year = 2023.0;
    double headingDeg = 90.0;
    int32_t minRunwayFt = 1000;
    double timerKt = 30.0;
    const char* baroUnits = "INCHES";
    int32_t aptPlace = 0;        // the APT page's nearest place before; 0: not in nearest mode
    const char* presses = "";    // one frame each, in order
    int row = 0;                 // the left row checked
    const char* text = "";
    const char* label = "";      // the left status label afterwards
    int32_t minRunwayAfterFt = 0;  // 0: not checked
    int32_t criteriaChangedAfter = 0;
    int32_t aptPlaceAfter = 0;     // 0: the APT page is no longer in nearest mode
    const char* aptShownAfter = "";  // "": not checked
};

// Three airports north of the aircraft: A10 at 10 NM with 2000 ft, A20 at 20 NM with
// 3000 ft, A30 at 30 NM with 4500 ft.
void addAirports(Unit& unit) {
    addTestAirport(unit, "A10", 50.0 + 10.0 / 60.0, 0.0, 2000);
    addTestAirport(unit, "A20", 50.0 + 20.0 / 60.0, 0.0, 3000);
    addTestAirport(unit, "A30", 50.0 + 30.0 / 60.0, 0.0, 4500);
}

TEST(SetStaPages, RowsLimitsTogglesAndTheForcedAirportSearch) {
    const Case cases[] = {
        // SET 1: the track shows as a course, north as 360.
        {.what = "SET 1 motion", .headingDeg = 90.0, .row = 4, .text = "120 KT 090*",
         .label = "SET 1"},
        {.what = "SET 1 north", .headingDeg = 0.2, .row = 4, .text = "120 KT 360*",
         .label = "SET 1"},
        // SET 2: Gregorian leap years, days outside the year brought into it.
        {.what = "day 60 of 2024", .setPage = 2, .dayOfYear = 60, .year = 2024, .row = 2,
         .text = "29 FEB 24", .label = "SET 2"},
        {.what = "day 60 of 2023", .setPage = 2, .dayOfYear = 60, .year = 2023, .row = 2,
         .text = "01 MAR 23", .label = "SET 2"},
        {.what = "day 31", .setPage = 2, .dayOfYear = 31, .year = 2023, .row = 2,
         .text = "31 JAN 23", .label = "SET 2"},
        {.what = "2000 is a leap year", .setPage = 2, .dayOfYear = 60, .year = 2000, .row = 2,
         .text = "29 FEB 00", .label = "SET 2"},
        {.what = "2100 is not", .setPage = 2, .dayOfYear = 60, .year = 2100, .row = 2,
         .text = "01 MAR 00", .label = "SET 2"},
        {.what = "2028 is, beyond 2024", .setPage = 2, .dayOfYear = 366, .year = 2028,
         .row = 2, .text = "31 DEC 28", .label = "SET 2"},
        {.what = "1999", .setPage = 2, .dayOfYear = 365, .year = 1999, .row = 2,
         .text = "31 DEC 99", .label = "SET 2"},
        {.what = "day 366 of a common year", .setPage = 2, .dayOfYear = 366, .year = 2023,
         .row = 2, .text = "31 DEC 23", .label = "SET 2"},
        {.what = "day 0", .setPage = 2, .dayOfYear = 0, .year = 2023, .row = 2,
         .text = "01 JAN 23", .label = "SET 2"},
        // SET 3: limits, and the search once the field is left.
        {.what = "down at 1000", .setPage = 3, .minRunwayFt = 1000, .presses = "lcrsr li-",
         .row = 3, .text = " 1000'", .label = "CRSR", .minRunwayAfterFt = 1000,
         .criteriaChangedAfter = 1},
        {.what = "up at 5000", .setPage = 3, .minRunwayFt = 5000, .presses = "lcrsr li+",
         .row = 3, .text = " 5000'", .label = "CRSR", .minRunwayAfterFt = 5000,
         .criteriaChangedAfter = 1},
        {.what = "up from 4950 stops at 5000", .setPage = 3, .minRunwayFt = 4950,
         .presses = "lcrsr li+", .row = 3, .text = " 5000'", .label = "CRSR",
         .minRunwayAfterFt = 5000, .criteriaChangedAfter = 1},
        {.what = "cursor off: the knob turns the page", .setPage = 3, .minRunwayFt = 1000,
         .presses = "li+", .row = 0, .text = "  FLIGHT", .label = "SET 4",
         .minRunwayAfterFt = 1000},
        {.what = "no search while the field is edited", .setPage = 3, .minRunwayFt = 2900,
         .aptPlace = 3, .presses = "lcrsr li+", .row = 3, .text = " 3000'", .label = "CRSR",
         .minRunwayAfterFt = 3000, .criteriaChangedAfter = 1, .aptPlaceAfter = 3,
         .aptShownAfter = "A30"},
        {.what = "3000: the APT page's place 3 moves to place 2", .setPage = 3,
         .minRunwayFt = 2900, .aptPlace = 3, .presses = "lcrsr li+ lcrsr", .row = 3,
         .text = " 3000'", .label = "SET 3", .minRunwayAfterFt = 3000, .aptPlaceAfter = 2,
         .aptShownAfter = "A30"},
        {.what = "3000: place 1 becomes A20", .setPage = 3, .minRunwayFt = 2900,
         .aptPlace = 1, .presses = "lcrsr li+ lcrsr", .row = 3, .text = " 3000'",
         .label = "SET 3", .minRunwayAfterFt = 3000, .aptPlaceAfter = 1,
         .aptShownAfter = "A20"},
        {.what = "5000: nothing listed, the APT page leaves nearest mode", .setPage = 3,
         .minRunwayFt = 4900, .aptPlace = 1, .presses = "lcrsr li+ lcrsr", .row = 3,
         .text = " 5000'", .label = "SET 3", .minRunwayAfterFt = 5000, .aptPlaceAfter = 0,
         .aptShownAfter = "A10"},
        {.what = "the field left by a Direct-To round trip", .setPage = 3, .minRunwayFt = 2900,
         .aptPlace = 3, .presses = "lcrsr li+ dto dto", .row = 3, .text = " 3000'",
         .label = "SET 3", .minRunwayAfterFt = 3000, .aptPlaceAfter = 2,
         .aptShownAfter = "A30"},
        // SET 4 and SET 7: every click toggles, in either direction.
        {.what = "timer: one click", .setPage = 4, .presses = "lcrsr li+", .row = 5,
         .text = "POWER IS ON", .label = "CRSR"},
        {.what = "timer: two clicks", .setPage = 4, .presses = "lcrsr li+ li-", .row = 5,
         .text = "GS > 30 KT", .label = "CRSR"},
        {.what = "timer: from power on", .setPage = 4, .timerKt = 0.0, .presses = "lcrsr li-",
         .row = 5, .text = "GS > 30 KT", .label = "CRSR"},
        {.what = "baro: one click", .setPage = 7, .presses = "lcrsr li-", .row = 5,
         .text = " MILLIBARS", .label = "CRSR"},
        {.what = "baro: the unit mark", .setPage = 7, .baroUnits = "MILLIBARS", .row = 4,
         .text = "  MB", .label = "SET 7"},
        {.what = "baro: two clicks", .setPage = 7, .presses = "lcrsr li+ li+ lcrsr", .row = 4,
         .text = "  ''", .label = "SET 7"},
        // The page order 1 2 3 4 7, wrapping; CRSR only where there is a setting.
        {.what = "up from SET 4", .setPage = 4, .presses = "li+", .label = "SET 7"},
        {.what = "up from SET 7", .setPage = 7, .presses = "li+", .label = "SET 1"},
        {.what = "down from SET 1", .setPage = 1, .presses = "li-", .label = "SET 7"},
        {.what = "down from SET 3", .setPage = 3, .presses = "li- li-", .label = "SET 1"},
        {.what = "CRSR on SET 1", .setPage = 1, .presses = "lcrsr", .label = "SET 1"},
        {.what = "CRSR on SET 2", .setPage = 2, .presses = "lcrsr li+", .label = "SET 3"},
        {.what = "CRSR on SET 7 and off", .setPage = 7, .presses = "lcrsr lcrsr li+",
         .label = "SET 1"},
        // STA 4: stored hours plus this load's seconds (12 + 0.75 h).
        {.what = "STA hours", .group = PG_STA, .row = 1, .text = "   13 HR", .label = "STA 4"},
        {.what = "STA cycles", .group = PG_STA, .row = 4, .text = "   8", .label = "STA 4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestBench bench;
        bench.setPosition(50.0, 0.0);
        bench.setGroundSpeed(120.0);
        bench.setHeading(c.headingDeg);
        bench.host().setToken(kTokenDayOfYear, c.dayOfYear);
        bench.host().setToken(kTokenYear, c.year);
        bench.powerOnAndSkipSelfTest();
        Unit& unit = bench.unit();
        addAirports(unit);
        bench.frame();  // the APT page's first search lists all three airports
        unit.record.totalTimeHours = 12.0;
        unit.record.secondsCounter = 2700.0;
        unit.record.powerCycles = 8;
        unit.settings.minRunwayLength = c.minRunwayFt;
        unit.settings.flightTimerSpeed = c.timerKt;
        copyField(unit.settings.baroUnits, c.baroUnits);
        if (c.aptPlace > 0) {
            unit.pages.apt.aptNearestMode = 1;
            unit.pages.apt.aptNearestPos = c.aptPlace;
            unit.db.currentAirport = unit.db.nearestAirports.slots[c.aptPlace].recordIndex;
        }
        unit.page.leftPageGroup = c.group;
        unit.pages.set.setPage = c.setPage;
        bench.frame();
        std::istringstream presses{c.presses};
        for (std::string press; presses >> press;) bench.press(press);

        EXPECT_EQ(bench.row(Side::Left, kStatusRow), c.label) << bench.dump();
        if (c.text[0] != '\0') {
            EXPECT_EQ(bench.row(Side::Left, c.row), withDegreeSign(c.text)) << bench.dump();
        }
        if (c.minRunwayAfterFt != 0) {
            EXPECT_EQ(unit.settings.minRunwayLength, c.minRunwayAfterFt);
            EXPECT_EQ(unit.settings.nearestCriteriaChanged, c.criteriaChangedAfter);
        }
        if (c.aptShownAfter[0] != '\0') {
            EXPECT_EQ(unit.pages.apt.aptNearestMode, c.aptPlaceAfter > 0 ? 1 : 0);
            EXPECT_EQ(unit.pages.apt.aptNearestPos, c.aptPlaceAfter);
            EXPECT_STREQ(unit.db.airports[unit.db.currentAirport].ident, c.aptShownAfter);
        }
    }
}

}  // namespace
