// The gauge callback: start-up, the control cycle, the draw step and shutdown.
#include "frame/gauge.h"

#include <cstring>

#include "fpl/fpl_hooks.h"
#include "frame/canvas.h"
#include "frame/controls.h"
#include "frame/display.h"
#include "frame/host.h"
#include "frame/pages/page_table.h"
#include "frame/status_line.h"
#include "frame/unit.h"
#include "frame/unit_record.h"
#include "nav/navigation.h"
#include "nav/pages/nav_hooks.h"
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

// Runs the page of `side` through the page table (a group without a row there draws
// nothing) and returns what the page hides. The group is read again after the page ran,
// so the draw that ends the self-test already shows the right page and the status line.
PageCover runPage(Unit& unit, Host& host, Canvas& canvas, PageSide side) {
    const bool left = side == PageSide::Left;
    const PageGroup& group = left ? unit.page.leftPageGroup : unit.page.rightPageGroup;
    const PageGroup ran = group;
    const PageEntry* entry = findPage(ran, side);
    if (entry != nullptr) entry->run(unit, host, canvas, left ? kLeftPageX : kRightPageX);
    if (group != ran) entry = findPage(group, side);
    return entry != nullptr ? entry->cover : PageCover::None;
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
    if (unit.nav.aircraft.powerAvailable == 0 || unit.power.powerOn == 0) {
        canvas.clear(kTransparent);
        return;
    }
    canvas.setTextRenderingHint(kTextAntiAlias);
    unit.pages.nav.mapScalePixels = mapScaleFor(unit);
    // A turn of the left inner knob opens the spin window, whether or not a page takes it.
    if (unit.events.evtLeftInnerUp == 1 || unit.events.evtLeftInnerDown == 1) {
        unit.spin.leftInnerSpinWindow = 1;
    }
    static_assert(kPageRunOrder[0] == PageSide::Left && kPageRunOrder[1] == PageSide::Right,
                  "the pages run in kPageRunOrder");
    const PageCover cover = runPage(unit, host, canvas, PageSide::Left);
    if (cover == PageCover::None) runPage(unit, host, canvas, PageSide::Right);
    if (cover != PageCover::WholeDisplay) drawStatusLine(unit, canvas);
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
