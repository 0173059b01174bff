// The FPL page driven as a pilot would: choosing plans, editing a copy of FPL 0, building
// a new plan, saving FPL 0 and creating an unknown waypoint on the SUP page.
#include <gtest/gtest.h>

#include "fpl/pages/plan_editor.h"
#include "fpl/route_files.h"
#include "fpl_fixture.h"
#include "tests/support/test_bench.h"

namespace {

using Idents = std::vector<std::string>;

// A powered unit on the FPL page with FPL 2 = AAA BBB CCC and the airports Y, Z and CCC.
struct FplBench {
    TestBench bench;
    FplBench() {
        bench.root().write(kPlansFolder + "abc.rte",
                           "[FlightPlan]\r\nAAA 47 -122 APT\r\nBBB 47.5 -122.5 VOR 116.80\r\n"
                           "CCC 48 -123 APT\r\n");
        bench.root().write("Halcyra Software/Tarnwick/navdata/apts.txt",
                           "Y Yankee 1 46 -121\nZ Zulu 1 45 -120\nCCC Charlie 1 48 -123\n");
        bench.start();
        bench.powerOnAndSkipSelfTest();
        unit().page.rightPageGroup = PG_APT;
        bench.press("lo-");  // NAV -> FPL
    }
    Unit& unit() { return bench.unit(); }
    const FlightPlan& plan(int number) { return *unit().fpl.store.plan(number); }
    std::string left(int row) const { return bench.row(Side::Left, row); }
    void press(const char* names, int times = 1) { bench.press(names, times); }
    void activateStoredPlan() {  // FPL 2, forward
        press("li+", 2);
        press("lcrsr");
        press("ent");
    }
};

TEST(FplPage, ChoosesPlansAndShowsStoredPlanRows) {
    FplBench f;
    ASSERT_EQ(f.unit().fpl.blankPlanIndex, 3);
    EXPECT_EQ(f.left(kStatusRow), "FPL 0");
    EXPECT_EQ(f.left(0), "");  // no active route: only the bottom line
    f.press("li-");  // FPL 0 -> the blank plan
    EXPECT_EQ(f.unit().fpl.selectedPlan, 3);
    EXPECT_EQ(f.left(0), "LOAD FPL 0?");
    f.press("li+", 2);
    f.press("lcrsr");
    f.press("lo+");  // FPL 1 keeps USE
    EXPECT_EQ(f.unit().pages.fpl.storedPlanChoice, kChoiceUse);
    f.press("lcrsr");
    f.press("li+");
    ASSERT_EQ(f.unit().fpl.selectedPlan, 2);
    EXPECT_EQ(f.left(0), "USE? INVRT?");
    // Three waypoints: the first two on rows 24 and 48, the final one on row 120.
    EXPECT_EQ(f.bench.textAt(10.0f, 24.0f), "  1:AAA") << f.bench.dump();
    EXPECT_EQ(f.bench.textAt(10.0f, 48.0f), "  2:BBB");
    EXPECT_EQ(f.left(3), "");
    EXPECT_EQ(f.bench.textAt(10.0f, 120.0f), "  3:CCC");
    EXPECT_EQ(f.bench.textAt(10.0f, 151.0f), "FPL 2");
    f.press("li-", 2);  // FPL 0: the cursor refuses it without an active route
    f.press("lcrsr");
    EXPECT_EQ(f.unit().page.leftCursorOn, 0);
}

TEST(FplPage, EditsACopyOfFpl0SavesItUnchangedAndDeletesOnCrsr) {
    FplBench f;
    f.activateStoredPlan();
    EXPECT_EQ(f.unit().db.currentAirport, 3);  // the final waypoint is the APT pages' airport
    f.press("lcrsr");
    EXPECT_EQ(f.unit().pages.fpl.planEditState, 1);
    const FlightPlan& copy = f.plan(3);
    f.press("lo+", 3);  // past the final row: an empty row is added...
    EXPECT_EQ(copy.lastIndex, 3);
    EXPECT_EQ(f.unit().pages.fpl.planCursorRow, 3);
    f.press("lo-");  // ...and goes again
    EXPECT_EQ(copy.lastIndex, 2);
    EXPECT_EQ(f.unit().pages.fpl.planCursorRow, 2);
    f.press("lo-", 3);
    EXPECT_EQ(f.left(0), "SAVE FPL 0 ?");
    f.press("lo-");  // an unchanged copy goes no further than the save line
    EXPECT_EQ(f.unit().pages.fpl.planCursorRow, -1);
    f.press("ent");
    EXPECT_TRUE(f.bench.root().exists(kPlansFolder + "AAA-CCC.RTE"));
    EXPECT_EQ(f.unit().fpl.blankPlanIndex, 4);
    EXPECT_EQ(f.unit().pages.fpl.planEditState, 0);
    EXPECT_EQ(planIdents(copy), (Idents{"AAA", "BBB", "CCC"}));

    // CRSR off on an unchanged copy leaves no editor state behind for a new plan.
    f.press("lcrsr");
    EXPECT_EQ(f.unit().pages.fpl.planEditState, 1);
    f.press("lcrsr");
    EXPECT_EQ(f.unit().pages.fpl.planEditState, 0);
    // A deletion in the copy reaches FPL 0 only on CRSR.
    f.press("lcrsr");
    f.press("lo+");  // to row 1
    f.press("clr");
    EXPECT_EQ(f.left(2).substr(0, 8), "DEL BBB?");
    f.press("ent");
    EXPECT_EQ(f.unit().pages.fpl.planEditState, 2);
    EXPECT_EQ(activeIdents(f.unit()), (Idents{"AAA", "BBB", "CCC"}));
    f.press("lcrsr");
    EXPECT_EQ(activeIdents(f.unit()), (Idents{"AAA", "CCC"}));
    EXPECT_EQ(f.unit().pages.fpl.planEditState, 0);
}

// A save that cannot write its file (here a folder stands where the file is written
// first) says so on the command line, adds no plan and keeps the editor open; once the
// file can be written, ENT again saves it.
TEST(FplPage, FailedSaveIsReportedAndAddsNoPlan) {
    FplBench f;
    f.activateStoredPlan();
    f.bench.root().makeFolder(kPlansFolder + "AAA-CCC.RTE.tmp");
    f.press("lcrsr");
    f.press("lo-");
    ASSERT_EQ(f.left(0), "SAVE FPL 0 ?");
    f.press("ent");
    EXPECT_EQ(f.left(0), "SAVE FAILED");
    EXPECT_EQ(f.unit().fpl.blankPlanIndex, 3);
    EXPECT_EQ(f.unit().pages.fpl.planEditState, 1);
    EXPECT_FALSE(f.bench.root().exists(kPlansFolder + "AAA-CCC.RTE"));
    // The message goes when the cursor moves away and back.
    f.press("lo+");
    f.press("lo-");
    EXPECT_EQ(f.left(0), "SAVE FPL 0 ?");

    std::filesystem::remove(f.bench.root().path() / (kPlansFolder + "AAA-CCC.RTE.tmp"));
    f.press("ent");
    EXPECT_TRUE(f.bench.root().exists(kPlansFolder + "AAA-CCC.RTE"));
    EXPECT_EQ(f.unit().fpl.blankPlanIndex, 4);
    EXPECT_STREQ(f.plan(3).name, "AAA-CCC.RTE");
}

TEST(FplPage, BuildsANewPlanInAFiveCellEntryField) {
    FplBench f;
    f.press("li-");  // the blank plan
    f.press("lcrsr");
    f.press("li-");  // from the empty first candidate down to the last: Z
    EXPECT_EQ(f.unit().planEntry.entryChar, 'Z');
    float blankWidth = 0.0f;  // behind the character, four blank inverse cells
    for (const DrawItem& item : f.bench.canvas().items()) {
        const bool behind = item.x == 71.0f + 16.0f && item.y == 124.0f;
        if (item.kind == DrawKind::FillRect && behind) blankWidth = item.w;
    }
    EXPECT_EQ(blankWidth, 64.0f);
    f.press("ent");
    EXPECT_EQ(f.left(kStatusRow), "CRSRENR-LEG");
    f.press("ent");
    EXPECT_EQ(planIdents(f.plan(3)), (Idents{"Z", ""}));
    EXPECT_EQ(f.unit().pages.fpl.planCursorRow, 1);
    f.press("li-", 2);  // Y
    f.press("ent", 2);
    EXPECT_EQ(planIdents(f.plan(3)), (Idents{"Z", "Y", ""}));
    f.press("lo-");  // abandons the new entry: the cursor can move again
    EXPECT_EQ(f.unit().planEntry.entryColumn, 0);
    f.press("lo-", 3);  // row 1, row 0 (the empty row goes), the USE? line
    EXPECT_EQ(f.unit().pages.fpl.planCursorRow, -1);
    EXPECT_EQ(planIdents(f.plan(3)), (Idents{"Z", "Y"}));
}

TEST(FplPage, UnknownIdentifierIsCreatedOnSupBeforeItIsInserted) {
    FplBench f;
    f.press("li-");
    f.press("lcrsr");
    f.press("li-", 3);  // X: no airport of that name
    f.press("ent");
    EXPECT_EQ(f.unit().page.rightPageGroup, PG_SUP);
    EXPECT_EQ(f.unit().page.rightCursorOn, 1);
    EXPECT_EQ(f.unit().pages.sup.supLine, 0);  // the ENT that switched pages is not SUP's as well
    EXPECT_EQ(f.bench.row(Side::Right, 2), "CREATE NEW") << f.bench.dump();
    f.press("ent");  // USER POS?: N 47 30.00, W 122 18.00 digit by digit, each line with ENT
    for (const std::vector<int>& line :
         {std::vector<int>{1, 5, 8, 4, 1, 1, 1}, {2, 2, 3, 3, 2, 9, 1, 1}}) {
        EXPECT_EQ(planIdents(f.plan(3)), (Idents{""}));  // meanwhile ENT is the SUP page's
        for (size_t i = 0; i < line.size(); ++i) {
            f.press("ri+", line[i]);
            if (i + 1 < line.size()) f.press("ro+");
        }
        f.press("ent");
    }
    ASSERT_EQ(f.unit().db.userWaypointCount, 1);
    EXPECT_EQ(planIdents(f.plan(3)), (Idents{""}));
    f.press("ent");
    EXPECT_EQ(planRows(f.plan(3)).front(), "X,W,,47.50000,-122.30000");
}

// A plan built at its end keeps four waypoints above the cursor on the final row; away
// from the final row the cursor is the lowest of the four rows.
TEST(FplPage, PlanBuiltAtItsEndShowsFourWaypointsAboveTheCursor) {
    FplBench f;
    f.press("li-");
    f.press("lcrsr");
    struct Step {
        const char* presses;  // "Z"/"Y": enter that airport with two ENTs; "-"/"+": outer knob
        int32_t cursorRow;
        const char* rows;  // left rows 1 to 5 (y 24 to 120) joined by "|"
    };
    const Step steps[] = {
        {"ZYZY", 4, "  1:Z|  2:Y|  3:Z|  4:Y|  5:"},
        {"Z", 5, "  2:Y|  3:Z|  4:Y|  5:Z|  6:"},
        {"Y", 6, "  3:Z|  4:Y|  5:Z|  6:Y|  7:"},
        {"--", 5, "  2:Y|  3:Z|  4:Y|  5:Z|  6:Y"},  // abandon, then up: the empty row goes
        {"-", 4, "  2:Y|  3:Z|  4:Y|  5:Z|  6:Y"},   // not the final row: the lowest of four
        {"++", 6, "  3:Z|  4:Y|  5:Z|  6:Y|  7:"},  // past the final row: an empty one again
    };
    for (const Step& step : steps) {
        for (const char* c = step.presses; *c != '\0'; ++c) {
            if (*c == '-' || *c == '+') {
                f.press(*c == '-' ? "lo-" : "lo+");
                continue;
            }
            f.press("li-", *c == 'Z' ? 1 : 2);
            f.press("ent", 2);
        }
        SCOPED_TRACE(step.presses);
        EXPECT_EQ(f.unit().pages.fpl.planCursorRow, step.cursorRow);
        EXPECT_EQ(f.bench.rows(Side::Left, 1, 5), step.rows) << f.bench.dump();
    }
}

// The first inner-knob turn on a row without an entry opens the row on candidate 1, the
// empty text, when turned up, and on the last candidate when turned down.
TEST(FplPage, FirstInnerTurnOnARowStartsBeforeTheFirstCandidate) {
    struct Case {
        const char* knob;
        int turns;
        const char* cursorRow;  // the cursor row as drawn: the final row, at y 120
    };
    for (const Case& c : {Case{"li+", 1, "  1:"}, Case{"li+", 2, "  1:0"}, Case{"li+", 12, "  1:A"},
                          Case{"li-", 1, "  1:Z"}, Case{"li-", 2, "  1:Y"}}) {
        SCOPED_TRACE(std::string(c.knob) + " x" + std::to_string(c.turns));
        FplBench f;
        f.press("li-");
        f.press("lcrsr");
        f.press("lo-");  // the entry the cursor opened is abandoned: no entry on the row
        ASSERT_FALSE(planEntryInProgress(f.unit()));
        f.press(c.knob, c.turns);
        EXPECT_EQ(f.left(5), c.cursorRow) << f.bench.dump();
    }
}

// The blank plan always shows its final row; a changed copy of FPL 0 activated with CRSR
// stays in the blank plan, which a new plan started there clears.
TEST(FplPage, BlankPlanShowsItsFinalRowAndKeepsAnActivatedCopy) {
    FplBench f;
    struct Step {
        const char* presses;  // space-separated
        int32_t selectedPlan;
        const char* rows;  // left rows 0 to 5 joined by "|"
    };
    const Step steps[] = {
        {"li-", 3, "LOAD FPL 0?|||||  1:"},
        {"li+ li+ li+ lcrsr ent", 0, "  1:AAA|  2:BBB|  3:CCC|||"},  // FPL 2 activated
        {"lcrsr lo+ clr ent lcrsr", 0, "  1:AAA|  2:CCC||||"},       // BBB deleted, activated
        {"li-", 3, "LOAD FPL 0?|  1:AAA||||  2:CCC"},                 // the copy stays
        {"lcrsr lcrsr", 0, "  1:AAA|  2:CCC||||"},                    // a new plan, dropped
        {"li-", 3, "LOAD FPL 0?|||||  1:"},
    };
    for (const Step& step : steps) {
        std::string presses = step.presses;
        for (size_t start = 0; start < presses.size();) {
            const size_t end = std::min(presses.find(' ', start), presses.size());
            f.press(presses.substr(start, end - start).c_str());
            start = end + 1;
        }
        SCOPED_TRACE(step.presses);
        EXPECT_EQ(f.unit().fpl.selectedPlan, step.selectedPlan);
        EXPECT_EQ(f.bench.rows(Side::Left, 0, 5), step.rows) << f.bench.dump();
    }
}

// The middle y of the filled triangle drawn on the left page, or -1 when there is none.
float markMiddleY(TestBench& bench) {
    for (const DrawItem& item : bench.canvas().items()) {
        if (item.kind != DrawKind::FillPolygon || item.pointCount != 3) continue;
        const PointF& tip = bench.canvas().points()[static_cast<size_t>(item.firstPoint) + 1];
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
        const char* lastRow;
        float markMiddle;
    };
    for (const Case& c : {Case{1, "  1:W0", "  8:W7", 36.0f}, Case{3, "  1:W0", "  8:W7", 84.0f},
                          Case{5, "  3:W2", "  8:W7", 84.0f}, Case{7, "  3:W2", "  8:W7", 132.0f},
                          Case{kNoActiveRoute, "", "", -1.0f}}) {  // no route: no rows, no mark
        SCOPED_TRACE(c.to);
        f.unit().nav.leg.activeToIndex = c.to;
        f.bench.frames(1);
        EXPECT_EQ(f.left(0), c.firstRow);
        EXPECT_EQ(f.left(5), c.lastRow);
        EXPECT_EQ(markMiddleY(f.bench), c.markMiddle);
    }
}

}  // namespace
