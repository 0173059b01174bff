// The duplicate identifier list (left page group 22): the waypoints that share the
// identifier the REF page looked up, four rows at a time, with their type and frequency.
// The left outer knob moves the selection, wrapping at both ends, whether or not the left
// cursor is on (the list has no other field). ENT goes back to the page the list covered
// and leaves the press to the REF page, which takes the selected waypoint.
#include "base/knob_step.h"
#include "frame/display.h"
#include "frame/pages/page_table.h"
#include "frame/unit.h"

namespace {

constexpr int32_t kShownRows = 4;
constexpr int kFirstRow = 2;
constexpr float kFrequencyX = 103.0f;
constexpr float kRowWidth = 183.0f;

// The selection moves by one and the four rows follow it.
void moveSelection(Unit& unit, KnobTurn turn) {
    DuplicatesPageState& list = unit.pages.duplicates;
    const int32_t count = unit.db.candidateCount;
    if (count < 1) return;
    list.duplicateSelection = knobStep(list.duplicateSelection, turn, 1, count, KnobEnd::Wrap);
    if (list.duplicateSelection >= list.duplicateScrollTop + kShownRows) {
        list.duplicateScrollTop = list.duplicateSelection - (kShownRows - 1);
    } else if (list.duplicateSelection < list.duplicateScrollTop) {
        list.duplicateScrollTop = list.duplicateSelection;
    }
}

void handleDuplicateEvents(Unit& unit) {
    ControlEvents& events = unit.events;
    if (take(events.evtLeftOuterUp)) moveSelection(unit, KnobTurn::Up);
    if (take(events.evtLeftOuterDown)) moveSelection(unit, KnobTurn::Down);
    // ENT is read, not taken: the REF page acts on the same press after this page.
    if (events.evtEnt != 1) return;
    PageState& page = unit.page;
    page.leftPageGroup = page.savedLeftPageGroup != PG_DUPLICATES ? page.savedLeftPageGroup : PG_FPL;
    const bool refTakesChoice = page.rightPageGroup == PG_REF && page.rightCursorOn == 1 &&
                                unit.pages.ref.refChoosing == 1;
    if (!refTakesChoice) {
        // Nobody waits for the choice any more: nothing of it stays pending.
        unit.pages.ref.refChoosing = 0;
        if (unit.pages.fpl.confirmPending == 1) unit.pages.fpl.confirmPending = 0;
    }
}

void drawDuplicates(const Unit& unit, Canvas& canvas, float x) {
    const NavDbState& db = unit.db;
    const DuplicatesPageState& list = unit.pages.duplicates;
    drawCell(canvas, x, rowY(0), formatCell(" D        %d", db.candidateCount).text, kFont28);
    drawCell(canvas, x, rowY(1), "  TYPE  FREQ", kFont28);
    for (int32_t k = 0; k < kShownRows; ++k) {
        const int32_t number = list.duplicateScrollTop + k;
        if (number < 1 || number > db.candidateCount) break;
        const PlanWaypoint& candidate = db.candidates[number];
        const float y = rowY(kFirstRow + k);
        const bool selected = number == list.duplicateSelection;
        if (selected) canvas.fillRect(x, y + 4.0f, kRowWidth, kRowBoxHeight, kGreen);
        const uint32_t colour = selected ? kBlack : kGreen;
        drawCell(canvas, x, y, formatCell("%2d %s", number, candidate.type).text, kFont28, colour);
        drawCell(canvas, x + kFrequencyX, y + 3.0f, formatCell("%-6s", candidate.frequency).text, kFont25, colour);
    }
}

}  // namespace

void drawDuplicatesPage(Unit& unit, Host&, Canvas& canvas, float x) {
    handleDuplicateEvents(unit);
    beginPage(canvas, unit.display);
    drawDuplicates(unit, canvas, x);
    endPage(canvas);
}
