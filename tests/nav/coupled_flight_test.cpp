// A closed-loop flight: the bench's aircraft turns towards every heading the coupled unit
// sends and flies a four-leg plan from take-off to the final waypoint.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "frame/host_tokens.h"
#include "nav/geodesy.h"
#include "support/test_bench.h"

namespace {

struct Point {
    double lat, lon;
};

// Distance (NM) of `p` from the great circle through `from` and `to`; the leg's true
// course at `from` in `courseDeg`.
double offCourseNm(Point from, Point to, Point p, double& courseDeg) {
    double legNm = 0.0, legCourse = 0.0, toPointNm = 0.0, toPointCourse = 0.0;
    greatCircle(from.lat, from.lon, to.lat, to.lon, legNm, legCourse);
    greatCircle(from.lat, from.lon, p.lat, p.lon, toPointNm, toPointCourse);
    courseDeg = legCourse;
    const double angle = (toPointCourse - legCourse) * kDegToRad;
    return std::fabs(std::asin(std::sin(toPointNm / kEarthRadiusNm) * std::sin(angle))) * kEarthRadiusNm;
}

// Where `from` leads along true course `courseDeg` for `nm`.
Point ahead(Point from, double courseDeg, double nm) {
    Point p{};
    destinationPoint(from.lat, from.lon, courseDeg, nm, p.lat, p.lon);
    return p;
}

TEST(CoupledFlight, FliesEveryLegInOrderAndStaysOnCourse) {
    TestBench bench;
    bench.setPowerAvailable(true);
    bench.powerOnAndSkipSelfTest();

    // Legs of 10 NM on true courses 090, 120, 240, 300: turns of 30, 120 and 60 degrees.
    const double magVar = 4.0;
    std::vector<Point> plan{{47.0, 8.0}};
    for (double course : {90.0, 120.0, 240.0, 300.0}) plan.push_back(ahead(plan.back(), course, 10.0));
    Unit& unit = bench.unit();
    for (size_t i = 0; i < plan.size(); ++i) {
        PlanWaypoint& w = unit.fpl.activeRoute.waypoints[i];
        std::snprintf(w.ident, sizeof w.ident, "WP%zu", i);
        w.latitude = plan[i].lat;
        w.longitude = plan[i].lon;
    }
    const int lastIndex = static_cast<int>(plan.size()) - 1;
    unit.fpl.activeLastIndex = lastIndex;
    unit.nav.leg.activeToIndex = 1;

    // Take-off from the first waypoint, runway heading 090 true, the coupling engaged.
    bench.setMagVar(magVar);
    bench.setHeading(90.0 - magVar);
    bench.setPosition(plan[0].lat, plan[0].lon);
    bench.setGroundSpeed(150.0);
    bench.frame();
    bench.host().setToken(kTokenAutopilotMaster, 1.0);
    bench.host().setToken(kTokenAutopilotHeadingHold, 1.0);
    bench.host().setVariable("lnav_clicked", 1);
    bench.service(6);
    ASSERT_EQ(unit.nav.coupling.lnavEngaged, 1);

    std::vector<int> sequence{1};
    // A leg's intercept is flown once the aircraft is on the leg and heading along it.
    bool intercepted = true;  // the first leg starts so
    std::vector<double> worstAfterIntercept(plan.size(), 0.0);
    double closestToFinal = 1e9;
    const double step = 1.0 / kFramesPerSecond;
    for (int frame = 0; frame < 18 * 60 * 20; ++frame) {
        if (frame == 18 * 30) bench.setAltitude(3000.0);  // climbed out
        bench.fly(step);
        const int to = unit.nav.leg.activeToIndex;
        if (to != sequence.back()) {
            sequence.push_back(to);
            intercepted = false;
        }
        const Point now{bench.aircraft().latDeg, bench.aircraft().lonDeg};
        double legCourse = 0.0;
        const double off = offCourseNm(plan[to - 1], plan[to], now, legCourse);
        if (off < 0.1 && fold180(bench.aircraft().headingTrueDeg - legCourse) < 5.0) intercepted = true;
        double finalNm = 0.0, unusedCourse = 0.0;
        greatCircle(now.lat, now.lon, plan[lastIndex].lat, plan[lastIndex].lon, finalNm, unusedCourse);
        if (finalNm < closestToFinal) closestToFinal = finalNm;
        // Past the final waypoint the unit turns back to it: the course is flown until then.
        const bool arrived = closestToFinal < 0.5;
        if (intercepted && !arrived && off > worstAfterIntercept[to]) worstAfterIntercept[to] = off;
        ASSERT_EQ(unit.nav.coupling.lnavEngaged, 1) << "released at frame " << frame;
    }
    EXPECT_EQ(sequence, (std::vector<int>{1, 2, 3, 4}));
    for (int to = 1; to <= lastIndex; ++to) {
        EXPECT_GT(worstAfterIntercept[to], 0.0) << "leg to WP" << to << " never intercepted";
        EXPECT_LE(worstAfterIntercept[to], 1.0) << "leg to WP" << to;
    }
    EXPECT_LT(closestToFinal, 1.0);
    EXPECT_EQ(unit.nav.leg.activeToIndex, lastIndex);
}

}  // namespace
