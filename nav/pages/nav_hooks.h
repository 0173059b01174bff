// The NAV pages' rules that run outside the pages themselves: the map range the draw
// routine works out before the pages draw, the status-line frames of NAV 1 and NAV 5
// shown on both sides, and what turning the left NAV page in resets.
#pragma once

#include <cstdint>

#include "frame/pages/page_table.h"
#include "frame/unit.h"

class Canvas;

// The map range in pixels: 88 (map mode 1) or 130 with NAV 5 on both sides, else 72 when
// either side's map is in mode 1, else 96. Inline, as the draw works it out every frame.
// The whole-display map draws with it; a single-page map takes 72 or 96 by its own mode.
inline int32_t mapScaleFor(const Unit& unit) {
    const PageState& page = unit.page;
    const NavPagesState& nav = unit.pages.nav;
    if (page.leftPageGroup == PG_NAV && page.rightPageGroup == PG_NAV && page.leftNavPage == 5 &&
        page.rightNavPage == 5) {
        return nav.leftMapMode == 1 ? 88 : 130;
    }
    return (nav.leftMapMode == 1 || nav.rightMapMode == 1) ? 72 : 96;
}

// Draws the status-line frame of NAV 1 or NAV 5 shown on both sides and returns true;
// returns false, drawing nothing, for any other pair of pages.
bool drawNavStatusLayout(const Unit& unit, Canvas& canvas);

// The NAV group's enter hook: the left outer knob turning NAV in starts the map's CLR
// toggle over.
void enterNavPage(Unit& unit, PageSide side);
