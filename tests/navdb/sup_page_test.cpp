// The SUP page: creating user waypoints at the present position and at an entered
// position, and what it does when the table is full.
#include <gtest/gtest.h>

#include <cstring>

#include "navdb/ident_entry.h"
#include "navdb/records.h"
#include "navdb/tables.h"
#include "navdb/user_waypoints.h"
#include "tests/support/test_bench.h"

namespace {

using Texts = std::vector<std::string>;

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
    std::string right(int row) { return bench.row(Side::Right, row); }
    void press(const char* names, int times = 1) { bench.press(names, times); }
    // Turns the character under the cursor from the blank to `c`.
    void turnTo(char c) {
        // Full character set: entry 1 blank, then "0".."9", "A".."Z".
        press("ri+", (c >= 'A') ? 11 + (c - 'A') : 1 + (c - '0'));
    }
    // Starts an entry and names the waypoint; the cursor ends on "USER POS?".
    void enterIdent(const char* ident) {
        press("rcrsr");
        for (const char* c = ident; *c != '\0'; ++c) {
            turnTo(*c);
            press("ro+");
        }
        press("ro+");
    }
    // User waypoints AAA, BBB and CCC, the page showing waypoint `shown`.
    void addThree(int32_t shown) {
        for (const char* ident : {"AAA", "BBB", "CCC"}) {
            WaypointRecord record{};
            std::snprintf(record.ident, sizeof record.ident, "%s", ident);
            addWaypoint(unit().db, kTypeUserWaypoint, record);
        }
        unit().db.currentUserWaypoint = shown;
        bench.frames(1);
    }
};

TEST(SupPage, CreatesAtThePresentOrAnEnteredPositionThenShowsThemForAPrefix) {
    SupBench f;
    f.enterIdent("ABC");
    EXPECT_EQ(f.unit().identEntry.entryColumn, 6);
    EXPECT_EQ(f.right(2), "CREATE NEW") << f.bench.dump();
    EXPECT_EQ(f.right(4), "USER POS?");
    f.press("ro+");
    f.press("ent");
    ASSERT_EQ(f.unit().db.userWaypointCount, 1);
    const WaypointRecord& abc = f.unit().db.userWaypoints[1];
    EXPECT_EQ((Texts{abc.ident, abc.name, abc.typeText, abc.frequency}),
              (Texts{"ABC", "ABC", "W", ""}));
    EXPECT_DOUBLE_EQ(abc.latitude, 47.5);
    EXPECT_DOUBLE_EQ(abc.longitude, -122.3);
    EXPECT_EQ(f.unit().page.rightCursorOn, 0);
    EXPECT_EQ((Texts{f.right(0), f.right(4), f.right(5)}),
              (Texts{" ABC", "N 47\xB0" "30.00'", "W122\xB0" "18.00'"}));

    f.enterIdent("ABD");
    f.press("ent");  // on "USER POS?": N 46 15.00 then W 121 30.00, digit by digit
    int32_t line = 1;
    for (const std::vector<int>& steps :
         {std::vector<int>{1, 5, 7, 2, 6, 1, 1}, {2, 2, 3, 2, 4, 1, 1, 1}}) {
        EXPECT_EQ(f.unit().pages.sup.supLine, line++);
        for (size_t i = 0; i < steps.size(); ++i) {
            f.press("ri+", steps[i]);
            if (i + 1 < steps.size()) f.press("ro+");
        }
        f.press("ent");
    }
    EXPECT_EQ(f.unit().pages.sup.supLine, 0);
    EXPECT_EQ(f.unit().page.rightCursorOn, 0);
    ASSERT_EQ(f.unit().db.userWaypointCount, 2);
    EXPECT_STREQ(f.unit().db.userWaypoints[2].ident, "ABD");
    EXPECT_NEAR(f.unit().db.userWaypoints[2].latitude, 46.25, 1e-9);
    EXPECT_NEAR(f.unit().db.userWaypoints[2].longitude, -121.5, 1e-9);
    EXPECT_EQ(f.unit().pages.fpl.confirmPending, 0);  // no plan is being edited: nothing waits for ENT

    f.enterIdent("AB");  // ABC begins with AB: it is shown, no creation is offered
    EXPECT_EQ(f.unit().db.currentUserWaypoint, 1);
    f.press("ent");
    EXPECT_EQ(f.unit().db.userWaypointCount, 2);
    EXPECT_EQ(f.unit().pages.sup.supLine, 0);
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
    EXPECT_EQ(f.unit().pages.fpl.confirmPending, 0);
    EXPECT_EQ(f.right(2), "TABLE FULL");
    f.press("ro-");  // "USER POS?": no coordinate entry is started either
    f.press("ent");
    EXPECT_EQ(f.unit().pages.sup.supLine, 0);
}

TEST(SupPage, NewEntryClearsAnEarlierCreationsPendingEnt) {
    SupBench f;
    f.unit().pages.fpl.confirmPending = 1;
    f.press("rcrsr");
    EXPECT_EQ(f.unit().pages.fpl.confirmPending, 0);
    EXPECT_EQ(f.unit().identEntry.entryColumn, 1);
    // Leaving a coordinate entry with CRSR leaves nothing for the FPL page's ENT.
    f.press("rcrsr");
    f.enterIdent("K");
    f.press("ent", 2);  // the latitude is done
    EXPECT_EQ(f.unit().pages.fpl.confirmPending, 2);
    f.press("rcrsr");
    EXPECT_EQ(f.unit().pages.fpl.confirmPending, 0);
    EXPECT_EQ(f.unit().pages.sup.supLine, 0);
}

