// D/T 1 to D/T 3 while the left side shows the FPL page: beside each waypoint row of the
// plan shown there, the distance run along the plan up to that waypoint and, for FPL 0,
// its ETE (D/T 1), its arrival time (D/T 2), or the desired track of the leg into it
// (D/T 3, every plan).
//
// FPL 0 counts from its first row shown, stored plans from their first waypoint. The
// final waypoint has the bottom row once the plan is longer than the rows above it, and
// its distance carries every leg between.
#include <cmath>

#include "fpl/pages/dt_pages.h"
#include "fpl/pages/plan_editor.h"
#include "frame/unit.h"
#include "nav/geodesy.h"

namespace {

constexpr int kListRows = 4;   // rows 1..4 between the header and the final row
constexpr int kFinalRow = 5;

const char* const kHeaders[] = {"DIS     ETE", "DIS     UTC", "DIS     DTK"};
const char* const kDashRows[] = {"----   --:--", "----   --:--", "----    ---"};

// One plan as the list walks it: its waypoints, its final index, and whether it is FPL 0.
struct ListedPlan {
    const PlanWaypoint* waypoints;
    int32_t last;
    bool activeRoute;
};

struct LegStep {
    double lengthNm;
    double bearingTrue;
};

LegStep leg(const ListedPlan& plan, int32_t to) {
    const PlanWaypoint& a = plan.waypoints[to - 1];
    const PlanWaypoint& b = plan.waypoints[to];
    LegStep step{0.0, 0.0};
    greatCircle(a.latitude, a.longitude, b.latitude, b.longitude, step.lengthNm, step.bearingTrue);
    return step;
}

// The row text of a waypoint `runningNm` along the plan, reached by a leg on `bearingTrue`.
CellText rowText(const Unit& unit, const ListedPlan& plan, int32_t page, double runningNm, double bearingTrue) {
    if (!std::isfinite(runningNm)) return formatCell("%s", kDashRows[page - 1]);
    if (page == 3) {
        double dtk = 0.0;
        if (!dtkOf(unit, bearingTrue, dtk)) return formatCell("%4.0f    ---\xB0", runningNm);
        return formatCell("%4.0f    %03.0f\xB0", runningNm, dtk);
    }
    if (page == 1) {
        // FPL 1, the simulator's own plan, shows no distances here while no route is active.
        if (unit.fpl.selectedPlan == 1 && unit.nav.leg.activeToIndex == kNoActiveRoute) {
            return formatCell("%s", kDashRows[0]);
        }
        HoursMinutes ete;
        if (plan.activeRoute && eteOf(unit, runningNm, ete)) {
            return formatCell("%5.0f   %d:%02d", runningNm, ete.hours, ete.minutes);
        }
        return formatCell("%5.0f  --:--", runningNm);
    }
    HoursMinutes eta;
    if (plan.activeRoute && etaOf(unit, runningNm, eta)) {
        return formatCell("%5.0f   %02d:%02d", runningNm, eta.hours, eta.minutes);
    }
    return formatCell("%5.0f   --:--", runningNm);
}

void drawRow(Canvas& canvas, float x, int row, const char* text) {
    drawCell(canvas, x, rowY(row), text, kDtFont);
}

// FPL 0: the rows beside the FPL page's rows 1..4 from its top row, which is the start,
// and the final waypoint on the bottom row when it lies below them.
void drawActiveRouteList(const Unit& unit, Canvas& canvas, float x, int32_t page, const ListedPlan& plan) {
    const int32_t top = activeRouteTopRow(unit);
    double runningNm = 0.0;
    LegStep step{0.0, 0.0};
    for (int row = 1; row <= kListRows; ++row) {
        const int32_t index = top + row;
        if (index > plan.last) return;
        step = leg(plan, index);
        runningNm += step.lengthNm;
        drawRow(canvas, x, row, rowText(unit, plan, page, runningNm, step.bearingTrue).text);
    }
    if (plan.last <= top + kListRows) return;
    for (int32_t index = top + kListRows + 1; index <= plan.last; ++index) {
        step = leg(plan, index);
        runningNm += step.lengthNm;
    }
    drawRow(canvas, x, kFinalRow, rowText(unit, plan, page, runningNm, step.bearingTrue).text);
}

// Stored plans: the FPL page shows waypoints from its scroll row on rows 1..4 and the
// final one on the bottom row; each gets its distance from the plan's first waypoint.
void drawStoredPlanList(const Unit& unit, Canvas& canvas, float x, int32_t page, const ListedPlan& plan) {
    const int32_t scrollTop = unit.pages.fpl.planScrollTop;
    double runningNm = 0.0;
    for (int32_t index = 1; index <= plan.last; ++index) {
        const LegStep step = leg(plan, index);
        runningNm += step.lengthNm;
        const int row = index == plan.last ? kFinalRow : index - scrollTop + 1;
        if (index == plan.last || (row >= 1 && row <= kListRows)) {
            drawRow(canvas, x, row, rowText(unit, plan, page, runningNm, step.bearingTrue).text);
        }
    }
}

}  // namespace

void drawDtLegList(const Unit& unit, Canvas& canvas, float x, int32_t page) {
    drawCell(canvas, x + 10.0f, rowY(0), kHeaders[page - 1], kDtFont);
    const FplState& fpl = unit.fpl;
    if (fpl.selectedPlan == 0) {
        if (unit.nav.leg.activeToIndex == kNoActiveRoute || fpl.activeLastIndex < 0) {
            for (int row = 1; row <= kListRows; ++row) drawRow(canvas, x, row, kDashRows[page - 1]);
            return;
        }
        const int32_t last = fpl.activeLastIndex < kPlanWaypointCount ? fpl.activeLastIndex : kPlanWaypointCount - 1;
        drawActiveRouteList(unit, canvas, x, page, {fpl.activeRoute.waypoints, last, true});
        return;
    }
    const FlightPlan* stored = fpl.store.plan(fpl.selectedPlan);
    if (stored == nullptr || stored->lastIndex < 1) return;
    const int32_t last = stored->lastIndex < kPlanWaypointCount ? stored->lastIndex : kPlanWaypointCount - 1;
    drawStoredPlanList(unit, canvas, x, page, {stored->waypoints, last, false});
}
