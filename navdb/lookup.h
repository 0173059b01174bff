// Finding waypoints by identifier: exact and prefix lookups that set the current record of
// a table, the selected waypoint (candidate 1), the duplicate list, and the lists of
// characters that may follow an entered prefix.
//
// Identifiers compare as exact byte sequences, case-sensitive; the first record in table
// order wins. Type letters are those of navdb/records.h ('A', 'V', 'N', 'I', 'W', 'P').
// Every operation is a linear scan without allocation.
#pragma once

#include <cstdint>
#include <string_view>

struct Unit;
struct NavDbState;
struct IdentEntry;

// Count of the table of a letter (0 for a letter without a table).
int32_t tableCount(const NavDbState& db, char typeLetter);
// Identifier of record `index` of a letter's table, or "" when out of 1..count.
const char* recordIdent(const NavDbState& db, char typeLetter, int32_t index);
// The current-record index of a letter, or null for a letter without a table.
int32_t* currentIndex(NavDbState& db, char typeLetter);

// Sets the current index of the letter to the first record whose identifier equals
// `ident` and returns true; returns false and changes nothing when none does.
bool FindExact(Unit& unit, std::string_view ident, char typeLetter);

// Sets the current index to the first record whose identifier begins with `text` (an
// empty text selects record 1). 'A', 'V', 'N', 'I': unchanged when none matches.
// 'W': the index is first set to 0 and stays 0 when nothing matches or text is empty.
void FindByPrefix(Unit& unit, std::string_view text, char typeLetter);

// FindExact, then LoadSelectedWaypoint on success.
bool SelectWaypoint(Unit& unit, std::string_view ident, char typeLetter);

// Fills candidate 1 (the selected waypoint) from the current record of the letter; 'P'
// takes the identifier entered on the waypoint pages and the present position with type
// "W"; any other letter empties it.
void LoadSelectedWaypoint(Unit& unit, char typeLetter);

// Lists every record whose identifier equals `ident` (airports, VORs, NDBs,
// intersections, user waypoints, each in table order) as candidates 1..candidateCount,
// at most 200.
void ListDuplicates(Unit& unit, std::string_view ident);

// Copies candidate k (1..candidateCount) into candidate 1. Other k change nothing.
void ChooseCandidate(Unit& unit, int32_t k);

// Rebuilds an entry's next-character list: entry 1 empty, then the characters that follow
// `prefix` in the identifiers of the tables the entry's rule restricts it to, or the full
// set "0".."9", "A".."Z".
void BuildEntryChars(Unit& unit, IdentEntry& entry, char typeLetter, std::string_view prefix);

// Rebuilds the list of unit.identEntry for the waypoint pages: entry 1 empty, then the
// characters that follow `prefix` in the table's identifiers ('A', 'V', 'N', 'I'; repeats
// dropped only against the previous entry; at most 50 entries), or "0".."9", "A".."Z" for
// other letters.
void BuildNextChars(Unit& unit, char typeLetter, std::string_view prefix);

// As BuildNextChars into the plan editor's list (unit.planEntry), but only 'I' is
// restricted by its table.
void BuildPlanChars(Unit& unit, char typeLetter, std::string_view prefix);
