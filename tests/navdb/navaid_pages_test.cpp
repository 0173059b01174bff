// The VOR, NDB and INT pages: nearest mode stepping, frequencies, the intersection
// table's wrap-around, and the pages of empty tables.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "frame/page_state.h"
#include "tests/support/test_bench.h"

namespace {

const std::string kNavdata = "Halcyra Software/Tarnwick/navdata/";

// Rows `first` to `last` of the right page joined by "|" (row 6 is the status line).
std::string rows(const TestBench& bench, int first, int last) {
    return bench.rows(Side::Right, first, last);
}

// Starts a unit at (0, 0) with `file` written and the right page on `group`.
void startOn(TestBench& bench, const char* file, const std::string& text, PageGroup group) {
    bench.root().write(kNavdata + file, text);
    bench.setPosition(0.0, 0.0);
    bench.powerOnAndSkipSelfTest();
    bench.unit().page.rightPageGroup = group;
    bench.frame();
}

// Ten VORs due north of the aircraft, V01 6 NM away up to V10 at 60 NM. The farthest
// comes first in the file, so VOR 1 is not among the nine nearest.
TEST(VorPage, InnerKnobStepsThroughTheNearestVorsBelowVor1) {
    std::string text = "V10 TEN 1.0 0.0 VOR 117.00\n";
    for (int k = 1; k <= 9; ++k) {
        char line[64];
        std::snprintf(line, sizeof line, "V%02d NAVAID_%d %.1f 0.0 VOR 11%d.50\n", k, k,
                      0.1 * k, k);
        text += line;
    }
    TestBench bench;
    startOn(bench, "navs.txt", text, PG_VOR);
    EXPECT_EQ(rows(bench, 0, 3), " V10|TEN||117.00") << bench.dump();
    EXPECT_EQ(rows(bench, 6, 6), "VOR");

    bench.press("ri-");
    EXPECT_EQ(rows(bench, 0, 1), " V09NR 9|NAVAID 9");
    EXPECT_EQ(rows(bench, 4, 5), "     360TO|     54.0NM");
    bench.press("ri-", 8);
    EXPECT_EQ(rows(bench, 0, 0), " V01NR 1");
    bench.press("ri-");
    EXPECT_EQ(rows(bench, 0, 0), " V01NR 1") << "place 1 is the end of the list";

    bench.press("ri+", 8);
    EXPECT_EQ(rows(bench, 0, 0), " V09NR 9");
    bench.press("ri+");
    EXPECT_EQ(rows(bench, 0, 0), " V10") << "past place 9 the page is back at VOR 1";
    EXPECT_EQ(bench.unit().pages.vor.vorNearestMode, 0);
    EXPECT_EQ(rows(bench, 4, 4), "N 01\xB0" "00.00'");
    bench.press("ri+");
    EXPECT_EQ(rows(bench, 0, 0), " V01") << "outside nearest mode the rank is not shown";
}

// With fewer than nine NDBs in range, stepping below NDB 1 enters at the farthest one
// listed rather than at an empty place.
TEST(NdbPage, NearestModeStartsAtTheFarthestListedNdb) {
    TestBench bench;
    bench.setMagVar(10.0);
    startOn(bench, "navs.txt",
            "FAR FAR_AWAY 10.0 0.0 NDB 400\n"
            "NA NDB_A 0.1 0.0 NDB 350\n"
            "NB NDB_B 0.2 0.0 NDB 1750.5\n"
            "NC NDB_C 0.0 0.15 ndb\n",
            PG_NDB);
    EXPECT_EQ(rows(bench, 0, 0) + rows(bench, 6, 6), " FARNDB");

    bench.press("ri-");
    EXPECT_EQ(rows(bench, 0, 0) + rows(bench, 3, 3), " NBNR 3FREQ  1750.5");
    bench.press("ri-", 2);
    // The bearing is true north less 10 degrees east variation.
    EXPECT_EQ(rows(bench, 3, 4), "FREQ    350|     350TO");
    EXPECT_EQ(rows(bench, 0, 0), " NANR 1");
    bench.press("ri+");
    EXPECT_EQ(rows(bench, 0, 0), " NCNR 2");
    EXPECT_EQ(rows(bench, 3, 3), "FREQ       ") << "no frequency: blanks";
    bench.press("ri+", 2);
    EXPECT_EQ(rows(bench, 0, 0), " FAR") << "past the last listed place: NDB 1";
}

TEST(IntPage, InnerKnobWrapsAroundTheTable) {
    TestBench bench;
    startOn(bench, "ints.txt",
            "ALPHA FIX_A 50.5 -1.25\n"
            "BRAVO FIX_B 51.0 2.0\n"
            "CHARL FIX_C -33.8675 151.2\n",
            PG_INT);
    EXPECT_EQ(rows(bench, 0, 6), " ALPHA|REF:  -----|RAD: ---.-\xB0|DIS:  -.-NM|"
                                 "N 50\xB0" "30.00'|W 01\xB0" "15.00'|INT");

    bench.press("ri-");
    EXPECT_EQ(rows(bench, 0, 0), " CHARL") << "down from the first wraps to the last";
    EXPECT_EQ(rows(bench, 4, 5), "S 33\xB0" "52.05'|E151\xB0" "12.00'");
    bench.press("ri+");
    EXPECT_EQ(rows(bench, 0, 0), " ALPHA") << "up from the last wraps to the first";

    bench.press("rcrsr");
    EXPECT_EQ(rows(bench, 6, 6), "CRSR");
    bench.press("ro+");
    bench.press("ri+");
    EXPECT_EQ(rows(bench, 0, 0).substr(0, 6), " ALPHA") << "no other identifier starts AL";
    bench.press("ro-");
    bench.press("ri+");
    EXPECT_EQ(bench.unit().db.currentIntersection, 2);
}

TEST(WaypointPages, EmptyTablesShowNotFound) {
    TestBench bench;
    bench.powerOnAndSkipSelfTest();
    const struct {
        PageGroup group;
        const char* rows;  // rows 0 to 2 and the status line
    } pages[] = {
        {PG_APT, " APT DATA| NOT FOUND||APT"},
        {PG_VOR, " VOR DATA| NOT FOUND||VOR"},
        {PG_NDB, " NDB DATA| NOT FOUND||NDB"},
        {PG_INT, " INT DATA| NOT FOUND||INT"},
    };
    for (const auto& page : pages) {
        bench.unit().page.rightPageGroup = page.group;
        bench.press("ri+ ri- rcrsr");
        EXPECT_EQ(rows(bench, 0, 2) + "|" + rows(bench, 6, 6), page.rows) << bench.dump();
        EXPECT_EQ(bench.unit().page.rightCursorOn, 0);
    }
}

}  // namespace
