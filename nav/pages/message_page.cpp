// The message page (left page group 20): "MSG" in the status line while the right page
// is hidden. ENT leads to the nearest airport: the APT page on the right shows the first
// airport of the nearest list in its nearest mode, and the left side returns to the page
// the MSG button was pressed on.
#include "frame/display.h"
#include "frame/pages/page_table.h"
#include "frame/unit.h"
#include "navdb/nearest.h"
#include "navdb/pages/waypoint_pages.h"

namespace {

// The list is searched again only once the aircraft is this far from its last search,
// so a press soon after another shows the same airport.
constexpr double kRefreshDistanceNm = 5.0;

void showNearestAirport(Unit& unit) {
    const NearestList& list = unit.db.nearestAirports;
    if (nearestSearchDue(unit, list, kRefreshDistanceNm)) UpdateNearestAirports(unit);

    PageState& page = unit.page;
    page.rightPageGroup = PG_APT;
    // The APT page opens without its cursor, whatever the page before it had on.
    page.rightCursorOn = 0;
    // D-> pressed on this page and again on the Direct-To page leaves this page saved;
    // returning to it would keep the pilot here, so NAV stands in for it.
    page.leftPageGroup = page.savedLeftPageGroup != PG_MESSAGE ? page.savedLeftPageGroup : PG_NAV;

    // With no airport listed the APT page keeps the airport it showed, outside its
    // nearest mode, so it never names an empty slot's record.
    if (filledNearestPlaces(list, unit.db.airportCount) < 1) return;
    unit.db.currentAirport = list.slots[1].recordIndex;
    unit.pages.apt.aptNearestMode = 1;
    unit.pages.apt.aptNearestPos = 1;
}

}  // namespace

void drawMessagePage(Unit& unit, Host&, Canvas& canvas, float x) {
    if (take(unit.events.evtEnt)) showNearestAirport(unit);
    beginPage(canvas, unit.display);
    drawInverseCell(canvas, x + 140.0f, 155.0f, 50.0f, 20.0f, x + 140.0f, kStatusRowY, "MSG");
    endPage(canvas);
}
