// The self-test page shown for 73 draws after switch-on; the 74th hands over to NAV.
#include "frame/canvas.h"
#include "frame/display.h"
#include "frame/pages/page_table.h"
#include "frame/unit.h"

namespace {
constexpr int32_t kSelfTestDraws = 73;
}

void drawSelfTestPage(Unit& unit, Host&, Canvas& canvas, float) {
    beginPage(canvas, unit.display);
    drawCell(canvas, 5.0f, 0.0f, "GPS            ORS 10");
    drawFlashingCell(canvas, unit.nav.blinkPhase, 5.0f, 155.0f, 336.0f, 20.0f, 5.0f, 152.0f,
                     "SELF TEST IN PROGRESS");
    if (unit.power.selfTestTicks < kSelfTestDraws) {
        unit.power.selfTestTicks += 1;
    } else {
        canvas.clear(kTransparent);
        unit.page.leftPageGroup = PG_NAV;
    }
    endPage(canvas);
}
