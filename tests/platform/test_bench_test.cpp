#include "tests/support/test_bench.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "frame/display.h"
#include "frame/page_state.h"

// The bench itself: start-up, power-on through the self-test, and finding text by row.
TEST(TestBench, PowersOnThroughTheSelfTestAndFindsRows) {
    TestBench bench;
    bench.start();
    bench.press("pwr");
    EXPECT_EQ(bench.unit().power.powerOn, 1);
    EXPECT_EQ(bench.textAt(5.0f, 0.0f), "GPS            ORS 10") << bench.dump();
    EXPECT_EQ(bench.row(Side::Left, 0), "GPS            ORS 10");
    EXPECT_EQ(bench.row(Side::Left, kStatusRow), "SELF TEST IN PROGRESS");
    EXPECT_EQ(bench.row(Side::Right, 0), "");

    bench.powerOnAndSkipSelfTest();
    EXPECT_EQ(bench.unit().page.leftPageGroup, PG_NAV);
    EXPECT_EQ(bench.textAt(5.0f, 0.0f), "");
}

TEST(TestBench, PressRejectsUnknownNamesAndAcceptsVariableNames) {
    TestBench bench;
    bench.start();
    EXPECT_NONFATAL_FAILURE(bench.press("ro++"), "unknown control name");
    bench.press("tw4_vgr_pwr_knob_pressed");
    EXPECT_EQ(bench.unit().power.powerOn, 1);
    EXPECT_EQ(bench.frameCount(), 1);
}

TEST(TestBench, RootFolderHoldsFilesForStartUp) {
    TestBench bench;
    bench.root().write("Brindle/vgr27a.ini", "TotalTime= 12.5\nPowerCycle=7\n");
    bench.start();
    EXPECT_EQ(bench.unit().record.totalTimeHours, 12.5);
    EXPECT_EQ(bench.unit().record.powerCycles, 8);
    bench.stop();
    EXPECT_EQ(bench.root().read("Brindle/vgr27a.ini"), "TotalTime= 12.5\nPowerCycle=8\n");
}
