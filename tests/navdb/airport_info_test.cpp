// The airport information file: sections, key rules, case rules and the section end.
#include <gtest/gtest.h>

#include <string>

#include "navdb/lookup.h"
#include "navdb/navdb_load.h"
#include "navdb_test_support.h"

namespace {

// Loads two airports, selects `ident` and reads its information (`info`, when given).
AirportRecord& infoFor(NavdataRoot& root, const char* ident, const char* info) {
    root.write("apts.txt", "KAAA FIRST 10 1 2\nKBBB SECOND 20 3 4\n");
    if (info != nullptr) root.write("apt_info.txt", info);
    Unit& unit = root.unit();
    LoadNavDatabase(unit);
    EXPECT_TRUE(FindExact(unit, ident, kTypeAirport));
    LoadAirportInfo(unit);
    return unit.db.airports[static_cast<size_t>(unit.db.currentAirport)];
}

TEST(AirportInfo, KeysOfTheAirportsSection) {
    NavdataRoot root;
    const AirportRecord& airport = infoFor(
        root, "KBBB",
        "; frequencies\n[KAAA]\natis=WRONG\n\n[KBBB]\natis=ATIS 118.05\nTWR=119.10\n"
        "Grnd=121.7*N\nappr = 120.4\n; a comment inside\nils=1\nrdr=1xyz\ncolour=blue\n\n"
        "ctr=AFTER_THE_END\n");
    EXPECT_STREQ(airport.atis, "ATIS 118.05");
    EXPECT_STREQ(airport.twr, "119.10");
    EXPECT_STREQ(airport.grnd, "121.7 N");  // an asterisk reads as a blank
    EXPECT_STREQ(airport.appr, "");         // blanks around "=" are not a key line
    EXPECT_EQ(airport.ils, 1);
    EXPECT_EQ(airport.rdr, 1);
    EXPECT_STREQ(airport.ctr, "");  // after the blank line that ends the section
}

TEST(AirportInfo, WhichSectionIsRead) {
    const struct {
        const char* what;
        const char* info;
        const char* atis;
    } cases[] = {
        {"header matches the identifier exactly",
         "[kaaa]\natis=LOWER\n\n[KAAA2]\natis=LONGER\n\n[ KAAA ] x\natis=YES\n\n", "YES"},
        {"sections without a blank line run together", "[KAAA]\natis=ONE\n[KBBB]\natis=TWO\n\n",
         "TWO"},
        {"no section of its own", "[KBBB]\natis=ONE\n\n", ""},
        {"no information file", nullptr, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        NavdataRoot root;
        EXPECT_STREQ(infoFor(root, "KAAA", c.info).atis, c.atis);
    }
}

TEST(AirportInfo, LongLinesAreCutAndTheirTailsIgnored) {
    NavdataRoot root;
    root.copyFixture("malformed/apt_info_long_line.txt", "apt_info.txt");
    const AirportRecord& airport = infoFor(root, "KAAA", nullptr);
    EXPECT_EQ(std::string(airport.atis), std::string(43, 'A'));  // a line of exactly 48
    EXPECT_EQ(std::string(airport.grnd), std::string(43, 'G'));
    EXPECT_EQ(airport.rdr, 0);             // "rdr=1" was the tail of the long line
    EXPECT_STREQ(airport.twr, "118.70");   // the section did not end at the cut
}

}  // namespace
