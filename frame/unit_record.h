// The unit record: total operating time and power cycles, kept in Brindle/vgr27a.ini
// below the root folder.
#pragma once

struct Unit;

// Reads the record; a missing file keeps the current values. Every line that is not a
// comment adds one to the power-cycle count (the file's own count is on the last line).
// A file that is there but cannot be opened or read to its end marks the record unread.
void readUnitRecord(Unit& unit);

// Writes "TotalTime=%5.1f" and "PowerCycle=%d". Returns false when the file could not be
// written (the folder is missing, say) or the stored record was there but unread; the old
// file then stays as it was.
bool writeUnitRecord(const Unit& unit);

// The operating time shown and saved, in hours.
double operatingHours(const Unit& unit);
