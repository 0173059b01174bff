// The ACT page: the active waypoint's rows for each kind of waypoint and position, and the
// present position when no route is active.
#include <gtest/gtest.h>

#include <string>

#include "fpl_fixture.h"
#include "frame/display.h"

namespace {

// A position row written with "*" for the degree sign (0xB0 on the display).
std::string row(std::string text) {
    text[4] = '\xB0';
    return text;
}

// Three route waypoints far from the aircraft (60 N, 10 E), so nothing is sequenced.
TEST(ActPage, RowsOfTheActiveWaypointOrThePresentPosition) {
    struct Case {
        const char* what;
        int32_t toIndex;
        const char* ident;
        const char* type;
        const char* frequency;
        double lat, lon;
        const char* identRow;  // "" when the page shows no waypoint
        const char* latRow;
        const char* lonRow;
    };
    const Case cases[] = {
        {"no route: the aircraft", kNoActiveRoute, "SEA", "VOR", "116.80", 0, 0, "", "N 60*00.00'",
         "E 10*00.00'"},
        {"a VOR file type shows V; rounding carries", 1, "SEA", "VOR", "116.80", 45.99999, -122.3,
         "  2   SEA V", "N 46*00.00'", "W122*18.00'"},
        {"no type, south and west below 100", 0, "KBFI", "", "", -33.8675, -70.25, "  1  KBFI ",
         "S 33*52.05'", "W 70*15.00'"},
        {"an index past the route's end: the aircraft", 5, "SEA", "VOR", "", 1, 1, "",
         "N 60*00.00'", "E 10*00.00'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestBench bench;
        bench.setPosition(60.0, 10.0);
        bench.powerOnAndSkipSelfTest();
        Unit& unit = bench.unit();
        setActiveRoute(unit, {"W0", "W1", "W2"});
        PlanWaypoint& to = unit.fpl.activeRoute.waypoints[c.toIndex == 0 ? 0 : 1];
        to = makeWaypoint(c.ident, c.lat, c.lon, c.type);
        copyField(to.frequency, c.frequency);
        unit.nav.leg.activeToIndex = c.toIndex;
        unit.page.rightPageGroup = PG_ACT;
        bench.frame();

        const bool shown = c.identRow[0] != '\0';
        EXPECT_EQ(bench.textAt(189.0f, 0.0f), c.identRow) << bench.dump();
        EXPECT_EQ(bench.textAt(189.0f, 72.0f), shown ? c.frequency : "");
        EXPECT_EQ(bench.textAt(194.0f, 96.0f), row(c.latRow));
        EXPECT_EQ(bench.textAt(194.0f, 120.0f), row(c.lonRow));
        EXPECT_EQ(bench.textAt(284.0f, kStatusRowY), "ACT 1");

        // The arrow before the number, only with a route: the triangle's corners and the
        // line's ends as "x,y" pairs.
        std::string arrow;
        auto add = [&arrow](float a, float b) {
            arrow.append(std::to_string(static_cast<int>(a))).append(",");
            arrow.append(std::to_string(static_cast<int>(b))).append(" ");
        };
        const RecordingCanvas& canvas = bench.canvas();
        for (const DrawItem& item : canvas.items()) {
            for (int32_t k = 0; item.kind == DrawKind::FillPolygon && k < item.pointCount; ++k) {
                const PointF& p = canvas.points()[static_cast<size_t>(item.firstPoint + k)];
                add(p.x, p.y);
            }
            if (item.kind == DrawKind::Line && item.y == item.y2 && item.y < 150.0f) {
                add(item.x, item.y);
                add(item.x2, item.y2);
            }
        }
        EXPECT_EQ(arrow, shown ? "199,4 207,12 199,20 193,12 207,12 " : "");
    }
}

}  // namespace
