#include "frame/status_line.h"

#include "frame/display.h"
#include "frame/unit.h"

void drawStatusLine(const Unit& unit, Canvas& canvas) {
    const PageState& page = unit.page;
    beginPage(canvas, unit.display);
    const bool bothNav = page.leftPageGroup == PG_NAV && page.rightPageGroup == PG_NAV;
    if (bothNav && page.leftNavPage == 1 && page.rightNavPage == 1) {
        // These separators lie below the drawing space: NAV 1 on both sides shows no frame.
        canvas.drawLine(94, 324, 94, 175, kGreen, 1);
        canvas.drawLine(279, 324, 279, 175, kGreen, 1);
        canvas.drawLine(0, 324, 370, 324, kGreen, 1);
    } else if (bothNav && page.leftNavPage == 5 && page.rightNavPage == 5) {
        canvas.drawLine(92, 0, 92, 175, kGreen, 1);
        canvas.drawLine(0, 122, 86, 122, kGreen, 1);
        if (page.rightCursorOn == 1) {
            canvas.drawLine(242, 0, 242, 76, kGreen, 1);
            canvas.drawLine(242, 76, 370, 76, kGreen, 1);
        }
    } else {
        canvas.drawLine(185, 0, 185, 150, kGreen, 1);
        canvas.drawLine(94, 150, 94, 176, kGreen, 1);
        canvas.drawLine(279, 150, 279, 176, kGreen, 1);
        canvas.drawLine(0, 150, 370, 150, kGreen, 1);
    }
    endPage(canvas);
}
