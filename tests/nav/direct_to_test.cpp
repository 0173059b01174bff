// Direct-To: the page's rows through a whole session, the proposed targets, the snap to
// the plan waypoint and the re-capture of the route after a cancel.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "frame/display.h"
#include "nav/direct_to.h"
#include "support/test_bench.h"

namespace {

const std::string kNavs = "Halcyra Software/Tarnwick/navdata/navs.txt";
const std::string kUsers = "Halcyra Software/Tarnwick/navdata/user.txt";

// VORs VAA (0.5 N) and VAB and VBC further north, user waypoints UAA and UAB; the
// aircraft sits at (0, 0).
class DirectToTest : public ::testing::Test {
protected:
    void SetUp() override {
        bench.root().write(kNavs,
                           "VAA ALPHA 0.5 0.0 VOR 112.00\n"
                           "VAB BRAVO 1.0 0.0 VOR 113.00\n"
                           "VBC CHARLIE 1.5 0.0 VOR 114.00\n");
        bench.root().write(kUsers, "UAA HOME 0.2 0.0\nUAB FIELD 0.3 0.0\n");
        bench.setPosition(0.0, 0.0);
        bench.powerOnAndSkipSelfTest();
        unit().page.rightPageGroup = PG_NAV;
        bench.frame();
    }

    // FPL 0 along the meridian: one plan waypoint per entry of `lats`, typed `type`,
    // shown unchanged on the FPL page with the cursor on row `cursorRow`.
    void activateRoute(std::initializer_list<double> lats, const char* type, int cursorRow) {
        int i = 0;
        for (double lat : lats) {
            PlanWaypoint& w = unit().fpl.activeRoute.waypoints[i];
            std::snprintf(w.ident, sizeof w.ident, "%s", i == 1 ? "VAB" : "WPX");
            std::snprintf(w.type, sizeof w.type, "%s", type);
            w.latitude = lat;
            ++i;
        }
        unit().fpl.activeLastIndex = i - 1;
        unit().nav.leg.activeToIndex = 1;
        unit().pages.fpl.planEditState = 1;
        unit().pages.fpl.planCursorRow = cursorRow;
    }

