// Loading the navigation database from the navdata folder below the root folder, and the
// communication data of one airport from the information file.
#pragma once

struct Unit;

// Empties all five tables, then reads "ints.txt", "user.txt", "apts.txt" and "navs.txt"
// in that order. A file that cannot be opened leaves its tables empty; lines beyond a
// table's capacity are ignored.
void LoadNavDatabase(Unit& unit);

// Reads the current airport's section of "apt_info.txt" into its communication texts and
// its rdr and ils flags. The caller sets infoLoaded afterwards.
void LoadAirportInfo(Unit& unit);
