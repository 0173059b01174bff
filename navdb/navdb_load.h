// Loading the navigation database from the navdata folder below the root folder.
#pragma once

struct Unit;

// Loads every table of the database; missing files leave their tables empty.
void LoadNavDatabase(Unit& unit);
