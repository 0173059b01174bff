#include "nav/pages/nav_hooks.h"

#include "frame/display.h"
#include "frame/unit.h"

namespace {

bool bothNavPages(const PageState& page, int32_t navPage) {
    return page.leftPageGroup == PG_NAV && page.rightPageGroup == PG_NAV &&
           page.leftNavPage == navPage && page.rightNavPage == navPage;
}

}  // namespace

bool drawNavStatusLayout(const Unit& unit, Canvas& canvas) {
    if (bothNavPages(unit.page, 1)) {
        // These separators lie below the drawing space: NAV 1 on both sides shows no frame.
        canvas.drawLine(94, 324, 94, 175, kGreen, 1);
        canvas.drawLine(279, 324, 279, 175, kGreen, 1);
        canvas.drawLine(0, 324, 370, 324, kGreen, 1);
        return true;
    }
    if (bothNavPages(unit.page, 5)) {
        canvas.drawLine(92, 0, 92, 175, kGreen, 1);
        canvas.drawLine(0, 122, 86, 122, kGreen, 1);
        if (unit.page.rightCursorOn == 1) {
            canvas.drawLine(242, 0, 242, 76, kGreen, 1);
            canvas.drawLine(242, 76, 370, 76, kGreen, 1);
        }
        return true;
    }
    return false;
}

void enterNavPage(Unit& unit, PageSide side) {
    if (side == PageSide::Left) unit.pages.nav.nav5ClrToggle = 0;
}
