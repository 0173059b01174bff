// The NAV pages' rows on the cases that catch real faults: the needle on either side of the
// course and at its end stop, TO/FROM across north, the time en route with its dashes and
// its minutes rounding, the wide NAV 1 merging and splitting, VNAV 25 NM before the
// waypoint, the placeholders without a leg, and NAV 4's cursor and field limits.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "frame/display.h"
#include "nav/geodesy.h"
#include "support/test_bench.h"

namespace {

constexpr float kNoNeedle = -1.0f;

struct Text {
    float x;
    float y;
    const char* text;
};

struct NavCase {
    const char* name;
    std::function<void(TestBench&)> setup;  // after the route, before the keys
    const char* keys;                       // pressed one by one, or ""
    std::vector<Text> texts;                // drawn in the last frame
    float needleX = kNoNeedle;              // the left page's needle, when one must stand
    float triangleTipY = 0.0f;              // 34: TO (points up), 42: FROM, 0: not checked
};

// A route due north along the meridian from (0, 0) to (1, 0) (60 NM), flown to waypoint 1,
// with the left page on NAV 1 and the right on NAV 3.
void flyNorthboundRoute(TestBench& bench, double latDeg, double lonDeg, double groundSpeedKt) {
    Unit& unit = bench.unit();
    const char* idents[] = {"SOUTH", "NORTH"};
    for (int i = 0; i < 2; ++i) {
        PlanWaypoint& waypoint = unit.fpl.activeRoute.waypoints[i];
        std::snprintf(waypoint.ident, sizeof waypoint.ident, "%s", idents[i]);
        waypoint.latitude = i;
        waypoint.longitude = 0.0;
    }
    unit.fpl.activeLastIndex = 1;
    unit.nav.leg.activeToIndex = 1;
    bench.setPosition(latDeg, lonDeg);
    bench.setGroundSpeed(groundSpeedKt);
    bench.setHeading(0.0);
}

void noRoute(TestBench& bench) {
    bench.unit().fpl.activeLastIndex = 0;
    bench.unit().nav.leg.activeToIndex = kNoActiveRoute;
}

// VNAV planned at 500 ft/min and 150 kt from 8000 ft down to 3000 ft: the descent takes
// 10 minutes, 25 NM at 150 kt.
void planDescent(TestBench& bench, double latDeg) {
    flyNorthboundRoute(bench, latDeg, 0.0, 150.0);
    bench.setAltitude(8000.0);
    bench.unit().page.leftNavPage = 4;
    bench.unit().vnav.vnavTargetAltitude = 3000.0;
    bench.unit().vnav.vnavVerticalSpeed = 500.0;
}

// A setup that then shows NAV page `left` on the left side (and `right` on the right).
using Setup = std::function<void(TestBench&)>;
Setup leftAndRight(int32_t left, int32_t right, Setup more) {
    return [left, right, more](TestBench& bench) {
        more(bench);
        bench.unit().page.leftNavPage = left;
        bench.unit().page.rightNavPage = right;
    };
}
Setup leftPage(int32_t left, Setup more) { return leftAndRight(left, 3, more); }

const float kCentre = 94.0f;

// clang-format off
const std::vector<NavCase>& cases() {
    static const std::vector<NavCase> table = {
        {"2.5 NM left of course: needle right of centre, fly right",
         [](TestBench& b) { flyNorthboundRoute(b, 0.5, -2.5 / 60.0, 90.0); }, "",
         {{10, 0, "SOUTH"}, {280, 0, "NORTH"}, {194, 24, "DTK    360\xB0"},
         {194, 72, "FLY R 2.5NM"}},
         kCentre + 2.5f / 0.067f, 34.0f},
        {"2.5 NM right of course: needle left of centre, fly left",
         [](TestBench& b) { flyNorthboundRoute(b, 0.5, 2.5 / 60.0, 90.0); }, "",
         {{194, 72, "FLY L 2.5NM"}}, kCentre - 2.5f / 0.067f},
        {"12 NM left: the needle stays at the end stop, the text at 9.9",
         [](TestBench& b) { flyNorthboundRoute(b, 0.5, -12.0 / 60.0, 90.0); }, "",
         {{194, 72, "FLY R 9.9NM"}}, kCentre + 5.0f / 0.067f},
        {"on course: no side to fly",
         [](TestBench& b) { flyNorthboundRoute(b, 0.5, 0.0, 90.0); }, "",
         {{194, 72, "FLY - 0.0NM"}}, kCentre},
        {"desired track 355 and heading 005 differ by 10 degrees: TO",
         [](TestBench& b) {
             flyNorthboundRoute(b, 0.0, 0.0, 90.0);
             PlanWaypoint& to = b.unit().fpl.activeRoute.waypoints[1];
             to.latitude = std::cos(5.0 * kDegToRad);
             to.longitude = -std::sin(5.0 * kDegToRad);
             b.setPosition(0.1, -0.1 * std::tan(5.0 * kDegToRad));
             b.setHeading(5.0);
         }, "", {{194, 24, "DTK    355\xB0"}}, kCentre, 34.0f},
        {"heading 185 against desired track 360: FROM",
         [](TestBench& b) { flyNorthboundRoute(b, 0.5, 0.0, 90.0); b.setHeading(185.0); }, "", {},
         kCentre, 42.0f},
        {"45 NM at 90 kt: half an hour",
         [](TestBench& b) { flyNorthboundRoute(b, 0.25, 0.0, 90.0); }, "",
         {{10, 48, "DIS    45NM"}, {10, 72, "GS     90KT"}, {10, 96, "ETE    0:30"},
          {10, 120, "BRG    360\xB0"}}},
        {"45 NM at 45.2 kt is 59.7 minutes: one hour, never 0:60",
         [](TestBench& b) { flyNorthboundRoute(b, 0.25, 0.0, 45.2); }, "",
         {{10, 96, "ETE    1:00"}}},
        {"45 NM at 15 kt: no time en route",
         [](TestBench& b) { flyNorthboundRoute(b, 0.25, 0.0, 15.0); },
         "", {{10, 72, "GS     15KT"}, {10, 96, "ETE   --:--"}}},
        {"no route: the flag and every placeholder",
         leftAndRight(1, 4, noRoute), "",
         {{40, 24, "F L A G"}, {10, 48, "DIS  --.-NM"}, {10, 72, "GS    ---KT"},
          {10, 96, "ETE   --:--"}, {10, 120, "BRG    ---\xB0"}, {189, 0, "VNV INACTV"},
          {189, 120, "ANGLE: 0.0\xB0"}}},
        {"no route on NAV 3", leftPage(3, noRoute), "",
         {{10, 24, "DTK    ---\xB0"}, {10, 48, "TK     000\xB0"}, {10, 72, "FLY    --NM"}}},
        {"both sides on NAV 1: one wide page",
         leftAndRight(1, 1, [](TestBench& b) { flyNorthboundRoute(b, 0.25, 0.0, 90.0); }), "",
         {{99, 0, "SOUTH"}, {191, 0, "NORTH"}, {10, 72, "DIS    45NM"}, {10, 96, "GS     90KT"},
          {220, 72, "ETE  0:30"}, {220, 96, "BRG  360\xB0"}, {10, 153, "NAV 1"},
          {289, 153, "NAV 1"}}},
        {"the right side steps to NAV 2: split again in the same frame",
         leftAndRight(1, 1, [](TestBench& b) { flyNorthboundRoute(b, 0.25, 0.0, 90.0); }), "ri+",
         {{10, 48, "DIS    45NM"}, {194, 0, "PRESENT POS"}, {284, 153, "NAV 2"}}},
        {"both sides step onto NAV 1: wide",
         leftAndRight(2, 2, [](TestBench& b) { flyNorthboundRoute(b, 0.25, 0.0, 90.0); }),
         "li- ri-", {{10, 72, "DIS    45NM"}, {289, 153, "NAV 1"}}},
        {"wide without a leg", leftAndRight(1, 1, noRoute), "",
         {{106, 32, "F  L  A  G"}, {10, 72, "DIS ---.-NM"}, {220, 72, "ETE --:--"},
          {220, 96, "BRG  ---\xB0"}}},
        {"VNAV 30 NM out: the descent starts in 2 minutes, 25 NM before the waypoint",
         [](TestBench& b) { planDescent(b, 0.5); }, "lcrsr lo-",
         {{5, 0, "VNV IN02:00"}, {5, 48, "IND  8000FT"}, {5, 72, "SEL: 03000"},
          {5, 96, "NORTH:00NM"}, {142, 120, "0"}}},
        {"VNAV 25.5 NM out: 0.2 minutes",
         [](TestBench& b) { planDescent(b, 1.0 - 25.5 / 60.0); }, "lcrsr lo-",
         {{5, 0, "VNV IN00:02"}}},
        {"VNAV past the descent point: armed",
         [](TestBench& b) { planDescent(b, 1.0 - 24.0 / 60.0); },
         "lcrsr lo-", {{5, 0, "VNV ARMED"}}},
        {"VNAV 60 NM out, 14 minutes: armed", [](TestBench& b) { planDescent(b, 0.0); },
         "lcrsr lo-",
         {{5, 0, "VNV ARMED"}}},
        {"VNAV off the angle field: inactive; the angle follows 500 ft/min at 150 kt",
         [](TestBench& b) { planDescent(b, 0.5); }, "lcrsr",
         {{5, 0, "VNV INACTV"}, {5, 120, "ANGLE: 2.0\xB0"}, {98, 72, "3"}}},
        {"VNAV at the selected altitude: still 2.0, no NaN",
         [](TestBench& b) { planDescent(b, 0.5); b.setAltitude(3000.0); }, "",
         {{5, 120, "ANGLE: 2.0\xB0"}}},
        {"VNAV angle with a planned ground speed of 0: dashes",
         [](TestBench& b) { planDescent(b, 0.5); b.unit().vnav.vnavGroundSpeed = 0.0; }, "",
         {{5, 120, "ANGLE: -.-\xB0"}}},
        {"NAV 4 without a route drops the cursor", leftPage(4, noRoute), "lcrsr",
         {{10, 153, "NAV 4"}}},
        {"NAV 1 with the cursor on ignores the inner knob",
         [](TestBench& b) { flyNorthboundRoute(b, 0.25, 0.0, 90.0); }, "lcrsr li+",
         {{10, 48, "DIS    45NM"}, {10, 153, "CRSR"}}},
        {"selected altitude stops at 99900",
         [](TestBench& b) { planDescent(b, 0.5); b.unit().vnav.vnavTargetAltitude = 99900.0; },
         "lcrsr li+ li+",
         {{5, 72, "SEL: 99900"}}},
        {"offset stops at 99",
         [](TestBench& b) { planDescent(b, 0.5); b.unit().vnav.vnavOffsetNm = 98.0; },
         "lcrsr lo+ li+ li+", {{5, 96, "NORTH:99NM"}, {114, 96, "9"}}},
        {"angle entry by tenths stops at 9.9; the outer knob wraps 1 to 3",
         [](TestBench& b) { planDescent(b, 0.5); b.unit().vnav.vnavAngleEntry = 9.7; },
         "lcrsr lo- li+ li+ li+",
         {{5, 120, "ANGLE: 9.9\xB0"}}},
        {"angle entry stops at -9.9; a negative entry takes the blank away",
         [](TestBench& b) { planDescent(b, 0.5); b.unit().vnav.vnavAngleEntry = -9.8; },
         "lcrsr lo- li- li-",
         {{5, 120, "ANGLE:-9.9\xB0"}}},
    };
    return table;
}
// clang-format on

// The left page's vertical needle line, or null.
const DrawItem* needle(const RecordingCanvas& canvas) {
    for (const DrawItem& item : canvas.items()) {
        if (item.kind == DrawKind::Line && item.x == item.x2 && item.y == 30.0f && item.y2 == 48.0f)
            return &item;
    }
    return nullptr;
}

// The tip of the TO/FROM triangle over the left page's centre (0 when none is drawn).
float triangleTipY(const RecordingCanvas& canvas) {
    for (const DrawItem& item : canvas.items()) {
        if (item.kind != DrawKind::FillPolygon || item.pointCount != 3) continue;
        const PointF& tip = canvas.points()[static_cast<size_t>(item.firstPoint)];
        if (tip.x == kCentre) return tip.y;
    }
    return 0.0f;
}

TEST(NavPagesTest, RowsForEachCase) {
    for (const NavCase& navCase : cases()) {
        SCOPED_TRACE(navCase.name);
        TestBench bench;
        bench.powerOnAndSkipSelfTest();
        Unit& unit = bench.unit();
        unit.page.leftPageGroup = PG_NAV;
        unit.page.leftNavPage = 1;
        unit.page.rightPageGroup = PG_NAV;
        unit.page.rightNavPage = 3;
        navCase.setup(bench);
        bench.frame();
        std::string keys = navCase.keys;
        for (size_t start = 0; start < keys.size();) {
            const size_t end = std::min(keys.find(' ', start), keys.size());
            bench.press(keys.substr(start, end - start));
            start = end + 1;
        }
        for (const Text& text : navCase.texts) {
            EXPECT_EQ(bench.textAt(text.x, text.y), text.text)
                << "at " << text.x << ", " << text.y << "\n"
                << bench.dump();
        }
        const DrawItem* line = needle(bench.canvas());
        if (navCase.needleX != kNoNeedle) {
            ASSERT_NE(line, nullptr) << bench.dump();
            EXPECT_NEAR(line->x, navCase.needleX, 0.5f);
        }
        if (navCase.triangleTipY != 0.0f) {
            EXPECT_EQ(triangleTipY(bench.canvas()), navCase.triangleTipY);
        }
    }
}

}  // namespace
