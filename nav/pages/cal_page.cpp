// The CAL page group: picks CAL 1 to 5 with the left inner knob while the cursor is off,
// turns the cursor on and off with the left CRSR (CAL 3 has nothing to edit and does not
// take it), runs the page shown and draws its status label.
//
// The field under the cursor starts at the page's first one whenever the knob brings the
// page up or the cursor is turned on.
#include <algorithm>
#include <cstring>

#include "base/knob_step.h"
#include "frame/display.h"
#include "frame/pages/page_table.h"
#include "frame/unit.h"
#include "nav/pages/cal_pages.h"

namespace {

struct CalPageRow {
    bool hasCursor;
    void (*run)(Unit&, Host&, Canvas&, float);
};

// The pages in knob order, CAL 1 first.
// clang-format off
constexpr CalPageRow kCalPages[] = {
    {true,  &runCalAltitudePage},
    {true,  &runCalAirspeedPage},
    {false, &runCalWindPage},
    {true,  &runCalVnavPage},
    {true,  &runCalConversionsPage},
};
// clang-format on
static_assert(sizeof kCalPages / sizeof kCalPages[0] == kLastCalPage - kFirstCalPage + 1);

const CalPageRow& rowOf(int32_t calPage) { return kCalPages[calPage - kFirstCalPage]; }

void startAtFirstField(CalPageState& cal) {
    switch (cal.calPage) {
        case 1:
        case 2: cal.baroDigit = 1; break;
        case 4: cal.vnavCalField = 1; break;
        case 5: cal.convField = 1; break;
        default: break;
    }
}

void handleEvents(Unit& unit) {
    PageState& page = unit.page;
    ControlEvents& events = unit.events;
    CalPageState& cal = unit.pages.cal;
    if (take(events.evtLeftCrsr)) {
        // Off works on every page, so a cursor an overlay page left on never keeps the
        // knobs captured on CAL 3.
        if (page.leftCursorOn == 1) {
            page.leftCursorOn = 0;
        } else if (rowOf(cal.calPage).hasCursor) {
            page.leftCursorOn = 1;
            startAtFirstField(cal);
        }
    }
    if (page.leftCursorOn == 1) return;
    const int32_t before = cal.calPage;
    if (take(events.evtLeftInnerUp)) {
        cal.calPage =
            knobStep(cal.calPage, KnobTurn::Up, kFirstCalPage, kLastCalPage, KnobEnd::Wrap);
    }
    if (take(events.evtLeftInnerDown)) {
        cal.calPage =
            knobStep(cal.calPage, KnobTurn::Down, kFirstCalPage, kLastCalPage, KnobEnd::Wrap);
    }
    if (cal.calPage != before) startAtFirstField(cal);
}

}  // namespace

void drawCalCursorCell(Canvas& canvas, float boxX, int row, const char* text, size_t fromEnd) {
    const size_t length = std::strlen(text);
    const char character[2] = {fromEnd >= 1 && fromEnd <= length ? text[length - fromEnd] : ' ',
                               '\0'};
    drawInverseCell(canvas, boxX, rowTallBoxY(row), kCharWidth, kRowTallBoxHeight, boxX, rowY(row),
                    character);
}

void drawCalPage(Unit& unit, Host& host, Canvas& canvas, float x) {
    CalPageState& cal = unit.pages.cal;
    cal.calPage = std::clamp(cal.calPage, kFirstCalPage, kLastCalPage);
    handleEvents(unit);
    beginPage(canvas, unit.display);
    rowOf(cal.calPage).run(unit, host, canvas, x);
    const CellText label = formatCell("%s %d", pageLabel(PG_CAL), cal.calPage);
    drawStatusLabel(canvas, x, label.text, unit.page.leftCursorOn);
    endPage(canvas);
}
