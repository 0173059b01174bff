// The D/T page group (right page group 13): the right inner knob steps D/T 1 to D/T 4 round,
// and the page shown draws in the form the left side calls for. The time and track
// helpers every D/T page uses live here.
#include <cmath>

#include "base/knob_step.h"
#include "fpl/pages/dt_pages.h"
#include "frame/pages/page_table.h"
#include "frame/unit.h"
#include "nav/angles.h"

namespace {

constexpr double kMinTimedGroundSpeedKt = 30.0;
constexpr double kMinutesPerDay = 24.0 * 60.0;
// Spans beyond this (about 190 years, well inside a 32-bit count of minutes) are no
// real ETE; they show dashes.
constexpr double kLongestEteMinutes = 1.0e8;

// The ETE in minutes, or NaN when times are not shown.
double eteMinutes(const Unit& unit, double distanceNm) {
    if (!dtTimesShown(unit) || !std::isfinite(distanceNm)) return NAN;
    const double minutes = distanceNm / unit.nav.aircraft.groundSpeedKt * 60.0;
    return minutes < kLongestEteMinutes ? minutes : NAN;
}

}  // namespace

bool dtTimesShown(const Unit& unit) {
    return unit.nav.aircraft.groundSpeedKt >= kMinTimedGroundSpeedKt;
}

bool eteOf(const Unit& unit, double distanceNm, HoursMinutes& ete) {
    const double minutes = eteMinutes(unit, distanceNm);
    if (!(minutes >= 0.0)) return false;
    const auto whole = static_cast<int32_t>(std::round(minutes));
    ete = {whole / 60, whole % 60};
    return true;
}

bool etaOf(const Unit& unit, double distanceNm, HoursMinutes& eta) {
    const double minutes = eteMinutes(unit, distanceNm);
    if (!(minutes >= 0.0)) return false;
    const AircraftSnapshot& aircraft = unit.nav.aircraft;
    const double utcMinutes = aircraft.zuluHour * 60.0 + aircraft.zuluMinute;
    eta = splitWholeMinutes(floorMod(utcMinutes + minutes, kMinutesPerDay));
    return true;
}

bool dtkOf(const Unit& unit, double bearingTrue, double& dtkMag) {
    dtkMag = raiseBelow(toMagnetic(bearingTrue, unit.nav.aircraft.magVar), 0.5);
    return std::isfinite(dtkMag);
}

void drawDtPage(Unit& unit, Host&, Canvas& canvas, float x) {
    int32_t& page = unit.pages.dt.dtPage;
    ControlEvents& events = unit.events;
    if (take(events.evtRightInnerUp)) page = knobStep(page, KnobTurn::Up, 1, kDtPageCount, KnobEnd::Wrap);
    if (take(events.evtRightInnerDown)) page = knobStep(page, KnobTurn::Down, 1, kDtPageCount, KnobEnd::Wrap);
    if (page < 1 || page > kDtPageCount) page = 1;

    beginPage(canvas, unit.display);
    if (page == kDtPageCount) {
        drawDtClock(unit, canvas, x);
    } else if (unit.page.leftPageGroup == PG_FPL) {
        drawDtLegList(unit, canvas, x, page);
    } else {
        drawDtActiveRoute(unit, canvas, x, page);
    }
    drawCell(canvas, x + 100.0f, kStatusRowY, formatCell("%s %d", pageLabel(PG_DT), page).text);
    endPage(canvas);
}
