#include "platform/sim/sim_host.h"

#include <gtest/gtest.h>

#include "platform/canvas/recording_canvas.h"
#include "platform/sim/aircraft_model.h"

TEST(SimHost, UnknownTokensExpressionsAndVariablesReadZero) {
    SimHost host;
    EXPECT_EQ(host.readToken(773), 0.0);
    EXPECT_EQ(host.evaluateCalculatorCode("(A:PRESSURE ALTITUDE,number)"), 0.0);
    EXPECT_EQ(host.evaluateCalculatorCode(nullptr), 0.0);
    EXPECT_EQ(host.lookupVariable("tw4_vgr_clr_butn_pressed"), -1);
    EXPECT_EQ(host.readVariable(-1), 0.0);
    EXPECT_EQ(host.readVariable(12345), 0.0);
    host.writeVariable(-1, 5.0);  // ignored, as on a host that does not know the name
    host.writeVariable(12345, 5.0);
    EXPECT_EQ(host.dataBlock("FS2002 GPS DATA"), nullptr);
}

TEST(SimHost, RegisteredVariableKeepsWhatIsWrittenUntilReleased) {
    SimHost host;
    host.registerVariable("lnav");
    int32_t id = host.lookupVariable("lnav");
    ASSERT_GE(id, 0);
    EXPECT_EQ(host.readVariable(id), 0.0);
    host.writeVariable(id, 1.0);
    EXPECT_EQ(host.readVariable(host.lookupVariable("lnav")), 1.0);
    EXPECT_EQ(host.variable("lnav"), 1.0);

    // Another gauge setting a name the unit never registered makes it known.
    host.setVariable("lnav_clicked", 1.0);
    EXPECT_EQ(host.readVariable(host.lookupVariable("lnav_clicked")), 1.0);

    host.releaseVariable("lnav");
    host.releaseVariable("tw4_vgr27_pwr");  // never registered: logged, nothing else
    EXPECT_EQ(host.lookupVariable("lnav"), -1);
    EXPECT_EQ(host.readVariable(id), 0.0);
    host.writeVariable(id, 3.0);
    host.registerVariable("lnav");
    EXPECT_EQ(host.readVariable(host.lookupVariable("lnav")), 0.0);

    EXPECT_EQ(host.registrations(), (std::vector<std::string>{"lnav", "lnav"}));
    EXPECT_EQ(host.releases(), (std::vector<std::string>{"lnav", "tw4_vgr27_pwr"}));
}

TEST(SimHost, KeyEventsAreLoggedAndReportedAsSent) {
    SimHost host;
    std::vector<uint32_t> seen;
    host.onKeyEvent([&](const KeyEvent& e) { seen.push_back(e.parameter); });
    host.sendKeyEvent(0x1010F, 0);
    host.sendKeyEvent(kHeadingKeyEvent, 275);
    ASSERT_EQ(host.keyEvents().size(), 2u);
    EXPECT_EQ(host.keyEvents()[1].eventId, kHeadingKeyEvent);
    EXPECT_EQ(seen, (std::vector<uint32_t>{0, 275}));
}

TEST(SimHost, ElementsAndDisplayTarget) {
    SimHost host;
    // The pressed images start hidden; the face plate and display do not.
    EXPECT_FALSE(host.elementHidden(1));
    EXPECT_TRUE(host.elementHidden(2));
    EXPECT_TRUE(host.elementHidden(10));
    host.setElementHidden(9, false);
    EXPECT_FALSE(host.elementHidden(9));

    // A chain that ends early: elements past its end are left alone.
    host.setElementChainLength(5);
    host.setElementHidden(9, true);
    EXPECT_FALSE(host.elementHidden(9));
    host.setElementHidden(42, true);  // far past the end: no effect, no crash

    RecordingCanvas canvas;
    host.attachDisplay(&canvas, 740, 352);
    DisplayTarget target = host.displayTarget();
    EXPECT_TRUE(target.exists);
    EXPECT_EQ(target.canvas, &canvas);
    EXPECT_EQ(target.widthPx, 740u);
    EXPECT_EQ(target.heightPx, 352u);

    host.setDisplayImageTaken(true);
    host.markDisplayChanged();
    EXPECT_FALSE(host.displayImageTaken());
    EXPECT_EQ(host.displayMarks(), 1);

    host.setDisplayElementExists(false);
    EXPECT_FALSE(host.displayTarget().exists);
}

TEST(SimHost, CurrentDirectoryThatDoesNotFitIsRefusedNotCut) {
    SimHost host;
    host.setCurrentDirectoryOverride("/tmp/a-folder");
    char out[8];
    EXPECT_FALSE(host.currentDirectory(out, sizeof out));
    EXPECT_STREQ(out, "");
    char wide[64];
    EXPECT_TRUE(host.currentDirectory(wide, sizeof wide));
    EXPECT_STREQ(wide, "/tmp/a-folder");
}
