// Entering an identifier with the right knobs, character by character.
#include "navdb/ident_entry.h"

#include <gtest/gtest.h>

#include <cstring>

#include "navdb/lookup.h"
#include "navdb_test_support.h"

namespace {

// The identifier entered so far, the character under the cursor included.
std::string entered(const Unit& unit) { return enteredIdent(unit.identEntry).text; }

class WaypointIdentEntry : public ::testing::Test {
protected:
    WaypointIdentEntry() : unit_(std::make_unique<Unit>()), unit(*unit_) {
        for (const char* ident : {"BIG", "BNN", "BPK", "CPT", "DET", "DTY"}) {
            addWaypoint(unit.db, kTypeVor, makeWaypoint(ident, 0, 0, "VOR"));
        }
    }
    const char* currentIdent() { return recordIdent(unit.db, kTypeVor, unit.db.currentVor); }
    std::unique_ptr<Unit> unit_;
    Unit& unit;
};

TEST_F(WaypointIdentEntry, StartsOnTheFirstCharacterAndWrapsPastTheEmptyEntry) {
    unit.db.currentVor = 5;
    unit.events.evtRightCrsr = 1;
    EXPECT_TRUE(handleIdentEntryEvents(unit, kTypeVor));
    EXPECT_EQ(unit.page.rightCursorOn, 1);
    EXPECT_EQ(unit.events.evtRightCrsr, 0);
    EXPECT_EQ(entered(unit), "B");
    EXPECT_EQ(unit.identEntry.entryColumn, 1);
    EXPECT_STREQ(currentIdent(), "BIG");

    identEntryNextChar(unit, kTypeVor);  // list: empty, B, C, D
    EXPECT_EQ(entered(unit), "C");
    EXPECT_STREQ(currentIdent(), "CPT");
    identEntryNextChar(unit, kTypeVor);
    identEntryNextChar(unit, kTypeVor);  // past the last: position 2, never the empty entry
    EXPECT_EQ(unit.identEntry.nextCharPos, 2);
    EXPECT_EQ(entered(unit), "B");
    identEntryPreviousChar(unit, kTypeVor);  // below position 2: the last entry
    EXPECT_EQ(entered(unit), "D");
    EXPECT_STREQ(currentIdent(), "DET");

    unit.events.evtRightCrsr = 1;  // cursor off keeps the record
    EXPECT_FALSE(handleIdentEntryEvents(unit, kTypeVor));
    EXPECT_EQ(unit.page.rightCursorOn, 0);
    EXPECT_STREQ(currentIdent(), "DET");
}

TEST_F(WaypointIdentEntry, CursorMovesRightOnlyWhereAnIdentifierContinues) {
    startIdentEntry(unit, kTypeVor);
    identEntryCursorRight(unit, kTypeVor);  // B -> BI (list: empty, I, N, P)
    EXPECT_EQ(entered(unit), "BI");
    EXPECT_EQ(unit.identEntry.entryColumn, 2);
    identEntryNextChar(unit, kTypeVor);
    identEntryNextChar(unit, kTypeVor);
    EXPECT_EQ(entered(unit), "BP");
    EXPECT_STREQ(currentIdent(), "BPK");
    identEntryCursorRight(unit, kTypeVor);
    EXPECT_EQ(entered(unit), "BPK");
    identEntryCursorRight(unit, kTypeVor);  // nothing continues BPK: nothing changes
    EXPECT_EQ(entered(unit), "BPK");
    EXPECT_EQ(unit.identEntry.entryColumn, 3);
    EXPECT_EQ(unit.identEntry.nextCharCount, 2);
    EXPECT_EQ(unit.identEntry.nextChars[2], 'K');

    identEntryCursorLeft(unit, kTypeVor);  // back to the P of BP, found in its list
    EXPECT_EQ(entered(unit), "BP");
    EXPECT_EQ(unit.identEntry.entryChar, 'P');
    EXPECT_EQ(unit.identEntry.nextCharPos, 4);
    identEntryPreviousChar(unit, kTypeVor);
    EXPECT_STREQ(currentIdent(), "BNN");
    identEntryCursorLeft(unit, kTypeVor);
    identEntryCursorLeft(unit, kTypeVor);  // column 1: nothing happens
    EXPECT_EQ(entered(unit), "B");
    EXPECT_EQ(unit.identEntry.entryColumn, 1);
}

TEST(IdentEntryEmptyTable, KnobsDoNothingWithoutCharacters) {
    auto unit = std::make_unique<Unit>();
    startIdentEntry(*unit, kTypeNdb);
    EXPECT_EQ(entered(*unit), "");
    identEntryNextChar(*unit, kTypeNdb);
    identEntryPreviousChar(*unit, kTypeNdb);
    identEntryCursorRight(*unit, kTypeNdb);
    EXPECT_EQ(entered(*unit), "");
    EXPECT_EQ(unit->identEntry.entryChar, '\0');
}

}  // namespace

namespace {

// Found by the long soak: the shared entry's list position could point past a list that
// was chosen from or rebuilt shorter, which the next step would read beyond.
TEST_F(WaypointIdentEntry, ListPositionNeverPointsPastTheList) {
    IdentEntry& entry = unit.identEntry;
    BuildEntryChars(unit, entry, kTypeVor, "B");  // empty, I, N, P
    chooseIdentChar(entry, 9);
    EXPECT_EQ(entry.nextCharPos, 0);
    EXPECT_EQ(entry.entryChar, '\0');

    chooseIdentChar(entry, 4);
    BuildEntryChars(unit, entry, kTypeVor, "BI");  // empty, G
    EXPECT_LE(entry.nextCharPos, entry.nextCharCount);

    std::strcpy(entry.entryText, "BX");  // X from another table: not in the rebuilt list
    EXPECT_FALSE(takeBackIdentChar(unit, entry, kTypeVor));
    EXPECT_EQ(entry.nextCharPos, 0);
    EXPECT_EQ(entered(unit), "BX");
}

}  // namespace
