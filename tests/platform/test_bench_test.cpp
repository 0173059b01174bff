// The bench's own rules that no page test would notice if they broke: an unknown control
// name fails the test, and the flown aircraft turns only while the unit is coupled.
#include "tests/support/test_bench.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "frame/host_tokens.h"

TEST(TestBench, PressRejectsUnknownNamesAndAcceptsVariableNames) {
    TestBench bench;
    bench.start();
    EXPECT_NONFATAL_FAILURE(bench.press("ro++"), "unknown control name");
    EXPECT_EQ(bench.unit().power.powerOn, 0);
    bench.press("tw4_vgr_pwr_knob_pressed");
    EXPECT_EQ(bench.unit().power.powerOn, 1);
}

// While the coupling is engaged the flown aircraft turns towards the last heading sent to
// the autopilot, the short way at 3 degrees a second, and otherwise holds its heading.
TEST(TestBench, FlyTurnsTowardsTheAutopilotHeadingOnlyWhileCoupled) {
    TestBench bench;
    bench.powerOnAndSkipSelfTest();
    bench.setPosition(47.0, -122.0);
    bench.setGroundSpeed(120.0);
    bench.setHeading(350.0);
    bench.host().setToken(kTokenAutopilotMaster, 1.0);  // autopilot master on, heading hold on
    bench.host().setToken(kTokenAutopilotHeadingHold, 1.0);
    bench.host().sendKeyEvent(kKeySetHeading, 20);

    bench.fly(2.0);
    EXPECT_NEAR(bench.aircraft().headingMagDeg, 350.0, 1e-9);
    bench.unit().nav.coupling.lnavEngaged = 1;
    bench.fly(2.0);
    EXPECT_NEAR(bench.aircraft().headingMagDeg, 356.0, 1e-6);
    bench.fly(20.0);
    EXPECT_NEAR(bench.aircraft().headingMagDeg, 20.0, 1e-6);
    EXPECT_NEAR(bench.unit().nav.aircraft.headingMag, 20.0, 1e-6);
    EXPECT_GT(bench.unit().nav.aircraft.presentLat, 47.0);
}
