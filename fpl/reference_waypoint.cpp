#include "fpl/reference_waypoint.h"

#include <cmath>
#include <cstring>

#include "base/text.h"
#include "fpl/plan_store.h"
#include "frame/unit.h"
#include "nav/geodesy.h"
#include "navdb/ident_entry.h"
#include "navdb/lookup.h"
#include "navdb/records.h"
#include "navdb/tables.h"
#include "navdb/user_waypoints.h"

namespace {

// Closer than this the reference stands on the leg's start point.
constexpr double kSamePointNm = 1e-6;
// A radial whose meeting point misses the leg's middle by this much or more is no answer.
constexpr double kNoMissNm = 9999.0;

struct Placement {
    double radialDeg;
    double latitude;
    double longitude;
};

// The route entry 0..last-1 nearest the point (the first one on a tie): the start of the
// leg the new waypoint goes on.
int32_t nearestLegStart(const ActiveRoute& route, int32_t last, double lat, double lon) {
    int32_t nearest = 0;
    double nearestNm = 0.0;
    for (int32_t k = 0; k < last; ++k) {
        const PlanWaypoint& w = route.waypoints[k];
        double distanceNm = 0.0;
        double bearing = 0.0;
        greatCircle(lat, lon, w.latitude, w.longitude, distanceNm, bearing);
        if (k == 0 || distanceNm < nearestNm) {
            nearest = k;
            nearestNm = distanceNm;
        }
    }
    return nearest;
}

// The whole-degree radial from the reference that meets the course from `start` to `end`
// closest to the leg's middle. False when no radial meets it.
bool placeOnLeg(const PlanWaypoint& start, const PlanWaypoint& end, double refLat, double refLon,
                Placement& out) {
    double legNm = 0.0;
    double courseTrue = 0.0;
    greatCircle(start.latitude, start.longitude, end.latitude, end.longitude, legNm, courseTrue);
    const double halfNm = legNm / 2.0;

    double fromStartNm = 0.0;
    double bearing = 0.0;
    greatCircle(start.latitude, start.longitude, refLat, refLon, fromStartNm, bearing);
    if (fromStartNm < kSamePointNm) {
        // Every radial meets the leg at its start, the reference itself: the radial along
        // the leg reaches its middle.
        out.radialDeg = floorMod(std::round(courseTrue), 360.0);
        destinationPoint(refLat, refLon, out.radialDeg, halfNm, out.latitude, out.longitude);
        return true;
    }

    double bestMissNm = kNoMissNm;
    for (int radial = 0; radial < 360; ++radial) {
        double lat = 0.0;
        double lon = 0.0;
        if (courseIntersection(refLat, refLon, radial, start.latitude, start.longitude, courseTrue,
                               lat, lon) != 0) {
            continue;
        }
        double alongNm = 0.0;
        greatCircle(start.latitude, start.longitude, lat, lon, alongNm, bearing);
        const double missNm = std::fabs(alongNm - halfNm);
        if (missNm < bestMissNm) {
            bestMissNm = missNm;
            out = {static_cast<double>(radial), lat, lon};
        }
    }
    return bestMissNm < kNoMissNm;
}

bool userWaypointNamed(const NavDbState& db, const char* ident) {
    for (int32_t i = 1; i <= db.userWaypointCount; ++i) {
        if (std::strcmp(recordIdent(db, kTypeUserWaypoint, i), ident) == 0) return true;
    }
    return false;
}

// The reference's identifier and the first letter that makes a name no user waypoint has;
// "A" when every letter is taken.
void newWaypointName(const NavDbState& db, const char* reference, char (&name)[kIdentSize]) {
    char stem[kIdentSize - 1];  // cut so that the letter always fits
    copyField(stem, reference);
    const size_t length = std::strlen(stem);
    std::memcpy(name, stem, length);
    name[length + 1] = '\0';
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        name[length] = letter;
        if (!userWaypointNamed(db, name)) return;
    }
    name[length] = 'A';
}

}  // namespace

ReferenceResult makeReferenceWaypoint(Unit& unit) {
    FplState& fpl = unit.fpl;
    NavDbState& db = unit.db;
    const int32_t last = fpl.activeLastIndex;
    if (last < 1 || last >= kPlanWaypointCount || unit.nav.leg.activeToIndex == kNoActiveRoute ||
        fpl.blankPlanIndex < 1 || fpl.store.plan(fpl.blankPlanIndex) == nullptr) {
        return ReferenceResult::NoLeg;
    }
    if (userWaypointTableFull(unit)) return ReferenceResult::TableFull;

    const PlanWaypoint& reference = db.candidates[1];
    const int32_t start = nearestLegStart(fpl.activeRoute, last, reference.latitude, reference.longitude);
    Placement place{};
    if (!placeOnLeg(fpl.activeRoute.waypoints[start], fpl.activeRoute.waypoints[start + 1],
                    reference.latitude, reference.longitude, place)) {
        return ReferenceResult::NoRadial;
    }

    WaypointRecord record{};
    char name[kIdentSize];
    newWaypointName(db, reference.ident, name);
    copyField(record.ident, name);
    copyField(record.name, name);
    copyField(record.typeText, "W");
    copyField(record.refIdent, reference.ident);
    record.latitude = place.latitude;
    record.longitude = place.longitude;
    record.bearingDeg = place.radialDeg;
    double bearing = 0.0;
    greatCircle(reference.latitude, reference.longitude, place.latitude, place.longitude,
                record.distanceNm, bearing);
    const int32_t index = addWaypoint(db, kTypeUserWaypoint, record);
    if (index == 0) return ReferenceResult::TableFull;

    // The new waypoint is the one the SUP page shows and the one ENT on the FPL page
    // inserts, even when the pilot turns the right page elsewhere first.
    db.currentUserWaypoint = index;
    LoadSelectedWaypoint(unit, kTypeUserWaypoint);
    unit.page.rightPageGroup = PG_SUP;
    unit.page.rightCursorOn = 0;
    unit.pages.sup.supLine = 0;

    // The FPL editor opens on an unchanged copy of FPL 0 with the cursor where the new
    // waypoint belongs; the cursor row's field shows the new name until ENT.
    FplPageState& editor = unit.pages.fpl;
    fpl.selectedPlan = fpl.blankPlanIndex;
    storeActiveRoute(unit);
    unit.page.leftCursorOn = 1;
    editor.planEditState = 1;
    editor.deletePending = 0;
    editor.saveFailed = 0;
    editor.planCursorRow = start + 1;
    editor.confirmPending = 2;
    clearIdentEntry(unit.planEntry);
    copyField(unit.planEntry.entryText, name);
    return ReferenceResult::Made;
}
