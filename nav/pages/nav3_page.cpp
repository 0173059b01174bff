// NAV 3: desired track, track over the ground and the correction to fly back onto the
// course: "FLY L" when the aircraft is right of it, "FLY R" when left, "FLY -" within
// 0.05 NM; the distance shown stops at 9.9 NM.
#include <algorithm>
#include <cmath>

#include "frame/display.h"
#include "frame/unit.h"
#include "nav/pages/nav_pages.h"

namespace {

constexpr double kOnCourseNm = 0.05;
constexpr double kLargestShownNm = 9.9;

CellText flyText(const CourseDeviation& deviation) {
    if (!deviation.valid) return formatCell("FLY    --NM");
    const char* direction = "-";
    if (deviation.crossTrackNm >= kOnCourseNm) direction = deviation.aircraftLeft ? "R" : "L";
    return formatCell("FLY %s %2.1fNM", direction,
                      std::min(deviation.crossTrackNm, kLargestShownNm));
}

}  // namespace

void drawNav3Page(const Unit& unit, Canvas& canvas, float x, const NavLegView& leg) {
    if (leg.hasLeg) drawLegHeader(canvas, leg, x + 10.0f, x);
    const CellText desiredTrack = leg.hasLeg && std::isfinite(leg.desiredTrackMag)
                                      ? formatCell("DTK    %03.0f\xB0", leg.desiredTrackMag)
                                      : formatCell("DTK    ---\xB0");
    drawCell(canvas, x + 10.0f, rowY(1), desiredTrack.text, kFont28);
    const double track = unit.nav.wind.trackMag;
    const CellText trackText = std::isfinite(track) ? formatCell("TK     %03.0f\xB0", track)
                                                    : formatCell("TK     ---\xB0");
    drawCell(canvas, x + 10.0f, rowY(2), trackText.text, kFont28);
    drawCell(canvas, x + 10.0f, rowY(3), flyText(courseDeviation(unit, leg)).text, kFont28);
}
