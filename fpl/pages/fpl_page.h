// The FPL page's drawing without its controls, for a page that changes the plan editor
// after the FPL page has already drawn in the same frame (the REF page).
#pragma once

struct Unit;
class Canvas;

// Draws the FPL page at page x offset `x` as the unit's state stands; takes no event.
void drawFplPageOnly(const Unit& unit, Canvas& canvas, float x);
