// Direct-To: building the leg, the proposed target and the cancel with its re-capture.
#include "nav/direct_to.h"

#include <cmath>
#include <cstring>

#include "frame/unit.h"
#include "nav/angles.h"
#include "nav/geodesy.h"

namespace {

bool activeRouteExists(const Unit& unit) { return unit.fpl.activeLastIndex >= 1; }

void copyText(char* to, size_t size, const char* from) {
    std::strncpy(to, from, size - 1);
    to[size - 1] = '\0';
}

void returnLeftPage(Unit& unit) {
    unit.page.leftPageGroup = unit.page.savedLeftPageGroup;
    unit.page.leftCursorOn = 0;
}

}  // namespace

PageGroup waypointPageForType(const char* type) {
    struct TypePage {
        const char* letter;
        const char* text;
        PageGroup page;
    };
    static constexpr TypePage kTypePages[] = {
        {"A", "APT", PG_APT}, {"V", "VOR", PG_VOR}, {"N", "NDB", PG_NDB},
        {"I", "INT", PG_INT}, {"W", "WPT", PG_SUP},
    };
    for (const TypePage& row : kTypePages) {
        if (std::strcmp(type, row.letter) == 0 || std::strcmp(type, row.text) == 0) return row.page;
    }
    return PG_NONE;
}

int32_t planCursorWaypoint(const Unit& unit) {
    const int32_t row = unit.pages.fpl.planCursorRow;
    if (unit.pages.fpl.planEditState != 1 || row < 0 || row > unit.fpl.activeLastIndex) return -1;
    return row;
}

DirectToProposal proposalSource(const Unit& unit) {
    if (unit.nav.leg.directToActive == 1) return DirectToProposal::CurrentTarget;
    if (planCursorWaypoint(unit) >= 0) return DirectToProposal::PlanCursor;
    switch (unit.page.rightPageGroup) {
        case PG_APT:
        case PG_VOR:
        case PG_NDB:
        case PG_INT:
        case PG_SUP: return DirectToProposal::RightPage;
        default: return DirectToProposal::Nothing;
    }
}

bool startDirectTo(Unit& unit) {
    const PlanWaypoint& selected = unit.db.candidates[1];
    if (selected.ident[0] == '\0') return false;

    DirectToLeg& leg = unit.directToLeg;
    const AircraftSnapshot& aircraft = unit.nav.aircraft;
    leg.origin = PlanWaypoint{};
    copyText(leg.origin.ident, sizeof leg.origin.ident, "PPOS");
    copyText(leg.origin.type, sizeof leg.origin.type, "PPOS");
    leg.origin.latitude = aircraft.presentLat;
    leg.origin.longitude = aircraft.presentLon;
    leg.target = selected;

    // A waypoint chosen from the database that is the plan's own waypoint under the
    // cursor takes the plan's exact position, so that arriving at it sequences the route.
    const int32_t cursor = planCursorWaypoint(unit);
    if (activeRouteExists(unit) && cursor >= 0) {
        const PlanWaypoint& planned = unit.fpl.activeRoute.waypoints[cursor];
        double distanceNm = 0.0;
        double bearingTrue = 0.0;
        greatCircle(planned.latitude, planned.longitude, leg.target.latitude,
                    leg.target.longitude, distanceNm, bearingTrue);
        if (distanceNm < kPlanSnapNm) {
            leg.target.latitude = planned.latitude;
            leg.target.longitude = planned.longitude;
        }
    }
    unit.nav.leg.directToActive = 1;

    // The plan editor closes with its blank plan emptied, so no later proposal reads a
    // cursor row of a plan that is no longer shown.
    unit.fpl.selectedPlan = 0;
    if (FlightPlan* blank = unit.fpl.store.plan(unit.fpl.blankPlanIndex)) {
        std::memset(static_cast<void*>(blank), 0, sizeof *blank);
    }
    unit.pages.fpl.planEditState = 0;
    unit.page.rightPageGroup = PG_NAV;
    unit.page.rightNavPage = 1;
    returnLeftPage(unit);
    unit.page.rightCursorOn = 0;
    unit.pages.directTo.directToConfirmPending = 0;
    unit.pages.directTo.directToCancelPending = 0;
    return true;
}

void recaptureRoute(Unit& unit) {
    const int32_t last = unit.fpl.activeLastIndex;
    int32_t& toIndex = unit.nav.leg.activeToIndex;
    if (last < 0 || toIndex < 0 || toIndex > last) return;

    const double lat = unit.nav.aircraft.presentLat;
    const double lon = unit.nav.aircraft.presentLon;
    const PlanWaypoint* route = unit.fpl.activeRoute.waypoints;
    double distanceNm = 0.0;
    double finalBearing = 0.0;
    greatCircle(lat, lon, route[last].latitude, route[last].longitude, distanceNm, finalBearing);
    finalBearing = std::trunc(finalBearing);

    for (int32_t i = toIndex; i <= last; ++i) {
        double bearing = 0.0;
        greatCircle(lat, lon, route[i].latitude, route[i].longitude, distanceNm, bearing);
        // Bearings either side of north (359 and 001) are 2 degrees apart, not 358.
        if (std::trunc(fold180(finalBearing - bearing)) <= 90.0) {
            toIndex = i;
            return;
        }
    }
}

void cancelDirectTo(Unit& unit) {
    if (activeRouteExists(unit)) recaptureRoute(unit);
    unit.nav.leg.directToActive = 0;
    unit.pages.directTo.directToCancelPending = 0;
    returnLeftPage(unit);
}
