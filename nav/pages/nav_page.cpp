// The NAV page group on either side: the side's knobs and cursor button, the choice of
// NAV 1 to NAV 5, the wide NAV 1 when both sides show NAV 1, and the leg every NAV page
// shows with its header.
//
// With the cursor off the side's inner knob steps NAV 1..5, wrapping. With the cursor on,
// NAV 1 to NAV 3 ignore the knobs; NAV 4 edits the selected altitude, the offset and the
// angle (its outer knob moves between them) and drops the cursor when there is neither a
// route nor a direct-to to descend towards; NAV 5 sets the map's range and orientation
// (nav_map.cpp). With NAV 5 on both sides the left page draws the map across the whole
// display, and the right knobs choose its plots.
#include <cmath>
#include <cstring>

#include "base/knob_step.h"
#include "frame/display.h"
#include "frame/pages/page_table.h"
#include "frame/unit.h"
#include "nav/geodesy.h"
#include "nav/navigation.h"
#include "nav/pages/nav_map.h"
#include "nav/pages/nav_pages.h"

namespace {

constexpr int32_t kFirstNavPage = 1;
constexpr int32_t kLastNavPage = 5;
constexpr int32_t kFirstVnavField = 1;
constexpr int32_t kLastVnavField = 3;
constexpr const char* kDirectToMark = "    D";

// The controls of one side, as the NAV pages use them.
struct SideControls {
    int32_t& cursorOn;
    int32_t& navPage;
    int32_t& crsr;
    int32_t& innerUp;
    int32_t& innerDown;
    int32_t& outerUp;
    int32_t& outerDown;
};

SideControls controlsOf(Unit& unit, PageSide side) {
    PageState& page = unit.page;
    ControlEvents& events = unit.events;
    if (side == PageSide::Left) {
        return {page.leftCursorOn,      page.leftNavPage,        events.evtLeftCrsr,
                events.evtLeftInnerUp,  events.evtLeftInnerDown, events.evtLeftOuterUp,
                events.evtLeftOuterDown};
    }
    return {page.rightCursorOn,      page.rightNavPage,        events.evtRightCrsr,
            events.evtRightInnerUp,  events.evtRightInnerDown, events.evtRightOuterUp,
            events.evtRightOuterDown};
}

// A value changed by one step, only while the result stays within [lowest, highest]. Steps
// below 1 are kept on their grid so that repeated tenths never drift past a limit.
double stepWithin(double value, int turn, double step, double lowest, double highest) {
    double result = value + turn * step;
    if (step < 1.0) result = std::round(result / step) * step + 0.0;  // + 0.0: never "-0.0"
    constexpr double kSlack = 1e-9;
    if (result < lowest - kSlack || result > highest + kSlack) return value;
    return result;
}

void changeVnavField(Unit& unit, int turn) {
    VnavState& vnav = unit.vnav;
    switch (unit.pages.nav.vnavField) {
        case 1:
            vnav.vnavTargetAltitude =
                stepWithin(vnav.vnavTargetAltitude, turn, 100.0, 0.0, 99999.0);
            break;
        case 2: vnav.vnavOffsetNm = stepWithin(vnav.vnavOffsetNm, turn, 1.0, -99.0, 99.0); break;
        default:
            vnav.vnavAngleEntry = stepWithin(vnav.vnavAngleEntry, turn, 0.1, -9.9, 9.9);
            // The angle row shows the planned angle: the pilot's entry becomes it.
            vnav.vnavAngle = vnav.vnavAngleEntry;
            break;
    }
}

void handleVnavKnobs(Unit& unit, const SideControls& controls) {
    const bool noLeg = unit.nav.leg.activeToIndex == kNoActiveRoute &&
                       unit.nav.leg.directToActive != 1;
    if (noLeg) {
        controls.cursorOn = 0;
        return;
    }
    int32_t& field = unit.pages.nav.vnavField;
    if (take(controls.outerUp)) {
        field = knobStep(field, KnobTurn::Up, kFirstVnavField, kLastVnavField, KnobEnd::Wrap);
    }
    if (take(controls.outerDown)) {
        field = knobStep(field, KnobTurn::Down, kFirstVnavField, kLastVnavField, KnobEnd::Wrap);
    }
    if (take(controls.innerUp)) changeVnavField(unit, +1);
    if (take(controls.innerDown)) changeVnavField(unit, -1);
}

bool bothSidesOnNavPage(const PageState& page, int32_t navPage) {
    return page.leftPageGroup == PG_NAV && page.rightPageGroup == PG_NAV &&
           page.leftNavPage == navPage && page.rightNavPage == navPage;
}

void handleNavEvents(Unit& unit, PageSide side) {
    const SideControls controls = controlsOf(unit, side);
    if (take(controls.crsr)) {
        controls.cursorOn = controls.cursorOn == 1 ? 0 : 1;
        if (controls.cursorOn == 1 && controls.navPage == 4)
            unit.pages.nav.vnavField = kFirstVnavField;
    }
    if (controls.cursorOn != 1) {
        if (take(controls.innerUp)) {
            controls.navPage = knobStep(controls.navPage, KnobTurn::Up, kFirstNavPage, kLastNavPage,
                                        KnobEnd::Wrap);
        }
        if (take(controls.innerDown)) {
            controls.navPage = knobStep(controls.navPage, KnobTurn::Down, kFirstNavPage,
                                        kLastNavPage, KnobEnd::Wrap);
        }
    } else if (controls.navPage == 4) {
        handleVnavKnobs(unit, controls);
    } else if (controls.navPage == 5) {
        // The left side is settled first, so the right side knows whether the map spreads.
        handleMapKnobs(unit, side,
                       bothSidesOnNavPage(unit.page, 5) ? MapExtent::WholeDisplay
                                                        : MapExtent::SinglePage);
    }
}

}  // namespace

