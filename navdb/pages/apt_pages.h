// The parts of the APT page group that live in their own files: the runway diagram and
// runway list of APT 3 and the frequencies of APT 4.
#pragma once

#include <cstdint>

#include "navdb/records.h"

class Canvas;
struct Unit;

// True when APT 3 has a further runway view after the one at `offset` (0 = the diagram,
// k >= 1 = the list from pair k). The airport's pairs must be prepared.
bool runwayListContinues(const AirportRecord& airport, int32_t offset);

// Draws APT 3 (the diagram at offset 0, else the runway list) and returns its label,
// "APT 3" or "APT+3".
const char* drawApt3(Unit& unit, Canvas& canvas, float pageX, AirportRecord& airport);

// Draws APT 4, the communication frequencies.
void drawApt4(Unit& unit, Canvas& canvas, float pageX, AirportRecord& airport);

// Reads the current airport's section of the information file the first time it is
// needed; later calls do nothing for that airport.
void loadAirportInfoOnce(Unit& unit);
