// The knobs and buttons as a pilot uses them: page cycles, cursor events, the D->, ALT and
// MSG overlays, pressed images, the polled variables' write-backs and the spin counter.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/controls.h"
#include "support/test_bench.h"

namespace {

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        bench.setPowerAvailable(true);
        bench.start();
    }
    PageState& page() { return bench.unit().page; }
    TestBench bench;
};

// Turns one outer knob `turns` times from `start` and lists the groups it passes.
std::vector<int32_t> turn(TestBench& bench, Control knob, PageGroup& group, int32_t start, int turns) {
    group = static_cast<PageGroup>(start);
    std::vector<int32_t> seen;
    for (int i = 0; i < turns; ++i) {
        runControl(bench.unit(), bench.host(), knob);
        seen.push_back(group);
    }
    return seen;
}

// The cycles themselves are stepped through in the page_cycles scenario; groups outside a
// cycle must not be moved into it by a turn.
TEST_F(ControlsTest, OuterKnobsLeaveGroupsOutsideTheirCycle) {
    using Groups = std::vector<int32_t>;
    for (int32_t group : {int32_t{PG_MESSAGE}, int32_t{PG_SELF_TEST}, int32_t{PG_DUPLICATES}, 10}) {
        EXPECT_EQ(turn(bench, Control::LeftOuterUp, page().leftPageGroup, group, 1), Groups{group});
    }
    EXPECT_EQ(turn(bench, Control::RightOuterUp, page().rightPageGroup, 18, 1), Groups{18});
}

TEST_F(ControlsTest, WithTheCursorOnOuterKnobsOnlyRaiseEvents) {
    Unit& unit = bench.unit();
    page().leftPageGroup = PG_FPL;
    page().leftCursorOn = 1;
    page().rightPageGroup = PG_APT;
    page().rightCursorOn = 1;
    runControl(unit, bench.host(), Control::LeftOuterUp);
    runControl(unit, bench.host(), Control::LeftOuterDown);
    runControl(unit, bench.host(), Control::RightOuterUp);
    runControl(unit, bench.host(), Control::RightOuterDown);
    EXPECT_EQ(page().leftPageGroup, PG_FPL);
    EXPECT_EQ(page().rightPageGroup, PG_APT);
    EXPECT_EQ(unit.events.evtLeftOuterUp, 1);
    EXPECT_EQ(unit.events.evtLeftOuterDown, 1);
    EXPECT_EQ(unit.events.evtRightOuterUp, 1);
    EXPECT_EQ(unit.events.evtRightOuterDown, 1);
}

TEST_F(ControlsTest, LeftOuterKnobFromDirectToOrAltLandsOnNav) {
    struct Case {
        PageGroup from;
        Control knob;
        int32_t rightCursorAfter;
    };
    for (const Case& c : {Case{PG_DIRECT_TO, Control::LeftOuterUp, 0},
                          Case{PG_ALT, Control::LeftOuterUp, 0},
                          Case{PG_DIRECT_TO, Control::LeftOuterDown, 1},
                          Case{PG_ALT, Control::LeftOuterDown, 1}}) {
        SCOPED_TRACE(c.from);
        page().leftPageGroup = c.from;
        page().leftCursorOn = 0;
        page().rightCursorOn = 1;
        runControl(bench.unit(), bench.host(), c.knob);
        EXPECT_EQ(page().leftPageGroup, PG_NAV);
        EXPECT_EQ(page().rightCursorOn, c.rightCursorAfter);
    }
}

TEST_F(ControlsTest, EnteringNavFromCalOrFplResetsTheMapClrToggle) {
    Unit& unit = bench.unit();
    for (auto [from, knob, reset] : {std::tuple{PG_CAL, Control::LeftOuterDown, true},
                                     std::tuple{PG_FPL, Control::LeftOuterUp, true},
                                     std::tuple{PG_ALT, Control::LeftOuterUp, false}}) {
        unit.pages.nav.nav5ClrToggle = 1;
        page().leftPageGroup = from;
        runControl(unit, bench.host(), knob);
        EXPECT_EQ(page().leftPageGroup, PG_NAV);
        EXPECT_EQ(unit.pages.nav.nav5ClrToggle, reset ? 0 : 1) << from;
    }
}

