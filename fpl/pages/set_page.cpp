// The SET page group: picks SET 1, 2, 3, 4 or 7 with the left inner knob while the cursor
// is off, turns the cursor on and off with the left CRSR (only the pages with a setting
// take it), runs the page shown and draws its status label.
#include "base/knob_step.h"
#include "fpl/pages/set_pages.h"
#include "frame/display.h"
#include "frame/pages/page_table.h"
#include "frame/unit.h"

namespace {

struct SetPageRow {
    int32_t number;
    bool hasCursor;
    void (*run)(Unit&, Host&, Canvas&, float);
};

// The pages in knob order; there is no SET 5 or SET 6.
// clang-format off
constexpr SetPageRow kSetPages[] = {
    {1, false, &runSetPositionPage},
    {2, false, &runSetDateTimePage},
    {3, true,  &runSetNearestPage},
    {4, true,  &runSetTimerPage},
    {7, true,  &runSetBaroPage},
};
// clang-format on
constexpr int32_t kSetPageCount = static_cast<int32_t>(sizeof kSetPages / sizeof kSetPages[0]);

// The row of a page number; a number that names no page shows SET 1.
int32_t rowOfPage(int32_t number) {
    for (int32_t i = 0; i < kSetPageCount; ++i) {
        if (kSetPages[i].number == number) return i;
    }
    return 0;
}

}  // namespace

void drawSetPage(Unit& unit, Host& host, Canvas& canvas, float x) {
    beginPage(canvas, unit.display);
    PageState& page = unit.page;
    ControlEvents& events = unit.events;
    int32_t row = rowOfPage(unit.pages.set.setPage);

    if (take(events.evtLeftCrsr)) {
        if (page.leftCursorOn == 1) {
            page.leftCursorOn = 0;
        } else if (kSetPages[row].hasCursor) {
            page.leftCursorOn = 1;
        }
    }
    if (page.leftCursorOn == 0) {
        // A changed runway length is applied once its field is left, whether by the CRSR
        // or by a trip to another page that turned the cursor off.
        if (unit.settings.nearestCriteriaChanged != 0) applyNearestCriteria(unit);
        if (take(events.evtLeftInnerUp)) {
            row = knobStep(row, KnobTurn::Up, 0, kSetPageCount - 1, KnobEnd::Wrap);
        }
        if (take(events.evtLeftInnerDown)) {
            row = knobStep(row, KnobTurn::Down, 0, kSetPageCount - 1, KnobEnd::Wrap);
        }
    }
    unit.pages.set.setPage = kSetPages[row].number;

    kSetPages[row].run(unit, host, canvas, x);
    const CellText label = formatCell("%s %d", pageLabel(PG_SET), kSetPages[row].number);
    drawStatusLabel(canvas, x, label.text, page.leftCursorOn);
    endPage(canvas);
}
