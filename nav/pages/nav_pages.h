// The NAV pages' shared parts: the leg all of them show (TO and FROM, distance, bearing,
// desired track, the aircraft's side of the course), the leg header of NAV 1 and NAV 3,
// the title, and each page's drawing. nav_page.cpp handles the knobs and chooses the page.
//
// Distances in NM, bearings and tracks in degrees magnetic, positions in degrees.
#pragma once

#include <cstdint>

class Canvas;
struct Unit;

// The leg as the NAV pages show it, taken once at the start of a page's drawing.
struct NavLegView {
    bool hasLeg = false;        // a direct-to, or a route leg with its FROM and TO waypoints
    bool directToMark = false;  // the FROM label is "    D"
    const char* toIdent = "---";
    const char* fromIdent = "";
    double fromLat = 0.0;
    double fromLon = 0.0;
    double toLat = 0.0;
    double toLon = 0.0;
    double distanceNm = 0.0;  // present position to TO
    double bearingMag = 0.0;  // present position to TO
    double desiredTrackMag = 0.0;
};

// With a direct-to: its target, distance and bearing worked out afresh from the present
// position, and the course from its origin. With a route leg: the solution's values. With
// neither: "---" and zeros.
[[nodiscard]] NavLegView navLegView(const Unit& unit);

// How far the aircraft is off the leg's course and on which side; `valid` is false without
// a leg or when the geometry gave no number.
struct CourseDeviation {
    bool valid = false;
    double crossTrackNm = 0.0;  // 0..125
    bool aircraftLeft = false;  // left of the course line, looking along it
};
[[nodiscard]] CourseDeviation courseDeviation(const Unit& unit, const NavLegView& leg);

// FROM label at fromX, the arrow from FROM to TO and the TO ident, placed from headerX (the
// page's x, or 95 on the wide page).
void drawLegHeader(Canvas& canvas, const NavLegView& leg, float fromX, float headerX);
// "NAV n" in the title row at labelX, or "CRSR" in inverse while the side's cursor is on.
void drawNavTitle(Canvas& canvas, float labelX, int32_t navPage, int32_t cursorOn);

// The pages. Each draws at the side's x; the wide NAV 1 covers the whole display.
void drawNav1Page(const Unit& unit, Canvas& canvas, float x, const NavLegView& leg);
void drawWideNav1Page(const Unit& unit, Canvas& canvas, const NavLegView& leg);
void drawNav2Page(Unit& unit, Canvas& canvas, float x);
void drawNav3Page(const Unit& unit, Canvas& canvas, float x, const NavLegView& leg);
void drawNav4Page(Unit& unit, Canvas& canvas, float x, const NavLegView& leg, int32_t cursorOn);
