// The SUP page: creating user waypoints at the present position and at an entered
// position, and what it does when the table is full.
#include <gtest/gtest.h>

#include "navdb/records.h"
#include "navdb/tables.h"
#include "tests/support/test_bench.h"

namespace {

struct SupBench {
    TestBench bench;
    SupBench() {
        bench.start();
        bench.powerOnAndSkipSelfTest();
        bench.setPosition(47.5, -122.3);
        bench.frames(2);
        bench.unit().page.rightPageGroup = PG_SUP;
    }
    Unit& unit() { return bench.unit(); }
    void press(const char* names, int times = 1) {
        for (int i = 0; i < times; ++i) bench.press(names);
    }
    // Starts an entry and names the waypoint; the cursor ends on "USER POS?".
    void enterIdent(const char* ident) {
        press("rcrsr");
        for (const char* c = ident; *c != '\0'; ++c) {
            // Full character set: entry 1 blank, then "0".."9", "A".."Z".
            const int steps = (*c >= 'A') ? 11 + (*c - 'A') : 1 + (*c - '0');
            press("ri+", steps);
            press("ro+");
        }
        press("ro+");
    }
    // Sets the digits of one coordinate line, position by position, then ENT.
    void enterLine(const std::vector<int>& steps) {
        for (size_t i = 0; i < steps.size(); ++i) {
            press("ri+", steps[i]);
            if (i + 1 < steps.size()) press("ro+");
        }
        press("ent");
    }
    const WaypointRecord& userWaypoint(int index) { return unit().db.userWaypoints[index]; }
};

TEST(SupPage, CreatesAtThePresentPosition) {
    SupBench f;
    f.enterIdent("ABC");
    EXPECT_EQ(f.unit().db.entryColumn, 6);
    EXPECT_EQ(f.bench.row(Side::Right, 2), "CREATE NEW") << f.bench.dump();
    EXPECT_EQ(f.bench.row(Side::Right, 4), "USER POS?");
    f.press("ro+");
    f.press("ent");
    ASSERT_EQ(f.unit().db.userWaypointCount, 1);
    const WaypointRecord& abc = f.userWaypoint(1);
    EXPECT_STREQ(abc.ident, "ABC");
    EXPECT_STREQ(abc.name, "ABC");
    EXPECT_STREQ(abc.typeText, "W");
    EXPECT_STREQ(abc.frequency, "");
    EXPECT_DOUBLE_EQ(abc.latitude, 47.5);
    EXPECT_DOUBLE_EQ(abc.longitude, -122.3);
    EXPECT_EQ(f.unit().page.rightCursorOn, 0);
    EXPECT_EQ(f.bench.row(Side::Right, 0), " ABC");
    EXPECT_EQ(f.bench.row(Side::Right, 4), "N 47\xB0" "30.00'");
    EXPECT_EQ(f.bench.row(Side::Right, 5), "W122\xB0" "18.00'");
}

TEST(SupPage, CreatesAtAnEnteredPositionAndAppendsEachCreation) {
    SupBench f;
    for (const char* ident : {"ABD", "ABE"}) {
        SCOPED_TRACE(ident);
        f.enterIdent(ident);
        f.press("ent");  // on "USER POS?": enter the position
        EXPECT_EQ(f.unit().fpl.supLine, 1);
        f.enterLine({1, 5, 8, 4, 1, 1, 1});        // N 47 30.00
        EXPECT_EQ(f.unit().fpl.supLine, 2);
        f.enterLine({2, 2, 3, 3, 2, 9, 1, 1});     // W 122 18.00
        EXPECT_EQ(f.unit().fpl.supLine, 0);
        EXPECT_EQ(f.unit().page.rightCursorOn, 0);
    }
    ASSERT_EQ(f.unit().db.userWaypointCount, 2);
    EXPECT_STREQ(f.userWaypoint(1).ident, "ABD");
    EXPECT_STREQ(f.userWaypoint(2).ident, "ABE");
    EXPECT_NEAR(f.userWaypoint(2).latitude, 47.5, 1e-9);
    EXPECT_NEAR(f.userWaypoint(2).longitude, -122.3, 1e-9);
    // Nothing waits for ENT: no plan is being edited.
    EXPECT_EQ(f.unit().fpl.confirmPending, 0);
}

TEST(SupPage, EnteringAnExistingIdentifierShowsItAndEntDoesNothing) {
    SupBench f;
    f.enterIdent("ABC");
    f.press("ro+");
    f.press("ent");
    f.enterIdent("AB");  // ABC begins with AB: it is shown, no creation is offered
    EXPECT_EQ(f.unit().db.currentUserWaypoint, 1);
    f.press("ent");
    EXPECT_EQ(f.unit().db.userWaypointCount, 1);
    EXPECT_EQ(f.unit().fpl.supLine, 0);
}

TEST(SupPage, FullTableAddsNothingAndSaysSo) {
    SupBench f;
    WaypointRecord filler{};
    std::snprintf(filler.ident, sizeof filler.ident, "%s", "ZZZZZ");
    while (addWaypoint(f.unit().db, kTypeUserWaypoint, filler) != 0) {
    }
    ASSERT_EQ(f.unit().db.userWaypointCount, kUserWaypointCapacity);
    f.enterIdent("Q");
    f.press("ro+");
    f.press("ent");
    EXPECT_EQ(f.unit().db.userWaypointCount, kUserWaypointCapacity);
    EXPECT_EQ(f.unit().fpl.confirmPending, 0);
    EXPECT_EQ(f.bench.row(Side::Right, 2), "TABLE FULL");
    f.press("ro-");  // "USER POS?": no coordinate entry is started either
    f.press("ent");
    EXPECT_EQ(f.unit().fpl.supLine, 0);
}

TEST(SupPage, NewEntryClearsAnEarlierCreationsPendingEnt) {
    SupBench f;
    f.unit().fpl.confirmPending = 1;
    f.press("rcrsr");
    EXPECT_EQ(f.unit().fpl.confirmPending, 0);
    EXPECT_EQ(f.unit().db.entryColumn, 1);
    // Leaving a coordinate entry with CRSR leaves nothing for the FPL page's ENT.
    f.press("rcrsr");
    f.enterIdent("K");
    f.press("ent");
    f.press("ent");  // latitude done: confirmPending is 2 during the longitude
    f.press("rcrsr");
    EXPECT_EQ(f.unit().fpl.confirmPending, 0);
    EXPECT_EQ(f.unit().fpl.supLine, 0);
}

}  // namespace
