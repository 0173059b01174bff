// NAV 5: the map's controls, its route, direct-to leg and aircraft symbol, and its texts.
#include "nav/pages/nav_map.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/knob_step.h"
#include "frame/display.h"
#include "frame/unit.h"
#include "nav/geodesy.h"
#include "nav/map_projection.h"
#include "nav/navigation.h"
#include "nav/pages/nav_hooks.h"

namespace {

constexpr float kPageWidth = 184.0f;
constexpr float kPageHeight = 153.0f;
// On the whole display the map lies right of the frame line at x 92; the column left of it
// holds the texts.
constexpr float kWholeMapLeft = 93.0f;
constexpr PointF kWholeOrigin{230.0f, 130.0f};
constexpr PointF kWholeNorthUpOrigin{230.0f, 88.0f};
// Lines are cut to the view grown by this margin, markers beyond it are left out: the
// canvas clips what shows, this keeps far-away points from reaching it as huge numbers.
constexpr float kLineMargin = 8.0f;
constexpr float kMarkerMargin = 48.0f;
constexpr float kArrowStrokeLength = 6.0f;
constexpr double kArrowTurnDeg = 145.0;

inline constexpr FontSpec kIdentFont{"Terminus", 10.0f, true};
inline constexpr FontSpec kNumberFont{"Terminus", 9.0f, true};

bool legFlown(const Unit& unit) { return unit.nav.leg.directToActive == 1 || planLegFlyable(unit); }

bool routeActive(const Unit& unit) {
    return unit.nav.leg.activeToIndex != kNoActiveRoute && unit.fpl.activeLastIndex >= 0;
}

// A position placed on the map by its distance and true bearing from the aircraft.
bool placeOnMap(const Unit& unit, const MapFrame& frame, double lat, double lon, PointF& point) {
    double distanceNm = 0.0;
    double bearingTrue = 0.0;
    greatCircle(unit.nav.aircraft.presentLat, unit.nav.aircraft.presentLon, lat, lon, distanceNm,
                bearingTrue);
    return projectToMap(frame.upBearing, bearingTrue, frame.origin, distanceNm * frame.unitsPerNm,
                        point);
}

bool nearView(const MapFrame& frame, PointF point, float margin) {
    return point.x >= frame.viewX - margin && point.x <= frame.viewX + frame.viewW + margin &&
           point.y >= frame.viewY - margin && point.y <= frame.viewY + frame.viewH + margin;
}

// The part of the line a-b inside the view grown by kLineMargin (Liang-Barsky); false when
// none of it is.
bool cutToView(const MapFrame& frame, PointF& a, PointF& b) {
    const double dx = static_cast<double>(b.x) - a.x;
    const double dy = static_cast<double>(b.y) - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {
        a.x - (frame.viewX - kLineMargin), frame.viewX + frame.viewW + kLineMargin - a.x,
        a.y - (frame.viewY - kLineMargin), frame.viewY + frame.viewH + kLineMargin - a.y};
    double enter = 0.0;
    double leave = 1.0;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
        if (enter > leave) return false;
    }
    const PointF start = a;
    a = {static_cast<float>(start.x + enter * dx), static_cast<float>(start.y + enter * dy)};
    b = {static_cast<float>(start.x + leave * dx), static_cast<float>(start.y + leave * dy)};
    return true;
}

void drawMapLine(Canvas& canvas, const MapFrame& frame, PointF a, PointF b) {
    if (cutToView(frame, a, b)) canvas.drawLine(a.x, a.y, b.x, b.y, kGreen, 1.0f);
}

// A waypoint: a small filled square, its ident above right and its route number below right.
void drawWaypointMarker(Canvas& canvas, const MapFrame& frame, PointF point, const char* ident,
                        int number) {
    if (!nearView(frame, point, kMarkerMargin)) return;
    canvas.fillRect(point.x - 2.0f, point.y - 2.0f, 4.0f, 4.0f, kGreen);
    drawCell(canvas, point.x + 5.0f, point.y - 11.0f, formatCell("%.7s", ident).text, kIdentFont);
    if (number > 0) {
        drawCell(canvas, point.x + 5.0f, point.y + 1.0f, formatCell("%d", number).text,
                 kNumberFont);
    }
}

