// Loading the data files: file rules, column rules, capacities and malformed input.
#include "navdb/navdb_load.h"

#include <gtest/gtest.h>

#include <string>

#include "navdb/line_parsers.h"
#include "navdb/lookup.h"
#include "navdb_test_support.h"

namespace {

const WaypointRecord& intersection(Unit& unit, int i) { return unit.db.intersections[i]; }

TEST(NavDbLoad, ReadsEveryFileIntoItsTable) {
    NavdataRoot root;
    root.write("ints.txt", "; intersections\nDIKAS DIKAS 51.1 -1.5\nKOGAX KOGAX_NAME -3.25 120\n");
    root.write("user.txt", "HOME MY_FIELD 52 0.5\n");
    root.write("apts.txt", "EGLL LONDON_HEATHROW 83 51.4775 -0.4614 09L_12802_51.4775_-0.4850_90\n");
    root.write("navs.txt",
               "LON LONDON 51.48 -0.46 VOR 113.60\n"
               "BPK BROOKMANS_PARK 51.75 -0.10 vor 117.50\n"
               "BIG BIGGIN 51.33 0.03 VORTAC 115.10\n"
               "WCO WESTCOTT 51.85 -0.96 NDB 335\n"
               "OX OXFORD 51.83 -1.3 NDB\n");
    Unit& unit = root.unit();
    LoadNavDatabase(unit);

    ASSERT_EQ(unit.db.intersectionCount, 2);
    EXPECT_STREQ(intersection(unit, 2).ident, "KOGAX");
    EXPECT_STREQ(intersection(unit, 2).name, "KOGAX_NAME");
    EXPECT_EQ(intersection(unit, 2).latitude, -3.25);
    EXPECT_EQ(intersection(unit, 2).longitude, 120.0);
    EXPECT_STREQ(intersection(unit, 1).typeText, "INT");
    ASSERT_EQ(unit.db.userWaypointCount, 1);
    EXPECT_STREQ(unit.db.userWaypoints[1].typeText, "WPT");
    ASSERT_EQ(unit.db.airportCount, 1);
    EXPECT_STREQ(unit.db.airports[1].typeText, "APT");
    EXPECT_STREQ(unit.db.airports[1].elevation, "83");

    // "VOR" in any case is a VOR; every other kind (VORTAC included) is an NDB.
    ASSERT_EQ(unit.db.vorCount, 2);
    EXPECT_STREQ(unit.db.vors[2].ident, "BPK");
    EXPECT_STREQ(unit.db.vors[2].frequency, "117.50");
    ASSERT_EQ(unit.db.ndbCount, 3);
    EXPECT_STREQ(unit.db.ndbs[1].ident, "BIG");
    EXPECT_STREQ(unit.db.ndbs[1].typeText, "NDB");
    EXPECT_STREQ(unit.db.ndbs[2].frequency, "335");
    EXPECT_STREQ(unit.db.ndbs[3].frequency, "");  // sixth column missing
}

TEST(NavDbLoad, MissingFilesAndCommentOnlyFilesLeaveTablesEmpty) {
    NavdataRoot root;
    root.write("apts.txt", ";EGLL LONDON 83 51 0\n;KJFK NEW_YORK 13 40 -73\n");
    Unit& unit = root.unit();
    unit.db.airportCount = 5;  // a load starts from empty tables
    unit.db.vorCount = 3;
    LoadNavDatabase(unit);
    EXPECT_EQ(unit.db.airportCount, 0);
    EXPECT_EQ(unit.db.vorCount, 0);
    EXPECT_EQ(unit.db.intersectionCount, 0);
}

TEST(NavDbLoad, AirportColumnsAndRunways) {
    std::string twentySix = "EGKK GATWICK 202 51.15 -0.19";
    for (int i = 1; i <= 21; ++i) twentySix += " " + std::to_string(i) + "_" + std::to_string(i * 100);
    AirportRecord airport{};
    ASSERT_TRUE(parseAirportLine(twentySix, airport));
    EXPECT_EQ(airport.runwayCount, 20);  // the 26th column is not read
    EXPECT_STREQ(airport.runways[20].designation, "20");
    EXPECT_EQ(airport.longestRunwayFeet, 2000);

    ASSERT_TRUE(parseAirportLine("EGKK GATWICK 202 51.15 -0.19", airport));
    EXPECT_EQ(airport.runwayCount, 0);
    EXPECT_EQ(airport.longestRunwayFeet, 0);

    ASSERT_TRUE(parseAirportLine("EGKK GATWICK 202 51.15 -0.19 09_4500_51.1_-1.2_92_A_B_0 27", airport));
    ASSERT_EQ(airport.runwayCount, 2);
    const RunwayRecord& runway = airport.runways[1];
    EXPECT_STREQ(runway.designation, "09");
    EXPECT_EQ(runway.lengthFeet, 4500);
    EXPECT_EQ(runway.thresholdLatitude, 51.1);
    EXPECT_EQ(runway.thresholdLongitude, -1.2);
    EXPECT_EQ(runway.magneticHeading, 92.0);
    EXPECT_STREQ(runway.auxText1, "A");
    EXPECT_STREQ(runway.auxText2, "B");
    EXPECT_EQ(runway.auxNumber, 0.0);
    EXPECT_STREQ(airport.runways[2].designation, "27");  // missing sub-fields are empty
    EXPECT_EQ(airport.runways[2].lengthFeet, 0);

    // A first underscore is part of the designation, later runs separate sub-fields.
    RunwayRecord odd{};
    parseRunwayColumn("_9__3000", odd);
    EXPECT_STREQ(odd.designation, "_9");
    EXPECT_EQ(odd.lengthFeet, 3000);

    // Only positive lengths count as the longest runway.
    ASSERT_TRUE(parseAirportLine("XNEG NEG 0 1 2 09_-500 27_abc", airport));
    EXPECT_EQ(airport.longestRunwayFeet, 0);
}

TEST(NavDbLoad, AirportNamesOverEightyAreCutToSeventyFive) {
    AirportRecord airport{};
    const std::string eighty(80, 'N');
    ASSERT_TRUE(parseAirportLine("A1 " + eighty + " 0 1 2", airport));
    EXPECT_EQ(std::string(airport.name), eighty);
    ASSERT_TRUE(parseAirportLine("A1 " + eighty + "Z 0 1 2", airport));
    EXPECT_EQ(std::string(airport.name), std::string(75, 'N'));
}

TEST(NavDbLoad, FullTablesIgnoreFurtherLinesOfTheirKindOnly) {
    std::string navs;
    for (int i = 0; i < 18001; ++i) navs += "V" + std::to_string(i) + " N 1 2 VOR 110.00\n";
    navs += "NDB1 N 1 2 NDB 300\n";
    std::string users;
    for (int i = 0; i < 1005; ++i) users += "U" + std::to_string(i) + " N 1 2\n";
    NavdataRoot root;
    root.write("navs.txt", navs);
    root.write("user.txt", users);
    Unit& unit = root.unit();
    LoadNavDatabase(unit);
    EXPECT_EQ(unit.db.vorCount, 18000);
    EXPECT_STREQ(unit.db.vors[18000].ident, "V17999");
    EXPECT_EQ(unit.db.ndbCount, 1);
    EXPECT_EQ(unit.db.userWaypointCount, 1000);
    EXPECT_STREQ(unit.db.userWaypoints[1000].ident, "U999");
}

// The malformed families: each must load what is sound and nothing else.
TEST(NavDbLoad, TailOfAnOverLongLineIsNotARecord) {
    NavdataRoot root;
    root.copyFixture("malformed/ints_long_line.txt", "ints.txt");
    Unit& unit = root.unit();
    LoadNavDatabase(unit);
    ASSERT_EQ(unit.db.intersectionCount, 2);
    EXPECT_STREQ(intersection(unit, 1).ident, "FIRST");
    EXPECT_EQ(intersection(unit, 1).longitude, 2.0);
    EXPECT_STREQ(intersection(unit, 2).ident, "SECND");
}

TEST(NavDbLoad, CrLfAndByteOrderMarkAreNotPartOfColumns) {
    NavdataRoot root;
    root.copyFixture("malformed/ints_crlf_bom.txt", "ints.txt");
    Unit& unit = root.unit();
    LoadNavDatabase(unit);
    ASSERT_EQ(unit.db.intersectionCount, 2);
    EXPECT_STREQ(intersection(unit, 1).ident, "ALPHA");
    EXPECT_EQ(intersection(unit, 1).longitude, -20.25);
    EXPECT_TRUE(FindExact(unit, "BRAVO", kTypeIntersection));
}

TEST(NavDbLoad, LinesShortOfTheMandatoryColumnsAreSkipped) {
    NavdataRoot root;
    root.copyFixture("malformed/ints_short_lines.txt", "ints.txt");
    root.copyFixture("malformed/navs_short_lines.txt", "navs.txt");
    root.copyFixture("malformed/apts_short_lines.txt", "apts.txt");
    Unit& unit = root.unit();
    LoadNavDatabase(unit);
    ASSERT_EQ(unit.db.intersectionCount, 2);
    EXPECT_STREQ(intersection(unit, 1).ident, "GOOD");
    EXPECT_STREQ(intersection(unit, 2).ident, "LAST");  // last line without a line end
    EXPECT_EQ(unit.db.vorCount, 1);
    EXPECT_STREQ(unit.db.vors[1].ident, "VOR2");
    EXPECT_EQ(unit.db.ndbCount, 1);
    ASSERT_EQ(unit.db.airportCount, 1);
    EXPECT_STREQ(unit.db.airports[1].ident, "KBBB");
    EXPECT_EQ(unit.db.airports[1].runwayCount, 1);
}

TEST(NavDbLoad, LongIdentifiersAndNamesAreCutToTheirFields) {
    NavdataRoot root;
    root.copyFixture("malformed/ints_long_fields.txt", "ints.txt");
    Unit& unit = root.unit();
    LoadNavDatabase(unit);
    ASSERT_EQ(unit.db.intersectionCount, 1);
    EXPECT_STREQ(intersection(unit, 1).ident, "ABCDEFGHIJK");
    EXPECT_EQ(std::string(intersection(unit, 1).name), std::string(kWaypointNameSize - 1, 'N'));
    EXPECT_EQ(intersection(unit, 1).latitude, 1.0);
}

}  // namespace
