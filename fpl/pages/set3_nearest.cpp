// SET 3: the nearest-airport criteria. The minimum runway length (1000 to 5000 ft in
// steps of 100) is set with the left inner knob while the cursor is on; the airport
// search runs with the new length once the field is left (set_page.cpp). The surface
// line is fixed text: the search does not filter by surface.
#include <algorithm>

#include "fpl/pages/set_pages.h"
#include "frame/display.h"
#include "frame/unit.h"
#include "navdb/nearest.h"
#include "navdb/pages/waypoint_pages.h"

namespace {

constexpr float kColumn = 10.0f;
constexpr float kLengthColumn = 90.0f;
constexpr float kFeetMarkColumn = 165.0f;
constexpr float kLengthBoxWidth = 80.0f;
constexpr int32_t kLowestLengthFt = 1000;
constexpr int32_t kHighestLengthFt = 5000;
constexpr int32_t kLengthStepFt = 100;

// One knob click. The result is kept within the limits, so a length that was ever set
// outside them comes back at the nearest limit. Every click counts as a change.
void stepRunwayLength(Settings& settings, int32_t stepFt) {
    settings.minRunwayLength =
        std::clamp(settings.minRunwayLength + stepFt, kLowestLengthFt, kHighestLengthFt);
    settings.nearestCriteriaChanged = 1;
}

}  // namespace

void applyNearestCriteria(Unit& unit) {
    UpdateNearestAirports(unit);
    unit.settings.nearestCriteriaChanged = 0;
    AptPageState& apt = unit.pages.apt;
    if (apt.aptNearestMode != 1) return;
    const NearestList& list = unit.db.nearestAirports;
    // A longer minimum can leave fewer airports than the place the APT page showed: it
    // moves to the farthest place still listed, and leaves its nearest mode (keeping the
    // airport it showed) when none is.
    const int32_t places = filledNearestPlaces(list, unit.db.airportCount);
    if (places == 0) {
        apt.aptNearestMode = 0;
        apt.aptNearestPos = 0;
        return;
    }
    apt.aptNearestPos = std::clamp(apt.aptNearestPos, 1, places);
    unit.db.currentAirport = list.slots[apt.aptNearestPos].recordIndex;
}

void runSetNearestPage(Unit& unit, Host&, Canvas& canvas, float x) {
    Settings& settings = unit.settings;
    const bool cursorOn = unit.page.leftCursorOn == 1;
    if (cursorOn) {
        if (take(unit.events.evtLeftInnerUp)) stepRunwayLength(settings, kLengthStepFt);
        if (take(unit.events.evtLeftInnerDown)) stepRunwayLength(settings, -kLengthStepFt);
    }
    drawCell(canvas, x + kColumn, rowY(0), "NEAREST APT");
    drawCell(canvas, x + kColumn, rowY(1), "CRITERIA");
    drawCell(canvas, x + kColumn, rowY(2), "MIN LENGTH:");
    const CellText length = formatCell("%5d", settings.minRunwayLength);
    if (cursorOn) {
        drawInverseCell(canvas, x + kLengthColumn, rowBoxY(3), kLengthBoxWidth, kRowBoxHeight,
                        x + kLengthColumn, rowY(3), length.text);
    } else {
        drawCell(canvas, x + kLengthColumn, rowY(3), length.text);
    }
    drawCell(canvas, x + kFeetMarkColumn, rowY(3), "'");
    drawCell(canvas, x + kColumn, rowY(4), "SURFACE:");
    drawCell(canvas, x + kColumn, rowY(5), "    HRD SFT");
}
