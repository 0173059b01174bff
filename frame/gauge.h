// The gauge callback and the mouse path: the only ways the host drives the unit.
#pragma once

#include <cstdint>

class Canvas;
class Host;
struct Unit;

enum ServiceCode : int32_t {
    kServiceStart = 2,
    kServiceInit = 4,
    kServiceUpdate = 6,
    kServiceDraw = 10,
    kServiceConnect = 14,
    kServiceDisconnect = 15,
};

// Runs one service of the gauge callback; codes without a role do nothing.
void gaugeService(Unit& unit, Host& host, int32_t code);

// The draw routine alone: clears `canvas`, draws both pages and the status line.
void drawDisplay(Unit& unit, Host& host, Canvas& canvas, uint32_t widthPx, uint32_t heightPx);