NavLegView navLegView(const Unit& unit) {
    NavLegView view;
    const NavState& nav = unit.nav;
    if (nav.leg.directToActive == 1) {
        const PlanWaypoint& origin = unit.directToLeg.origin;
        const PlanWaypoint& target = unit.directToLeg.target;
        view.hasLeg = true;
        view.directToMark = true;
        view.toIdent = target.ident;
        view.fromLat = origin.latitude;
        view.fromLon = origin.longitude;
        view.toLat = target.latitude;
        view.toLon = target.longitude;
        double bearingTrue = 0.0;
        greatCircle(nav.aircraft.presentLat, nav.aircraft.presentLon, target.latitude,
                    target.longitude, view.distanceNm, bearingTrue);
        view.bearingMag = toMagnetic(bearingTrue, nav.aircraft.magVar);
        double legNm = 0.0;
        double courseTrue = 0.0;
        greatCircle(origin.latitude, origin.longitude, target.latitude, target.longitude, legNm,
                    courseTrue);
        view.desiredTrackMag = toMagnetic(courseTrue, nav.aircraft.magVar);
        return view;
    }
    if (!planLegFlyable(unit)) return view;
    const PlanWaypoint* route = unit.fpl.activeRoute.waypoints;
    const PlanWaypoint& from = route[nav.leg.activeToIndex - 1];
    const PlanWaypoint& to = route[nav.leg.activeToIndex];
    view.hasLeg = true;
    view.directToMark = unit.fpl.activeLastIndex == 1 && std::strcmp(route[0].ident, "DCT") == 0;
    view.toIdent = to.ident;
    view.fromIdent = from.ident;
    view.fromLat = from.latitude;
    view.fromLon = from.longitude;
    view.toLat = to.latitude;
    view.toLon = to.longitude;
    view.distanceNm = nav.leg.distanceToGo;
    view.bearingMag = nav.leg.bearingToWaypoint;
    view.desiredTrackMag = nav.leg.desiredTrack;
    return view;
}

CourseDeviation courseDeviation(const Unit& unit, const NavLegView& leg) {
    CourseDeviation deviation;
    if (!leg.hasLeg) return deviation;
    const LegEnds ends{1, leg.fromLat, leg.fromLon, leg.toLat, leg.toLon};
    const LegMode mode = unit.nav.leg.directToActive == 1 ? LegMode::DirectTo : LegMode::PlanLeg;
    CrossTrackResult result{};
    crossTrack(unit.nav, ends, mode, result);
    deviation.valid = std::isfinite(result.crossTrackNm) && result.crossTrackNm >= 0.0;
    deviation.crossTrackNm = result.crossTrackNm;
    deviation.aircraftLeft = result.aircraftSide == 2;
    return deviation;
}

