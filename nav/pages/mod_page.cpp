// The MOD page (left page group 2): the unit's one operating mode, en route on the leg
// with a course deviation full scale of 5 NM either side. Nothing on it can be selected,
// so it takes no event.
#include "frame/display.h"
#include "frame/pages/page_table.h"
#include "frame/unit.h"

namespace {

constexpr float kTextColumn = 10.0f;
constexpr float kSignPenWidth = 2.0f;

// The plus-minus sign in the gap between "CDI" and "5NM", drawn with lines as a plus
// over a bar rather than as a character.
void drawPlusMinus(Canvas& canvas, float x) {
    const float centreX = x + 85.0f;
    canvas.drawLine(centreX, 124.0f, centreX, 134.0f, kGreen, kSignPenWidth);
    canvas.drawLine(x + 80.0f, 129.0f, x + 90.0f, 129.0f, kGreen, kSignPenWidth);
    canvas.drawLine(x + 80.0f, 139.0f, x + 90.0f, 139.0f, kGreen, kSignPenWidth);
}

}  // namespace

void drawModPage(Unit& unit, Host&, Canvas& canvas, float x) {
    beginPage(canvas, unit.display);
    drawCell(canvas, x + kTextColumn, rowY(0), "ACTIVE MODE");
    drawCell(canvas, x + kTextColumn, rowY(2), "EN ROUTE");
    drawCell(canvas, x + kTextColumn, rowY(4), "LEG");
    drawCell(canvas, x + kTextColumn, rowY(5), "CDI  5NM");
    drawPlusMinus(canvas, x);
    drawCell(canvas, x + kTextColumn, kStatusRowY, formatCell("%s 1", pageLabel(PG_MOD)).text);
    endPage(canvas);
}
