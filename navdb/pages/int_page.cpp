// The INT page group: one intersection of the database. The inner knob wraps round the
// table at both ends; there is no nearest list of intersections and no reference
// waypoint, so the reference, radial and distance rows show dashes.
#include "base/knob_step.h"
#include "frame/display.h"
#include "frame/pages/page_table.h"
#include "frame/unit.h"
#include "navdb/ident_entry.h"
#include "navdb/pages/waypoint_pages.h"

void drawIntPage(Unit& unit, Host&, Canvas& canvas, float x) {
    beginPage(canvas, unit.display);
    NavDbState& db = unit.db;
    if (db.intersectionCount < 1) {
        drawNoDataPage(unit, canvas, x, " INT DATA", pageLabel(PG_INT));
        endPage(canvas);
        return;
    }
    keepCurrentInTable(db.currentIntersection, db.intersectionCount);

    if (!handleIdentEntryEvents(unit, kTypeIntersection)) {
        ControlEvents& events = unit.events;
        int32_t& current = db.currentIntersection;
        if (take(events.evtRightInnerUp)) {
            current = knobStep(current, KnobTurn::Up, 1, db.intersectionCount, KnobEnd::Wrap);
        }
        if (take(events.evtRightInnerDown)) {
            current = knobStep(current, KnobTurn::Down, 1, db.intersectionCount, KnobEnd::Wrap);
        }
    }
    keepCurrentInTable(db.currentIntersection, db.intersectionCount);

    const WaypointRecord& intersection =
        db.intersections[static_cast<size_t>(db.currentIntersection)];
    drawIdentRow(unit, canvas, x, intersection.ident, unit.page.rightCursorOn);
    drawCell(canvas, x + 10.0f, rowY(1), "REF:  -----");
    drawCell(canvas, x + 10.0f, rowY(2), "RAD: ---.-\xB0");
    drawCell(canvas, x + 10.0f, rowY(3), "DIS:  -.-NM");
    drawPositionRows(canvas, x, intersection.latitude, intersection.longitude);
    drawStatusLabel(canvas, x, pageLabel(PG_INT), unit.page.rightCursorOn);
    endPage(canvas);
}
