#include "apps/run/print_table.h"

#include <cstdio>

#include "frame/unit.h"

namespace {

// clang-format off
const PrintField kPrintFields[] = {
    {"powerOn",            [](const Unit& u) { return wholeValue(u.power.powerOn); }},
    {"leftPageGroup",      [](const Unit& u) { return wholeValue(u.page.leftPageGroup); }},
    {"rightPageGroup",     [](const Unit& u) { return wholeValue(u.page.rightPageGroup); }},
    {"savedLeftPageGroup", [](const Unit& u) { return wholeValue(u.page.savedLeftPageGroup); }},
    {"leftCursorOn",       [](const Unit& u) { return wholeValue(u.page.leftCursorOn); }},
    {"rightCursorOn",      [](const Unit& u) { return wholeValue(u.page.rightCursorOn); }},
    {"leftNavPage",        [](const Unit& u) { return wholeValue(u.page.leftNavPage); }},
    {"rightNavPage",       [](const Unit& u) { return wholeValue(u.page.rightNavPage); }},
    {"rightInnerKnobState", [](const Unit& u) { return wholeValue(u.page.rightInnerKnobState); }},
    {"blinkPhase",         [](const Unit& u) { return wholeValue(u.nav.blinkPhase); }},
    {"selfTestTicks",      [](const Unit& u) { return wholeValue(u.power.selfTestTicks); }},
    {"totalTimeHours",     [](const Unit& u) { return realValue(u.record.totalTimeHours); }},
    {"secondsCounter",     [](const Unit& u) { return realValue(u.record.secondsCounter); }},
    {"powerCycles",        [](const Unit& u) { return wholeValue(u.record.powerCycles); }},
    {"mapScalePixels",     [](const Unit& u) { return wholeValue(u.pages.nav.mapScalePixels); }},
    {"pressedTimer",       [](const Unit& u) { return wholeValue(u.pressed.pressedTimer); }},
    {"activeToIndex",      [](const Unit& u) { return wholeValue(u.nav.leg.activeToIndex); }},
    {"directToCancelPending", [](const Unit& u) { return wholeValue(u.pages.directTo.directToCancelPending); }},
    {"directToConfirmPending", [](const Unit& u) { return wholeValue(u.pages.directTo.directToConfirmPending); }},
    {"directToActive",     [](const Unit& u) { return wholeValue(u.nav.leg.directToActive); }},
    {"selectedPlan",       [](const Unit& u) { return wholeValue(u.fpl.selectedPlan); }},
    {"blankPlanIndex",     [](const Unit& u) { return wholeValue(u.fpl.blankPlanIndex); }},
    {"planCursorRow",      [](const Unit& u) { return wholeValue(u.pages.fpl.planCursorRow); }},
    {"planEditState",      [](const Unit& u) { return wholeValue(u.pages.fpl.planEditState); }},
    {"planScrollTop",      [](const Unit& u) { return wholeValue(u.pages.fpl.planScrollTop); }},
    {"currentUserWaypoint", [](const Unit& u) { return wholeValue(u.db.currentUserWaypoint); }},
    {"activeLastIndex",    [](const Unit& u) { return wholeValue(u.fpl.activeLastIndex); }},
    {"confirmPending",     [](const Unit& u) { return wholeValue(u.pages.fpl.confirmPending); }},
    {"candidateCount",     [](const Unit& u) { return wholeValue(u.db.candidateCount); }},
    {"duplicateSelection", [](const Unit& u) { return wholeValue(u.pages.duplicates.duplicateSelection); }},
    {"duplicateScrollTop", [](const Unit& u) { return wholeValue(u.pages.duplicates.duplicateScrollTop); }},
    {"userWaypointCount",  [](const Unit& u) { return wholeValue(u.db.userWaypointCount); }},
    {"distanceToGo",       [](const Unit& u) { return realValue(u.nav.leg.distanceToGo); }},
    {"desiredTrack",       [](const Unit& u) { return realValue(u.nav.leg.desiredTrack); }},
    {"bearingToWaypoint",  [](const Unit& u) { return realValue(u.nav.leg.bearingToWaypoint); }},
    {"presentLat",         [](const Unit& u) { return realValue(u.nav.aircraft.presentLat); }},
    {"presentLon",         [](const Unit& u) { return realValue(u.nav.aircraft.presentLon); }},
    {"groundSpeedKt",      [](const Unit& u) { return realValue(u.nav.aircraft.groundSpeedKt); }},
    {"headingMag",         [](const Unit& u) { return realValue(u.nav.aircraft.headingMag); }},
    {"lnavEngaged",        [](const Unit& u) { return wholeValue(u.nav.coupling.lnavEngaged); }},
    {"powerAvailable",     [](const Unit& u) { return wholeValue(u.nav.aircraft.powerAvailable); }},
    {"headingTrue",        [](const Unit& u) { return realValue(u.nav.aircraft.headingTrue); }},
    {"magVar",             [](const Unit& u) { return realValue(u.nav.aircraft.magVar); }},
    {"indicatedAltitudeFt", [](const Unit& u) { return realValue(u.nav.aircraft.indicatedAltitudeFt); }},
    {"zuluHour",           [](const Unit& u) { return realValue(u.nav.aircraft.zuluHour); }},
    {"zuluMinute",         [](const Unit& u) { return realValue(u.nav.aircraft.zuluMinute); }},
    {"clockSecond",        [](const Unit& u) { return realValue(u.nav.aircraft.clockSecond); }},
    {"windSpeedKt",        [](const Unit& u) { return realValue(u.nav.wind.windSpeedKt); }},
    {"crossTrack",         [](const Unit& u) { return realValue(u.nav.leg.planCrossTrack); }},
    {"trackMag",           [](const Unit& u) { return realValue(u.nav.wind.trackMag); }},
    {"driftDeg",           [](const Unit& u) { return realValue(u.nav.wind.driftDeg); }},
    {"interceptActive",    [](const Unit& u) { return wholeValue(u.nav.coupling.interceptActive); }},
    {"lastSteerHeading",   [](const Unit& u) { return realValue(u.nav.coupling.lastSteerHeading); }},
    {"steerHeading",       [](const Unit& u) { return realValue(u.nav.coupling.steerHeading); }},
    {"lnavGrace",          [](const Unit& u) { return wholeValue(u.nav.coupling.lnavGrace); }},
    {"triPage",            [](const Unit& u) { return wholeValue(u.pages.tri.triPage); }},
    {"triDigitField",      [](const Unit& u) { return wholeValue(u.pages.tri.triDigitField); }},
    {"fuelReserve",        [](const Unit& u) { return realValue(u.pages.tri.fuelReserve); }},
    {"fuelRequired",       [](const Unit& u) { return realValue(u.pages.tri.fuelRequired); }},
    {"othPage",            [](const Unit& u) { return wholeValue(u.pages.oth.othPage); }},
    {"othDigit",           [](const Unit& u) { return wholeValue(u.pages.oth.othDigit); }},
    {"departureHour",      [](const Unit& u) { return realValue(u.nav.departureHour); }},
    {"departureMinute",    [](const Unit& u) { return realValue(u.nav.departureMinute); }},
    {"dtPage",             [](const Unit& u) { return wholeValue(u.pages.dt.dtPage); }},
    {"vnavField",          [](const Unit& u) { return wholeValue(u.pages.nav.vnavField); }},
    {"vnavTargetAltitude", [](const Unit& u) { return realValue(u.vnav.vnavTargetAltitude); }},
    {"vnavOffsetNm",       [](const Unit& u) { return realValue(u.vnav.vnavOffsetNm); }},
    {"vnavAngleEntry",     [](const Unit& u) { return realValue(u.vnav.vnavAngleEntry); }},
    {"vnavAngle",          [](const Unit& u) { return realValue(u.vnav.vnavAngle); }},
    {"setPage",            [](const Unit& u) { return wholeValue(u.pages.set.setPage); }},
    {"minRunwayLength",    [](const Unit& u) { return wholeValue(u.settings.minRunwayLength); }},
    {"nearestCriteriaChanged", [](const Unit& u) { return wholeValue(u.settings.nearestCriteriaChanged); }},
    {"flightTimerSpeed",   [](const Unit& u) { return realValue(u.settings.flightTimerSpeed); }},
    {"aptNearestMode",     [](const Unit& u) { return wholeValue(u.pages.apt.aptNearestMode); }},
    {"aptNearestPos",      [](const Unit& u) { return wholeValue(u.pages.apt.aptNearestPos); }},
    {"calPage",            [](const Unit& u) { return wholeValue(u.pages.cal.calPage); }},
    {"vnavCalField",       [](const Unit& u) { return wholeValue(u.pages.cal.vnavCalField); }},
    {"convField",          [](const Unit& u) { return wholeValue(u.pages.cal.convField); }},
    {"baroSetting",        [](const Unit& u) { return realValue(u.nav.aircraft.baroSetting); }},
    {"vnavGroundSpeed",    [](const Unit& u) { return realValue(u.vnav.vnavGroundSpeed); }},
    {"vnavVerticalSpeed",  [](const Unit& u) { return realValue(u.vnav.vnavVerticalSpeed); }},
    // The moving map.
    {"leftMapRange",       [](const Unit& u) { return realValue(u.pages.nav.leftMapRange); }},
    {"rightMapRange",      [](const Unit& u) { return realValue(u.pages.nav.rightMapRange); }},
    {"leftMapMode",        [](const Unit& u) { return wholeValue(u.pages.nav.leftMapMode); }},
    {"rightMapMode",       [](const Unit& u) { return wholeValue(u.pages.nav.rightMapMode); }},
    {"leftMapField",       [](const Unit& u) { return wholeValue(u.pages.nav.leftMapField); }},
    {"rightMapField",      [](const Unit& u) { return wholeValue(u.pages.nav.rightMapField); }},
    {"fullMapField",       [](const Unit& u) { return wholeValue(u.pages.nav.fullMapField); }},
    {"plotVor",            [](const Unit& u) { return wholeValue(u.pages.nav.plotVor); }},
    {"plotNdb",            [](const Unit& u) { return wholeValue(u.pages.nav.plotNdb); }},
    {"plotApt",            [](const Unit& u) { return wholeValue(u.pages.nav.plotApt); }},
    {"nav5ClrToggle",      [](const Unit& u) { return wholeValue(u.pages.nav.nav5ClrToggle); }},
    {"leftInnerSpinCount", [](const Unit& u) { return wholeValue(u.spin.leftInnerSpinCount); }},
    // Pending control events and pressed-button images.
    {"evtLeftOuterDown",   [](const Unit& u) { return wholeValue(u.events.evtLeftOuterDown); }},
    {"evtLeftOuterUp",     [](const Unit& u) { return wholeValue(u.events.evtLeftOuterUp); }},
    {"evtLeftInnerDown",   [](const Unit& u) { return wholeValue(u.events.evtLeftInnerDown); }},
    {"evtLeftInnerUp",     [](const Unit& u) { return wholeValue(u.events.evtLeftInnerUp); }},
    {"evtRightOuterDown",  [](const Unit& u) { return wholeValue(u.events.evtRightOuterDown); }},
    {"evtRightOuterUp",    [](const Unit& u) { return wholeValue(u.events.evtRightOuterUp); }},
    {"evtRightInnerDown",  [](const Unit& u) { return wholeValue(u.events.evtRightInnerDown); }},
    {"evtRightInnerUp",    [](const Unit& u) { return wholeValue(u.events.evtRightInnerUp); }},
    {"evtLeftCrsr",        [](const Unit& u) { return wholeValue(u.events.evtLeftCrsr); }},
    {"evtRightCrsr",       [](const Unit& u) { return wholeValue(u.events.evtRightCrsr); }},
    {"evtEnt",             [](const Unit& u) { return wholeValue(u.events.evtEnt); }},
    {"evtClr",             [](const Unit& u) { return wholeValue(u.events.evtClr); }},
    {"evtDto",             [](const Unit& u) { return wholeValue(u.events.evtDto); }},
    {"pressedClr",         [](const Unit& u) { return wholeValue(u.pressed.pressedClr); }},
    {"pressedEnt",         [](const Unit& u) { return wholeValue(u.pressed.pressedEnt); }},
    {"pressedDto",         [](const Unit& u) { return wholeValue(u.pressed.pressedDto); }},
    {"pressedLeftCrsr",    [](const Unit& u) { return wholeValue(u.pressed.pressedLeftCrsr); }},
    {"pressedRightCrsr",   [](const Unit& u) { return wholeValue(u.pressed.pressedRightCrsr); }},
    {"pressedAlt",         [](const Unit& u) { return wholeValue(u.pressed.pressedAlt); }},
    {"pressedMsg",         [](const Unit& u) { return wholeValue(u.pressed.pressedMsg); }},
};
// clang-format on

}  // namespace

const PrintField* findPrintField(std::string_view name) {
    for (const PrintField& field : kPrintFields) {
        if (name == field.name) return &field;
    }
    return nullptr;
}

std::string formatPrintField(const PrintField& field, const Unit& unit) {
    PrintValue value = field.read(unit);
    char text[64];
    if (value.whole) {
        std::snprintf(text, sizeof text, "%lld", static_cast<long long>(value.integer));
    } else {
        std::snprintf(text, sizeof text, "%.10g", value.real);
    }
    return std::string(field.name) + "=" + text;
}
