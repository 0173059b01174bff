// The gauge callback: start-up, the control cycle, the draw step and shutdown.
#include "frame/gauge.h"

#include <cstring>

#include "fpl/fpl_hooks.h"
#include "frame/canvas.h"
#include "frame/controls.h"
#include "frame/display.h"
#include "frame/host.h"
#include "frame/pages.h"
#include "frame/status_line.h"
#include "frame/unit.h"
#include "frame/unit_record.h"
#include "nav/navigation.h"
#include "navdb/navdb_load.h"

namespace {

constexpr int kSmoothingHighQuality = 2;
constexpr int kTextAntiAlias = 4;

void takeRootFolder(Unit& unit, Host& host) {
    if (unit.rootFolder[0] != '\0') return;
    if (!host.currentDirectory(unit.rootFolder, sizeof unit.rootFolder)) unit.rootFolder[0] = '\0';
}

void controlCycle(Unit& unit, Host& host) {
    superviseLnavClick(unit, host);
    pollControls(unit, host);
    updatePressedImages(unit, host);
    superviseLnavModes(unit, host);
}

void drawLeftPage(Unit& unit, Host& host, Canvas& canvas) {
    switch (unit.page.leftPageGroup) {
        case PG_TRI: drawTriPage(unit, host, canvas, kLeftPageX); break;
        case PG_MOD: drawModPage(unit, host, canvas, kLeftPageX); break;
        case PG_FPL: drawFplPage(unit, host, canvas, kLeftPageX); break;
        case PG_NAV: drawNavPage(unit, host, canvas, kLeftPageX, unit.page.leftNavPage); break;
        case PG_CAL: drawCalPage(unit, host, canvas, kLeftPageX); break;
        case PG_STA: drawStaPage(unit, host, canvas, kLeftPageX); break;
        case PG_SET: drawSetPage(unit, host, canvas, kLeftPageX); break;
        case PG_OTH: drawOthPage(unit, host, canvas, kLeftPageX); break;
        case PG_DIRECT_TO: drawDirectToPage(unit, host, canvas, kLeftPageX); break;
        case PG_ALT: drawAltPage(unit, host, canvas, kLeftPageX); break;
        case PG_MESSAGE: drawMessagePage(unit, host, canvas); break;
        case PG_SELF_TEST: drawSelfTestPage(unit, host, canvas); break;
        case PG_DUPLICATES: drawDuplicatesPage(unit, host, canvas); break;
        default: break;
    }
}

void drawRightPage(Unit& unit, Host& host, Canvas& canvas) {
    switch (unit.page.rightPageGroup) {
        case PG_NAV: drawNavPage(unit, host, canvas, kRightPageX, unit.page.rightNavPage); break;
        case PG_APT: drawAptPage(unit, host, canvas, kRightPageX); break;
        case PG_REF: drawRefPage(unit, host, canvas, kRightPageX); break;
        case PG_ACT: drawActPage(unit, host, canvas, kRightPageX); break;
        case PG_DT: drawDtPage(unit, host, canvas, kRightPageX); break;
        case PG_VOR: drawVorPage(unit, host, canvas, kRightPageX); break;
        case PG_NDB: drawNdbPage(unit, host, canvas, kRightPageX); break;
        case PG_INT: drawIntPage(unit, host, canvas, kRightPageX); break;
        case PG_SUP: drawSupPage(unit, host, canvas, kRightPageX); break;
        default: break;
    }
}

int32_t mapScaleFor(const Unit& unit) {
    const PageState& page = unit.page;
    const NavPagesState& nav = unit.navPages;
    if (page.leftPageGroup == PG_NAV && page.rightPageGroup == PG_NAV && page.leftNavPage == 5 &&
        page.rightNavPage == 5) {
        return nav.leftMapMode == 1 ? 88 : 130;
    }
    return (nav.leftMapMode == 1 || nav.rightMapMode == 1) ? 72 : 96;
}

void drawStep(Unit& unit, Host& host) {
    const DisplayTarget target = host.displayTarget();
    if (!target.exists) return;
    if (target.canvas != nullptr) {
        const bool skip = host.skipDrawQuery() != 0 && std::strcmp(host.gaugeParameters(), "VC") == 0;
        if (!skip) drawDisplay(unit, host, *target.canvas, target.widthPx, target.heightPx);
    }
    host.markDisplayChanged();
}

}  // namespace

void drawDisplay(Unit& unit, Host& host, Canvas& canvas, uint32_t widthPx, uint32_t heightPx) {
    unit.display.displaySize[0] = widthPx;
    unit.display.displaySize[1] = heightPx;
    canvas.resetTransform();
    canvas.resetClip();
    canvas.setSmoothingMode(kSmoothingHighQuality);
    canvas.clear(kTransparent);
    if (unit.nav.powerAvailable == 0 || unit.power.powerOn == 0) {
        canvas.clear(kTransparent);
        return;
    }
    canvas.setTextRenderingHint(kTextAntiAlias);
    unit.mapScalePixels = mapScaleFor(unit);
    drawLeftPage(unit, host, canvas);
    // The self-test page owns the whole display; the message page hides the right page.
    // The group is read again here, so the draw that ends the self-test already shows both.
    if (unit.page.leftPageGroup != PG_SELF_TEST) {
        if (unit.page.leftPageGroup != PG_MESSAGE) drawRightPage(unit, host, canvas);
        drawStatusLine(unit, canvas);
    }
    if (unit.events.evtLeftInnerUp == 1 || unit.events.evtLeftInnerDown == 1) {
        unit.spin.leftInnerSpinWindow = 1;
    }
    endOfFrame(unit);
}

void gaugeService(Unit& unit, Host& host, int32_t code) {
    switch (code) {
        case kServiceStart: takeRootFolder(unit, host); break;
        case kServiceInit:
            takeRootFolder(unit, host);
            readUnitRecord(unit);
            if (unit.db.airportCount == 0) LoadNavDatabase(unit);
            if (unit.fpl.blankPlanIndex == 0) scanFlightPlanFolder(unit);
            break;
        case kServiceUpdate: controlCycle(unit, host); break;
        case kServiceDraw:
            updateNavigation(unit, host);
            drawStep(unit, host);
            break;
        case kServiceConnect:
            if (unit.graphicsToken == 0) unit.graphicsToken = host.startGraphics();
            registerPanelVariables(host);
            break;
        case kServiceDisconnect:
            releasePanelVariables(host);
            if (unit.graphicsToken != 0) {
                host.stopGraphics(unit.graphicsToken);
                unit.graphicsToken = 0;
            }
            writeUnitRecord(unit);
            break;
        default: break;
    }
}
