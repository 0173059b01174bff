// The separator lines of the status line beneath the two pages.
#pragma once

class Canvas;
struct Unit;

void drawStatusLine(const Unit& unit, Canvas& canvas);
