// The capacity policy on an over-full input, and the command line.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "apps/navdata/options.h"
#include "navdata_test_support.h"

namespace {

std::string airportRows(const char* ident, int surface, double lengthM, bool tower) {
    char text[320];
    std::snprintf(text, sizeof text,
                  "1 0 0 0 %s Field\n100 30 %d 0 0 0 0 0 09 10.0 10.0 0 0 1 0 0 0 27 10.0 %.6f 0 0 1 0 0 0\n%s",
                  ident, surface, 10.0 + lengthM / 111120.0 / 0.98481, tower ? "54 11800 TWR\n" : "");
    return text;
}

// One more airport than the unit holds in each of three ways: a shorter hard runway
// with and without a tower, and a long soft one. The tower decides between the two hard
// ones, though the one without comes first in the file.
TEST(NavdataCapacity, TheWorldsAirportsComeOutAsTheMostUseful) {
    Conversion conversion;
    std::string apt = "I\n1100 Version\n";
    apt += airportRows("NOTWR", 1, 900, false);
    apt += airportRows("SOFT", 3, 3000, false);
    apt += airportRows("TWR", 2, 900, true);
    char ident[12];
    for (int i = 0; i < kAirportCapacity - 1; ++i) {
        std::snprintf(ident, sizeof ident, "G%05d", i);
        apt += airportRows(ident, 1, 1500, false);
    }
    conversion.write("apt.dat", apt + "99\n");
    conversion.write("nav.dat",
                     "I\n810 Version\n"
                     "3 10.0 10.0 0 11000 25 1.0 LOW LOW VOR\n"
                     "3 10.0 11.0 0 11000 130 1.0 HIGH HIGH VOR\n"
                     "3 10.0 12.0 0 11000 40 1.0 MID MID VOR\n");
    conversion.write("earth_fix.dat",
                     "I\n1101 Version\n 10.0 10.0 TERM KXYZ K1\n 10.0 11.0 ENR ENRT K1\n");
    conversion.options.capacities.vors = 2;
    conversion.options.capacities.intersections = 1;
    ASSERT_EQ(conversion.run(), 0) << conversion.messages;

    const navdata::Summary& summary = conversion.summary;
    EXPECT_EQ(summary.airports.read, kAirportCapacity + 2);
    EXPECT_EQ(summary.airports.overCapacity, 2);
    EXPECT_EQ(summary.airports.written, kAirportCapacity);
    const std::string apts = conversion.output("apts.txt");
    EXPECT_NE(apts.find("\nTWR "), std::string::npos);
    EXPECT_EQ(apts.find("\nNOTWR "), std::string::npos);
    EXPECT_EQ(apts.find("\nSOFT "), std::string::npos);
    EXPECT_EQ(conversion.output("navs.txt").substr(0, 4), "HIGH");
    EXPECT_EQ(conversion.output("navs.txt").find("LOW"), std::string::npos);
    EXPECT_EQ(conversion.output("ints.txt"), "ENR ENR 10.00000 11.00000\n");
    EXPECT_EQ(summary.intersections.overCapacity, 1);

    // The unit loads all of it, so nothing it is given falls off the end of a table.
    const Unit& unit = conversion.load();
    EXPECT_EQ(unit.db.airportCount, kAirportCapacity);
    EXPECT_EQ(unit.db.vorCount, 2);
    EXPECT_STREQ(unit.db.airports[static_cast<size_t>(kAirportCapacity)].ident, "TWR");
    EXPECT_EQ(unit.db.airports[1].longestRunwayFeet, 4921);
}

TEST(NavdataOptions, BadCommandLinesAreRefusedWithTheReason) {
    const struct {
        std::vector<const char*> args;
        const char* error;
    } cases[] = {
        {{"--apt", "a"}, "--apt, --nav, --fix and --out are all needed"},
        {{"--apt"}, "--apt needs a value"},
        {{"--center", "37.6"}, "--center needs a value"},
        {{"--center", "91", "0", "--radius-nm", "5"}, "--center: latitude -90..90"},
        {{"--radius-nm", "x"}, "--radius-nm: \"x\" is not a number"},
        {{"--radius-nm", "10"}, "--center and --radius-nm go together"},
        {{"--kinds", "land,boat"}, "--kinds: unknown kind \"boat\""},
        {{"--fast"}, "unknown argument \"--fast\""},
    };
    for (const auto& c : cases) {
        std::vector<const char*> argv = {"tarnwick-navdata"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        navdata::Options options;
        bool help = false;
        std::string error;
        EXPECT_FALSE(navdata::parseOptions(static_cast<int>(argv.size()), argv.data(), options, help, error));
        EXPECT_EQ(error.rfind(c.error, 0), 0u) << error;
    }
    const char* good[] = {"tarnwick-navdata", "--apt", "a", "--nav", "n", "--fix", "f", "--out", "o",
                          "--center", "37.6", "-122.4", "--radius-nm", "300", "--kinds", "land,heli",
                          "--min-runway-ft", "3000", "--hard-only", "--keep-closed"};
    navdata::Options options;
    bool help = false;
    std::string error;
    ASSERT_TRUE(navdata::parseOptions(20, good, options, help, error)) << error;
    EXPECT_TRUE(options.hasArea && options.land && options.heliports && !options.sea);
    EXPECT_EQ(options.centerLon, -122.4);
    EXPECT_EQ(options.minRunwayFt, 3000);
    EXPECT_TRUE(options.hardOnly && options.keepClosed);
}

}  // namespace
