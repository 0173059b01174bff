// The MOD, ALT and message pages: their rows in both barometric units, the drawn sign of
// MOD 1, and where ENT on the message page leads with and without nearby airports.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <string>

#include "frame/host_tokens.h"
#include "support/test_bench.h"

namespace {

const std::string kAirports = "Halcyra Software/Tarnwick/navdata/apts.txt";

// Airports 1 and 2 lie far off; KNEA, 0.2 degrees north of the aircraft, is record 3.
void start(TestBench& bench, bool withAirports) {
    if (withAirports) {
        bench.root().write(kAirports,
                           "KFAR FAR_ONE 10 10.0 10.0 09_5000_10.0_10.0_90\n"
                           "KFOO FAR_TWO 10 11.0 10.0 09_5000_11.0_10.0_90\n"
                           "KNEA NEAR 10 0.2 0.0 09_5000_0.2_0.0_90\n");
    }
    bench.setPosition(0.0, 0.0);
    bench.powerOnAndSkipSelfTest();
}

// The left page's rows 0..5 and its status row, joined by "|".
std::string leftRows(const TestBench& bench) {
    std::string text = bench.row(Side::Left, 0);
    for (int k = 1; k <= kStatusRow; ++k) text.append("|").append(bench.row(Side::Left, k));
    return text;
}

TEST(SmallNavPagesTest, RowsOfModAndAltInBothUnits) {
    TestBench bench;
    Unit& unit = bench.unit();
    start(bench, false);
    struct Case {
        PageGroup group;
        const char* units;
        double baroTokenMb;
        const char* rows;
    };
    const Case cases[] = {
        {PG_MOD, "INCHES", 1013.25, "ACTIVE MODE||EN ROUTE||LEG|CDI  5NM|MOD 1"},
        {PG_ALT, "INCHES", 1013.25, "ALTITUDE:||BARO:29.92|ALERT:  OFF|||CRSR"},
        {PG_ALT, "INCHES", 982.0, "ALTITUDE:||BARO:29.00|ALERT:  OFF|||CRSR"},
        {PG_ALT, "MILLIBARS", 1013.25, "ALTITUDE:||BARO:1013|ALERT:  OFF|||CRSR"},
        {PG_ALT, "MILLIBARS", std::numeric_limits<double>::quiet_NaN(), "ALTITUDE:||BARO:----|ALERT:  OFF|||CRSR"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.units) + " " + std::to_string(c.baroTokenMb));
        unit.page.leftPageGroup = c.group;
        std::snprintf(unit.settings.baroUnits, sizeof unit.settings.baroUnits, "%s", c.units);
        bench.host().setToken(kTokenBaroSetting, c.baroTokenMb);
        bench.frame();
        EXPECT_EQ(leftRows(bench), c.rows) << bench.dump();
    }
}

// ENT on the message page: the nearest airport on APT 1 in nearest mode, the right cursor
// off and the left side back where MSG was pressed. Within 5 NM of the last search the
// list is not searched again; without any airport the APT page keeps its airport outside
// nearest mode; a message page saved by D-> pressed on it twice hands over to NAV.
TEST(SmallNavPagesTest, MessageEntLeadsToTheNearestAirport) {
    struct Case {
        const char* name;
        bool withAirports;
        double searchLat;  // moves the last search here with the list emptied; 0 leaves it
        const char* keys;  // from the FPL page, before ENT
        PageGroup leftAfter;
        int32_t currentAirport;
        int32_t nearestMode;
    };
    const Case cases[] = {
        {"list built here", true, 0.0, "msg", PG_FPL, 3, 1},
        // Built 3 NM north with nothing listed: a search would find KNEA.
        {"3 NM from the search", true, 0.05, "msg", PG_FPL, 1, 0},
        {"no airports", false, 0.0, "msg", PG_FPL, 1, 0},
        {"message page saved", true, 0.0, "msg dto dto", PG_NAV, 3, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestBench bench;
        Unit& unit = bench.unit();
        start(bench, c.withAirports);
        // The APT page, shown on the right since power-on, built the list at the aircraft.
        NearestList& list = unit.db.nearestAirports;
        if (c.searchLat != 0.0) {
            list.slots[1] = WaypointRecord{};
            list.searchLat = c.searchLat;
            list.searchLon = 0.0;
        }
        unit.page.rightPageGroup = PG_VOR;
        unit.page.rightCursorOn = 1;
        unit.page.leftPageGroup = PG_FPL;
        std::string keys = c.keys;
        for (size_t at = 0, end = 0; at < keys.size(); at = end + 1) {
            end = std::min(keys.find(' ', at), keys.size());
            bench.press(keys.substr(at, end - at));
        }
        ASSERT_EQ(unit.page.leftPageGroup, PG_MESSAGE);
        EXPECT_EQ(bench.row(Side::Right, 0), "") << bench.dump();
        EXPECT_EQ(bench.textAt(140.0f, 153.0f), "MSG");
        bench.press("ent");
        EXPECT_EQ(unit.page.leftPageGroup, c.leftAfter);
        EXPECT_EQ(unit.page.rightPageGroup, PG_APT);
        EXPECT_EQ(unit.page.rightCursorOn, 0);
        EXPECT_EQ(unit.db.currentAirport, c.currentAirport);
        EXPECT_EQ(unit.pages.apt.aptNearestMode, c.nearestMode);
    }
}

}  // namespace
