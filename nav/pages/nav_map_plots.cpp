// The whole-display map's plots of the nearby VORs, NDBs and airports, and their switches.
//
// The plots read the nearest searches' narrow lists (navdb/nearest.h), refreshed here when
// the aircraft has moved far enough from where they were built; the searches' own position
// and slots stay as the APT, VOR and NDB pages left them. They are placed with the map's
// own up-bearing, so a VOR on the route is drawn on its route waypoint in every mode.
#include <cmath>

#include "frame/display.h"
#include "frame/unit.h"
#include "nav/geodesy.h"
#include "nav/map_projection.h"
#include "nav/pages/nav_map.h"
#include "navdb/nearest.h"

namespace {

// Entries farther than twice the range plus this are left out.
constexpr double kPlotMarginNm = 50.0;
inline constexpr FontSpec kPlotFont{"Terminus", 11.0f, true};
constexpr float kSwitchLabelX = 256.0f;
constexpr float kSwitchValueX = 322.0f;
constexpr float kSwitchBoxX = 320.0f;
constexpr float kSwitchBoxW = 48.0f;
constexpr float kSwitchSymbolX = 248.0f;

void drawVorSymbol(Canvas& canvas, float x, float y) {
    canvas.drawEllipse(x - 2.0f, y - 2.0f, 4.0f, 4.0f, kGreen, 2.0f);
    canvas.drawEllipse(x - 0.5f, y - 0.5f, 1.0f, 1.0f, kGreen, 1.0f);
}

void drawNdbSymbol(Canvas& canvas, float x, float y) {
    canvas.drawEllipse(x - 4.0f, y - 1.0f, 4.0f, 4.0f, kGreen, 6.0f);
}

void drawAirportSymbol(Canvas& canvas, float x, float y) {
    const PointF diamond[] = {{x, y - 4.0f}, {x + 2.0f, y - 2.0f}, {x, y}, {x - 2.0f, y - 2.0f}};
    canvas.fillPolygon(diamond, 4, kGreen);
}

// One kind's narrow list: each entry near enough, as its symbol with its ident.
void plotKind(Unit& unit, Canvas& canvas, const MapFrame& frame, NearestKind kind) {
    refreshNearestLists(unit, kind);
    const NearestList& list = nearestList(unit.db, kind);
    const double reachNm = 2.0 * unit.pages.nav.leftMapRange + kPlotMarginNm;
    const PointF origin{0.0f, 0.0f};
    for (int32_t i = 1; i <= list.narrowCount; ++i) {
        const NearestEntry& entry = list.narrowList[static_cast<size_t>(i)];
        double distanceNm = 0.0;
        double bearingTrue = 0.0;
        greatCircle(unit.nav.aircraft.presentLat, unit.nav.aircraft.presentLon, entry.latitude,
                    entry.longitude, distanceNm, bearingTrue);
        if (!(distanceNm <= reachNm)) continue;
        PointF p{};
        if (!projectToMap(frame.upBearing, bearingTrue, origin, distanceNm * frame.unitsPerNm, p))
            continue;
        const CellText ident = formatCell("%.7s", entry.ident);
        switch (kind) {
            case NearestKind::Vors:
                drawVorSymbol(canvas, p.x, p.y);
                drawCell(canvas, p.x + 6.0f, p.y - 4.0f, ident.text, kPlotFont);
                break;
            case NearestKind::Ndbs:
                drawNdbSymbol(canvas, p.x, p.y);
                drawCell(canvas, p.x + 4.0f, p.y - 3.0f, ident.text, kPlotFont);
                break;
            default:
                drawAirportSymbol(canvas, p.x, p.y);
                drawCell(canvas, p.x + 3.0f, p.y - 7.0f, ident.text, kPlotFont);
                break;
        }
    }
}

}  // namespace

void drawMapPlots(Unit& unit, Canvas& canvas, const MapFrame& frame) {
    const NavPagesState& map = unit.pages.nav;
    // The plots are drawn with the map origin at (0, 0); the clip set in drawing-space
    // units stays where it was.
    canvas.translateTransform(frame.origin.x, frame.origin.y);
    if (map.plotVor == 1) plotKind(unit, canvas, frame, NearestKind::Vors);
    if (map.plotNdb == 1) plotKind(unit, canvas, frame, NearestKind::Ndbs);
    if (map.plotApt == 1) plotKind(unit, canvas, frame, NearestKind::Airports);
    beginPage(canvas, unit.display);
}

void drawPlotSwitches(const Unit& unit, Canvas& canvas) {
    const NavPagesState& map = unit.pages.nav;
    const struct {
        const char* label;
        int32_t on;
        void (*symbol)(Canvas&, float, float);
    } rows[] = {{"VOR:", map.plotVor, &drawVorSymbol},
                {"NDB:", map.plotNdb, &drawNdbSymbol},
                {"APT:", map.plotApt, &drawAirportSymbol}};
    for (int row = 0; row < 3; ++row) {
        const float y = rowY(row);
        rows[row].symbol(canvas, kSwitchSymbolX, y + 14.0f);
        drawCell(canvas, kSwitchLabelX, y, rows[row].label, kFont24);
        const char* value = rows[row].on == 1 ? " ON" : "OFF";
        if (unit.page.rightCursorOn == 1 && map.fullMapField == row + 1) {
            drawInverseCell(canvas, kSwitchBoxX, rowBoxY(row), kSwitchBoxW, kRowBoxHeight,
                            kSwitchValueX, y, value, kFont24);
        } else {
            drawCell(canvas, kSwitchValueX, y, value, kFont24);
        }
    }
}
