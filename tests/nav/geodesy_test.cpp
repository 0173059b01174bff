// Geodesy against answers worked out independently of the code: a nautical mile is a
// minute of arc, LAX-JFK from published great-circle figures, poles and the antimeridian.
#include "nav/geodesy.h"

#include <gtest/gtest.h>

#include <cmath>

#include "nav/nav_state.h"

namespace {

// Each row runs through the inverse (greatCircle) and, where a course leads back, the
// direct solution (destinationPoint), which must land on the second point with its
// longitude within -180..180.
TEST(Geodesy, InverseAndDirectAgreeWithKnownAnswers) {
    const struct {
        const char* what;
        double lat1, lon1, lat2, lon2;
        double distanceNm, bearing, distanceTolerance, bearingTolerance;
        bool roundTrip = true;  // false from a pole, or where 360 was not the exact course
    } cases[] = {
        {"equator degree east", 0, 0, 0, 1, 60.0, 90.0, 1e-9, 1e-9},
        {"meridian degree north reads 360", 0, 0, 1, 0, 60.0, 360.0, 1e-9, 0.0},
        {"just east of north reads 360", 0, 0, 1, 0.01, 60.0, 360.0, 0.01, 0.0, false},
        {"LAX to JFK", 33.9425, -118.408, 40.6397, -73.7789, 2144.0, 66.0, 3.0, 0.5},
        {"pole to pole", 90, 0, -90, 0, 10800.0, 180.0, 1e-6, 1e-6, false},
        {"across the antimeridian", 0, 179.5, 0, -179.5, 60.0, 90.0, 1e-9, 1e-9},
        {"south along a meridian", 10, 20, 9, 20, 60.0, 180.0, 1e-9, 1e-9},
        {"west", 45, 10, 45, 9, 42.4, 270.35, 0.1, 0.01},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        double distance = 0.0;
        double bearing = 0.0;
        greatCircle(c.lat1, c.lon1, c.lat2, c.lon2, distance, bearing);
        EXPECT_NEAR(distance, c.distanceNm, c.distanceTolerance);
        EXPECT_NEAR(bearing, c.bearing, c.bearingTolerance);
        if (!c.roundTrip) continue;
        double lat = 0.0;
        double lon = 0.0;
        destinationPoint(c.lat1, c.lon1, bearing, distance, lat, lon);
        EXPECT_NEAR(lat, c.lat2, 1e-6);
        EXPECT_NEAR(lon, c.lon2, 1e-6);
    }
    double lat = 0.0;
    double lon = 0.0;
    destinationPoint(0, 0, 270, 10800, lat, lon);  // half way round: -180, never +180
    EXPECT_GE(lon, -180.0);
    EXPECT_LT(lon, 180.0);
}

TEST(Geodesy, CoincidentPointsGiveZeroNotNaN) {
    const double points[][2] = {{0, 0}, {51.4775, -0.4614}, {-33.9461, 151.1772}, {89.9, 45}};
    for (const auto& p : points) {
        double distance = -1.0;
        double bearing = 0.0;
        greatCircle(p[0], p[1], p[0], p[1], distance, bearing);
        EXPECT_EQ(distance, 0.0) << p[0] << "," << p[1];
    }
}

TEST(Geodesy, CourseIntersection) {
    double lat = 1234.0;
    double lon = 1234.0;
    EXPECT_EQ(courseIntersection(0, 0, 0, 0, 1, 180, lat, lon), -99);  // diverging
    EXPECT_EQ(courseIntersection(0, 0, 90, 0, 1, 90, lat, lon), -99);  // one great circle
    EXPECT_EQ(courseIntersection(5, 5, 45, 5, 5, 135, lat, lon), -99);  // same start
    EXPECT_EQ(lat, 1234.0);
    EXPECT_EQ(lon, 1234.0);
    ASSERT_EQ(courseIntersection(10, 10, 90, 20, 15, 180, lat, lon), 0);
    EXPECT_NEAR(lat, 9.963, 0.001);
    EXPECT_NEAR(lon, 15.0, 1e-6);
    // A course of 360 is north, as 0 is.
    ASSERT_EQ(courseIntersection(0, 0, 360, 10, 5, 270, lat, lon), 0);
    EXPECT_NEAR(lon, 0.0, 1e-9);
}

NavState aircraftAt(double lat, double lon) {
    NavState nav;
    nav.aircraft.presentLat = lat;
    nav.aircraft.presentLon = lon;
    return nav;
}

TEST(Geodesy, CrossTrackOnAndOffTheLeg) {
    const LegEnds leg{1, 0.0, 0.0, 0.0, 4.0};  // due east along the equator
    CrossTrackResult result{};
    crossTrack(aircraftAt(0.0, 1.0), leg, LegMode::DirectTo, result);
    EXPECT_NEAR(result.crossTrackNm, 0.0, 1e-3);

    // 30 NM right of the course line. Direct-to mode measures the along-track distance
    // as leg length minus distance to go, which places the abeam point 2.5 NM short.
    crossTrack(aircraftAt(-0.5, 1.0), leg, LegMode::DirectTo, result);
    EXPECT_NEAR(result.crossTrackNm, 30.1, 0.1);
    EXPECT_EQ(result.aircraftSide, 1);
    crossTrack(aircraftAt(0.5, 1.0), leg, LegMode::DirectTo, result);
    EXPECT_EQ(result.aircraftSide, 2);
    crossTrack(aircraftAt(-200.0 / 60.0, 1.0), leg, LegMode::DirectTo, result);
    EXPECT_EQ(result.crossTrackNm, 125.0);

    // Plan mode takes the along-track distance and course from the last update.
    NavState plan = aircraftAt(-0.5, 1.0);
    plan.leg.legLength = 240.0;
    plan.leg.distanceToGo = 180.0;
    plan.leg.desiredTrack = 92.0;
    plan.aircraft.magVar = -2.0;
    crossTrack(plan, leg, LegMode::PlanLeg, result);
    EXPECT_NEAR(result.crossTrackNm, 30.0, 0.05);

    CrossTrackResult untouched{7, 8.0, 9, 10.0, 11, 12.0};
    crossTrack(plan, LegEnds{}, LegMode::PlanLeg, untouched);
    EXPECT_EQ(untouched.crossTrackNm, -99.0);
    EXPECT_EQ(untouched.toSide, 7);
    EXPECT_EQ(untouched.headingAngle, 12.0);
}

TEST(Geodesy, PassedAbeamOnlyAcrossTheSquareLineNearTheWaypoint) {
    const struct { double lat, lon; int32_t passed; } cases[] = {
        {0.0, 1.9, 0},     // short of the waypoint
        {0.0, 2.1, 1},     // past it on the track
        {0.2, 2.05, 1},    // past it, 12 NM left of the track
        {-0.2, 2.05, 1},   // past it, 12 NM right
        {0.5, 2.05, 0},    // 30 NM abeam: not within the line
        {-0.5, 2.05, 0},
    };
    for (const auto& c : cases) {
        NavState nav = aircraftAt(c.lat, c.lon);
        nav.leg.desiredTrack = 90.0;
        EXPECT_EQ(passedAbeam(nav, 0.0, 2.0), c.passed) << c.lat << "," << c.lon;
    }
}

}  // namespace
