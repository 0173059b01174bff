// NAV 5, the moving map: the active route, the direct-to leg and the aircraft symbol on a
// map that turns with the chosen orientation, on one page or, with NAV 5 on both sides,
// across the whole display, where it also plots the nearby VORs, NDBs and airports.
//
// The map's origin is the aircraft symbol; a point's distance from it is its distance in
// NM times the map radius in drawing units over the side's range.
#pragma once

#include <cstdint>

#include "frame/canvas.h"
#include "frame/pages/page_table.h"

struct Unit;

enum class MapExtent { SinglePage, WholeDisplay };

// Where the map of a side is drawn: the aircraft symbol, the radius in drawing units that
// the range reaches, the true bearing pointing up, and the view that drawing is cut to.
struct MapFrame {
    PointF origin;
    double radiusPx;
    double unitsPerNm;
    double upBearing;
    int32_t mode;
    float viewX, viewY, viewW, viewH;
};

// The frame of the map drawn at page x `x0` (ignored for the whole display).
[[nodiscard]] MapFrame mapFrameFor(const Unit& unit, float x0, MapExtent extent);

// The knobs of `side` while its cursor is on NAV 5: the outer knob switches between range
// and orientation, the inner knob changes the one chosen. With the map across the whole
// display the right knobs choose and switch the plots instead.
void handleMapKnobs(Unit& unit, PageSide side, MapExtent extent);

// CLR on the whole-display map hides or shows every plot, once per press.
void handleMapClr(Unit& unit);

// The map itself: route, direct-to leg, aircraft symbol and, on the whole display, the
// plots. Single-page maps are cut to their page.
void drawMap(Unit& unit, Canvas& canvas, float x0, MapExtent extent);

// The page texts: orientation and range with their cursor cells, and on the whole
// display the plot switches. The titles are the NAV page routine's.
void drawMapTexts(const Unit& unit, Canvas& canvas, float x0, MapExtent extent);

// The whole-display plots (nav_map_plots.cpp): refreshes each switched-on kind's nearest
// lists where the aircraft has moved far enough, then draws every narrow-list entry within
// twice the range plus 50 NM. The searches' positions and slots are left alone.
void drawMapPlots(Unit& unit, Canvas& canvas, const MapFrame& frame);
// The plot switches in the display's top-right corner, the selected one in inverse while
// the right cursor is on.
void drawPlotSwitches(const Unit& unit, Canvas& canvas);
