// The rows the waypoint pages share, and stepping through a nearest list.
#include <cstring>

#include "base/knob_step.h"
#include "frame/display.h"
#include "frame/unit.h"
#include "nav/geodesy.h"
#include "navdb/coordinates.h"
#include "navdb/pages/waypoint_pages.h"

namespace {

constexpr float kIdentColumn = 5.0f;
constexpr float kNameColumn = 5.0f;
constexpr float kDataColumn = 10.0f;
constexpr float kRankColumn = 101.0f;
constexpr float kUnitColumn = 150.0f;
// The small font sits lower in its row so that it shares the large text's baseline.
constexpr float kSmallTextDrop = 4.0f;

float rowTop(int row) { return rowY(row - 1); }

}  // namespace

void drawIdentRow(const Unit& unit, Canvas& canvas, float pageX, const char* ident,
                  int32_t entryShown) {
    const CellText cell = formatCell(" %s", ident);
    drawCell(canvas, pageX + kIdentColumn, rowTop(1), cell.text);
    const IdentEntry& entry = unit.identEntry;
    if (entryShown == 0 || entry.entryColumn < 1 || entry.entryChar == '\0') return;
    // The cell begins with a blank, so character position k of the identifier is the
    // k-th 16-unit position after the first.
    const float boxX = pageX + kIdentColumn + kCharWidth * static_cast<float>(entry.entryColumn);
    const char character[2] = {entry.entryChar, '\0'};
    drawInverseCell(canvas, boxX, rowBoxY(0), kCharWidth, kRowBoxHeight, boxX, rowTop(1),
                    character);
}

void drawNearestRank(const Unit& unit, Canvas& canvas, float pageX, int32_t rank) {
    const CellText cell = formatCell("NR %d", rank);
    drawFlashingCell(canvas, unit.nav.blinkPhase, pageX + kRankColumn, rowBoxY(0), 64.0f,
                     kRowBoxHeight, pageX + kRankColumn, rowTop(1), cell.text);
}

void drawNameRows(Canvas& canvas, float pageX, const char* name) {
    const NameLines lines = splitName(name);
    drawCell(canvas, pageX + kNameColumn, rowTop(2), lines.line1);
    drawCell(canvas, pageX + kNameColumn, rowTop(3), lines.line2);
}

void drawPositionRows(Canvas& canvas, float pageX, double latitude, double longitude) {
    char row[kPositionRowSize];
    FormatLatitudeRow(latitude, row);
    drawCell(canvas, pageX + kDataColumn, rowTop(5), row);
    FormatLongitudeRow(longitude, row);
    drawCell(canvas, pageX + kDataColumn, rowTop(6), row);
}

void drawBearingDistanceRows(const Unit& unit, Canvas& canvas, float pageX, double latitude,
                             double longitude) {
    double distanceNm = 0.0;
    double bearingTrue = 0.0;
    greatCircle(unit.nav.aircraft.presentLat, unit.nav.aircraft.presentLon, latitude, longitude, distanceNm,
                bearingTrue);
    const double bearingMag = toMagnetic(bearingTrue, unit.nav.aircraft.magVar);

    CellText cell = formatCell("     %03.0f", bearingMag);
    drawCell(canvas, pageX + kDataColumn, rowTop(5), cell.text);
    drawCell(canvas, pageX + kUnitColumn, rowTop(5) + kSmallTextDrop, "TO", kFont24);
    cell = formatCell("   %6.1f", distanceNm);
    drawCell(canvas, pageX + kDataColumn, rowTop(6), cell.text);
    drawCell(canvas, pageX + kUnitColumn, rowTop(6) + kSmallTextDrop, "NM", kFont24);
}

void drawNoDataPage(Unit& unit, Canvas& canvas, float pageX, const char* dataText,
                    const char* label) {
    if (unit.page.rightCursorOn != 0 && take(unit.events.evtRightCrsr)) {
        unit.page.rightCursorOn = 0;
    }
    drawCell(canvas, pageX + kIdentColumn, rowTop(1), dataText);
    drawCell(canvas, pageX + kIdentColumn, rowTop(2), " NOT FOUND");
    drawStatusLabel(canvas, pageX, label, unit.page.rightCursorOn);
}

bool nearestSearchDue(const Unit& unit, const NearestList& list, double stepNm) {
    if (list.searchLat <= kNearestNoPosition || list.searchLon <= kNearestNoPosition) return true;
    double distanceNm = 0.0;
    double bearing = 0.0;
    greatCircle(unit.nav.aircraft.presentLat, unit.nav.aircraft.presentLon, list.searchLat, list.searchLon,
                distanceNm, bearing);
    return distanceNm > stepNm;
}

int32_t filledNearestPlaces(const NearestList& list, int32_t tableCount) {
    int32_t places = 0;
    while (places < kNearestSlotCount) {
        const int32_t record = list.slots[places + 1].recordIndex;
        if (record < 1 || record > tableCount) break;
        ++places;
    }
    return places;
}

void stepNearestUp(NearestStepping step) {
    if (step.nearestMode != 0) {
        ++step.nearestPos;
        if (step.nearestPos > filledNearestPlaces(step.list, step.tableCount)) {
            // Past the last listed place the page returns to the start of the table.
            step.nearestMode = 0;
            step.nearestPos = 0;
            step.current = 1;
        } else {
            step.current = step.list.slots[step.nearestPos].recordIndex;
        }
        return;
    }
    step.current = knobStep(step.current, KnobTurn::Up, 1, step.tableCount, KnobEnd::Stop);
}

void stepNearestDown(NearestStepping step) {
    const int32_t places = filledNearestPlaces(step.list, step.tableCount);
    if (step.nearestMode != 0) {
        if (step.nearestPos > places) step.nearestPos = places + 1;
        if (step.nearestPos > 1) --step.nearestPos;
        if (step.nearestPos >= 1 && step.nearestPos <= places) {
            step.current = step.list.slots[step.nearestPos].recordIndex;
        }
        return;
    }
    if (step.current > 1) {
        --step.current;
        return;
    }
    // Below record 1 lies the nearest list, entered at its farthest place. With nothing
    // listed (no record near enough) the page stays on record 1.
    if (places == 0) return;
    step.nearestMode = 1;
    step.nearestPos = places;
    step.current = step.list.slots[places].recordIndex;
}

void keepCurrentInTable(int32_t& current, int32_t count) {
    if (current < 1 || current > count) current = 1;
}
