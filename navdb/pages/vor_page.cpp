// The VOR page group: one VOR of the database, or the nearest VORs below VOR 1.
#include "frame/pages/page_table.h"
#include "frame/unit.h"
#include "navdb/nearest.h"
#include "navdb/pages/waypoint_pages.h"

void drawVorPage(Unit& unit, Host&, Canvas& canvas, float x) {
    NavDbState& db = unit.db;
    const NavaidPage page{kTypeVor,
                          db.vors,
                          db.vorCount,
                          db.currentVor,
                          unit.pages.vor.vorNearestMode,
                          unit.pages.vor.vorNearestPos,
                          db.nearestVors,
                          &UpdateNearestVors,
                          " VOR DATA",
                          pageLabel(PG_VOR),
                          FrequencyStyle::Vor};
    drawNavaidPage(unit, canvas, x, page);
}