// An entry that ends without a user waypoint to show brings back the one shown before it;
// one that found a waypoint keeps showing it.
TEST(SupPage, AbandonedEntryShowsTheWaypointShownBefore) {
    struct Case {
        int32_t shown;
        const char* ident;  // entered before CRSR ("" none)
        bool coordinates;   // ENT on "USER POS?" first: the coordinate entry is left
        const char* row0;
    };
    for (const Case& c : {Case{2, "", false, " BBB"}, Case{3, "Q", false, " CCC"},
                          Case{1, "Q", true, " AAA"}, Case{1, "C", false, " CCC"}}) {
        SCOPED_TRACE(std::string(c.ident) + " from " + std::to_string(c.shown));
        SupBench f;
        f.addThree(c.shown);
        f.press("rcrsr");
        if (*c.ident != '\0') f.turnTo(*c.ident);
        if (c.coordinates) {
            f.press("ro+");
            f.press("ent");
            ASSERT_EQ(f.unit().pages.sup.supLine, 1);
        }
        f.press("rcrsr");
        EXPECT_EQ(f.unit().page.rightCursorOn, 0);
        EXPECT_EQ(f.right(0), c.row0) << f.bench.dump();
        EXPECT_EQ(f.unit().pages.fpl.confirmPending, 0);
    }
}

// ENT acts only once a character stands before the cursor: the character under it alone
// names nothing yet.
TEST(SupPage, EntActsOnlyWithCharactersBeforeTheCursor) {
    struct Case {
        const char* ident;  // turned in, one column each
        bool cursorRight;   // outer knob up after the last character
        int32_t supLine;    // after ENT
    };
    for (const Case& c : {Case{"A", false, 0}, Case{"A", true, 1}, Case{"AB", false, 1},
                          Case{"", false, 0}, Case{"", true, 0}}) {
        SCOPED_TRACE(std::string(c.ident) + (c.cursorRight ? " >" : ""));
        SupBench f;
        f.press("rcrsr");
        for (const char* ch = c.ident; *ch != '\0'; ++ch) {
            if (ch != c.ident) f.press("ro+");
            f.turnTo(*ch);
        }
        if (c.cursorRight) f.press("ro+");
        f.press("ent");
        EXPECT_EQ(f.unit().pages.sup.supLine, c.supLine);
        EXPECT_EQ(f.unit().pages.fpl.confirmPending, c.supLine);
        EXPECT_EQ(f.bench.dump().find("\"ENR-LEG\"") != std::string::npos, c.supLine == 1);
    }
    // The creation itself takes the same test.
    SupBench f;
    IdentEntry& entry = f.unit().identEntry;
    entry = IdentEntry{};
    entry.entryChar = 'A';
    EXPECT_FALSE(CreateUserWaypoint(f.unit(), UserWaypointPlace::PresentPosition));
    std::snprintf(entry.entryText, sizeof entry.entryText, "%s", "A");
    EXPECT_TRUE(CreateUserWaypoint(f.unit(), UserWaypointPlace::PresentPosition));
    EXPECT_STREQ(f.unit().db.userWaypoints[1].ident, "AA");
}

// The inverse box of the character under the cursor stands on that character.
TEST(SupPage, CursorBoxLinesUpWithItsCharacter) {
    for (const char* ident : {"A", "AB", "ABC", "ABCDE"}) {
        SCOPED_TRACE(ident);
        SupBench f;
        f.press("rcrsr");
        for (const char* ch = ident; *ch != '\0'; ++ch) {
            if (ch != ident) f.press("ro+");
            f.turnTo(*ch);
        }
        const float charX = 184.0f + 5.0f + 16.0f * static_cast<float>(std::strlen(ident));
        int boxes = 0;
        for (const DrawItem& item : f.bench.canvas().items()) {
            if (item.kind == DrawKind::FillRect && item.y == 4.0f && item.x > 184.0f) {
                ++boxes;
                EXPECT_EQ(item.x, charX);
            }
        }
        EXPECT_EQ(boxes, 1) << f.bench.dump();
        EXPECT_EQ(f.bench.textAt(charX, 0.0f), std::string(1, ident[std::strlen(ident) - 1]));
    }
}

// On "USER POS?" and "PRES POS?" the inner knob changes nothing: no character is added.
TEST(SupPage, InnerKnobDoesNothingOnTheCreationChoices) {
    for (const char* knob : {"ri+", "ri-"}) {
        for (int choice : {6, 7}) {
            SCOPED_TRACE(std::string(knob) + " on " + std::to_string(choice));
            SupBench f;
            f.enterIdent("AB");
            if (choice == 7) f.press("ro+");
            f.press(knob, 3);
            EXPECT_EQ(f.unit().identEntry.entryColumn, choice);
            EXPECT_EQ(f.right(0), " AB");
            f.press("ent");  // PRES POS? creates AB; USER POS? opens the coordinate entry
            EXPECT_EQ(f.unit().db.userWaypointCount, choice == 7 ? 1 : 0);
            if (choice == 7) {
                EXPECT_STREQ(f.unit().db.userWaypoints[1].ident, "AB");
            }
        }
    }
}

}  // namespace