// Two strokes back from `tip`, each turned 145 degrees from the screen direction `towards`
// (degrees clockwise from up), so that they point along it into the tip.
void drawArrowhead(Canvas& canvas, const MapFrame& frame, PointF tip, double towardsDeg) {
    if (!nearView(frame, tip, kMarkerMargin)) return;
    for (const double turn : {kArrowTurnDeg, -kArrowTurnDeg}) {
        const double angle = (towardsDeg + turn) * kDegToRad;
        const auto endX = static_cast<float>(tip.x + kArrowStrokeLength * std::sin(angle));
        const auto endY = static_cast<float>(tip.y - kArrowStrokeLength * std::cos(angle));
        canvas.drawLine(tip.x, tip.y, endX, endY, kGreen, 1.0f);
    }
}

// Screen direction from a to b in degrees clockwise from up; false when they coincide.
bool screenDirection(PointF a, PointF b, double& directionDeg) {
    const double dx = static_cast<double>(b.x) - a.x;
    const double dy = static_cast<double>(b.y) - a.y;
    if (dx == 0.0 && dy == 0.0) return false;
    directionDeg = std::atan2(dx, -dy) * kRadToDeg;
    return true;
}

void drawRoute(const Unit& unit, Canvas& canvas, const MapFrame& frame) {
    const int32_t last = std::min(unit.fpl.activeLastIndex, kPlanWaypointCount - 1);
    PointF points[kPlanWaypointCount];
    bool placed[kPlanWaypointCount] = {};
    const PlanWaypoint* route = unit.fpl.activeRoute.waypoints;
    for (int32_t i = 0; i <= last; ++i) {
        placed[i] = placeOnMap(unit, frame, route[i].latitude, route[i].longitude, points[i]);
        if (i > 0 && placed[i] && placed[i - 1])
            drawMapLine(canvas, frame, points[i - 1], points[i]);
    }
    for (int32_t i = 0; i <= last; ++i) {
        if (placed[i]) drawWaypointMarker(canvas, frame, points[i], route[i].ident, i + 1);
    }
    const int32_t to = unit.nav.leg.activeToIndex;
    if (unit.nav.leg.directToActive == 1 || to < 0 || to > last || !placed[to]) return;
    // Along the leg into the TO waypoint, or from the aircraft when it has no FROM.
    double directionDeg = 0.0;
    const bool alongLeg = to > 0 && placed[to - 1] &&
                          screenDirection(points[to - 1], points[to], directionDeg);
    if (alongLeg || screenDirection(frame.origin, points[to], directionDeg)) {
        drawArrowhead(canvas, frame, points[to], directionDeg);
    }
}

void drawDirectToLeg(const Unit& unit, Canvas& canvas, const MapFrame& frame) {
    const PlanWaypoint& origin = unit.directToLeg.origin;
    const PlanWaypoint& target = unit.directToLeg.target;
    PointF from{};
    PointF to{};
    const bool fromPlaced = placeOnMap(unit, frame, origin.latitude, origin.longitude, from);
    const bool toPlaced = placeOnMap(unit, frame, target.latitude, target.longitude, to);
    if (fromPlaced && toPlaced) drawMapLine(canvas, frame, from, to);
    if (fromPlaced && nearView(frame, from, kMarkerMargin)) {
        drawCell(canvas, from.x + 5.0f, from.y - 11.0f, "DCT", kIdentFont);
    }
    if (toPlaced) drawWaypointMarker(canvas, frame, to, target.ident, 0);
}

// Where the map turns with the aircraft (heading and track up) the symbol is an aircraft
// pointing up; where it does not, a diamond.
void drawAircraftSymbol(Canvas& canvas, const MapFrame& frame) {
    const float x = frame.origin.x;
    const float y = frame.origin.y;
    if (frame.mode == kMapHeadingUp || frame.mode == kMapTrackUp) {
        canvas.drawLine(x - 8.0f, y, x + 8.0f, y, kGreen, 2.0f);
        canvas.drawLine(x, y - 8.0f, x, y + 10.0f, kGreen, 2.0f);
        canvas.drawLine(x - 4.0f, y + 8.0f, x + 4.0f, y + 8.0f, kGreen, 2.0f);
        return;
    }
    const PointF diamond[] = {{x, y - 6.0f}, {x + 6.0f, y}, {x, y + 6.0f}, {x - 6.0f, y}};
    canvas.fillPolygon(diamond, 4, kGreen);
}

