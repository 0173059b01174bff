// The moving map's drawn items: the route's lines, numbered markers and TO arrowhead, the
// direct-to line with "DCT", the cut to a single page, and on the whole display the plots
// with their reach, their agreement with the route in every mode, CLR once per press, the
// right knobs on the plot switches and the nearest searches' positions left alone.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "frame/display.h"
#include "nav/geodesy.h"
#include "support/test_bench.h"

namespace {

constexpr double kNmDeg = 1.0 / 60.0;

void addWaypoint(Unit& unit, int index, const char* ident, double lat, double lon) {
    PlanWaypoint& waypoint = unit.fpl.activeRoute.waypoints[index];
    std::snprintf(waypoint.ident, sizeof waypoint.ident, "%s", ident);
    waypoint.latitude = lat;
    waypoint.longitude = lon;
    unit.fpl.activeLastIndex = index;
}

// The aircraft at (0, 0) heading north; a route 10 NM south, 10 NM north (the TO
// waypoint), then 10 NM east of that; the left page on NAV 5, heading up at 40 NM, so a
// mile is 2.4 units from the symbol at (92, 96).
void setUpRoute(TestBench& bench) {
    bench.powerOnAndSkipSelfTest();
    Unit& unit = bench.unit();
    bench.setPosition(0.0, 0.0);
    bench.setHeading(0.0);
    addWaypoint(unit, 0, "SOUTH", -10 * kNmDeg, 0.0);
    addWaypoint(unit, 1, "NORTH", 10 * kNmDeg, 0.0);
    addWaypoint(unit, 2, "EAST", 10 * kNmDeg, 10 * kNmDeg);
    unit.nav.leg.activeToIndex = 1;
    unit.page.leftPageGroup = PG_NAV;
    unit.page.leftNavPage = 5;
    unit.page.rightPageGroup = PG_APT;
    bench.frame();
}

bool hasLine(const RecordingCanvas& canvas, float x1, float y1, float x2, float y2) {
    for (const DrawItem& item : canvas.items()) {
        if (item.kind == DrawKind::Line && std::fabs(item.x - x1) < 0.6f &&
            std::fabs(item.y - y1) < 0.6f && std::fabs(item.x2 - x2) < 0.6f &&
            std::fabs(item.y2 - y2) < 0.6f)
            return true;
    }
    return false;
}

// The drawing-space position of the first text item with `text`, transform applied.
bool findText(const RecordingCanvas& canvas, const char* text, PointF& at) {
    for (const DrawItem& item : canvas.items()) {
        if (item.kind == DrawKind::Text && std::string(item.text) == text) {
            at = {item.x + item.transform.offsetX, item.y + item.transform.offsetY};
            return true;
        }
    }
    return false;
}

// The items the map drew: those between its clip and the clip's reset.
std::vector<DrawItem> mapItems(const RecordingCanvas& canvas) {
    std::vector<DrawItem> items;
    bool inMap = false;
    for (const DrawItem& item : canvas.items()) {
        if (item.kind == DrawKind::SetClip) inMap = true;
        if (item.kind == DrawKind::ResetClip) inMap = false;
        if (inMap) items.push_back(item);
    }
    return items;
}

bool nearText(const RecordingCanvas& canvas, const char* text, float x, float y) {
    PointF at{};
    return findText(canvas, text, at) && std::fabs(at.x - x) < 1.0f && std::fabs(at.y - y) < 1.0f;
}

TEST(NavMapTest, RouteDirectToClipAndWholeDisplayPlots) {
    TestBench bench;
    setUpRoute(bench);
    Unit& unit = bench.unit();
    const RecordingCanvas& canvas = bench.canvas();
    {
        SCOPED_TRACE("single page, heading up");
        EXPECT_TRUE(hasLine(canvas, 92, 120, 92, 72)) << "SOUTH to NORTH";
        EXPECT_TRUE(hasLine(canvas, 92, 72, 116, 72)) << "NORTH to EAST";
        EXPECT_EQ(bench.textAt(97, 61), "NORTH");
        EXPECT_EQ(bench.textAt(97, 73), "2");
        EXPECT_TRUE(nearText(canvas, "3", 121, 73));
        // The arrowhead's strokes point up the leg into NORTH, 145 degrees either side.
        const float dx = 6.0f * std::sin(35.0f * 3.14159265f / 180.0f);
        const float dy = 6.0f * std::cos(35.0f * 3.14159265f / 180.0f);
        EXPECT_TRUE(hasLine(canvas, 92, 72, 92 + dx, 72 + dy));
        EXPECT_TRUE(hasLine(canvas, 92, 72, 92 - dx, 72 + dy));
        EXPECT_EQ(bench.textAt(5, 120), "HDG");
        EXPECT_EQ(bench.textAt(110, 120), "  40");
        const std::vector<DrawItem> items = mapItems(canvas);
        ASSERT_FALSE(items.empty());
        EXPECT_EQ(items[0].w, 184.0f);
        EXPECT_EQ(items[0].h, 153.0f);
    }
    {
        SCOPED_TRACE("north up at 1 NM: EAST is cut off the page, its line cut to the view");
        unit.pages.nav.leftMapMode = 1;
        unit.pages.nav.leftMapRange = 1.0;
        bench.frame();
        EXPECT_EQ(bench.textAt(5, 120), "N");
        EXPECT_EQ(bench.textAt(110, 120), "   1");
        PointF at{};
        EXPECT_FALSE(findText(canvas, "EAST", at));
        for (const DrawItem& item : mapItems(canvas)) {
            if (item.kind != DrawKind::Line) continue;
            EXPECT_LE(std::fmax(item.x, item.x2), 192.0f);
            EXPECT_GE(std::fmin(item.y, item.y2), -8.0f);
        }
    }
    {
        SCOPED_TRACE("direct-to: DCT at the origin, the target's ident, no arrowhead");
        unit.pages.nav.leftMapMode = 2;
        unit.pages.nav.leftMapRange = 40.0;
        unit.nav.leg.directToActive = 1;
        unit.directToLeg.origin = unit.fpl.activeRoute.waypoints[0];
        unit.directToLeg.target = unit.fpl.activeRoute.waypoints[2];
        bench.frame();
        EXPECT_TRUE(nearText(canvas, "DCT", 97, 109));
        EXPECT_TRUE(hasLine(canvas, 92, 120, 116, 72));
        EXPECT_FALSE(hasLine(canvas, 92, 72, 92 + 3.44f, 76.91f));
        unit.nav.leg.directToActive = 0;
    }

    // The whole display: a VOR on NORTH, another 150 NM south (beyond 2 x 40 + 50).
    unit.db.vorCount = 2;
    std::snprintf(unit.db.vors[1].ident, sizeof unit.db.vors[1].ident, "VNTH");
    unit.db.vors[1].latitude = 10 * kNmDeg;
    std::snprintf(unit.db.vors[2].ident, sizeof unit.db.vors[2].ident, "VFAR");
    unit.db.vors[2].latitude = -150 * kNmDeg;
    unit.page.rightPageGroup = PG_NAV;
    unit.page.rightNavPage = 5;
    const NearestList& vors = unit.db.nearestVors;
    const double searchLat = vors.searchLat;
    bench.press("rcrsr");
    bench.press("ri+");
    {
        SCOPED_TRACE("the right knobs switch the plots, not the right range");
        EXPECT_EQ(unit.pages.nav.plotVor, 1);
        EXPECT_EQ(unit.pages.nav.rightMapRange, 40.0);
        EXPECT_EQ(bench.textAt(322, 0), " ON");
        EXPECT_EQ(vors.narrowCount, 2);
        EXPECT_EQ(vors.searchLat, searchLat) << "the VOR page's search position";
        PointF at{};
        EXPECT_FALSE(findText(canvas, "VFAR", at));
    }
    for (const int32_t mode : {1, 2, 3, 4}) {
        SCOPED_TRACE("the VOR plotted on NORTH in mode " + std::to_string(mode));
        unit.pages.nav.leftMapMode = mode;
        bench.setHeading(30.0);
        bench.frame();
        PointF vor{};
        PointF waypoint{};
        ASSERT_TRUE(findText(canvas, "VNTH", vor));
        ASSERT_TRUE(findText(canvas, "NORTH", waypoint));
        // The VOR's ident sits 6 right and 4 up of it, the waypoint's 5 right and 11 up.
        EXPECT_NEAR(vor.x - 6.0f, waypoint.x - 5.0f, 0.01f);
        EXPECT_NEAR(vor.y + 4.0f, waypoint.y + 11.0f, 0.01f);
    }
    {
        SCOPED_TRACE("CLR hides the plots once per press, and shows them again");
        bench.press("clr");
        EXPECT_EQ(unit.pages.nav.nav5ClrToggle, 1);
        PointF at{};
        EXPECT_FALSE(findText(canvas, "VNTH", at));
        bench.press("clr");
        EXPECT_TRUE(findText(canvas, "VNTH", at));
        bench.press("ro+ ri+");
        EXPECT_EQ(unit.pages.nav.fullMapField, 2);
        EXPECT_EQ(unit.pages.nav.plotNdb, 1);
        EXPECT_EQ(unit.pages.nav.plotVor, 1);
    }
}

}  // namespace
