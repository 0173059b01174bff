// NAV 1: the course deviation indicator with its TO/FROM triangle, distance, ground speed,
// time en route and bearing to the TO waypoint; on one page, or across the whole display
// when both sides show NAV 1.
//
// The needle stands right of the centre when the aircraft is left of the course (the
// course lies to the right), full scale 5 NM either side; the eleven marks are one mile
// apart. Without a leg the indicator shows the flag and the rows their dashes.
#include <algorithm>
#include <cmath>

#include "frame/display.h"
#include "frame/numbers.h"
#include "frame/unit.h"
#include "nav/angles.h"
#include "nav/pages/nav_pages.h"

namespace {

constexpr double kFullScaleNm = 5.0;
// Below this ground speed no time en route is shown.
constexpr double kEteMinGroundSpeedKt = 20.0;
constexpr const char* kMarks = "+ + + + + + + + + + +";

// Where one layout puts the indicator's parts.
struct CdiLayout {
    float centreX;
    double nmPerUnit;
    float marksX;
    FontSpec marksFont;
    float needleTop;
    float needleBottom;
    PointF toTriangle[3];  // relative to the centre
    PointF fromTriangle[3];
    float flagX;
    float flagY;
    const char* flagText;
    float flagBarW;
    float flagBarY;
};

CdiLayout singleLayout(float x) {
    return {.centreX = x + 94.0f,
            .nmPerUnit = 0.067,
            .marksX = x + 14.0f,
            .marksFont = kFont14,
            .needleTop = 30.0f,
            .needleBottom = 48.0f,
            .toTriangle = {{0, 34}, {8, 42}, {-8, 42}},
            .fromTriangle = {{0, 42}, {8, 34}, {-8, 34}},
            .flagX = x + 40.0f,
            .flagY = 24.0f,
            .flagText = "F L A G",
            .flagBarW = 108.0f,
            .flagBarY = 28.0f};
}

CdiLayout wideLayout() {
    return {.centreX = 185.0f,
            .nmPerUnit = 0.033,
            .marksX = 26.0f,
            .marksFont = kFont28,
            .needleTop = 26.0f,
            .needleBottom = 66.0f,
            .toTriangle = {{0, 34}, {12, 52}, {-12, 52}},
            .fromTriangle = {{0, 56}, {12, 38}, {-12, 38}},
            .flagX = 106.0f,
            .flagY = 32.0f,
            .flagText = "F  L  A  G",
            .flagBarW = 150.0f,
            .flagBarY = 36.0f};
}

void drawCdi(const Unit& unit, Canvas& canvas, const NavLegView& leg, const CdiLayout& layout) {
    drawCell(canvas, layout.marksX, 32.0f, kMarks, layout.marksFont);
    const CourseDeviation deviation = courseDeviation(unit, leg);
    if (!deviation.valid) {
        drawInverseCell(canvas, layout.flagX, layout.flagBarY, layout.flagBarW, kRowBoxHeight,
                        layout.flagX, layout.flagY, layout.flagText, kFont24);
        return;
    }
    const double offsetNm = deviation.aircraftLeft ? deviation.crossTrackNm
                                                   : -deviation.crossTrackNm;
    const double clampedNm = std::clamp(offsetNm, -kFullScaleNm, kFullScaleNm);
    const auto needleX = static_cast<float>(layout.centreX + clampedNm / layout.nmPerUnit);
    canvas.drawLine(needleX, layout.needleTop, needleX, layout.needleBottom, kGreen, 2.0f);

    // TO while the desired track lies within 90 degrees of the heading.
    const bool to = fold180(leg.desiredTrackMag - unit.nav.aircraft.headingMag) < 90.0;
    const PointF* shape = to ? layout.toTriangle : layout.fromTriangle;
    PointF triangle[3];
    for (int i = 0; i < 3; ++i) triangle[i] = {layout.centreX + shape[i].x, shape[i].y};
    canvas.fillPolygon(triangle, 3, kGreen);
}

// The texts of the four value rows, each with its dashes when there is no value to show.
struct Nav1Rows {
    CellText distance;
    CellText groundSpeed;
    CellText ete;
    CellText bearing;
};

// The wide layout puts fewer blanks after "ETE" and "BRG" and has its own distance dashes.
Nav1Rows nav1Rows(const Unit& unit, const NavLegView& leg, const char* distanceDashes, bool wide) {
    Nav1Rows rows{};
    const double groundSpeed = unit.nav.aircraft.groundSpeedKt;
    const bool distanceShown = leg.hasLeg && std::isfinite(leg.distanceNm);
    rows.distance = distanceShown ? formatCell("DIS %5.0fNM", leg.distanceNm)
                                  : formatCell("%s", distanceDashes);
    rows.groundSpeed = leg.hasLeg && std::isfinite(groundSpeed)
                           ? formatCell("GS    %3.0fKT", groundSpeed)
                           : formatCell("GS    ---KT");
    if (distanceShown && groundSpeed > kEteMinGroundSpeedKt) {
        const HoursMinutes ete = splitWholeMinutes(leg.distanceNm / groundSpeed * 60.0);
        rows.ete = wide ? formatCell("ETE %2d:%02d", ete.hours, ete.minutes)
                        : formatCell("ETE   %2d:%02d", ete.hours, ete.minutes);
    } else {
        rows.ete = formatCell(wide ? "ETE --:--" : "ETE   --:--");
    }
    if (leg.hasLeg && std::isfinite(leg.bearingMag)) {
        rows.bearing = wide ? formatCell("BRG  %03.0f\xB0", leg.bearingMag)
                            : formatCell("BRG    %03.0f\xB0", leg.bearingMag);
    } else {
        rows.bearing = formatCell(wide ? "BRG  ---\xB0" : "BRG    ---\xB0");
    }
    return rows;
}

}  // namespace

void drawNav1Page(const Unit& unit, Canvas& canvas, float x, const NavLegView& leg) {
    if (leg.hasLeg) drawLegHeader(canvas, leg, x + 10.0f, x);
    drawCdi(unit, canvas, leg, singleLayout(x));
    const Nav1Rows rows = nav1Rows(unit, leg, "DIS  --.-NM", false);
    drawCell(canvas, x + 10.0f, rowY(2), rows.distance.text, kFont28);
    drawCell(canvas, x + 10.0f, rowY(3), rows.groundSpeed.text, kFont28);
    drawCell(canvas, x + 10.0f, rowY(4), rows.ete.text, kFont28);
    drawCell(canvas, x + 10.0f, rowY(5), rows.bearing.text, kFont28);
}

void drawWideNav1Page(const Unit& unit, Canvas& canvas, const NavLegView& leg) {
    if (leg.hasLeg) drawLegHeader(canvas, leg, 99.0f, 95.0f);
    drawCdi(unit, canvas, leg, wideLayout());
    const Nav1Rows rows = nav1Rows(unit, leg, "DIS ---.-NM", true);
    drawCell(canvas, 10.0f, rowY(3), rows.distance.text, kFont28);
    drawCell(canvas, 10.0f, rowY(4), rows.groundSpeed.text, kFont28);
    drawCell(canvas, 220.0f, rowY(3), rows.ete.text, kFont28);
    drawCell(canvas, 220.0f, rowY(4), rows.bearing.text, kFont28);
    drawNavTitle(canvas, 10.0f, 1, unit.page.leftCursorOn);
    drawNavTitle(canvas, 289.0f, 1, unit.page.rightCursorOn);
}