const char* orientationText(int32_t mode) {
    switch (mode) {
        case kMapNorthUp: return "N";
        case kMapTrackUp: return "TK";
        case kMapDesiredTrackUp: return "DTK";
        default: return "HDG";
    }
}

// Orientation and range, each at its own row top and x, in inverse while the cursor is on
// its field. A small pointer after the orientation shows that it points up.
void drawOrientationAndRange(Canvas& canvas, int32_t mode, double rangeNm, bool cursorOn,
                             int32_t field, PointF orientationAt, PointF rangeAt) {
    const bool orientationMarked = cursorOn && field == 2;
    if (orientationMarked) {
        drawInverseCell(canvas, orientationAt.x - 2.0f, orientationAt.y + 4.0f, 62.0f,
                        kRowBoxHeight, orientationAt.x, orientationAt.y, orientationText(mode),
                        kFont24);
    } else {
        drawCell(canvas, orientationAt.x, orientationAt.y, orientationText(mode), kFont24);
    }
    // Just after the text: a character of the 24-unit font is about 12 units wide.
    const auto textWidth = static_cast<float>(12 * std::strlen(orientationText(mode)));
    const float px = orientationAt.x + textWidth + 8.0f;
    const float py = orientationAt.y + 6.0f;
    const PointF pointer[] = {{px, py}, {px + 5.0f, py + 12.0f}, {px - 5.0f, py + 12.0f}};
    canvas.fillPolygon(pointer, 3, orientationMarked ? kBlack : kGreen);

    const CellText range = formatCell("%4.0f", rangeNm);
    if (cursorOn && field == 1) {
        drawInverseCell(canvas, rangeAt.x - 2.0f, rangeAt.y + 4.0f, 65.0f, kRowBoxHeight, rangeAt.x,
                        rangeAt.y, range.text, kFont24);
    } else {
        drawCell(canvas, rangeAt.x, rangeAt.y, range.text, kFont24);
    }
}

void toggle(int32_t& flag) { flag = flag == 1 ? 0 : 1; }

}  // namespace

MapFrame mapFrameFor(const Unit& unit, float x0, MapExtent extent) {
    const NavPagesState& map = unit.pages.nav;
    MapFrame frame{};
    double rangeNm = 0.0;
    if (extent == MapExtent::WholeDisplay) {
        // The whole display follows the left side's mode and range.
        frame.mode = map.leftMapMode;
        rangeNm = map.leftMapRange;
        // Worked out afresh: the knobs may have changed the mode since the draw began.
        frame.radiusPx = mapScaleFor(unit);
        frame.origin = frame.mode == kMapNorthUp ? kWholeNorthUpOrigin : kWholeOrigin;
        frame.viewX = kWholeMapLeft;
        frame.viewY = 0.0f;
        frame.viewW = kDrawingWidth - kWholeMapLeft;
        frame.viewH = kDrawingHeight;
    } else {
        const bool left = x0 < kRightPageX;
        frame.mode = left ? map.leftMapMode : map.rightMapMode;
        rangeNm = left ? map.leftMapRange : map.rightMapRange;
        // Each page keeps the radius of its own mode, so turning one side to north up does
        // not rescale the other side's map under its range.
        const bool northUp = frame.mode == kMapNorthUp;
        frame.radiusPx = northUp ? 72.0 : 96.0;
        frame.origin = {x0 + 92.0f, northUp ? 72.0f : 96.0f};
        frame.viewX = x0;
        frame.viewY = 0.0f;
        frame.viewW = kPageWidth;
        frame.viewH = kPageHeight;
    }
    frame.unitsPerNm = mapUnitsPerNm(frame.radiusPx, rangeNm);
    frame.upBearing = mapUpBearing(frame.mode, unit.nav, legFlown(unit));
    return frame;
}

