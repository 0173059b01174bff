// The STA page (left page group 6, one page, STA 4): the unit's total operating time,
// counting this power-on period, and its power-cycle count from the unit record. The
// page takes no input.
#include "frame/display.h"
#include "frame/pages/page_table.h"
#include "frame/unit.h"
#include "frame/unit_record.h"

namespace {

constexpr float kColumn = 10.0f;

}  // namespace

void drawStaPage(Unit& unit, Host&, Canvas& canvas, float x) {
    beginPage(canvas, unit.display);
    drawCell(canvas, x + kColumn, rowY(0), "TOTAL TIME");
    CellText cell = formatCell("%5.0f HR", operatingHours(unit));
    drawCell(canvas, x + kColumn, rowY(1), cell.text);
    drawCell(canvas, x + kColumn, rowY(2), "PWR CYCLES");
    cell = formatCell("   %d", unit.record.powerCycles);
    drawCell(canvas, x + kColumn, rowY(4), cell.text);
    drawCell(canvas, x + kColumn, kStatusRowY, "STA 4");
    endPage(canvas);
}
