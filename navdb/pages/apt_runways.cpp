// APT 3: the runway diagram, then the runway list two pairs at a time.
#include <algorithm>
#include <cmath>

#include "frame/display.h"
#include "frame/unit.h"
#include "nav/geodesy.h"
#include "navdb/pages/apt_pages.h"
#include "navdb/pages/waypoint_pages.h"

namespace {

constexpr float kDiagramCentreX = 92.0f;  // from the right page's left edge
constexpr float kDiagramCentreY = 72.0f;
constexpr double kDiagramHalfSizePx = 88.0;
constexpr double kDiagramMarginNm = 0.175;
constexpr float kPageWidth = 186.0f;
constexpr float kPageHeight = 150.0f;
constexpr float kListColumn = 10.0f;
inline constexpr FontSpec kDesignationFont{"Terminus", 10.0f, true};

struct DiagramFrame {
    double centreLat;
    double centreLon;
    double pixelsPerNm;
    float centreX;
    float centreY;
};

PointF placePoint(const DiagramFrame& frame, double lat, double lon) {
    double distanceNm = 0.0;
    double bearingTrue = 0.0;
    greatCircle(frame.centreLat, frame.centreLon, lat, lon, distanceNm, bearingTrue);
    const double radius = distanceNm * frame.pixelsPerNm;
    const double angle = bearingTrue * kDegToRad;
    return {frame.centreX + static_cast<float>(radius * std::sin(angle)),
            frame.centreY - static_cast<float>(radius * std::cos(angle))};
}

// North up, the airport's centre in the middle of the page, scaled so that the two
// farthest runway ends fit. Every runway of the file is drawn from its threshold to its
// far end with its own designation at the threshold; the pairing is the runway list's.
void drawRunwayDiagram(Unit& unit, Canvas& canvas, float pageX, const AirportRecord& airport) {
    const DiagramFrame frame{airport.latitude, airport.longitude,
                             2.0 * kDiagramHalfSizePx / (airport.diagramScale + kDiagramMarginNm),
                             pageX + kDiagramCentreX, kDiagramCentreY};
    canvas.setClip(pageX, 0.0f, kPageWidth, kPageHeight);
    const int32_t runwayCount = std::clamp(airport.runwayCount, 0, kRunwayCapacity);
    for (int32_t index = 1; index <= runwayCount; ++index) {
        const RunwayRecord& runway = airport.runways[index];
        double farLat = 0.0;
        double farLon = 0.0;
        runwayFarEnd(runway, unit.nav.aircraft.magVar, farLat, farLon);
        const PointF threshold =
            placePoint(frame, runway.thresholdLatitude, runway.thresholdLongitude);
        const PointF farEnd = placePoint(frame, farLat, farLon);
        canvas.drawLine(threshold.x, threshold.y, farEnd.x, farEnd.y, kGreen, 1.0f);
        // The diagram may reach past the page; a designation whose threshold lies beyond
        // it would show only as a cut-off piece, so it is left out.
        const bool labelOnPage = threshold.x >= pageX && threshold.x < pageX + kPageWidth &&
                                 threshold.y >= 0.0f && threshold.y < kPageHeight;
        if (labelOnPage) drawCell(canvas, threshold.x, threshold.y, runway.designation, kDesignationFont);
    }
    canvas.resetClip();
}

void drawRunwayRows(Canvas& canvas, float pageX, const AirportRecord& airport, int32_t pair,
                    int firstRow) {
    const int32_t index = runwayOfPair(airport, pair);
    if (index == 0) return;
    const RunwayRecord& runway = airport.runways[index];
    CellText cell = formatCell("%s /%s", runway.designation, runway.reciprocalDesignation);
    drawCell(canvas, pageX + kListColumn, rowY(firstRow - 1), cell.text);
    cell = formatCell("%d'", runway.lengthFeet);
    drawCell(canvas, pageX + kListColumn, rowY(firstRow), cell.text);
}

}  // namespace

bool runwayListContinues(const AirportRecord& airport, int32_t offset) {
    // From the diagram the list starts at pair 1, so a single runway gets its length
    // shown too; from pair k the next view starts at pair k + 2.
    const int32_t nextPair = offset == 0 ? 1 : offset + 2;
    return nextPair <= airport.runwayPairCount;
}

const char* drawApt3(Unit& unit, Canvas& canvas, float pageX, AirportRecord& airport) {
    prepareRunwayPairs(airport, unit.nav.aircraft.magVar);
    int32_t& offset = unit.pages.apt.runwayListOffset;
    // Another airport may have fewer pairs than the list position reached before.
    if (offset < 0 || offset > airport.runwayPairCount) offset = 0;

    if (offset == 0) {
        drawRunwayDiagram(unit, canvas, pageX, airport);
    } else {
        drawRunwayRows(canvas, pageX, airport, offset, 3);
        if (offset + 1 <= airport.runwayPairCount) {
            drawRunwayRows(canvas, pageX, airport, offset + 1, 5);
        }
    }
    if (airport.runwayPairCount == 0) return "APT+3";
    return runwayListContinues(airport, offset) ? "APT+3" : "APT 3";
}
