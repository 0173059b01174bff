// The VOR page group: one VOR of the database, or the nearest VORs below VOR 1.
#include "frame/pages.h"
#include "frame/unit.h"
#include "navdb/nearest.h"
#include "navdb/waypoint_pages.h"

void drawVorPage(Unit& unit, Host&, Canvas& canvas, float x) {
    NavDbState& db = unit.db;
    const NavaidPage page{kTypeVor,
                          db.vors,
                          db.vorCount,
                          db.currentVor,
                          db.pages.vorNearestMode,
                          db.pages.vorNearestPos,
                          db.nearestVors,
                          &UpdateNearestVors,
                          " VOR DATA",
                          "VOR",
                          FrequencyStyle::Vor};
    drawNavaidPage(unit, canvas, x, page);
}
