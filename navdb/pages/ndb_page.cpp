// The NDB page group: one NDB of the database, or the nearest NDBs below NDB 1.
#include "frame/pages/page_table.h"
#include "frame/unit.h"
#include "navdb/nearest.h"
#include "navdb/pages/waypoint_pages.h"

void drawNdbPage(Unit& unit, Host&, Canvas& canvas, float x) {
    NavDbState& db = unit.db;
    const NavaidPage page{kTypeNdb,
                          db.ndbs,
                          db.ndbCount,
                          db.currentNdb,
                          unit.pages.ndb.ndbNearestMode,
                          unit.pages.ndb.ndbNearestPos,
                          db.nearestNdbs,
                          &UpdateNearestNdbs,
                          " NDB DATA",
                          pageLabel(PG_NDB),
                          FrequencyStyle::Ndb};
    drawNavaidPage(unit, canvas, x, page);
}