// The saved_groups scenario opens and closes D->, ALT and MSG in every order with the
// right cursor off; closing D-> must turn the right cursor off as well.
TEST_F(ControlsTest, DirectToClosesWithBothCursorsOff) {
    page().leftPageGroup = PG_NAV;
    page().rightCursorOn = 1;
    runControl(bench.unit(), bench.host(), Control::DirectTo);
    EXPECT_EQ(page().leftCursorOn, 1);
    runControl(bench.unit(), bench.host(), Control::DirectTo);
    EXPECT_EQ(page().leftPageGroup, PG_NAV);
    EXPECT_EQ(page().leftCursorOn, 0);
    EXPECT_EQ(page().rightCursorOn, 0);
}

TEST_F(ControlsTest, PolledControlsRunInTableOrderAndAreWrittenBack) {
    SimHost& host = bench.host();
    // D-> is polled before ALT: Direct-To opens over NAV, then ALT opens over Direct-To.
    page().leftPageGroup = PG_NAV;
    bench.press("alt dto push pwr");
    EXPECT_EQ(page().savedLeftPageGroup, PG_DIRECT_TO);
    EXPECT_EQ(page().leftPageGroup, PG_SELF_TEST);  // the power knob comes last
    for (const char* name : kControlVariableNames) EXPECT_EQ(host.variable(name), 0.0) << name;
    EXPECT_EQ(host.variable(kRightInnerKnobPositionName), 0.0);
    EXPECT_EQ(host.variable(kPowerKnobPositionName), 1.0);
    bench.press("push");
    EXPECT_EQ(host.variable(kRightInnerKnobPositionName), 1.0);
}

TEST_F(ControlsTest, MouseClicksRunHandlersWithoutWritingPositions) {
    SimHost& host = bench.host();
    EXPECT_TRUE(bench.click(728, 213));  // the push area inside the inner knob
    EXPECT_EQ(bench.unit().page.rightInnerKnobState, 0);
    EXPECT_TRUE(bench.click(700, 40));
    EXPECT_EQ(bench.unit().power.powerOn, 1);
    EXPECT_FALSE(host.variableExists(kRightInnerKnobPositionName) &&
                 host.variable(kRightInnerKnobPositionName) != 0.0);
    EXPECT_EQ(host.variable(kPowerKnobPositionName), 0.0);
}

TEST_F(ControlsTest, PressedImageShowsOnFiveControlCycles) {
    SimHost& host = bench.host();
    host.setVariable(kControlVariableNames[static_cast<int>(Control::DirectTo)], 1);
    std::vector<bool> shown;
    for (int i = 0; i < 7; ++i) {
        bench.service(6);
        shown.push_back(!host.elementHidden(4));
    }
    EXPECT_EQ(shown, (std::vector<bool>{true, true, true, true, true, false, false}));
    EXPECT_TRUE(host.elementHidden(2));  // CLR was never pressed
    // The pulled-out knob, the power knob and MSG show while their state holds.
    EXPECT_TRUE(host.elementHidden(8) && host.elementHidden(9) && host.elementHidden(10));
    bench.press("push pwr msg");
    EXPECT_FALSE(host.elementHidden(8) || host.elementHidden(9) || host.elementHidden(10));
}

TEST_F(ControlsTest, PowerOffKeepsPagesAndPowerOnRestartsTheSelfTest) {
    bench.powerOnAndSkipSelfTest();
    page().rightPageGroup = PG_VOR;
    bench.unit().nav.aircraft.fuelUsed1 = 12.0;
    bench.press("pwr");
    EXPECT_EQ(bench.unit().power.powerOn, 0);
    EXPECT_EQ(page().leftPageGroup, PG_NAV);
    EXPECT_DOUBLE_EQ(bench.unit().nav.aircraft.fuelUsed1, 12.0);
    bench.press("pwr");
    EXPECT_EQ(page().leftPageGroup, PG_SELF_TEST);
    EXPECT_EQ(page().rightPageGroup, PG_VOR);
    EXPECT_DOUBLE_EQ(bench.unit().nav.aircraft.fuelUsed1, 0.0);
}

TEST_F(ControlsTest, SpinCountRisesOncePerBurstAndFallsBackAfterFifteenDraws) {
    bench.powerOnAndSkipSelfTest();
    SpinCounter& spin = bench.unit().spin;
    bench.press("li+");
    bench.frames(2);
    EXPECT_EQ(spin.leftInnerSpinCount, 1);
    bench.press("li+");
    bench.press("li-");
    bench.frames(2);
    EXPECT_EQ(spin.leftInnerSpinCount, 2);
    bench.frames(12);
    EXPECT_EQ(spin.leftInnerSpinCount, 2);
    bench.frames(1);
    EXPECT_EQ(spin.leftInnerSpinCount, 0);
    EXPECT_EQ(spin.leftInnerSpinWindow, 0);
}

}  // namespace
