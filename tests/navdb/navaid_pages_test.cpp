// The VOR, NDB and INT pages: nearest mode stepping, frequencies, the intersection
// table's wrap-around, and the pages of empty tables.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "frame/page_state.h"
#include "tests/support/test_bench.h"

namespace {

const std::string kNavdata = "Halcyra Software/Tarnwick/navdata/";

std::string row(const TestBench& bench, int k) { return bench.row(Side::Right, k); }
std::string label(const TestBench& bench) { return bench.row(Side::Right, kStatusRow); }

// Ten VORs due north of the aircraft at (0, 0), V01 6 NM away up to V10 at 60 NM. The
// farthest comes first in the file, so VOR 1 is not among the nine nearest.
std::string tenVorsNorth() {
    std::string text = "V10 TEN 1.0 0.0 VOR 117.00\n";
    for (int k = 1; k <= 9; ++k) {
        char line[64];
        std::snprintf(line, sizeof line, "V%02d NAVAID_%d %.1f 0.0 VOR 11%d.50\n", k, k,
                      0.1 * k, k);
        text += line;
    }
    return text;
}

TEST(VorPage, InnerKnobStepsThroughTheNearestVorsBelowVor1) {
    TestBench bench;
    bench.root().write(kNavdata + "navs.txt", tenVorsNorth());
    bench.setPosition(0.0, 0.0);
    bench.powerOnAndSkipSelfTest();
    bench.unit().page.rightPageGroup = PG_VOR;
    bench.frame();
    EXPECT_EQ(row(bench, 0), " V10") << bench.dump();
    EXPECT_EQ(row(bench, 1), "TEN");
    EXPECT_EQ(row(bench, 3), "117.00");
    EXPECT_EQ(label(bench), "VOR");

    bench.press("ri-");
    EXPECT_EQ(row(bench, 0), " V09NR 9");
    EXPECT_EQ(row(bench, 1), "NAVAID 9");
    EXPECT_EQ(row(bench, 4), "     360TO");
    EXPECT_EQ(row(bench, 5), "     54.0NM");
    for (int step = 0; step < 8; ++step) bench.press("ri-");
    EXPECT_EQ(row(bench, 0), " V01NR 1");
    bench.press("ri-");
    EXPECT_EQ(row(bench, 0), " V01NR 1") << "place 1 is the end of the list";

    for (int step = 0; step < 8; ++step) bench.press("ri+");
    EXPECT_EQ(row(bench, 0), " V09NR 9");
    bench.press("ri+");
    EXPECT_EQ(row(bench, 0), " V10") << "past place 9 the page is back at VOR 1";
    EXPECT_EQ(bench.unit().db.pages.vorNearestMode, 0);
    EXPECT_EQ(row(bench, 4), "N 01\xB0" "00.00'");

    bench.press("ri+");
    EXPECT_EQ(row(bench, 0), " V01") << "outside nearest mode the rank is not shown";
}

// With fewer than nine NDBs in range, stepping below NDB 1 enters at the farthest one
// listed rather than at an empty place.
TEST(NdbPage, NearestModeStartsAtTheFarthestListedNdb) {
    TestBench bench;
    bench.root().write(kNavdata + "navs.txt",
                       "FAR FAR_AWAY 10.0 0.0 NDB 400\n"
                       "NA NDB_A 0.1 0.0 NDB 350\n"
                       "NB NDB_B 0.2 0.0 NDB 1750.5\n"
                       "NC NDB_C 0.0 0.15 ndb\n");
    bench.setPosition(0.0, 0.0);
    bench.setMagVar(10.0);
    bench.powerOnAndSkipSelfTest();
    bench.unit().page.rightPageGroup = PG_NDB;
    bench.frame();
    EXPECT_EQ(row(bench, 0), " FAR");
    EXPECT_EQ(label(bench), "NDB");

    bench.press("ri-");
    EXPECT_EQ(row(bench, 0), " NBNR 3");
    EXPECT_EQ(row(bench, 3), "FREQ  1750.5");
    bench.press("ri-");
    bench.press("ri-");
    EXPECT_EQ(row(bench, 0), " NANR 1");
    EXPECT_EQ(row(bench, 3), "FREQ    350");
    EXPECT_EQ(row(bench, 4), "     350TO") << "true north less 10 degrees east variation";
    bench.press("ri+");
    EXPECT_EQ(row(bench, 0), " NCNR 2");
    EXPECT_EQ(row(bench, 3), "FREQ       ") << "no frequency: blanks";
    bench.press("ri+");
    bench.press("ri+");
    EXPECT_EQ(row(bench, 0), " FAR") << "past the last listed place: NDB 1";
}

TEST(IntPage, InnerKnobWrapsAroundTheTable) {
    TestBench bench;
    bench.root().write(kNavdata + "ints.txt",
                       "ALPHA FIX_A 50.5 -1.25\n"
                       "BRAVO FIX_B 51.0 2.0\n"
                       "CHARL FIX_C -33.8675 151.2\n");
    bench.powerOnAndSkipSelfTest();
    bench.unit().page.rightPageGroup = PG_INT;
    bench.frame();
    EXPECT_EQ(row(bench, 0), " ALPHA");
    EXPECT_EQ(row(bench, 1), "REF:  -----");
    EXPECT_EQ(row(bench, 2), "RAD: ---.-\xB0");
    EXPECT_EQ(row(bench, 3), "DIS:  -.-NM");
    EXPECT_EQ(row(bench, 4), "N 50\xB0" "30.00'");
    EXPECT_EQ(row(bench, 5), "W 01\xB0" "15.00'");
    EXPECT_EQ(label(bench), "INT");

    bench.press("ri-");
    EXPECT_EQ(row(bench, 0), " CHARL") << "down from the first wraps to the last";
    EXPECT_EQ(row(bench, 4), "S 33\xB0" "52.05'");
    EXPECT_EQ(row(bench, 5), "E151\xB0" "12.00'");
    bench.press("ri+");
    EXPECT_EQ(row(bench, 0), " ALPHA") << "up from the last wraps to the first";

    bench.press("rcrsr");
    EXPECT_EQ(label(bench), "CRSR");
    bench.press("ro+");
    bench.press("ri+");
    EXPECT_EQ(row(bench, 0).substr(0, 6), " ALPHA") << "no other identifier starts AL";
    bench.press("ro-");
    bench.press("ri+");
    EXPECT_EQ(bench.unit().db.currentIntersection, 2);
}

TEST(WaypointPages, EmptyTablesShowNotFound) {
    TestBench bench;
    bench.powerOnAndSkipSelfTest();
    const struct {
        int32_t group;
        const char* dataText;
        const char* label;
    } pages[] = {
        {PG_APT, " APT DATA", "APT"},
        {PG_VOR, " VOR DATA", "VOR"},
        {PG_NDB, " NDB DATA", "NDB"},
        {PG_INT, " INT DATA", "INT"},
    };
    for (const auto& page : pages) {
        bench.unit().page.rightPageGroup = page.group;
        bench.press("ri+ ri- rcrsr");
        EXPECT_EQ(row(bench, 0), page.dataText) << bench.dump();
        EXPECT_EQ(row(bench, 1), " NOT FOUND");
        EXPECT_EQ(label(bench), page.label);
        EXPECT_EQ(bench.unit().page.rightCursorOn, 0);
        EXPECT_EQ(row(bench, 2), "");
    }
}

}  // namespace
