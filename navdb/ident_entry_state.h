// The state of one identifier entry with the knobs: the characters entered before the
// cursor, the character under the cursor, the cursor's column and the list of characters
// the cursor position may take.
//
// The unit keeps two: one for the right-hand waypoint pages (APT, VOR, NDB, INT and SUP;
// only one of them edits at a time) and one for the FPL page's plan editor on the left,
// since a plan entry may hand over to the SUP page while it is still open.
#pragma once

#include <cstdint>

#include "navdb/records.h"

constexpr int32_t kNextCharCapacity = 50;  // next-character list entries 1..50

// Which tables restrict an entry's characters: on the waypoint pages the airport, VOR,
// NDB and intersection tables do; in the plan editor only the intersection table does.
enum class CharListRule : int32_t { WaypointPages, PlanEditor };

struct IdentEntry {
    CharListRule rule = CharListRule::WaypointPages;
    char entryText[kIdentSize] = {};  // the characters before the cursor
    char entryChar = '\0';            // the character under the cursor; '\0' = the empty text
    int32_t entryColumn = 0;          // cursor position, 1 = first character; 0 = no entry
    // Entries 1..nextCharCount; entry 1 is always the empty text, then the characters
    // that may stand at the cursor.
    char nextChars[kNextCharCapacity + 1] = {};
    int32_t nextCharCount = 0;
    int32_t nextCharPos = 0;  // which entry entryChar is; 0 = none chosen
};