    Unit& unit() { return bench.unit(); }
    std::string left(int row) const { return bench.row(Side::Left, row); }
    TestBench bench;
};

// The page's rows at each step of a session, with the VOR page on the right: D-> proposes
// the VOR shown there, the inner knob steps the last character (the VOR page follows),
// ENT flies to it, D-> proposes the active target, CLR asks, ENT cancels.
TEST_F(DirectToTest, PageRowsThroughASession) {
    unit().page.rightPageGroup = PG_VOR;
    bench.frame();
    struct Step {
        const char* key;
        const char* entryRow;   // the entry row's text, without the cursor cell
        const char* statusRow;  // the left half of the status line
        int32_t leftGroup;
        int32_t directToActive;
    };
    const Step steps[] = {
        {"dto", "VAA", "CRSRENR-LEG", PG_DIRECT_TO, 0},
        {"li+", "VAB", "CRSRENR-LEG", PG_DIRECT_TO, 0},
        {"ent", "", "NAV", PG_NAV, 1},
        {"dto", "VAB", "CRSR", PG_DIRECT_TO, 1},
        {"clr", "DEL VAB?", "CRSR", PG_DIRECT_TO, 1},
        {"ent", "", "NAV", PG_NAV, 0},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(std::string("after ").append(step.key).append(" (entry ").append(step.entryRow).append(")"));
        bench.press(step.key);
        EXPECT_EQ(unit().page.leftPageGroup, step.leftGroup);
        EXPECT_EQ(unit().nav.leg.directToActive, step.directToActive);
        if (step.leftGroup != PG_DIRECT_TO) continue;
        EXPECT_EQ(left(0), "DIRECT TO:") << bench.dump();
        EXPECT_EQ(bench.textAt(10.0f, 48.0f), step.entryRow) << bench.dump();
        EXPECT_EQ(left(kStatusRow), step.statusRow) << bench.dump();
        const bool prompts = std::string(step.statusRow).find("ENR-LEG") != std::string::npos;
        EXPECT_EQ(bench.textAt(224.0f, kStatusRowY), prompts ? "ENT" : "");
    }
}

TEST_F(DirectToTest, KnobEntryShowsTheCursorCellAndMovesTheRightPage) {
    unit().page.rightPageGroup = PG_VOR;
    bench.frame();
    bench.press("dto");
    // The cursor sits on the proposal's last character, column 3.
    EXPECT_EQ(bench.textAt(10.0f + 32.0f, 48.0f), "A") << bench.dump();
    bench.press("lo-");  // back to column 2: "VA", then the second character steps to B
    bench.press("li+");
    EXPECT_EQ(bench.textAt(10.0f, 48.0f), "VB");
    EXPECT_EQ(bench.row(Side::Right, 0), " VBC");
    // "VB" selects VBC, the first VOR beginning with it; ENT may confirm it.
    EXPECT_EQ(bench.textAt(100.0f, 153.0f), "ENR-LEG") << bench.dump();
    bench.press("lo+");
    EXPECT_EQ(bench.textAt(10.0f, 48.0f), "VBC");
    bench.press("ent");
    EXPECT_EQ(unit().nav.leg.directToActive, 1);
    EXPECT_STREQ(unit().directToLeg.target.ident, "VBC");
    EXPECT_STREQ(unit().directToLeg.origin.ident, "PPOS");
    EXPECT_EQ(unit().page.rightPageGroup, PG_NAV);
    EXPECT_EQ(unit().page.rightNavPage, 1);
}

// An active target the VOR table does not hold ("VAZ"): its last character is in no list
// entry, so the first turn up starts at the first character offered, never at the blank.
TEST_F(DirectToTest, ProposedTargetFromAnotherTableStepsFromTheFirstChoice) {
    unit().page.rightPageGroup = PG_VOR;
    std::snprintf(unit().directToLeg.target.ident, sizeof unit().directToLeg.target.ident, "VAZ");
    unit().nav.leg.directToActive = 1;
    bench.frame();
    bench.press("dto");
    EXPECT_EQ(bench.textAt(10.0f, 48.0f), "VAZ");
    bench.press("li+");
    EXPECT_EQ(bench.textAt(10.0f, 48.0f), "VAA");
}

TEST_F(DirectToTest, DirectToPressedTwiceLeavesEverythingAsBefore) {
    unit().page.rightPageGroup = PG_VOR;
    bench.frame();
    const PageState before = unit().page;
    bench.press("dto");
    bench.press("dto");
    EXPECT_EQ(unit().page.leftPageGroup, before.leftPageGroup);
    EXPECT_EQ(unit().page.rightPageGroup, before.rightPageGroup);
    EXPECT_EQ(unit().page.leftCursorOn, 0);
    EXPECT_EQ(unit().page.rightCursorOn, 0);
    EXPECT_EQ(unit().nav.leg.directToActive, 0);
}

// The plan's type texts are three letters; route files may carry the one-letter form.
// Either way the waypoint under the FPL cursor is proposed and selected on its page, so
// that ENT flies to it and not to whatever the page showed before.
TEST_F(DirectToTest, PlanCursorWaypointIsProposedAndSelectedForEitherTypeText) {
    for (const char* type : {"VOR", "V"}) {
        SCOPED_TRACE(type);
        unit().nav.leg.directToActive = 0;
        unit().db.currentVor = 3;
        activateRoute({0.0, 1.0, 2.0}, type, 1);
        bench.press("dto");
        EXPECT_EQ(bench.textAt(10.0f, 48.0f), "VAB") << bench.dump();
        EXPECT_EQ(unit().page.rightPageGroup, PG_VOR);
        EXPECT_EQ(unit().db.currentVor, 2);
        bench.press("ent");
        EXPECT_STREQ(unit().directToLeg.target.ident, "VAB");
    }
}

// User waypoints are followed and flown like the other waypoints: D-> proposes the one
// the SUP page shows, the entry steps on (the SUP page follows), ENT flies to it.
TEST_F(DirectToTest, UserWaypointIsFollowedAndConfirmed) {
    unit().page.rightPageGroup = PG_SUP;
    unit().db.currentUserWaypoint = 1;
    bench.frame();
    bench.press("dto");
    EXPECT_EQ(bench.textAt(10.0f, 48.0f), "UAA");
    bench.press("li+");
    bench.press("li+");
    // UAC is no user waypoint: the SUP page keeps UAB rather than going blank, and waits.
    EXPECT_EQ(bench.textAt(10.0f, 48.0f), "UAC");
    EXPECT_EQ(bench.row(Side::Right, 0), " UAB");
    EXPECT_EQ(left(kStatusRow), "CRSR");
    bench.press("li-");
    EXPECT_EQ(bench.textAt(10.0f, 48.0f), "UAB");
    EXPECT_EQ(left(kStatusRow), "CRSRENR-LEG");
    bench.press("ent");
    EXPECT_EQ(unit().nav.leg.directToActive, 1);
    EXPECT_STREQ(unit().directToLeg.target.ident, "UAB");
    EXPECT_EQ(unit().directToLeg.target.latitude, 0.3);
}

// A plan waypoint the VOR table does not hold (WPX, typed VOR): the VOR page stays on the
// VOR it showed, and ENT must not fly there in place of WPX.
TEST_F(DirectToTest, EntryThatNamesNoWaypointOnTheRightPageCannotBeConfirmed) {
    unit().db.currentVor = 3;
    activateRoute({0.0, 1.0, 2.0}, "VOR", 2);
    bench.press("dto");
    EXPECT_EQ(bench.textAt(10.0f, 48.0f), "WPX");
    EXPECT_EQ(bench.row(Side::Right, 0), " VBC");
    EXPECT_EQ(unit().pages.directTo.directToConfirmPending, 0);
    bench.press("ent");
    EXPECT_EQ(unit().nav.leg.directToActive, 0);
    EXPECT_EQ(unit().page.leftPageGroup, PG_DIRECT_TO);
}

// A database waypoint 0.2 NM from the plan waypoint under the cursor takes the plan's
// position exactly; at 0.3 NM it keeps its own.
TEST_F(DirectToTest, TargetSnapsToThePlanWaypointWithinAQuarterMile) {
    for (double offsetNm : {0.2, 0.3}) {
        SCOPED_TRACE(offsetNm);
        unit().nav.leg.directToActive = 0;
        activateRoute({0.0, 1.0 + offsetNm / 60.0, 2.0}, "VOR", 1);
        bench.press("dto");
        bench.press("ent");
        ASSERT_EQ(unit().nav.leg.directToActive, 1);
        const double expected = offsetNm < kPlanSnapNm ? 1.0 + offsetNm / 60.0 : 1.0;
        EXPECT_EQ(unit().directToLeg.target.latitude, expected);
        EXPECT_EQ(unit().nav.leg.activeToIndex, 1);
        // The editor is closed: a later D-> proposes no stale cursor row.
        EXPECT_EQ(planCursorWaypoint(unit()), -1);
    }
}

// The aircraft at 0.75 N has passed waypoint 1 (0.5 N). The final waypoint lies just west
// of north (359) and waypoint 2 just east of it (002): 3 degrees apart once the difference
// is folded, so waypoint 2 is re-captured, not skipped for the final one.
TEST_F(DirectToTest, RecaptureFoldsBearingsAcrossNorth) {
    activateRoute({0.0, 0.5, 1.0, 2.0}, "INT", -1);
    unit().fpl.activeRoute.waypoints[2].longitude = 0.01;
    unit().fpl.activeRoute.waypoints[3].longitude = -0.02;
    unit().nav.aircraft.presentLat = 0.75;
    unit().nav.aircraft.presentLon = 0.0;
    recaptureRoute(unit());
    EXPECT_EQ(unit().nav.leg.activeToIndex, 2);

    // Without a TO waypoint on the route (no active leg) nothing is re-captured.
    unit().nav.leg.activeToIndex = kNoActiveRoute;
    recaptureRoute(unit());
    EXPECT_EQ(unit().nav.leg.activeToIndex, kNoActiveRoute);
}

}  // namespace
