// The nine nearest airports, VORs and NDBs to the aircraft, sorted by distance.
//
// Each kind keeps a wide list (records within 600 NM, rebuilt when the aircraft is more
// than 200 NM from where it was built) and a narrow list cut from it (within 180 NM,
// rebuilt after 50 NM). A search fills slots 1..9 from the narrow list and marks each
// listed record's nearestRank. Distances are NM, bearings degrees magnetic from the
// aircraft. Airports are listed only with a runway of at least minRunwayLength feet.
#pragma once

#include "navdb/navdb_state.h"

struct Unit;

// Runs the search of each kind at the aircraft's present position. The airport search
// does nothing when it is not forced (nearestCriteriaChanged) and the aircraft is within
// 1 NM of its last search position.
void UpdateNearestAirports(Unit& unit);
void UpdateNearestVors(Unit& unit);
void UpdateNearestNdbs(Unit& unit);

// Rebuilds the wide list of a kind around the present position (every record within
// 600 NM in table order; when more than 3000 qualify, the 3000 nearest, still in table
// order) and stores that position.
void BuildWideList(Unit& unit, NearestKind kind);
// Rebuilds the narrow list of a kind from its wide list (entries within 180 NM of the
// present position in wide-list order; when more qualify than the kind's capacity, the
// nearest ones) and stores that position.
void BuildNarrowList(Unit& unit, NearestKind kind);

// Rebuilds the wide list of a kind when the aircraft is more than 200 NM from where it was
// built, then the narrow list when it is more than 50 NM from where that was built, as a
// search does, without searching: the search position, the slots and the ranks the APT,
// VOR and NDB pages show stay as they are. The map plots the narrow lists.
void refreshNearestLists(Unit& unit, NearestKind kind);

// The lists of a kind.
NearestList& nearestList(NavDbState& db, NearestKind kind);
