// The gauge services and the draw routine: start-up and shutdown orders, ignored codes,
// the blank unpowered display, the self-test's hand-over, status-line layouts, scaling
// and the "VC" skip. The power_self_test and unit_record scenarios pin the self-test's
// flashing line and the unit record read on every initialise.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "frame/controls.h"
#include "frame/gauge.h"
#include "support/test_bench.h"

namespace {

class GaugeTest : public ::testing::Test {
protected:
    void SetUp() override { bench.setPowerAvailable(true); }

    int textCount() { return static_cast<int>(bench.texts().size()); }
    // The 1-unit lines of the frames (the map's aircraft symbol is drawn with 2 units).
    std::vector<std::string> lines() {
        std::vector<std::string> result;
        for (const DrawItem& item : bench.canvas().items()) {
            if (item.kind != DrawKind::Line || item.penWidth != 1.0f) continue;
            result.push_back(std::to_string(int(item.x)) + "," + std::to_string(int(item.y)) +
                             "-" + std::to_string(int(item.x2)) + "," +
                             std::to_string(int(item.y2)));
        }
        return result;
    }

    TestBench bench;
};

TEST_F(GaugeTest, CodesWithoutARoleChangeNothing) {
    bench.start();
    bench.host().setVariable(kControlVariableNames[static_cast<int>(Control::Power)], 1);
    const PageState before = bench.unit().page;
    for (int code : {-1, 0, 1, 3, 5, 7, 8, 9, 11, 12, 13, 16, 100}) bench.service(code);
    EXPECT_EQ(std::memcmp(&before, &bench.unit().page, sizeof before), 0);
    EXPECT_EQ(bench.unit().power.powerOn, 0);
    EXPECT_EQ(bench.host().variable(kControlVariableNames[static_cast<int>(Control::Power)]), 1.0);
    EXPECT_EQ(bench.canvas().items().size(), 0u);
}

TEST_F(GaugeTest, ConnectRegistersAndDisconnectReleasesInOrder) {
    bench.start();
    const std::vector<std::string>& registered = bench.host().registrations();
    ASSERT_EQ(registered.size(), 22u);
    for (int i = 0; i < kControlCount; ++i) EXPECT_EQ(registered[i], kControlVariableNames[i]);
    EXPECT_EQ(std::vector<std::string>(registered.begin() + 17, registered.end()),
              (std::vector<std::string>{"tw4_vgr_pwr", "lnav", "id_lnav_clicked",
                                        "tw4_vgr_pwr_knob_position",
                                        "tw4_vgr_right_inner_knob_position"}));
    EXPECT_EQ(bench.host().graphicsStarts(), 1);
    bench.service(kServiceConnect);
    EXPECT_EQ(bench.host().graphicsStarts(), 1);  // already started

    bench.root().makeFolder("Brindle");
    bench.stop();
    const std::vector<std::string>& released = bench.host().releases();
    ASSERT_EQ(released.size(), 21u);
    EXPECT_EQ(std::vector<std::string>(released.begin() + 17, released.end()),
              (std::vector<std::string>{"tw4_vgr_right_inner_knob_position", "tw4_vgr27_pwr",
                                        "tw4_vgr_pwr_knob_position", "lnav"}));
    EXPECT_EQ(bench.host().graphicsStops(), 1);
    EXPECT_EQ(bench.root().read("Brindle/vgr27a.ini"), "TotalTime=  0.0\nPowerCycle=1\n");
}

TEST_F(GaugeTest, UnpoweredDisplayIsBlankAndEventsWaitForThePoweredDraw) {
    bench.start();
    bench.press("clr ent ri+");
    bench.frames(3);
    EXPECT_EQ(textCount(), 0);
    EXPECT_EQ(bench.unit().events.evtClr, 1);
    EXPECT_EQ(bench.unit().events.evtRightInnerUp, 1);
    // Switched on but without electrical power the display stays blank too.
    bench.setPowerAvailable(false);
    bench.press("pwr");
    EXPECT_EQ(textCount(), 0);
    EXPECT_EQ(bench.unit().events.evtEnt, 1);
    bench.setPowerAvailable(true);
    bench.frame();
    EXPECT_GT(textCount(), 0);
    EXPECT_EQ(bench.unit().events.evtClr, 0);
    EXPECT_EQ(bench.unit().events.evtRightInnerUp, 0);
}

TEST_F(GaugeTest, SelfTestShowsOnSeventyThreeDrawsAndHandsOverOnTheNext) {
    bench.start();
    bench.press("pwr");
    int selfTestDraws = 1;
    while (bench.unit().page.leftPageGroup == PG_SELF_TEST && selfTestDraws < 100) {
        EXPECT_EQ(bench.textAt(5, 0), "GPS            ORS 10");
        EXPECT_EQ(lines().size(), 0u) << "no status line during the self-test";
        bench.frame();
        ++selfTestDraws;
    }
    EXPECT_EQ(selfTestDraws, 74);
    // The hand-over draw clears the self-test page, then draws the status line.
    EXPECT_EQ(bench.textAt(5, 0), "");
    EXPECT_EQ(lines().size(), 4u);
    EXPECT_EQ(bench.unit().page.leftPageGroup, PG_NAV);
    EXPECT_EQ(bench.unit().page.rightPageGroup, PG_APT);
}

TEST_F(GaugeTest, StatusLineLayoutFollowsThePagePair) {
    bench.powerOnAndSkipSelfTest();
    PageState& page = bench.unit().page;
    page.rightPageGroup = PG_NAV;
    page.leftNavPage = 1;
    page.rightNavPage = 1;
    bench.frame();
    EXPECT_EQ(lines(), (std::vector<std::string>{"94,324-94,175", "279,324-279,175",
                                                 "0,324-370,324"}));
    page.leftNavPage = 5;
    page.rightNavPage = 5;
    bench.frame();
    EXPECT_EQ(lines(), (std::vector<std::string>{"92,0-92,175", "0,122-86,122"}));
    page.rightCursorOn = 1;
    bench.frame();
    EXPECT_EQ(lines().size(), 4u);
    page.rightPageGroup = PG_APT;
    bench.frame();
    EXPECT_EQ(lines(), (std::vector<std::string>{"185,0-185,150", "94,150-94,176",
                                                 "279,150-279,176", "0,150-370,150"}));
    page.leftPageGroup = PG_MESSAGE;
    bench.frame();
    EXPECT_EQ(lines().size(), 4u) << "the message page keeps the status line";
}

TEST_F(GaugeTest, MapScaleFollowsTheMapLayout) {
    bench.powerOnAndSkipSelfTest();
    Unit& unit = bench.unit();
    struct Case {
        PageGroup right;
        int32_t leftNav, rightNav, leftMode, rightMode, pixels;
    };
    for (const Case& c : {Case{PG_NAV, 5, 5, 1, 0, 88}, Case{PG_NAV, 5, 5, 0, 1, 130},
                          Case{PG_APT, 5, 5, 0, 1, 72}, Case{PG_APT, 2, 1, 0, 0, 96}}) {
        unit.page.rightPageGroup = c.right;
        unit.page.leftNavPage = c.leftNav;
        unit.page.rightNavPage = c.rightNav;
        unit.pages.nav.leftMapMode = c.leftMode;
        unit.pages.nav.rightMapMode = c.rightMode;
        bench.frame();
        EXPECT_EQ(unit.pages.nav.mapScalePixels, c.pixels);
    }
}

TEST_F(GaugeTest, VirtualCockpitInstanceSkipsDrawingButIsStillMarked) {
    bench.start();
    bench.press("pwr");
    bench.host().setGaugeParameters("VC");
    bench.host().setSkipDrawAnswer(1);
    const int32_t ticks = bench.unit().power.selfTestTicks;
    const int marks = bench.host().displayMarks();
    bench.frames(3);
    EXPECT_EQ(bench.unit().power.selfTestTicks, ticks);
    EXPECT_EQ(bench.host().displayMarks(), marks + 3);
    bench.host().setGaugeParameters("VC2");
    bench.frame();
    EXPECT_EQ(bench.unit().power.selfTestTicks, ticks + 1);
}

TEST_F(GaugeTest, MissingDisplayElementOrDeviceContext) {
    bench.start();
    bench.press("pwr");
    const int32_t ticks = bench.unit().power.selfTestTicks;
    const int marks = bench.host().displayMarks();
    bench.host().attachDisplay(nullptr, 370, 176);
    bench.frame();
    EXPECT_EQ(bench.host().displayMarks(), marks + 1);
    bench.host().setDisplayElementExists(false);
    bench.frame();
    EXPECT_EQ(bench.host().displayMarks(), marks + 1);
    EXPECT_EQ(bench.unit().power.selfTestTicks, ticks);
}

TEST(GaugeScaling, DoubleSizeDisplayDrawsEverythingTwiceAsLarge) {
    TestBench bench(740, 352);
    bench.setPowerAvailable(true);
    bench.start();
    bench.press("pwr");
    const DrawItem* item = bench.itemAt(5, 0);
    ASSERT_NE(item, nullptr);
    EXPECT_FLOAT_EQ(item->transform.scaleX, 2.0f);
    EXPECT_FLOAT_EQ(item->transform.scaleY, 2.0f);
    EXPECT_FLOAT_EQ(item->fontSizePx, 29.0f);
}

}  // namespace