void drawLegHeader(Canvas& canvas, const NavLegView& leg, float fromX, float headerX) {
    drawCell(canvas, fromX, rowY(0),
             formatCell("%s", leg.directToMark ? kDirectToMark : leg.fromIdent).text, kFont28);
    const PointF arrow[] = {
        {headerX + 90.0f, 4.0f}, {headerX + 98.0f, 12.0f}, {headerX + 90.0f, 20.0f}};
    canvas.fillPolygon(arrow, 3, kGreen);
    const float lineStart = headerX + (leg.directToMark ? 74.0f : 84.0f);
    canvas.drawLine(lineStart, 12.0f, headerX + 98.0f, 12.0f, kGreen, 2.0f);
    drawCell(canvas, headerX + 96.0f, rowY(0), formatCell("%s", leg.toIdent).text, kFont28);
}

void drawNavTitle(Canvas& canvas, float labelX, int32_t navPage, int32_t cursorOn) {
    if (cursorOn == 1) {
        drawInverseCell(canvas, labelX, 155.0f, 66.0f, kRowTallBoxHeight, labelX, kStatusRowY,
                        "CRSR");
    } else {
        drawCell(canvas, labelX, kStatusRowY, formatCell("NAV%2d", navPage).text);
    }
}

// The NAV group's run function. The left page of a NAV pair also settles the right side's
// knobs first: whether NAV 1 spreads over both sides depends on the page the right side
// shows, and the wide page must not draw in a frame in which the right side steps away.
void drawNavPage(Unit& unit, Host&, Canvas& canvas, float x) {
    const PageSide side = x < kRightPageX ? PageSide::Left : PageSide::Right;
    handleNavEvents(unit, side);
    if (side == PageSide::Left && unit.page.rightPageGroup == PG_NAV)
        handleNavEvents(unit, PageSide::Right);

    const bool wide = bothSidesOnNavPage(unit.page, 1);
    const bool wholeMap = bothSidesOnNavPage(unit.page, 5);
    // The left page drew across both sides (and took CLR for the map once).
    if ((wide || wholeMap) && side == PageSide::Right) return;

    beginPage(canvas, unit.display);
    const int32_t navPage = side == PageSide::Left ? unit.page.leftNavPage : unit.page.rightNavPage;
    const int32_t cursorOn = side == PageSide::Left ? unit.page.leftCursorOn
                                                    : unit.page.rightCursorOn;
    const float titleX = x + (side == PageSide::Left ? 10.0f : 100.0f);
    switch (navPage) {
        case 1:
            if (wide) {
                drawWideNav1Page(unit, canvas, navLegView(unit));
            } else {
                drawNav1Page(unit, canvas, x, navLegView(unit));
                drawNavTitle(canvas, titleX, navPage, cursorOn);
            }
            break;
        case 2:
            drawNav2Page(unit, canvas, x);
            drawNavTitle(canvas, titleX, navPage, cursorOn);
            break;
        case 3:
            drawNav3Page(unit, canvas, x, navLegView(unit));
            drawNavTitle(canvas, titleX, navPage, cursorOn);
            break;
        case 4:
            drawNav4Page(unit, canvas, x, navLegView(unit), cursorOn);
            drawNavTitle(canvas, titleX, navPage, cursorOn);
            break;
        default:
            if (wholeMap) {
                handleMapClr(unit);
                drawMap(unit, canvas, x, MapExtent::WholeDisplay);
                drawMapTexts(unit, canvas, x, MapExtent::WholeDisplay);
                drawNavTitle(canvas, titleX, navPage, cursorOn);
                drawNavTitle(canvas, 289.0f, navPage, unit.page.rightCursorOn);
            } else {
                drawMap(unit, canvas, x, MapExtent::SinglePage);
                drawMapTexts(unit, canvas, x, MapExtent::SinglePage);
                drawNavTitle(canvas, titleX, navPage, cursorOn);
            }
            break;
    }
    endPage(canvas);
}
