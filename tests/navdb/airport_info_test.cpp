// The airport information file: sections, key rules, case rules and the section end.
#include <gtest/gtest.h>

#include <string>

#include "navdb/lookup.h"
#include "navdb/navdb_load.h"
#include "navdb_test_support.h"

namespace {

// Loads two airports, selects `ident` and reads its information.
AirportRecord& infoFor(NavdataRoot& root, const char* ident, const std::string& info) {
    root.write("apts.txt", "KAAA FIRST 10 1 2\nKBBB SECOND 20 3 4\n");
    root.write("apt_info.txt", info);
    Unit& unit = root.unit();
    LoadNavDatabase(unit);
    EXPECT_TRUE(FindExact(unit, ident, kTypeAirport));
    LoadAirportInfo(unit);
    return unit.db.airports[static_cast<size_t>(unit.db.currentAirport)];
}

TEST(AirportInfo, KeysOfTheAirportsSection) {
    NavdataRoot root;
    const AirportRecord& airport = infoFor(root, "KBBB",
                                           "; frequencies\n"
                                           "[KAAA]\natis=WRONG\n\n"
                                           "[KBBB]\n"
                                           "atis=ATIS 118.05\n"
                                           "TWR=119.10\n"
                                           "Grnd=121.7*N\n"
                                           "appr = 120.4\n"
                                           "; a comment inside\n"
                                           "ils=1\nrdr=1xyz\n"
                                           "colour=blue\n"
                                           "\n"
                                           "ctr=AFTER_THE_END\n");
    EXPECT_STREQ(airport.atis, "ATIS 118.05");
    EXPECT_STREQ(airport.twr, "119.10");
    EXPECT_STREQ(airport.grnd, "121.7 N");  // an asterisk reads as a blank
    EXPECT_STREQ(airport.appr, "");         // blanks around "=" are not a key line
    EXPECT_EQ(airport.ils, 1);
    EXPECT_EQ(airport.rdr, 1);
    EXPECT_STREQ(airport.ctr, "");  // after the blank line that ends the section
}

TEST(AirportInfo, HeaderMatchesTheIdentifierExactly) {
    NavdataRoot root;
    const AirportRecord& airport =
        infoFor(root, "KAAA", "[kaaa]\natis=LOWER\n\n[KAAA2]\natis=LONGER\n\n[ KAAA ] x\natis=YES\n\n");
    EXPECT_STREQ(airport.atis, "YES");
}

TEST(AirportInfo, SectionsWithoutABlankLineRunTogether) {
    NavdataRoot root;
    const AirportRecord& airport =
        infoFor(root, "KAAA", "[KAAA]\natis=ONE\n[KBBB]\natis=TWO\n\n");
    EXPECT_STREQ(airport.atis, "TWO");
}

TEST(AirportInfo, NoSectionOrNoFileLeavesFieldsEmpty) {
    NavdataRoot root;
    const AirportRecord& airport = infoFor(root, "KBBB", "[KAAA]\natis=ONE\nrdr=1\n\n");
    EXPECT_STREQ(airport.atis, "");
    EXPECT_EQ(airport.rdr, 0);

    NavdataRoot noFile;
    noFile.write("apts.txt", "KAAA FIRST 10 1 2\n");
    LoadNavDatabase(noFile.unit());
    LoadAirportInfo(noFile.unit());
    EXPECT_STREQ(noFile.unit().db.airports[1].atis, "");
}

TEST(AirportInfo, LongLinesAreCutAndTheirTailsIgnored) {
    NavdataRoot root;
    root.write("apts.txt", "KAAA FIRST 10 1 2\n");
    root.copyFixture("malformed/apt_info_long_line.txt", "apt_info.txt");
    Unit& unit = root.unit();
    LoadNavDatabase(unit);
    LoadAirportInfo(unit);
    const AirportRecord& airport = unit.db.airports[1];
    EXPECT_EQ(std::string(airport.atis), std::string(43, 'A'));  // a line of exactly 48
    EXPECT_EQ(std::string(airport.grnd), std::string(43, 'G'));
    EXPECT_EQ(airport.rdr, 0);             // "rdr=1" was the tail of the long line
    EXPECT_STREQ(airport.twr, "118.70");   // the section did not end at the cut
}

}  // namespace
