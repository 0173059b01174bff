// Entering an identifier with the knobs, character by character.
//
// The operations on an IdentEntry are shared by every page that enters identifiers: the
// APT, VOR, NDB and INT pages, the SUP page and the FPL page's plan editor. The inner knob
// steps the character under the cursor through the entry's next-character list, the outer
// knob moves the cursor; the identifier entered so far is entryText followed by entryChar.
//
// Below them, the procedure the APT, VOR, NDB and INT pages share: there the page follows
// each step (its current record is FindByPrefix of the identifier entered so far), and the
// empty first list entry is never chosen.
#pragma once

#include <cstdint>

#include "frame/page_state.h"
#include "navdb/ident_entry_state.h"

struct Unit;

// The identifier entered so far: the characters before the cursor and the one under it.
struct EnteredIdent {
    char text[kIdentSize + 1];
};
EnteredIdent enteredIdent(const IdentEntry& entry);

// True while an entry is open (a column or a list entry is chosen).
bool identEntryInProgress(const IdentEntry& entry);

// Finishes or abandons an entry: no text, no character, no column, no list entry chosen.
void clearIdentEntry(IdentEntry& entry);

// Opens an entry at column 1 with nothing entered and the list for an empty text.
// Returns true when the list offers a character (more than the empty entry).
bool beginIdentEntry(Unit& unit, IdentEntry& entry, char typeLetter);

// Puts list entry `position` under the cursor (the empty text outside 1..count).
void chooseIdentChar(IdentEntry& entry, int32_t position);

// Steps the character under the cursor by `step` (+1 up, -1 down) through the list
// entries lowest..count, wrapping at both ends. Returns false, changing nothing, when the
// list has no entry at or above `lowest`.
bool stepIdentChar(IdentEntry& entry, int32_t step, int32_t lowest);

// Builds the list for the identifier entered so far. When it offers a character the new
// list stays and true is returned; otherwise the previous list is kept.
bool continueIdentList(Unit& unit, IdentEntry& entry, char typeLetter);

// Cursor right: the character under the cursor joins the text, the column grows by one
// and list entry `firstChoice` comes under the cursor.
void advanceIdentColumn(IdentEntry& entry, int32_t firstChoice);

// The last character of the text comes back under the cursor: the list is rebuilt for the
// shorter text and the character's list entry chosen. Returns false when the text is empty
// (nothing changes) or the character is not in the new list (the list entry stays).
// The column is the caller's to set.
bool takeBackIdentChar(Unit& unit, IdentEntry& entry, char typeLetter);

// The page's current record of the letter becomes the first one that begins with the
// identifier entered so far (FindByPrefix).
void followIdentEntry(Unit& unit, const IdentEntry& entry, char typeLetter);

// ---- the APT, VOR, NDB and INT pages (unit.identEntry) ----

// Starts an entry: right cursor on, column 1, current record 1, then the first
// character that any identifier begins with (when the table is not empty).
void startIdentEntry(Unit& unit, char typeLetter);
// Inner knob up / down: next / previous character, wrapping within entries 2..count.
void identEntryNextChar(Unit& unit, char typeLetter);
void identEntryPreviousChar(Unit& unit, char typeLetter);
// Outer knob up: a new character position, when some identifier continues the text.
void identEntryCursorRight(Unit& unit, char typeLetter);
// Outer knob down: back one position (from column 2 on).
void identEntryCursorLeft(Unit& unit, char typeLetter);

// Acts on the pending right-hand events for a waypoint page with an identifier field:
// evtRightCrsr starts an entry (cursor off) or ends it (cursor on); with the cursor on,
// the four knob events drive the entry. Consumed events are cleared. Returns true when
// the cursor is on after the call (the page then leaves the knobs to the entry).
bool handleIdentEntryEvents(Unit& unit, char typeLetter);

// The table letter of a right page that shows one waypoint (APT, VOR, NDB, INT or SUP),
// or '\0' beside any other page.
char waypointPageLetter(PageGroup group);

// The letter whose table offers a left-page entry's characters: the right waypoint page's
// table, or the user waypoint letter (the full set) beside any other page.
char entryLetterBeside(PageGroup rightPageGroup);
