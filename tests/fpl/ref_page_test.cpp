// The REF page and the duplicate identifier list, driven as a pilot would: the reference
// waypoint's place on FPL 0 and the refusals, and the list's selection, its return to the
// covered page and the single use of its ENT.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "fpl/plan_store.h"
#include "nav/geodesy.h"
#include "support/test_bench.h"

namespace {

const std::string kNavs = "Halcyra Software/Tarnwick/navdata/navs.txt";

// FPL 0 along the equator, one waypoint per longitude, the second one active.
void setEquatorRoute(Unit& unit, const std::vector<double>& longitudes) {
    for (size_t i = 0; i < longitudes.size(); ++i) {
        PlanWaypoint& w = unit.fpl.activeRoute.waypoints[i];
        w = PlanWaypoint{};
        std::snprintf(w.ident, sizeof w.ident, "E%zu", i);
        std::snprintf(w.type, sizeof w.type, "WPT");
        w.longitude = longitudes[i];
    }
    unit.fpl.activeLastIndex = static_cast<int32_t>(longitudes.size()) - 1;
    unit.nav.leg.activeToIndex = 1;
}

double distanceNm(double lat1, double lon1, double lat2, double lon2) {
    double distance = 0.0;
    double bearing = 0.0;
    greatCircle(lat1, lon1, lat2, lon2, distance, bearing);
    return distance;
}

enum class Before { Nothing, StaleChoice, FullUserTable, EditorOnCommandLine };

// The reference Z (a VOR) entered on the REF page with FPL on the left: where the new
// waypoint goes, or why none is made.
TEST(RefPage, ReferenceWaypointOnTheNearestLegOrARefusal) {
    struct Case {
        const char* name;
        std::vector<double> route;  // longitudes on the equator
        double refLat, refLon;
        Before before;
        const char* message;  // the REF page's row 4 after ENT; "" when the waypoint is made
        int cursorRow;        // the FPL editor's row for the new waypoint
        double expectLon;     // the new waypoint's longitude (on the equator)
    };
    const Case cases[] = {
        {"abeam the middle of the second leg", {0.0, 1.0, 2.0}, 0.2, 1.55, Before::Nothing, "", 2, 1.5},
        {"on the second leg's start", {0.0, 1.0, 2.0}, 0.0, 1.0, Before::Nothing, "", 2, 1.5},
        {"nearest the first leg", {0.0, 1.0, 2.0}, -0.1, 0.3, Before::Nothing, "", 1, 0.5},
        {"a choice left over from an older list", {0.0, 1.0, 2.0}, 0.2, 1.55, Before::StaleChoice, "", 2, 1.5},
        {"the editor waiting on SAVE FPL 0 ?", {0.0, 1.0, 2.0}, 0.2, 1.55, Before::EditorOnCommandLine, "", 2, 1.5},
        {"one waypoint in FPL 0", {0.0}, 0.2, 1.55, Before::Nothing, "NO FPL LEG", 0, 0.0},
        {"behind the only leg", {0.0, 1.0}, 0.0, -0.5, Before::Nothing, "NO RADIAL", 0, 0.0},
        {"a full user table", {0.0, 1.0, 2.0}, 0.2, 1.55, Before::FullUserTable, "TABLE FULL", 0, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestBench bench;
        char navs[80];
        std::snprintf(navs, sizeof navs, "Z ZULU %.2f %.2f VOR 113.10\n", c.refLat, c.refLon);
        bench.root().write(kNavs, navs);
        bench.root().makeFolder("Halcyra Software/Tarnwick/FlightPlans");  // a save would succeed
        bench.powerOnAndSkipSelfTest();
        Unit& unit = bench.unit();
        setEquatorRoute(unit, c.route);
        unit.page.leftPageGroup = PG_FPL;
        unit.page.rightPageGroup = PG_REF;
        bench.frame();
        const int32_t blankPlan = unit.fpl.blankPlanIndex;
        if (c.before == Before::StaleChoice) {
            // Another page left a confirmation, and an older list a choice far away.
            unit.pages.fpl.confirmPending = 1;
            unit.db.candidateCount = 2;
            unit.db.candidates[2] = unit.db.candidates[1];
            unit.db.candidates[2].latitude = 0.3;
            unit.db.candidates[2].longitude = -5.0;
            unit.pages.duplicates.duplicateSelection = 2;
        } else if (c.before == Before::FullUserTable) {
            unit.db.userWaypointCount = kUserWaypointCapacity;
        } else if (c.before == Before::EditorOnCommandLine) {
            bench.press("lcrsr");
            bench.press("lo-");
            ASSERT_EQ(unit.pages.fpl.planCursorRow, -1);
        }
        const int32_t userCount = unit.db.userWaypointCount;

        bench.press("rcrsr");
        bench.press("ri-");  // down from the first character "0" wraps to "Z"
        bench.press("ent");

        EXPECT_EQ(bench.row(Side::Right, 4), c.message);
        if (c.message[0] != '\0') {
            EXPECT_EQ(unit.db.userWaypointCount, userCount);
            EXPECT_EQ(unit.page.rightPageGroup, PG_REF);
            EXPECT_EQ(unit.page.rightCursorOn, 1);
            EXPECT_EQ(unit.pages.fpl.confirmPending, 0);
            EXPECT_EQ(unit.fpl.selectedPlan, c.before == Before::EditorOnCommandLine ? blankPlan : 0);
            continue;
        }
        ASSERT_EQ(unit.db.userWaypointCount, userCount + 1);
        const WaypointRecord& made = unit.db.userWaypoints[unit.db.userWaypointCount];
        EXPECT_STREQ(made.ident, "ZA");
        EXPECT_STREQ(made.refIdent, "Z");
        EXPECT_LT(distanceNm(made.latitude, made.longitude, 0.0, c.expectLon), 0.3);
        EXPECT_NEAR(made.distanceNm, distanceNm(c.refLat, c.refLon, made.latitude, made.longitude), 1e-6);
        // The editor holds an unchanged copy of FPL 0 (no save, no insertion yet) with the
        // cursor on the row after the leg's start, and the new waypoint waits on SUP.
        EXPECT_EQ(unit.fpl.blankPlanIndex, blankPlan);
        EXPECT_EQ(unit.fpl.selectedPlan, blankPlan);
        EXPECT_EQ(unit.fpl.store.plan(blankPlan)->lastIndex, unit.fpl.activeLastIndex);
        EXPECT_EQ(unit.pages.fpl.planEditState, 1);
        EXPECT_EQ(unit.pages.fpl.planCursorRow, c.cursorRow);
        EXPECT_EQ(unit.pages.fpl.confirmPending, 2);
        EXPECT_EQ(unit.page.rightPageGroup, PG_SUP);
        EXPECT_EQ(unit.page.leftCursorOn, 1);

        // ENT on the FPL page puts it there.
        bench.press("ent");
        const FlightPlan& copy = *unit.fpl.store.plan(blankPlan);
        EXPECT_STREQ(copy.waypoints[c.cursorRow].ident, "ZA");
        EXPECT_EQ(copy.lastIndex, unit.fpl.activeLastIndex + 1);
    }
}

// Five VORs named Z: the list wraps at both ends with the left cursor off and its four
// rows follow the selection; ENT returns to the FPL page and the chosen one becomes the
// reference, and the same ENT inserts nothing yet. A second lookup made while the list is
// showing still returns to the FPL page.
TEST(DuplicatesPage, SelectionWrapsAndEntTakesTheChoiceOnce) {
    TestBench bench;
    bench.root().write(kNavs,
                       "Z ZULU1 0.1 0.1 VOR 110.10\n"
                       "Z ZULU2 0.1 0.6 VOR 110.20\n"
                       "Z ZULU3 0.1 1.1 VOR 110.30\n"
                       "Z ZULU4 0.1 1.6 VOR 110.40\n"
                       "Z ZULU5 0.1 2.1 VOR 110.50\n");
    bench.powerOnAndSkipSelfTest();
    Unit& unit = bench.unit();
    setEquatorRoute(unit, {0.0, 1.0, 2.0});
    unit.page.leftPageGroup = PG_FPL;
    unit.page.rightPageGroup = PG_REF;
    bench.frame();
    bench.press("rcrsr");
    bench.press("ri-");
    bench.press("ent");
    bench.frame();
    ASSERT_EQ(unit.page.leftPageGroup, PG_DUPLICATES);
    ASSERT_EQ(unit.page.leftCursorOn, 0);
    EXPECT_EQ(bench.row(Side::Left, 0), " D        5");

    struct Step {
        const char* key;
        int selection;
        int top;
    };
    const Step steps[] = {{"lo-", 5, 2}, {"lo+", 1, 1}, {"lo+", 2, 1}, {"lo+", 3, 1}, {"lo+", 4, 1},
                          {"lo+", 5, 2}, {"lo-", 4, 2}, {"lo-", 3, 2}, {"lo-", 2, 2}, {"lo-", 1, 1},
                          {"lo-", 5, 2}, {"lo-", 4, 2}};
    for (const Step& step : steps) {
        bench.press(step.key);
        SCOPED_TRACE(::testing::Message() << step.key << " to " << step.selection);
        EXPECT_EQ(unit.pages.duplicates.duplicateSelection, step.selection);
        EXPECT_EQ(unit.pages.duplicates.duplicateScrollTop, step.top);
        // The first row shows the top entry, and the selected row is the inverted one.
        char first[8];
        std::snprintf(first, sizeof first, "%2d VOR", step.top);
        EXPECT_EQ(bench.row(Side::Left, 2).substr(0, 6), first);
        const DrawItem* selected = bench.itemAt(0.0f, 24.0f * static_cast<float>(2 + step.selection - step.top));
        ASSERT_NE(selected, nullptr);
        EXPECT_EQ(selected->argb, 0xFF000000u);
    }

    // The list covers its page again after ALT twice, with no choice waiting: a new
    // lookup from there still returns to FPL.
    bench.press("alt");
    bench.press("alt");
    ASSERT_EQ(unit.page.leftPageGroup, PG_DUPLICATES);
    bench.press("rcrsr");
    bench.press("ri-");
    bench.press("ent");
    bench.press("lo-");
    bench.press("lo-");  // ZULU4, nearest the second leg's start
    bench.press("ent");
    EXPECT_EQ(unit.page.leftPageGroup, PG_FPL);
    const WaypointRecord& made = unit.db.userWaypoints[unit.db.userWaypointCount];
    EXPECT_STREQ(made.ident, "ZA");
    EXPECT_LT(distanceNm(made.latitude, made.longitude, 0.0, 1.5), 0.3);
    EXPECT_EQ(unit.pages.fpl.planCursorRow, 2);
    EXPECT_EQ(unit.pages.fpl.planEditState, 1);
    EXPECT_EQ(unit.pages.fpl.confirmPending, 2);
    EXPECT_EQ(unit.fpl.store.plan(unit.fpl.blankPlanIndex)->lastIndex, 2);
    // The FPL page drawn again in that frame shows the editor, not the list under it.
    EXPECT_EQ(bench.row(Side::Left, 1), "  1:E0");
    EXPECT_EQ(bench.row(Side::Left, 5), "  3:ZA");
}

}  // namespace
