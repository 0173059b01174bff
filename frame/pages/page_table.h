// The page table: every page group with its status-line label, the function that draws
// the page and acts on its events, and the hook run when an outer knob turns the group in;
// beside it the two outer-knob page cycles and the order in which the pages see events.
//
// The draw routine and the controls only consult this table, so a new page is its own
// file plus one row in frame/pages/page_table.cpp.
#pragma once

#include <cstdint>

#include "frame/page_state.h"

class Canvas;
class Host;
struct Unit;

enum class PageSide : int32_t { Left, Right };

// Draws the page at x offset `x` (kLeftPageX or kRightPageX) and acts on the pending
// events of its side. Pages that fill the display ignore `x`.
using PageRun = void (*)(Unit& unit, Host& host, Canvas& canvas, float x);
// Run when the outer knob of `side` turns the group in from another group of its cycle.
using PageEnter = void (*)(Unit& unit, PageSide side);

// What a left page hides while it is shown.
enum class PageCover : int32_t {
    None,          // the right page and the status line draw as usual
    RightPage,     // the right page is not drawn; the status line is
    WholeDisplay,  // neither the right page nor the status line is drawn
};

// The sides a group is shown on.
enum class PageSides : int32_t { Left, Right, Both };

struct PageEntry {
    PageGroup group;
    const char* label;  // the group's name as the status line shows it
    PageSides sides;
    PageRun run;
    PageEnter enter;  // null: nothing to do on entering
    PageCover cover;  // only for left pages
};

// The row of each group number (null for none), built from the table in page_table.cpp.
struct PageRowIndex {
    const PageEntry* rows[kLastPageGroup + 1];
};
extern const PageRowIndex kPageRows;

// The row of `group`, or null for PG_NONE and numbers that name no group.
inline const PageEntry* pageRow(int32_t group) {
    return group >= 0 && group <= kLastPageGroup ? kPageRows.rows[group] : nullptr;
}

// The row of `group` when the group is shown on `side`, else null (also for a group of the
// other side): such a page draws nothing.
inline const PageEntry* findPage(int32_t group, PageSide side) {
    const PageEntry* entry = pageRow(group);
    const PageSides other = side == PageSide::Left ? PageSides::Right : PageSides::Left;
    return entry != nullptr && entry->sides != other ? entry : nullptr;
}

// The status-line label of `group` from its row ("" without one). Pages with numbered
// views ("APT 3") or a number of their own ("FPL 2") write their label themselves.
const char* pageLabel(PageGroup group);

// The outer knobs' page cycles, in the order the knob turned up steps through them; both
// wrap round. Groups outside a cycle (the overlays, the self-test) do not step.
inline constexpr PageGroup kLeftPageCycle[] = {PG_TRI, PG_MOD, PG_FPL, PG_NAV,
                                               PG_CAL, PG_STA, PG_SET, PG_OTH};
inline constexpr PageGroup kRightPageCycle[] = {PG_NAV, PG_APT, PG_VOR, PG_NDB, PG_INT,
                                                PG_SUP, PG_REF, PG_ACT, PG_DT};

// The order in which the pages run in a draw, and so the order in which they see the
// flags both sides share (ENT, CLR): the left page first, then the right page. Each page
// takes (reads and clears) the flags it acts on, so a flag the left page took never
// reaches the right page. The FPL page takes ENT only when it turns the press into an
// identifier look-up that hands over to the SUP page; its other ENT actions leave the flag
// raised, and a right page may then act on the same press. Flags no page took are cleared
// at the end of the draw.
inline constexpr PageSide kPageRunOrder[] = {PageSide::Left, PageSide::Right};