void handleMapKnobs(Unit& unit, PageSide side, MapExtent extent) {
    ControlEvents& events = unit.events;
    NavPagesState& map = unit.pages.nav;
    if (side == PageSide::Right && extent == MapExtent::WholeDisplay) {
        if (take(events.evtRightOuterUp))
            map.fullMapField = knobStep(map.fullMapField, KnobTurn::Up, 1, 3, KnobEnd::Wrap);
        if (take(events.evtRightOuterDown))
            map.fullMapField = knobStep(map.fullMapField, KnobTurn::Down, 1, 3, KnobEnd::Wrap);
        int32_t* switches[] = {&map.plotVor, &map.plotNdb, &map.plotApt};
        int32_t* chosen = switches[std::clamp(map.fullMapField, 1, 3) - 1];
        if (take(events.evtRightInnerUp)) toggle(*chosen);
        if (take(events.evtRightInnerDown)) toggle(*chosen);
        return;
    }
    const bool left = side == PageSide::Left;
    int32_t& field = left ? map.leftMapField : map.rightMapField;
    int32_t& mode = left ? map.leftMapMode : map.rightMapMode;
    double& range = left ? map.leftMapRange : map.rightMapRange;
    if (take(left ? events.evtLeftOuterUp : events.evtRightOuterUp)) field = field == 1 ? 2 : 1;
    if (take(left ? events.evtLeftOuterDown : events.evtRightOuterDown)) field = field == 1 ? 2 : 1;
    for (const KnobTurn turn : {KnobTurn::Up, KnobTurn::Down}) {
        int32_t& flag = turn == KnobTurn::Up
                            ? (left ? events.evtLeftInnerUp : events.evtRightInnerUp)
                            : (left ? events.evtLeftInnerDown : events.evtRightInnerDown);
        if (!take(flag)) continue;
        if (field == 2) {
            mode = knobStep(mode, turn, kMapNorthUp, kMapDesiredTrackUp, KnobEnd::Wrap);
        } else if (left) {
            range = stepLeftMapRange(range, turn, unit.spin.leftInnerSpinCount);
        } else {
            range = stepRightMapRange(range, turn);
        }
    }
}

void handleMapClr(Unit& unit) {
    if (take(unit.events.evtClr)) toggle(unit.pages.nav.nav5ClrToggle);
}

void drawMap(Unit& unit, Canvas& canvas, float x0, MapExtent extent) {
    const MapFrame frame = mapFrameFor(unit, x0, extent);
    canvas.setClip(frame.viewX, frame.viewY, frame.viewW, frame.viewH);
    if (routeActive(unit)) drawRoute(unit, canvas, frame);
    if (unit.nav.leg.directToActive == 1) drawDirectToLeg(unit, canvas, frame);
    drawAircraftSymbol(canvas, frame);
    const NavPagesState& map = unit.pages.nav;
    if (extent == MapExtent::WholeDisplay && map.nav5ClrToggle == 0) {
        drawMapPlots(unit, canvas, frame);
    }
    canvas.resetClip();
}

void drawMapTexts(const Unit& unit, Canvas& canvas, float x0, MapExtent extent) {
    const NavPagesState& map = unit.pages.nav;
    const PageState& page = unit.page;
    if (extent == MapExtent::WholeDisplay) {
        // The column left of the map, above its frame line at y 122.
        drawOrientationAndRange(canvas, map.leftMapMode, map.leftMapRange, page.leftCursorOn == 1,
                                map.leftMapField, {5.0f, rowY(4)}, {5.0f, rowY(3)});
        drawPlotSwitches(unit, canvas);
        return;
    }
    const bool left = x0 < kRightPageX;
    drawOrientationAndRange(canvas, left ? map.leftMapMode : map.rightMapMode,
                            left ? map.leftMapRange : map.rightMapRange,
                            (left ? page.leftCursorOn : page.rightCursorOn) == 1,
                            left ? map.leftMapField : map.rightMapField, {x0 + 5.0f, rowY(5)},
                            {x0 + 110.0f, rowY(5)});
}
