// Where the moving map puts a point in each orientation mode, and how the range knobs step
// at their limits and with the left knob's speed-up.
#include <gtest/gtest.h>

#include <cmath>

#include "nav/map_projection.h"
#include "nav/nav_state.h"

namespace {

TEST(MapProjectionTest, PointsAndRangesForEachModeAndLimit) {
    struct PointCase {
        const char* name;
        int32_t mode;
        double headingTrue, driftDeg, desiredTrackMag, magVar;
        bool legFlown;
        double bearingTrue, distanceNm, rangeNm;
        float x, y;  // from an origin at (92, 96), radius 96
    };
    const PointCase points[] = {
        {"heading up: 20 NM dead ahead at range 40 is 48 units up", 2, 30, 0, 0, 0, true, 30, 20,
         40, 92, 48},
        {"north up: due east lies right at the same height", 1, 30, 0, 0, 0, true, 90, 20, 40, 140,
         96},
        {"track up: heading 355 with 10 drift puts 005 up", 3, 355, 10, 0, 0, true, 5, 10, 40, 92,
         72},
        {"desired track up: 350 magnetic with 15 east is 005 true", 4, 200, 0, 350, 15, true, 5, 10,
         40, 92, 72},
        {"desired track up without a leg follows the heading", 4, 90, 0, 350, 15, false, 90, 10, 40,
         92, 72},
        {"heading up, a point behind", 2, 90, 0, 0, 0, true, 270, 10, 40, 92, 120},
        {"a heading that is not a number gives north up", 2, NAN, 0, 0, 0, true, 0, 10, 40, 92, 72},
        {"a zero range counts as 1 NM", 1, 0, 0, 0, 0, true, 0, 0.25, 0, 92, 72},
    };
    for (const PointCase& c : points) {
        SCOPED_TRACE(c.name);
        NavState nav;
        nav.aircraft.headingTrue = c.headingTrue;
        nav.wind.driftDeg = c.driftDeg;
        nav.leg.desiredTrack = c.desiredTrackMag;
        nav.aircraft.magVar = c.magVar;
        const double up = mapUpBearing(c.mode, nav, c.legFlown);
        PointF point{};
        ASSERT_TRUE(projectToMap(up, c.bearingTrue, {92, 96},
                                 c.distanceNm * mapUnitsPerNm(96, c.rangeNm), point));
        EXPECT_NEAR(point.x, c.x, 1e-3);
        EXPECT_NEAR(point.y, c.y, 1e-3);
    }
    PointF untouched{1, 2};
    EXPECT_FALSE(projectToMap(0, NAN, {92, 96}, 10, untouched));
    EXPECT_FALSE(projectToMap(0, 10, {92, 96}, INFINITY, untouched));
    EXPECT_EQ(untouched.x, 1.0f);

    struct RangeCase {
        const char* name;
        bool leftKnob;
        double rangeNm;
        KnobTurn turn;
        int32_t spinCount;
        double expectedNm;
    };
    const RangeCase ranges[] = {
        {"left 995 up at spin 70 stops at 1000", true, 995, KnobTurn::Up, 70, 1000},
        {"left 1000 up stays", true, 1000, KnobTurn::Up, 0, 1000},
        {"left 40 up at spin 11 by 1", true, 40, KnobTurn::Up, 11, 41},
        {"left 40 up at spin 12 by 5", true, 40, KnobTurn::Up, 12, 45},
        {"left 100 down at spin 24 by 10", true, 100, KnobTurn::Down, 24, 90},
        {"left 100 down at spin 47 by 20", true, 100, KnobTurn::Down, 47, 80},
        {"left 100 up at spin 59 by 40", true, 100, KnobTurn::Up, 59, 140},
        {"left 3 down at spin 60 stops at 1", true, 3, KnobTurn::Down, 60, 1},
        {"left 1 down stays", true, 1, KnobTurn::Down, 0, 1},
        {"right 1000 up to 1001", false, 1000, KnobTurn::Up, 70, 1001},
        {"right 1001 up wraps to 1", false, 1001, KnobTurn::Up, 0, 1},
        {"right 1 down wraps to 1000", false, 1, KnobTurn::Down, 0, 1000},
        {"right 40 down by 1 whatever the spin", false, 40, KnobTurn::Down, 70, 39},
    };
    for (const RangeCase& c : ranges) {
        SCOPED_TRACE(c.name);
        const double stepped = c.leftKnob ? stepLeftMapRange(c.rangeNm, c.turn, c.spinCount)
                                          : stepRightMapRange(c.rangeNm, c.turn);
        EXPECT_EQ(stepped, c.expectedNm);
    }
}

}  // namespace
