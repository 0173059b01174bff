// Entering an identifier with the right-hand knobs on the APT, VOR, NDB and INT pages.
// The inner knob steps the character under the cursor through the characters that some
// identifier continues with; the outer knob moves the cursor; the page follows each step
// (its current record is FindByPrefix of the text entered so far).
//
// The state lives in NavDbState: entryText (with the character under the cursor),
// entryChar, entryColumn (1 = first character), nextChars/nextCharCount/nextCharPos.
#pragma once

struct Unit;

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
