#include "frame/status_line.h"

#include "frame/display.h"
#include "frame/unit.h"
#include "nav/pages/nav_hooks.h"

void drawStatusLine(const Unit& unit, Canvas& canvas) {
    beginPage(canvas, unit.display);
    if (!drawNavStatusLayout(unit, canvas)) {
        canvas.drawLine(185, 0, 185, 150, kGreen, 1);
        canvas.drawLine(94, 150, 94, 176, kGreen, 1);
        canvas.drawLine(279, 150, 279, 176, kGreen, 1);
        canvas.drawLine(0, 150, 370, 150, kGreen, 1);
    }
    endPage(canvas);
}
