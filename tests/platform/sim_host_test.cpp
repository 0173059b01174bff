#include "platform/sim/sim_host.h"

#include <gtest/gtest.h>

#include "frame/host_tokens.h"

TEST(SimHost, UnknownTokensExpressionsAndVariablesReadZero) {
    SimHost host;
    EXPECT_EQ(host.readToken(kTokenPower), 0.0);
    EXPECT_EQ(host.evaluateCalculatorCode(kPressureAltitudeCode), 0.0);
    EXPECT_EQ(host.evaluateCalculatorCode(nullptr), 0.0);
    EXPECT_EQ(host.lookupVariable("tw4_vgr_clr_butn_pressed"), -1);
    EXPECT_EQ(host.readVariable(-1), 0.0);
    EXPECT_EQ(host.readVariable(12345), 0.0);
    host.writeVariable(-1, 5.0);  // ignored, as on a host that does not know the name
    host.writeVariable(12345, 5.0);
    EXPECT_EQ(host.dataBlock("FS2002 GPS DATA"), nullptr);
}

TEST(SimHost, NamedVariableLivesFromRegisterOrSetUntilReleased) {
    SimHost host;
    host.registerVariable("lnav");
    int32_t id = host.lookupVariable("lnav");
    ASSERT_GE(id, 0);
    host.writeVariable(id, 1.0);
    EXPECT_EQ(host.variable("lnav"), 1.0);
    // Another gauge setting a name the unit never registered makes it known.
    host.setVariable("lnav_clicked", 1.0);
    EXPECT_EQ(host.readVariable(host.lookupVariable("lnav_clicked")), 1.0);
    // Once released, the old identifier reads 0 and ignores writes, and registering the
    // name again starts from 0.
    host.releaseVariable("lnav");
    EXPECT_EQ(host.lookupVariable("lnav"), -1);
    EXPECT_EQ(host.readVariable(id), 0.0);
    host.writeVariable(id, 3.0);
    host.registerVariable("lnav");
    EXPECT_EQ(host.readVariable(host.lookupVariable("lnav")), 0.0);
}

TEST(SimHost, ElementsPastTheEndOfAShortChainAreLeftAlone) {
    SimHost host;
    EXPECT_FALSE(host.elementHidden(1));  // the face plate shows; pressed images start hidden
    host.setElementChainLength(5);
    host.setElementHidden(4, false);
    host.setElementHidden(9, false);
    host.setElementHidden(42, false);  // far past the end: no effect, no crash
    EXPECT_FALSE(host.elementHidden(4));
    EXPECT_TRUE(host.elementHidden(9));
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
