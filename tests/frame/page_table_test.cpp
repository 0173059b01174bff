// The page table: a row for every group on the sides its cycle shows it, and the order in
// which the two pages see a press of ENT.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "frame/pages/page_table.h"
#include "frame/unit.h"
#include "tests/support/test_bench.h"

namespace {

TEST(PageTable, EveryGroupHasOneRowOnTheSidesItIsShown) {
    for (int32_t group = PG_NONE; group <= kLastPageGroup + 1; ++group) {
        SCOPED_TRACE(group);
        const PageEntry* left = findPage(group, PageSide::Left);
        const PageEntry* right = findPage(group, PageSide::Right);
        if (!isPageGroup(group)) {
            EXPECT_EQ(left, nullptr);
            EXPECT_EQ(right, nullptr);
            continue;
        }
        const PageEntry* entry = left != nullptr ? left : right;
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->group, group);
        EXPECT_NE(entry->run, nullptr);
        // Only left pages hide anything, and only the self-test page has no label.
        if (entry->cover != PageCover::None) {
            EXPECT_NE(left, nullptr);
        }
        EXPECT_EQ(std::strlen(entry->label) == 0, group == PG_SELF_TEST);
    }
    for (PageGroup group : kLeftPageCycle) EXPECT_NE(findPage(group, PageSide::Left), nullptr) << group;
    for (PageGroup group : kRightPageCycle) EXPECT_NE(findPage(group, PageSide::Right), nullptr) << group;
    // NAV is the one group of both cycles; the APT page never draws on the left.
    EXPECT_EQ(findPage(PG_NAV, PageSide::Left), findPage(PG_NAV, PageSide::Right));
    EXPECT_EQ(findPage(PG_APT, PageSide::Left), nullptr);
    EXPECT_EQ(findPage(PG_FPL, PageSide::Right), nullptr);
}

// A powered unit with FPL 2 = AAA BBB CCC chosen and its cursor on (the USE? line), and
// the SUP page on the right with an unknown identifier "Q" being entered.
struct EntBench {
    TestBench bench;
    EntBench() {
        bench.root().write("Halcyra Software/Tarnwick/FlightPlans/abc.rte",
                           "[FlightPlan]\r\nAAA 47 -122 APT\r\nBBB 47.5 -122.5 VOR 116.80\r\n"
                           "CCC 48 -123 APT\r\n");
        bench.start();
        bench.powerOnAndSkipSelfTest();
        bench.press("lo-");  // NAV -> FPL
        bench.press("li+");
        bench.press("li+");  // FPL 2
        bench.press("lcrsr");
        Unit& unit = bench.unit();
        unit.page.rightPageGroup = PG_SUP;
        unit.page.rightCursorOn = 1;
        std::strcpy(unit.identEntry.entryText, "Q");
        unit.identEntry.entryChar = '\0';
        unit.identEntry.entryColumn = 2;
        unit.db.currentUserWaypoint = 0;
    }
};

TEST(PageTable, PagesSeeEntLeftFirstAndOnlyWhatTheLeftPageLeft) {
    // The FPL page activates the stored plan without taking ENT, so the SUP page acts on
    // the same press and starts the coordinate entry of "Q".
    EntBench f;
    ASSERT_EQ(f.bench.unit().fpl.selectedPlan, 2);
    f.bench.press("ent");
    EXPECT_EQ(f.bench.unit().fpl.selectedPlan, 0);
    EXPECT_EQ(f.bench.unit().fpl.activeLastIndex, 2);
    EXPECT_EQ(f.bench.unit().pages.sup.supLine, 1);

    // The FPL page's hand-over to SUP takes ENT: tests/fpl/fpl_page_test.cpp
    // (UnknownIdentifierIsCreatedOnSupBeforeItIsInserted).
}

}  // namespace
