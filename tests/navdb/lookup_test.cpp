// Identifier lookups, the selected waypoint, duplicates and next-character lists.
#include "navdb/lookup.h"

#include <gtest/gtest.h>

#include <string>

#include "navdb_test_support.h"

namespace {

class Lookup : public ::testing::Test {
protected:
    Lookup() : unit_(std::make_unique<Unit>()), unit(*unit_) {}
    // A character list as text, the empty entry shown as "_".
    static std::string listText(const char* list, int32_t count) {
        std::string text;
        for (int i = 1; i <= count; ++i) text += list[i] == '\0' ? '_' : list[i];
        return text;
    }
    std::string nextChars() const {
        return listText(unit.identEntry.nextChars, unit.identEntry.nextCharCount);
    }
    std::string planChars() const {
        return listText(unit.planEntry.nextChars, unit.planEntry.nextCharCount);
    }
    std::unique_ptr<Unit> unit_;
    Unit& unit;
};

TEST_F(Lookup, ExactMatchIsCaseSensitiveWholeIdentifierFirstInOrder) {
    addWaypoint(unit.db, kTypeVor, makeWaypoint("ABCD", 1, 1, "VOR"));
    addWaypoint(unit.db, kTypeVor, makeWaypoint("ABC", 2, 2, "VOR"));
    addWaypoint(unit.db, kTypeVor, makeWaypoint("abc", 3, 3, "VOR"));
    addWaypoint(unit.db, kTypeVor, makeWaypoint("ABC", 4, 4, "VOR"));
    unit.db.currentVor = 1;
    EXPECT_TRUE(FindExact(unit, "ABC", kTypeVor));
    EXPECT_EQ(unit.db.currentVor, 2);
    EXPECT_TRUE(FindExact(unit, "abc", kTypeVor));
    EXPECT_FALSE(FindExact(unit, "AB", kTypeVor));
    EXPECT_FALSE(FindExact(unit, "ABCDEFGHIJKLMNOP", kTypeVor));
    EXPECT_FALSE(FindExact(unit, "ABC", 'X'));
    EXPECT_EQ(unit.db.currentVor, 3);  // failed searches keep the record
}

TEST_F(Lookup, PrefixSelectsFirstMatchAndUserWaypointsFallToZero) {
    addWaypoint(unit.db, kTypeVor, makeWaypoint("XYZ", 0, 0, "VOR"));
    addWaypoint(unit.db, kTypeVor, makeWaypoint("ABQ", 0, 0, "VOR"));
    addWaypoint(unit.db, kTypeUserWaypoint, makeWaypoint("XYZ", 0, 0, "WPT"));
    addWaypoint(unit.db, kTypeUserWaypoint, makeWaypoint("ABC", 0, 0, "WPT"));
    unit.db.currentVor = 2;
    FindByPrefix(unit, "", kTypeVor);
    EXPECT_EQ(unit.db.currentVor, 1);
    FindByPrefix(unit, "AB", kTypeVor);
    EXPECT_EQ(unit.db.currentVor, 2);
    FindByPrefix(unit, "XY2", kTypeVor);
    EXPECT_EQ(unit.db.currentVor, 2);  // unchanged

    FindByPrefix(unit, "AB", kTypeUserWaypoint);
    EXPECT_EQ(unit.db.currentUserWaypoint, 2);
    FindByPrefix(unit, "XY2", kTypeUserWaypoint);
    EXPECT_EQ(unit.db.currentUserWaypoint, 0);
    unit.db.currentUserWaypoint = 1;
    FindByPrefix(unit, "", kTypeUserWaypoint);
    EXPECT_EQ(unit.db.currentUserWaypoint, 0);
}

TEST_F(Lookup, SelectedWaypointFromEachKind) {
    addTestAirport(unit, "EGLL", 51.4775, -0.4614);
    addWaypoint(unit.db, kTypeNdb, makeWaypoint("WCO", 51.85, -0.96, "NDB", "335"));
    addWaypoint(unit.db, kTypeVor, makeWaypoint("ABC", 5, 6, "VOR", "113.10"));

    ASSERT_TRUE(SelectWaypoint(unit, "WCO", kTypeNdb));
    const PlanWaypoint& selected = unit.db.candidates[1];
    EXPECT_STREQ(selected.ident, "WCO");
    EXPECT_STREQ(selected.type, "NDB");
    EXPECT_EQ(selected.longitude, -0.96);
    EXPECT_STREQ(selected.frequency, "");

    EXPECT_FALSE(SelectWaypoint(unit, "ABC", kTypeNdb));  // only a VOR
    EXPECT_STREQ(selected.ident, "WCO");

    unit.db.candidates[1].reservedValue1 = -999.0;
    copyField(unit.db.candidates[1].column6Text, "stale");
    LoadSelectedWaypoint(unit, kTypeAirport);
    EXPECT_STREQ(selected.ident, "EGLL");
    EXPECT_STREQ(selected.type, "APT");
    EXPECT_EQ(selected.reservedValue1, 0.0);
    EXPECT_STREQ(selected.column6Text, "");

    copyField(unit.identEntry.entryText, "HERE");
    unit.nav.aircraft.presentLat = 12.5;
    unit.nav.aircraft.presentLon = -7.25;
    LoadSelectedWaypoint(unit, kTypePresentPosition);
    EXPECT_STREQ(selected.ident, "HERE");
    EXPECT_STREQ(selected.type, "W");
    EXPECT_EQ(selected.longitude, -7.25);

    LoadSelectedWaypoint(unit, 'Q');
    EXPECT_STREQ(selected.type, "");

    unit.db.currentIntersection = 1;  // the intersection table is empty
    LoadSelectedWaypoint(unit, kTypeIntersection);
    EXPECT_STREQ(selected.ident, "");
}

TEST_F(Lookup, DuplicatesInKindOrderAndChoosingOne) {
    addWaypoint(unit.db, kTypeNdb, makeWaypoint("OX", 3, 4, "NDB", "367"));
    addTestAirport(unit, "OX", 1, 2);
    addWaypoint(unit.db, kTypeUserWaypoint, makeWaypoint("OX", 7, 8, "WPT"));
    addWaypoint(unit.db, kTypeIntersection, makeWaypoint("OXO", 5, 6));
    ListDuplicates(unit, "OX");
    ASSERT_EQ(unit.db.candidateCount, 3);
    EXPECT_STREQ(unit.db.candidates[1].type, "APT");
    EXPECT_STREQ(unit.db.candidates[2].type, "NDB");
    EXPECT_STREQ(unit.db.candidates[2].frequency, "367");
    EXPECT_EQ(unit.db.candidates[2].recordIndex, 1);
    EXPECT_STREQ(unit.db.candidates[3].type, "WPT");

    ChooseCandidate(unit, 2);
    EXPECT_STREQ(unit.db.candidates[1].type, "NDB");
    EXPECT_EQ(unit.db.candidates[1].latitude, 3.0);
    ChooseCandidate(unit, 4);  // beyond the list: nothing changes
    EXPECT_STREQ(unit.db.candidates[1].type, "NDB");

    // The list holds at most 200 candidates.
    for (int i = 0; i < 250; ++i) addWaypoint(unit.db, kTypeIntersection, makeWaypoint("SAME", i, 0));
    ListDuplicates(unit, "SAME");
    EXPECT_EQ(unit.db.candidateCount, 200);
    EXPECT_EQ(unit.db.candidates[200].recordIndex, 201);  // after OXO, intersection 1
}

TEST_F(Lookup, NextCharactersFollowTheTable) {
    for (const char* ident : {"KAAA", "KABC", "KBBB"}) addTestAirport(unit, ident);
    BuildNextChars(unit, kTypeAirport, "K");
    EXPECT_EQ(nextChars(), "_AB");
    BuildNextChars(unit, kTypeAirport, "KA");
    EXPECT_EQ(nextChars(), "_AB");
    BuildNextChars(unit, kTypeAirport, "KAAA");  // no identifier is longer
    EXPECT_EQ(nextChars(), "_");
    BuildNextChars(unit, kTypeVor, "");  // empty table
    EXPECT_EQ(nextChars(), "_");

    // Unsorted: every repeat is dropped, the rest keep the order they first appear in.
    for (const char* ident : {"AC", "AB", "AC", "AD", "AB"}) addWaypoint(unit.db, kTypeNdb, makeWaypoint(ident));
    BuildNextChars(unit, kTypeNdb, "A");
    EXPECT_EQ(nextChars(), "_CBD");
}

TEST_F(Lookup, NextCharactersFullSetAndFiftyEntryLimit) {
    const std::string fullSet = "_0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    BuildNextChars(unit, kTypeUserWaypoint, "ANY");
    EXPECT_EQ(nextChars(), fullSet);
    BuildPlanChars(unit, kTypeAirport, "");  // only intersections restrict plan entry
    EXPECT_EQ(planChars(), fullSet);

    // Repeats in an unsorted table take no room: C, after sixty alternating A and B, is
    // still offered. Distinct characters fill the list up to its fifty entries.
    const std::string pairs = [] {
        std::string text;
        for (int i = 0; i < 30; ++i) text += "AB";
        return text + "C";
    }();
    const std::string distinct = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    for (const std::string* chars : {&pairs, &distinct}) {
        for (char c : *chars) {
            const char ident[] = {chars == &pairs ? 'Z' : 'Y', c, '\0'};
            addWaypoint(unit.db, kTypeIntersection, makeWaypoint(ident));
        }
    }
    BuildPlanChars(unit, kTypeIntersection, "Z");
    EXPECT_EQ(planChars(), "_ABC");
    BuildPlanChars(unit, kTypeIntersection, "Y");
    EXPECT_EQ(planChars(), std::string("_").append(distinct, 0, 49));
}

}  // namespace
