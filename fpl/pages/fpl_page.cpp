// The FPL page (left page group 3): FPL 0 with the active-leg mark, the stored plans
// with their USE?/INVRT? command line, and the blank plan in which plans are built and
// FPL 0 is edited. The page acts on its events first, then draws what they left.
#include <cstdio>
#include <cstring>

#include "fpl/pages/fpl_page.h"
#include "fpl/pages/plan_editor.h"
#include "fpl/plan_store.h"
#include "frame/display.h"
#include "frame/pages/page_table.h"
#include "frame/unit.h"
#include "navdb/ident_entry.h"

namespace {

constexpr int32_t kActiveRouteRows = 5;  // FPL 0 rows above the final entry's row
constexpr int32_t kPlanRows = 4;         // stored and blank plan rows between command and final
constexpr float kFieldX = 69.0f;         // identifier field of the cursor row
constexpr float kFieldBoxX = 71.0f;
constexpr float kFieldWidth = 80.0f;

void drawEntryRow(Canvas& canvas, float x, float y, int32_t number, const char* ident) {
    drawCell(canvas, x + 10.0f, y, formatCell("%3d:%s", number, ident).text);
}

// The active-leg mark: a triangle on the row's middle and a bracket up to the previous row.
void drawActiveLegMark(Canvas& canvas, float x, float rowTop, bool bracket) {
    const float y = rowTop + 12.0f;
    const PointF triangle[3] = {{x + 20.0f, y - 8.0f}, {x + 28.0f, y}, {x + 20.0f, y + 8.0f}};
    canvas.fillPolygon(triangle, 3, kGreen);
    canvas.drawLine(x + 8.0f, y, x + 28.0f, y, kGreen, 1.0f);
    if (!bracket) return;
    canvas.drawLine(x + 8.0f, y, x + 8.0f, y - 24.0f, kGreen, 1.0f);
    canvas.drawLine(x + 8.0f, y - 24.0f, x + 28.0f, y - 24.0f, kGreen, 1.0f);
}

void drawActiveRoute(const Unit& unit, Canvas& canvas, float x) {
    const FplState& fpl = unit.fpl;
    if (unit.nav.leg.activeToIndex != kNoActiveRoute && fpl.activeLastIndex >= 0) {
        const int32_t last = fpl.activeLastIndex < kPlanWaypointCount ? fpl.activeLastIndex
                                                                      : kPlanWaypointCount - 1;
        const int32_t top = activeRouteTopRow(unit);
        const bool finalOnOwnRow = last >= kActiveRouteRows;
        for (int32_t k = 0; k < kActiveRouteRows; ++k) {
            const int32_t i = top + k;
            if (i > last || (finalOnOwnRow && i == last)) break;
            drawEntryRow(canvas, x, rowY(k), i + 1, fpl.activeRoute.waypoints[i].ident);
        }
        if (finalOnOwnRow) drawEntryRow(canvas, x, rowY(5), last + 1, fpl.activeRoute.waypoints[last].ident);

        // The row each shown entry is drawn on, or -1.
        auto rowOf = [&](int32_t i) {
            if (finalOnOwnRow && i == last) return 5;
            return (i >= top && i - top < kActiveRouteRows && i < last + (finalOnOwnRow ? 0 : 1)) ? i - top : -1;
        };
        const int32_t to = unit.nav.leg.activeToIndex;
        if (unit.nav.leg.directToActive == 0 && to >= 0 && to <= last) {
            const int32_t row = rowOf(to);
            if (row >= 0) drawActiveLegMark(canvas, x, rowY(row), row >= 1);
        } else if (unit.nav.leg.directToActive != 0) {
            // A direct-to to a waypoint of the route marks that waypoint, without the bracket.
            const PlanWaypoint& target = unit.directToLeg.target;
            for (int32_t i = 0; i <= last; ++i) {
                const PlanWaypoint& w = fpl.activeRoute.waypoints[i];
                const int32_t row = rowOf(i);
                if (row < 0 || std::strcmp(w.ident, target.ident) != 0 || w.latitude != target.latitude) continue;
                drawActiveLegMark(canvas, x, rowY(row), false);
                break;
            }
        }
    }
    drawCell(canvas, x + 10.0f, kStatusRowY, formatCell("FPL%2d", 0).text);
}

void drawCommandLine(const Unit& unit, Canvas& canvas, float x, bool blankPlan) {
    const FplPageState& editor = unit.pages.fpl;
    const FplState& fpl = unit.fpl;
    const bool cursor = unit.page.leftCursorOn == 1;
    const float boxY = rowBoxY(0);
    if (!blankPlan) {
        if (cursor && editor.storedPlanChoice == kChoiceInvert) {
            drawInverseCell(canvas, x + 10.0f, boxY, 166.0f, kRowBoxHeight, x + 10.0f, 0.0f, "USE? INVRT?");
        } else if (cursor) {
            drawInverseCell(canvas, x + 10.0f, boxY, 64.0f, kRowBoxHeight, x + 10.0f, 0.0f, "USE?");
            drawCell(canvas, x + 10.0f + 5.0f * kCharWidth, 0.0f, "INVRT?");
        } else {
            drawCell(canvas, x + 10.0f, 0.0f, "USE? INVRT?");
        }
        return;
    }
    if (editor.planEditState == 0) {
        if (!cursor || editor.planCursorRow >= 0) {
            drawCell(canvas, x + 10.0f, 0.0f, "LOAD FPL 0?");
        } else if (editor.planCursorRow == -1) {
            drawInverseCell(canvas, x + 10.0f, boxY, 64.0f, kRowBoxHeight, x + 10.0f, 0.0f, "USE?");
            drawCell(canvas, x + 10.0f + 5.0f * kCharWidth, 0.0f, "INVRT?");
        } else {
            drawInverseCell(canvas, x + 10.0f, boxY, 166.0f, kRowBoxHeight, x + 10.0f, 0.0f, "USE? INVRT?");
        }
    } else if (cursor && editor.planCursorRow == -1) {
        // A full store cannot take another plan, so the save is not offered.
        // A save whose file could not be written says so until the cursor moves.
        const bool full = fpl.blankPlanIndex >= kPlanStoreSlots - 1;
        const char* prompt = full ? "STORE FULL" : (editor.saveFailed != 0 ? "SAVE FAILED" : "SAVE FPL 0 ?");
        drawInverseCell(canvas, x + 10.0f, boxY, 166.0f, kRowBoxHeight, x + 10.0f, 0.0f, prompt);
    }
}

// The identifier field of the cursor row, which always spans five cells during an entry.
void drawEntryField(const Unit& unit, Canvas& canvas, float x, float y, const PlanWaypoint& row) {
    const int32_t blink = unit.nav.blinkPhase;
    const float boxY = y + 4.0f;
    const IdentEntry& entry = unit.planEntry;
    if (unit.pages.fpl.confirmPending != 0) {
        drawFlashingCell(canvas, blink, x + kFieldBoxX, boxY, kFieldWidth, kRowBoxHeight, x + kFieldX, y,
                         enteredIdent(entry).text);
        return;
    }
    if (!planEntryInProgress(unit)) {
        drawInverseCell(canvas, x + kFieldBoxX, boxY, kFieldWidth, kRowBoxHeight, x + kFieldX, y, row.ident);
        return;
    }
    const float prefixWidth = kCharWidth * static_cast<float>(std::strlen(entry.entryText));
    if (entry.entryText[0] != '\0') {
        drawInverseCell(canvas, x + kFieldBoxX, boxY, prefixWidth, kRowBoxHeight, x + kFieldX, y,
                        entry.entryText);
    }
    const float charX = x + kFieldX + prefixWidth;
    const char character[2] = {entry.entryChar, '\0'};
    if (blinkFirstHalf(blink) || entry.nextCharPos == 1) {
        drawInverseCell(canvas, charX + 2.0f, boxY, kCharWidth, kRowBoxHeight, charX, y, character);
    } else {
        drawCell(canvas, charX, y, character);
    }
    const int32_t rest = kPlanEntryMaxChars - (entry.entryColumn > 0 ? entry.entryColumn : 1);
    if (rest > 0) {
        canvas.fillRect(charX + 2.0f + kCharWidth, boxY, kCharWidth * static_cast<float>(rest),
                        kRowBoxHeight, kGreen);
    }
}

void drawCursorRow(const Unit& unit, Canvas& canvas, float x, float y, const FlightPlan& plan) {
    const FplPageState& editor = unit.pages.fpl;
    const int32_t row = editor.planCursorRow;
    const PlanWaypoint& waypoint = plan.waypoints[row];
    if (editor.deletePending == 1) {
        drawFlashingCell(canvas, unit.nav.blinkPhase, x + 10.0f, y + 4.0f, 260.0f, kRowBoxHeight, x + 10.0f, y,
                         formatCell("DEL %3s?", waypoint.ident).text);
        return;
    }
    drawCell(canvas, x + 10.0f, y, formatCell("%3d:", row + 1).text);
    drawEntryField(unit, canvas, x, y, waypoint);
}

void drawPlan(const Unit& unit, Canvas& canvas, float x) {
    const FplPageState& editor = unit.pages.fpl;
    const FplState& fpl = unit.fpl;
    const FlightPlan* plan = fpl.store.plan(fpl.selectedPlan);
    if (plan == nullptr) return;
    const bool blankPlan = fpl.selectedPlan == fpl.blankPlanIndex;
    const bool editing = blankPlan && unit.page.leftCursorOn == 1;
    drawCommandLine(unit, canvas, x, blankPlan);

    const int32_t last = plan->lastIndex < kPlanWaypointCount ? plan->lastIndex : kPlanWaypointCount - 1;
    for (int32_t k = 0; k < kPlanRows; ++k) {
        const int32_t i = editor.planScrollTop + k;
        if (i >= last) break;  // the final entry has the bottom row
        if (editing && i == editor.planCursorRow) {
            drawCursorRow(unit, canvas, x, rowY(k + 1), *plan);
        } else {
            drawEntryRow(canvas, x, rowY(k + 1), i + 1, plan->waypoints[i].ident);
        }
    }
    if (last >= 0) {
        if (editing && unit.pages.fpl.planCursorRow == last) {
            drawCursorRow(unit, canvas, x, rowY(5), *plan);
        } else {
            drawEntryRow(canvas, x, rowY(5), last + 1, plan->waypoints[last].ident);
        }
    }

    if (unit.page.leftCursorOn == 1) {
        drawStatusLabel(canvas, x, "", 1);
    } else {
        drawCell(canvas, x + 10.0f, 151.0f, formatCell("FPL%2d", fpl.selectedPlan).text);
    }
    if (editing && editor.confirmPending == 1) {
        drawCell(canvas, 100.0f, kStatusRowY, "ENR-LEG");
        drawFlashingCell(canvas, unit.nav.blinkPhase, 224.0f, 155.0f, 50.0f, 20.0f, 224.0f, kStatusRowY, "ENT");
    }
}

}  // namespace

void drawFplPage(Unit& unit, Host&, Canvas& canvas, float x) {
    handleFplEvents(unit);
    drawFplPageOnly(unit, canvas, x);
}

void drawFplPageOnly(const Unit& unit, Canvas& canvas, float x) {
    beginPage(canvas, unit.display);
    if (unit.fpl.selectedPlan == 0) {
        drawActiveRoute(unit, canvas, x);
    } else {
        drawPlan(unit, canvas, x);
    }
    endPage(canvas);
}
