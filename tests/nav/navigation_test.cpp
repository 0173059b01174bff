// The navigation solution on a fake clock: leg geometry, anticipation and sequencing, the
// abeam rule, direct-to arrival, steering output and the coupling.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>

#include "frame/controls.h"
#include "frame/host_tokens.h"
#include "nav/navigation.h"
#include "support/test_bench.h"

namespace {

class NavigationTest : public ::testing::Test {
protected:
    void SetUp() override {
        bench.setPowerAvailable(true);
        bench.powerOnAndSkipSelfTest();
        bench.host().clearKeyEvents();
    }

    // Autopilot master and heading hold on, and the panel's LNAV button clicked.
    void clickLnav() {
        bench.host().setToken(kTokenAutopilotMaster, 1.0);
        bench.host().setToken(kTokenAutopilotHeadingHold, 1.0);
        bench.host().setVariable("lnav_clicked", 1);
        bench.service(6);
    }

    // The heading key events sent so far.
    std::vector<uint32_t> headingsSent() {
        std::vector<uint32_t> headings;
        for (const KeyEvent& e : bench.host().keyEvents()) {
            if (e.eventId == kKeySetHeading) headings.push_back(e.parameter);
        }
        return headings;
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

// The wind drifts the track downwind of the heading, and a track drifted across north
// reads 0..360 either way. The wind's magnetic direction wraps likewise.
TEST_F(NavigationTest, WindDriftsTheTrackDownwindWithinOneTurn) {
    struct Case {
        double headingMag, magVar, windFromTrue, windKt, groundSpeedKt;
        double trackMag, windDirMag;
    };
    // 20 kt across at 100 kt true airspeed is 12 degrees of drift.
    const Case cases[] = {
        {90.0, 0.0, 0.0, 20.0, 100.0, 102.0, 0.0},     // north wind, eastbound: 102, not 078
        {90.0, 0.0, 180.0, 20.0, 100.0, 78.0, 180.0},  // south wind, eastbound
        {2.0, 5.0, 277.0, 20.0, 100.0, 14.0, 272.0},   // west wind, northbound
        {358.0, 0.0, 268.0, 20.0, 100.0, 10.0, 268.0}, // drifted past north: 010, not 370
        {2.0, 0.0, 92.0, 20.0, 100.0, 350.0, 92.0},    // drifted back past north: 350, not -10
        {2.0, 5.0, 7.0, 20.0, 100.0, 2.0, 2.0},        // headwind: no drift
        {90.0, 0.0, 0.0, 20.0, 20.0, 90.0, 0.0},       // below 25 kt: track is the heading
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "heading " << c.headingMag << " wind from " << c.windFromTrue);
        bench.aircraft().windSpeedKt = c.windKt;
        bench.aircraft().windDirTrueDeg = c.windFromTrue;
        bench.setMagVar(c.magVar);
        bench.setHeading(c.headingMag);
        bench.setGroundSpeed(c.groundSpeedKt);
        bench.frame();
        EXPECT_NEAR(nav().wind.trackMag, c.trackMag, 0.25);
        EXPECT_GE(nav().wind.trackMag, 0.0);
        EXPECT_LE(nav().wind.trackMag, 360.0);
        EXPECT_NEAR(nav().wind.windDirMag, c.windDirMag, 1e-9);
    }
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
    bench.frame();
    EXPECT_EQ(nav().leg.activeToIndex, 2);
    // The sequenced leg's distance stays a distance: no -1 reaches the pages.
    EXPECT_NEAR(nav().leg.distanceToGo, std::hypot(0.5, 0.5), 0.01);
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

// The steering heading goes out in whole degrees, truncated, and only when the whole
// degree changes; each engagement sends the first heading again.
TEST_F(NavigationTest, SteeringSendsWholeDegreesOnlyWhenTheyChange) {
    struct Case {
        double targetLat, targetLon;  // direct-to target from (0, 0)
        double magVarFirst, magVarThen;
        uint32_t sent;
    };
    const Case cases[] = {
        {1.0, 0.0, 0.3, 0.9, 359u},    // north true: 359.7 then 359.1 magnetic
        {0.0, -1.0, -0.2, -0.9, 270u}, // west true: 270.2 then 270.9 magnetic
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "expecting " << c.sent);
        Unit& unit = bench.unit();
        unit.directToLeg.origin = PlanWaypoint{};
        unit.directToLeg.target.latitude = c.targetLat;
        unit.directToLeg.target.longitude = c.targetLon;
        nav().leg.directToActive = 1;
        bench.setPosition(0.0, 0.0);
        bench.setMagVar(c.magVarFirst);
        bench.frame();
        clickLnav();
        bench.frame();
        EXPECT_EQ(headingsSent(), std::vector<uint32_t>{c.sent});
        bench.setMagVar(c.magVarThen);
        bench.frames(2);
        EXPECT_EQ(headingsSent(), std::vector<uint32_t>{c.sent});
        // Released and engaged again on the same heading: it is sent again.
        clickLnav();
        EXPECT_EQ(nav().coupling.lnavEngaged, 0);
        clickLnav();
        bench.frame();
        EXPECT_EQ(headingsSent(), (std::vector<uint32_t>{c.sent, c.sent}));
        clickLnav();
        bench.host().clearKeyEvents();
    }
}

// A unit switched off or without power releases the coupling and steers nothing; a
// heading or ground speed that is not a number neither steers nor sequences.
TEST_F(NavigationTest, NoSteeringWithoutPowerOrFromNotANumber) {
    activateEquatorRoute(3);
    bench.setPosition(0.0, 1.0 / 60.0);
    bench.frame();
    clickLnav();
    bench.frame();
    ASSERT_EQ(headingsSent().size(), 1u);
    const double nan = std::numeric_limits<double>::quiet_NaN();

    // Not a number from the host: nothing sent, nothing sequenced, even at the waypoint.
    bench.setPosition(0.0, 9.9 / 60.0);
    bench.host().setToken(kTokenMagVar, nan);
    bench.host().setToken(kTokenGroundSpeed, nan);
    bench.frames(3);
    EXPECT_EQ(headingsSent().size(), 1u);
    EXPECT_EQ(nav().leg.activeToIndex, 1);
    bench.setMagVar(0.0);
    bench.setGroundSpeed(120.0);
    bench.setPosition(0.0, 1.0 / 60.0);

    // Power lost during the grace period: released at once, no heading after it.
    bench.host().clearKeyEvents();
    bench.setHeading(200.0);
    bench.setPowerAvailable(false);
    bench.frames(3);
    EXPECT_EQ(nav().coupling.lnavEngaged, 0);
    EXPECT_EQ(bench.host().variable("lnav"), 0.0);
    ASSERT_EQ(bench.host().keyEvents().size(), 1u);
    EXPECT_EQ(bench.host().keyEvents()[0].eventId, kKeyHeadingModeOff);

    // Switched off with the knob, power available: the click engages nothing.
    bench.setPowerAvailable(true);
    bench.frame();
    bench.press("pwr");
    ASSERT_EQ(bench.unit().power.powerOn, 0);
    bench.host().clearKeyEvents();
    clickLnav();
    bench.frames(2);
    EXPECT_EQ(nav().coupling.lnavEngaged, 0);
    EXPECT_TRUE(bench.host().keyEvents().empty());
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

    // A plan of one waypoint has no leg: nothing to couple to either.
    bench.unit().fpl.activeLastIndex = 0;
    nav().leg.activeToIndex = 1;
    click();
    EXPECT_EQ(nav().coupling.lnavEngaged, 0);
    EXPECT_TRUE(host.keyEvents().empty());

    // A direct-to engages without an intercept leg, and with the same grace period as a
    // route: heading hold still off in the engaging cycle does not release it.
    nav().leg.directToActive = 1;
    host.setToken(kTokenAutopilotHeadingHold, 0.0);
    click();
    EXPECT_EQ(nav().coupling.lnavEngaged, 1);
    EXPECT_EQ(nav().coupling.interceptActive, 0);
    EXPECT_GT(nav().coupling.lnavGrace, 0);
    EXPECT_EQ(host.variable("lnav"), 1.0);
    ASSERT_EQ(host.keyEvents().size(), 1u);
    EXPECT_EQ(host.keyEvents()[0].eventId, kKeyHeadingModeOn);

    // Heading hold off after the grace period releases the coupling and asks the
    // autopilot to hold heading again.
    for (int i = 0; i < 28; ++i) bench.service(6);
    EXPECT_EQ(nav().coupling.lnavEngaged, 1);
    bench.service(6);
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
    clickLnav();
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

// The intercept leg leads only to the waypoint that was TO at engagement: sequencing and
// a direct-to both end it.
TEST_F(NavigationTest, InterceptEndsWhenTheToWaypointChangesOrADirectToStarts) {
    activateEquatorRoute(4);
    bench.setGroundSpeed(120.0);
    bench.setPosition(0.5, 0.0);
    bench.frame();
    clickLnav();
    bench.frame();
    ASSERT_EQ(nav().coupling.interceptActive, 1);
    // Passing close north of the first TO waypoint: it is sequenced while the intercept
    // leg (30 NM off the leg, course not captured) was still flown.
    bench.setPosition(1.0 / 60.0, 10.0 / 60.0);
    bench.frame();
    ASSERT_EQ(nav().leg.activeToIndex, 2);
    bench.frame();
    EXPECT_EQ(nav().coupling.interceptActive, 0);
    // The steering point lies on the new leg again, 3 NM past the abeam point.
    EXPECT_NEAR(nav().coupling.steerLat, 0.0, 1e-6);
    EXPECT_NEAR(nav().coupling.steerLon, 12.95 / 60.0, 0.01 / 60.0);

    clickLnav();
    bench.setPosition(0.5, 10.0 / 60.0);
    bench.frame();
    clickLnav();
    ASSERT_EQ(nav().coupling.interceptActive, 1);
    bench.unit().directToLeg.origin.latitude = 0.5;
    bench.unit().directToLeg.origin.longitude = 10.0 / 60.0;
    bench.unit().directToLeg.target = bench.unit().fpl.activeRoute.waypoints[3];
    nav().leg.directToActive = 1;
    bench.frame();
    EXPECT_EQ(nav().coupling.interceptActive, 0);
}

}  // namespace
