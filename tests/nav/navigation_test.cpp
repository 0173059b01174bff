// The navigation solution on a fake clock: leg geometry, anticipation and sequencing, the
// abeam rule, direct-to arrival, steering output and the coupling.
#include <gtest/gtest.h>

#include <cstdio>

#include "frame/controls.h"
#include "frame/host_tokens.h"
#include "nav/navigation.h"
#include "support/test_bench.h"

namespace {

class NavigationTest : public ::testing::Test {
protected:
    void SetUp() override {
        bench.setPowerAvailable(true);
        bench.start();
    }

    // A route along the equator: waypoints every 10 NM eastwards from (0, 0).
    void activateEquatorRoute(int waypoints) {
        Unit& unit = bench.unit();
        for (int i = 0; i < waypoints; ++i) {
            PlanWaypoint& w = unit.fpl.activeRoute.waypoints[i];
            std::snprintf(w.ident, sizeof w.ident, "WP%d", i);
            w.latitude = 0.0;
            w.longitude = i * 10.0 / 60.0;
        }
        unit.fpl.activeLastIndex = waypoints - 1;
        unit.nav.leg.activeToIndex = 1;
    }

    NavState& nav() { return bench.unit().nav; }
    TestBench bench;
};

TEST_F(NavigationTest, PlanLegGivesTrackDistanceAndBearing) {
    activateEquatorRoute(3);
    bench.setMagVar(10.0);
    bench.setPosition(0.0, 2.0 / 60.0);
    bench.frame();
    EXPECT_NEAR(nav().leg.legLength, 10.0, 1e-6);
    EXPECT_NEAR(nav().leg.desiredTrack, 80.0, 1e-6);
    EXPECT_NEAR(nav().leg.distanceToGo, 8.0, 1e-6);
    EXPECT_NEAR(nav().leg.bearingToWaypoint, 80.0, 1e-6);
    // The steering point lies 3 NM ahead on the leg.
    EXPECT_NEAR(nav().coupling.steerLon, 5.0 / 60.0, 1e-6);
}

// A crosswind from the left on a heading just east of north drifts the track across
// north: it reads 35x, not a negative angle. The wind's magnetic direction wraps likewise.
TEST_F(NavigationTest, WindTriangleKeepsTrackAndWindDirectionInRange) {
    bench.aircraft().windSpeedKt = 20.0;
    bench.aircraft().windDirTrueDeg = 272.0;
    bench.setMagVar(5.0);
    bench.setHeading(2.0);
    bench.setGroundSpeed(100.0);
    bench.frame();
    EXPECT_LT(nav().wind.driftDeg, -10.0);
    EXPECT_NEAR(nav().wind.trackMag, 2.0 + nav().wind.driftDeg + 360.0, 1e-9);
    EXPECT_NEAR(nav().wind.windDirMag, 267.0, 1e-9);
    bench.aircraft().windDirTrueDeg = 3.0;
    bench.setGroundSpeed(100.0);
    bench.frame();
    EXPECT_NEAR(nav().wind.windDirMag, 358.0, 1e-9);
}

TEST_F(NavigationTest, WaypointSequencesWithinThirtyFiveSecondsOfFlight) {
    activateEquatorRoute(3);
    bench.setGroundSpeed(120.0);
    // 1.1667 NM are flown in 35 s at 120 kt: 1.2 NM before the waypoint it stays.
    bench.setPosition(0.0, (10.0 - 1.2) / 60.0);
    bench.frame();
    EXPECT_NEAR(nav().leg.anticipationDistance, 120.0 / 3600.0 * 35.0, 1e-9);
    EXPECT_EQ(nav().leg.activeToIndex, 1);
    bench.setPosition(0.0, (10.0 - 1.1) / 60.0);
    bench.frame();
    EXPECT_EQ(nav().leg.activeToIndex, 2);
    // The final waypoint is never sequenced past.
    bench.setPosition(0.0, 25.0 / 60.0);
    bench.frames(3);
    EXPECT_EQ(nav().leg.activeToIndex, 2);
}

TEST_F(NavigationTest, AtRestOnlyTheAbeamRuleSequencesAndOnlyAboveFourHundredFeet) {
    activateEquatorRoute(3);
    bench.setGroundSpeed(0.0);
    bench.setPosition(0.5 / 60.0, 10.5 / 60.0);  // just past the waypoint, close to the leg
    bench.setAltitude(300.0);
    bench.frames(2);
    EXPECT_EQ(nav().leg.activeToIndex, 1);
    bench.setAltitude(1500.0);
    bench.frames(2);
    EXPECT_EQ(nav().leg.activeToIndex, 2);
}

TEST_F(NavigationTest, DirectToArrivalPassesThePlanWaypointItLedTo) {
    activateEquatorRoute(3);
    Unit& unit = bench.unit();
    unit.directToLeg.origin.latitude = 1.0;
    unit.directToLeg.origin.longitude = 10.0 / 60.0;
    unit.directToLeg.target = unit.fpl.activeRoute.waypoints[1];
    nav().leg.directToActive = 1;
    bench.setGroundSpeed(120.0);
    bench.setPosition(2.0 / 60.0, 10.0 / 60.0);
    bench.frame();
    EXPECT_NEAR(nav().leg.desiredTrack, 180.0, 1e-6);
    EXPECT_EQ(nav().leg.directToActive, 1);
    bench.setPosition(0.3 / 60.0, 10.0 / 60.0);
    bench.frame();
    EXPECT_EQ(nav().leg.directToActive, 0);
    EXPECT_EQ(nav().leg.activeToIndex, 2);
}

TEST_F(NavigationTest, SteeringSendsWholeDegreesOnlyWhenTheyChange) {
    Unit& unit = bench.unit();
    unit.directToLeg.origin.latitude = 0.0;
    unit.directToLeg.origin.longitude = 0.0;
    unit.directToLeg.target.latitude = 1.0;
    unit.directToLeg.target.longitude = 0.0;
    nav().leg.directToActive = 1;
    nav().coupling.lnavEngaged = 1;
    bench.host().setToken(kTokenAutopilotMaster, 1.0);  // autopilot master and heading hold on
    bench.host().setToken(kTokenAutopilotHeadingHold, 1.0);
    bench.setMagVar(0.3);  // due north true is 359.7 magnetic
    bench.setPosition(0.0, 0.0);
    bench.frame();
    ASSERT_FALSE(bench.host().keyEvents().empty());
    EXPECT_EQ(bench.host().keyEvents().back().eventId, kKeySetHeading);
    EXPECT_EQ(bench.host().keyEvents().back().parameter, 359u);
    const size_t sent = bench.host().keyEvents().size();
    bench.setMagVar(0.9);  // 359.1: the same whole degree
    bench.frame();
    EXPECT_EQ(bench.host().keyEvents().size(), sent);
}

TEST_F(NavigationTest, CouplingNeedsARouteOrADirectToAndTheAutopilotMaster) {
    SimHost& host = bench.host();
    auto click = [&] {
        host.setVariable("lnav_clicked", 1);
        bench.service(6);
    };
    host.setToken(kTokenAutopilotMaster, 1.0);
    host.setToken(kTokenAutopilotHeadingHold, 1.0);
    click();
    EXPECT_EQ(nav().coupling.lnavEngaged, 0);
    EXPECT_TRUE(host.keyEvents().empty());
    EXPECT_EQ(host.variable("lnav_clicked"), 0.0);

    nav().leg.directToActive = 1;
    click();
    EXPECT_EQ(nav().coupling.lnavEngaged, 1);
    EXPECT_EQ(nav().coupling.interceptActive, 0);
    EXPECT_EQ(nav().coupling.lnavGrace, 0);
    EXPECT_EQ(host.variable("lnav"), 1.0);
    ASSERT_EQ(host.keyEvents().size(), 1u);
    EXPECT_EQ(host.keyEvents()[0].eventId, kKeyHeadingModeOn);

    // Heading hold off releases the coupling and asks the autopilot to hold heading again.
    host.setToken(kTokenAutopilotHeadingHold, 0.0);
    bench.service(6);
    EXPECT_EQ(nav().coupling.lnavEngaged, 0);
    EXPECT_EQ(host.variable("lnav"), 0.0);
    EXPECT_EQ(host.keyEvents()[1].eventId, kKeyHeadingModeOff);
    EXPECT_EQ(host.keyEvents()[2].eventId, kKeyHeadingModeOn);
}

TEST_F(NavigationTest, EngagingOnARouteFliesAnInterceptAfterAGracePeriod) {
    activateEquatorRoute(3);
    SimHost& host = bench.host();
    bench.setPosition(1.0, 0.0);
    bench.frame();
    host.setToken(kTokenAutopilotMaster, 1.0);
    host.setToken(kTokenAutopilotHeadingHold, 1.0);
    host.setVariable("lnav_clicked", 1);
    bench.service(6);
    EXPECT_EQ(nav().coupling.lnavEngaged, 1);
    EXPECT_EQ(nav().coupling.interceptActive, 1);
    // From 60 NM north of the route's start to 10 NM east of it.
    EXPECT_NEAR(nav().coupling.interceptCourse, 170.54, 0.01);
    EXPECT_NEAR(nav().coupling.interceptDistance, 60.8, 0.05);
    // The autopilot master going off is ignored during the 30-cycle grace period.
    host.setToken(kTokenAutopilotMaster, 0.0);
    for (int i = 0; i < 28; ++i) bench.service(6);
    EXPECT_EQ(nav().coupling.lnavEngaged, 1);
    bench.service(6);
    bench.service(6);
    EXPECT_EQ(nav().coupling.lnavEngaged, 0);
}

}  // namespace
