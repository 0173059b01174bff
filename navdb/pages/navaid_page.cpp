// The page the VOR and NDB groups share: one navaid with its name, frequency and either
// its position or, in nearest mode, its bearing and distance from the aircraft.
#include "frame/display.h"
#include "frame/unit.h"
#include "navdb/ident_entry.h"
#include "navdb/pages/waypoint_pages.h"

namespace {

constexpr double kNavaidSearchStepNm = 5.0;

void handleNavaidKnobs(Unit& unit, const NavaidPage& page) {
    ControlEvents& events = unit.events;
    const NearestStepping stepping{page.nearestMode, page.nearestPos, page.current, page.nearest,
                                   page.count};
    if (take(events.evtRightInnerUp)) {
        stepNearestUp(stepping);
    }
    if (take(events.evtRightInnerDown)) {
        stepNearestDown(stepping);
    }
}

void drawFrequencyRow(Canvas& canvas, float pageX, const WaypointRecord& navaid,
                      FrequencyStyle style) {
    const CellText cell = style == FrequencyStyle::Ndb ? formatCell("FREQ  %5s", navaid.frequency)
                                                       : formatCell("%6s", navaid.frequency);
    drawCell(canvas, pageX + 10.0f, rowY(3), cell.text);
}

}  // namespace

void drawNavaidPage(Unit& unit, Canvas& canvas, float pageX, const NavaidPage& page) {
    beginPage(canvas, unit.display);
    if (page.count < 1) {
        drawNoDataPage(unit, canvas, pageX, page.dataText, page.label);
        endPage(canvas);
        return;
    }
    keepCurrentInTable(page.current, page.count);

    if (nearestSearchDue(unit, page.nearest, kNavaidSearchStepNm)) page.updateNearest(unit);
    if (!handleIdentEntryEvents(unit, page.typeLetter)) handleNavaidKnobs(unit, page);
    keepCurrentInTable(page.current, page.count);

    const WaypointRecord& navaid = page.table[static_cast<size_t>(page.current)];
    drawIdentRow(unit, canvas, pageX, navaid.ident, unit.page.rightCursorOn);
    const bool showsNearest = page.nearestMode == 1 && navaid.nearestRank >= 1;
    if (showsNearest) drawNearestRank(unit, canvas, pageX, navaid.nearestRank);
    drawNameRows(canvas, pageX, navaid.name);
    drawFrequencyRow(canvas, pageX, navaid, page.frequencyStyle);
    if (showsNearest) {
        drawBearingDistanceRows(unit, canvas, pageX, navaid.latitude, navaid.longitude);
    } else {
        drawPositionRows(canvas, pageX, navaid.latitude, navaid.longitude);
    }
    drawStatusLabel(canvas, pageX, page.label, unit.page.rightCursorOn);
    endPage(canvas);
}
