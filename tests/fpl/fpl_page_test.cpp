// The FPL page driven as a pilot would: choosing plans, activating, inverting, editing a
// copy of FPL 0, building a new plan and saving FPL 0.
#include <gtest/gtest.h>

#include "fpl/route_files.h"
#include "fpl_fixture.h"
#include "navdb/tables.h"
#include "tests/support/test_bench.h"

namespace {

const char* kRouteAbc =
    "[FlightPlan]\r\n"
    "AAA            47.00000 -122.00000  APT       \r\n"
    "BBB            47.50000 -122.50000  VOR 116.80\r\n"
    "CCC            48.00000 -123.00000  APT       \r\n";

void addAirportNamed(Unit& unit, const char* ident, double lat, double lon) {
    AirportRecord airport{};
    copyPlanText(airport.ident, ident);
    copyPlanText(airport.typeText, "APT");
    airport.latitude = lat;
    airport.longitude = lon;
    addAirport(unit.db, airport);
}

// A powered unit on the FPL page with FPL 2 = AAA BBB CCC and airports Y and Z.
struct FplBench {
    TestBench bench;
    FplBench() {
        bench.root().write(kPlansFolder + "abc.rte", kRouteAbc);
        bench.start();
        addAirportNamed(unit(), "Y", 46.0, -121.0);
        addAirportNamed(unit(), "Z", 45.0, -120.0);
        addAirportNamed(unit(), "CCC", 48.0, -123.0);
        bench.powerOnAndSkipSelfTest();
        unit().page.rightPageGroup = PG_APT;
        bench.press("lo-");  // NAV -> FPL
    }
    Unit& unit() { return bench.unit(); }
    std::string left(int row) const { return const_cast<TestBench&>(bench).row(Side::Left, row); }
    void press(const char* names, int times = 1) {
        for (int i = 0; i < times; ++i) bench.press(names);
    }
    // Activates FPL 2 forward.
    void activateStoredPlan() {
        press("li+", 2);
        press("lcrsr");
        press("ent");
    }
};

TEST(FplPage, ChoosesPlansAndShowsStoredPlanRows) {
    FplBench f;
    ASSERT_EQ(f.unit().page.leftPageGroup, PG_FPL);
    ASSERT_EQ(f.unit().fpl.blankPlanIndex, 3);
    EXPECT_EQ(f.left(kStatusRow), "FPL 0");
    EXPECT_EQ(f.left(0), "");  // no active route: only the bottom line

    f.press("li-");  // FPL 0 -> the blank plan
    EXPECT_EQ(f.unit().fpl.selectedPlan, 3);
    EXPECT_EQ(f.left(0), "LOAD FPL 0?");
    f.press("li+");  // the blank plan -> FPL 0
    EXPECT_EQ(f.unit().fpl.selectedPlan, 0);

    f.press("li+", 2);
    ASSERT_EQ(f.unit().fpl.selectedPlan, 2);
    EXPECT_EQ(f.left(0), "USE? INVRT?");
    // Three waypoints: the first two on rows 24 and 48, the final one on row 120.
    EXPECT_EQ(f.bench.textAt(10.0f, 24.0f), "  1:AAA") << f.bench.dump();
    EXPECT_EQ(f.bench.textAt(10.0f, 48.0f), "  2:BBB");
    EXPECT_EQ(f.left(3), "");
    EXPECT_EQ(f.bench.textAt(10.0f, 120.0f), "  3:CCC");
    EXPECT_EQ(f.bench.textAt(10.0f, 151.0f), "FPL 2");

    // The cursor refuses FPL 0 without an active route.
    f.press("li-", 2);
    f.press("lcrsr");
    EXPECT_EQ(f.unit().page.leftCursorOn, 0);
}

TEST(FplPage, InvertActivatesLastFirstAndFpl1OffersOnlyUse) {
    FplBench f;
    f.press("li+");
    f.press("lcrsr");
    f.press("lo+");  // FPL 1 keeps USE
    EXPECT_EQ(f.unit().fpl.storedPlanChoice, kChoiceUse);
    f.press("lcrsr");

    f.press("li+");
    f.press("lcrsr");
    f.press("lo+");
    EXPECT_EQ(f.left(0), "USE? INVRT?");
    EXPECT_EQ(f.unit().fpl.storedPlanChoice, kChoiceInvert);
    f.press("ent");
    EXPECT_EQ(activeIdents(f.unit()), (std::vector<std::string>{"CCC", "BBB", "AAA"}));
    EXPECT_EQ(f.unit().nav.activeToIndex, 1);
    EXPECT_EQ(f.unit().fpl.selectedPlan, 0);
    EXPECT_EQ(f.unit().page.leftCursorOn, 0);
    EXPECT_EQ(f.left(1), "  2:BBB");
}

TEST(FplPage, SavesAnUnchangedCopyOfFpl0) {
    FplBench f;
    f.activateStoredPlan();
    // The final waypoint becomes the airport the APT pages show.
    EXPECT_EQ(f.unit().db.currentAirport, 3);
    f.press("lcrsr");
    EXPECT_EQ(f.unit().fpl.planEditState, 1);
    EXPECT_EQ(f.unit().fpl.selectedPlan, 3);
    f.press("lo-");
    EXPECT_EQ(f.left(0), "SAVE FPL 0 ?");
    f.press("lo-");  // an unchanged copy goes no further than the save line
    EXPECT_EQ(f.unit().fpl.planCursorRow, -1);
    f.press("ent");
    EXPECT_TRUE(f.bench.root().exists(kPlansFolder + "AAA-CCC.RTE"));
    EXPECT_EQ(f.unit().fpl.blankPlanIndex, 4);
    EXPECT_EQ(f.unit().fpl.selectedPlan, 0);
    EXPECT_EQ(f.unit().fpl.planEditState, 0);
    EXPECT_EQ(planIdents(*f.unit().fpl.store.plan(3)), (std::vector<std::string>{"AAA", "BBB", "CCC"}));
}

TEST(FplPage, DeletingInTheCopyTakesEffectOnCrsr) {
    FplBench f;
    f.activateStoredPlan();
    f.press("lcrsr");
    f.press("lo+");  // to row 1
    f.press("clr");
    EXPECT_EQ(f.left(2).substr(0, 8), "DEL BBB?");
    f.press("ent");
    EXPECT_EQ(f.unit().fpl.planEditState, 2);
    EXPECT_EQ(activeIdents(f.unit()), (std::vector<std::string>{"AAA", "BBB", "CCC"}));
    f.press("lcrsr");
    EXPECT_EQ(activeIdents(f.unit()), (std::vector<std::string>{"AAA", "CCC"}));
    EXPECT_EQ(f.unit().fpl.selectedPlan, 0);
    EXPECT_EQ(f.unit().fpl.planEditState, 0);

    // CRSR off on an unchanged copy leaves no editor state behind for a new plan.
    f.press("lcrsr");
    f.press("lcrsr");
    EXPECT_EQ(f.unit().fpl.planEditState, 0);
}

TEST(FplPage, EmptyRowAtTheEndComesAndGoes) {
    FplBench f;
    f.activateStoredPlan();
    f.press("lcrsr");
    const FlightPlan& copy = *f.unit().fpl.store.plan(3);
    f.press("lo+", 2);
    EXPECT_EQ(f.unit().fpl.planCursorRow, 2);
    f.press("lo+");
    EXPECT_EQ(copy.lastIndex, 3);
    EXPECT_EQ(f.unit().fpl.planCursorRow, 3);
    f.press("lo-");
    EXPECT_EQ(copy.lastIndex, 2);
    EXPECT_EQ(f.unit().fpl.planCursorRow, 2);
}

TEST(FplPage, BuildsANewPlanAndActivatesIt) {
    FplBench f;
    f.press("li-");  // the blank plan
    f.press("lcrsr");
    EXPECT_EQ(f.unit().fpl.planEntryCount, 1);
    f.press("li-");  // from the empty first candidate down to the last: Z
    EXPECT_STREQ(f.unit().fpl.planEntryChar, "Z");
    // The entry field spans five cells: behind the character, four blank inverse cells.
    float blankWidth = 0.0f;
    for (const DrawItem& item : f.bench.canvas().items()) {
        if (item.kind == DrawKind::FillRect && item.x == 71.0f + 16.0f && item.y == 124.0f) blankWidth = item.w;
    }
    EXPECT_EQ(blankWidth, 64.0f);
    f.press("ent");
    EXPECT_EQ(f.unit().fpl.confirmPending, 1);
    EXPECT_EQ(f.left(kStatusRow), "CRSRENR-LEG");
    f.press("ent");
    EXPECT_EQ(planIdents(*f.unit().fpl.store.plan(3)), (std::vector<std::string>{"Z", ""}));
    EXPECT_EQ(f.unit().fpl.planCursorRow, 1);

    f.press("li-", 2);  // Y
    f.press("ent");
    f.press("ent");
    EXPECT_EQ(planIdents(*f.unit().fpl.store.plan(3)), (std::vector<std::string>{"Z", "Y", ""}));

    f.press("lo-");  // abandons the new entry
    EXPECT_EQ(f.unit().fpl.planEntryCount, 0);
    f.press("lo-", 3);  // row 1, row 0 (the empty row goes), the USE? line
    EXPECT_EQ(f.unit().fpl.planCursorRow, -1);
    EXPECT_EQ(planIdents(*f.unit().fpl.store.plan(3)), (std::vector<std::string>{"Z", "Y"}));
    f.press("ent");
    EXPECT_EQ(activeIdents(f.unit()), (std::vector<std::string>{"Z", "Y"}));
    EXPECT_EQ(f.unit().fpl.selectedPlan, 0);

    // A later new plan starts empty, not as a copy of FPL 0.
    f.press("li-");
    f.press("lcrsr");
    EXPECT_EQ(f.unit().fpl.planEditState, 0);
    EXPECT_EQ(f.unit().fpl.store.plan(3)->lastIndex, 0);
    EXPECT_STREQ(f.unit().fpl.store.plan(3)->waypoints[0].ident, "");
}

TEST(FplPage, UnknownIdentifierCreatesAUserWaypointOnSup) {
    FplBench f;
    f.bench.setPosition(47.5, -122.3);
    f.bench.frames(2);
    f.press("li-");
    f.press("lcrsr");
    f.press("li-", 3);  // X: no airport of that name
    f.press("ent");
    EXPECT_EQ(f.unit().page.rightPageGroup, PG_SUP);
    EXPECT_EQ(f.unit().page.rightCursorOn, 1);
    // The ENT that switched pages is not taken by the SUP page as well.
    EXPECT_EQ(f.unit().fpl.supLine, 0);
    EXPECT_EQ(f.bench.row(Side::Right, 2), "CREATE NEW") << f.bench.dump();
    f.press("ro+");  // PRES POS?
    f.press("ent");
    ASSERT_EQ(f.unit().db.userWaypointCount, 1);
    EXPECT_EQ(f.unit().fpl.confirmPending, 1);
    EXPECT_EQ(planIdents(*f.unit().fpl.store.plan(3)), (std::vector<std::string>{""}));
    f.press("ent");
    EXPECT_EQ(planIdents(*f.unit().fpl.store.plan(3)), (std::vector<std::string>{"X", ""}));
    EXPECT_NEAR(f.unit().fpl.store.plan(3)->waypoints[0].latitude, 47.5, 1e-6);
}

// The middle y of the filled triangle drawn on the left page, or -1 when there is none.
float markMiddleY(const TestBench& bench) {
    const RecordingCanvas& canvas = const_cast<TestBench&>(bench).canvas();
    for (const DrawItem& item : canvas.items()) {
        if (item.kind != DrawKind::FillPolygon || item.pointCount != 3) continue;
        const PointF& tip = canvas.points()[static_cast<size_t>(item.firstPoint) + 1];
        if (tip.x < 184.0f) return tip.y;
    }
    return -1.0f;
}

TEST(FplPage, ActiveLegMarkStaysInViewOnLongRoutes) {
    FplBench f;
    setActiveRoute(f.unit(), {"W0", "W1", "W2", "W3", "W4", "W5", "W6", "W7"});
    struct Case {
        int32_t to;
        const char* firstRow;
        float markMiddle;
    };
    for (const Case& c : {Case{1, "  1:W0", 36.0f}, Case{3, "  1:W0", 84.0f},
                          Case{5, "  3:W2", 84.0f}, Case{7, "  3:W2", 132.0f}}) {
        SCOPED_TRACE(c.to);
        f.unit().nav.activeToIndex = c.to;
        f.bench.frames(1);
        EXPECT_EQ(f.left(0), c.firstRow);
        EXPECT_EQ(f.left(5), "  8:W7");
        EXPECT_EQ(markMiddleY(f.bench), c.markMiddle);
    }
    // No route: only the bottom line, no mark.
    f.unit().nav.activeToIndex = kNoActiveRoute;
    f.bench.frames(1);
    EXPECT_EQ(f.left(0), "");
    EXPECT_EQ(markMiddleY(f.bench), -1.0f);
}

}  // namespace
