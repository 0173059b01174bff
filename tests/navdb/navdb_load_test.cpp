// Loading the data files: file rules, column rules, capacities and malformed input.
#include "navdb/navdb_load.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "navdb/line_parsers.h"
#include "navdb_test_support.h"

namespace {

std::string identsOf(const FixedTable<WaypointRecord>& table, int32_t count) {
    std::string text;
    for (int32_t i = 1; i <= count; ++i) text += std::string(i > 1 ? " " : "") + table[i].ident;
    return text;
}

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

    const WaypointRecord& kogax = unit.db.intersections[2];
    EXPECT_EQ(identsOf(unit.db.intersections, unit.db.intersectionCount), "DIKAS KOGAX");
    EXPECT_STREQ(kogax.name, "KOGAX_NAME");
    EXPECT_EQ(kogax.latitude, -3.25);
    EXPECT_EQ(kogax.longitude, 120.0);
    EXPECT_STREQ(kogax.typeText, "INT");
    ASSERT_EQ(unit.db.userWaypointCount, 1);
    EXPECT_STREQ(unit.db.userWaypoints[1].typeText, "WPT");
    ASSERT_EQ(unit.db.airportCount, 1);
    EXPECT_STREQ(unit.db.airports[1].typeText, "APT");
    EXPECT_STREQ(unit.db.airports[1].elevation, "83");

    // "VOR" in any case is a VOR; every other kind (VORTAC included) is an NDB.
    EXPECT_EQ(identsOf(unit.db.vors, unit.db.vorCount), "LON BPK");
    EXPECT_STREQ(unit.db.vors[2].frequency, "117.50");
    EXPECT_EQ(identsOf(unit.db.ndbs, unit.db.ndbCount), "BIG WCO OX");
    EXPECT_STREQ(unit.db.ndbs[1].typeText, "NDB");
    EXPECT_STREQ(unit.db.ndbs[2].frequency, "335");
    EXPECT_STREQ(unit.db.ndbs[3].frequency, "");  // sixth column missing

    // A load starts from empty tables: comment-only and missing files leave them empty.
    NavdataRoot commentsOnly;
    commentsOnly.write("apts.txt", ";EGLL LONDON 83 51 0\n;KJFK NEW_YORK 13 40 -73\n");
    commentsOnly.unit().db.airportCount = 5;
    commentsOnly.unit().db.intersectionCount = 3;
    LoadNavDatabase(commentsOnly.unit());
    EXPECT_EQ(commentsOnly.unit().db.airportCount, 0);
    EXPECT_EQ(commentsOnly.unit().db.intersectionCount, 0);
}

TEST(NavDbLoad, AirportColumnsAndRunways) {
    std::string twentySix = "EGKK GATWICK 202 51.15 -0.19";
    for (int i = 1; i <= 21; ++i) {
        twentySix.append(" ").append(std::to_string(i)).append("_").append(std::to_string(i * 100));
    }
    AirportRecord airport{};
    ASSERT_TRUE(parseAirportLine(twentySix, airport));
    EXPECT_EQ(airport.runwayCount, 20);  // the 26th column is not read
    EXPECT_STREQ(airport.runways[20].designation, "20");
    EXPECT_EQ(airport.longestRunwayFeet, 2000);

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

    // Names up to 80 characters are kept whole; longer ones are cut to 75.
    const std::string eighty(80, 'N');
    ASSERT_TRUE(parseAirportLine("A1 " + eighty + " 0 1 2", airport));
    EXPECT_EQ(std::string(airport.name), eighty);
    EXPECT_EQ(airport.runwayCount, 0);  // nothing left from the line before
    ASSERT_TRUE(parseAirportLine("A1 " + eighty + "Z 0 1 2", airport));
    EXPECT_EQ(std::string(airport.name), std::string(75, 'N'));
}

TEST(NavDbLoad, FullTablesIgnoreFurtherLinesOfTheirKindOnly) {
    std::string navs;
    for (int i = 0; i < 18001; ++i) {
        navs.append("V").append(std::to_string(i)).append(" N 1 2 VOR 110.00\n");
    }
    navs += "NDB1 N 1 2 NDB 300\n";
    std::string users;
    for (int i = 0; i < 1005; ++i) users.append("U").append(std::to_string(i)).append(" N 1 2\n");
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

// The malformed families: each loads what is sound and nothing else.
TEST(NavDbLoad, MalformedIntersectionFilesLoadOnlyTheirSoundLines) {
    const struct {
        const char* fixture;
        const char* idents;
        std::string firstName;
        double firstLongitude;
    } cases[] = {
        // The tail of a line over the read limit is not a record of its own.
        {"ints_long_line.txt", "FIRST SECND", "FIRST_NAME", 2.0},
        // Neither the byte-order mark nor the CR of CR LF is part of a column.
        {"ints_crlf_bom.txt", "ALPHA BRAVO", "ALPHA_NAME", -20.25},
        // Comment, blank and short lines are skipped; the last line has no line end.
        {"ints_short_lines.txt", "GOOD LAST", "GOOD_NAME", 2.5},
        // Identifier and name are cut to their fields.
        {"ints_long_fields.txt", "ABCDEFGHIJK", std::string(kWaypointNameSize - 1, 'N'), 2.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fixture);
        NavdataRoot root;
        root.copyFixture(std::string("malformed/") + c.fixture, "ints.txt");
        Unit& unit = root.unit();
        LoadNavDatabase(unit);
        EXPECT_EQ(identsOf(unit.db.intersections, unit.db.intersectionCount), c.idents);
        EXPECT_EQ(std::string(unit.db.intersections[1].name), c.firstName);
        EXPECT_EQ(unit.db.intersections[1].longitude, c.firstLongitude);
    }
}

TEST(NavDbLoad, NavaidAndAirportLinesShortOfTheMandatoryColumnsAreSkipped) {
    NavdataRoot root;
    root.copyFixture("malformed/navs_short_lines.txt", "navs.txt");
    root.copyFixture("malformed/apts_short_lines.txt", "apts.txt");
    Unit& unit = root.unit();
    LoadNavDatabase(unit);
    EXPECT_EQ(identsOf(unit.db.vors, unit.db.vorCount), "VOR2");
    EXPECT_EQ(unit.db.ndbCount, 1);
    ASSERT_EQ(unit.db.airportCount, 1);
    EXPECT_STREQ(unit.db.airports[1].ident, "KBBB");
    EXPECT_EQ(unit.db.airports[1].runwayCount, 1);
}

// A position that is not on the earth would be drawn as "E720°00.00'": its line is
// skipped like one short of a column. Text that is no number still reads as 0.
TEST(NavDbLoad, PositionsOffTheEarthOrNotFiniteSkipTheirLine) {
    NavdataRoot root;
    root.copyFixture("malformed/ints_positions.txt", "ints.txt");
    root.copyFixture("malformed/navs_positions.txt", "navs.txt");
    root.copyFixture("malformed/apts_positions.txt", "apts.txt");
    Unit& unit = root.unit();
    LoadNavDatabase(unit);
    EXPECT_EQ(identsOf(unit.db.intersections, unit.db.intersectionCount), "GOOD1 WORD EDGE");
    EXPECT_EQ(identsOf(unit.db.vors, unit.db.vorCount), "VOR2");
    EXPECT_EQ(identsOf(unit.db.ndbs, unit.db.ndbCount), "NDB2");
    ASSERT_EQ(unit.db.airportCount, 1);
    EXPECT_STREQ(unit.db.airports[1].ident, "KBBB");
}

// A FIFO (no writer: opening it would wait for ever) and a folder in place of a data file
// have no lines; the other files load as usual.
TEST(NavDbLoad, OnlyRegularFilesAreRead) {
    NavdataRoot root;
    root.write("ints.txt", "GOOD NAME 1 2\n");
    root.write("navs.txt", "");
    const std::filesystem::path navdata =
        std::filesystem::path(root.unit().rootFolder) / kNavdataFolder[0] / kNavdataFolder[1] /
        kNavdataFolder[2];
    std::filesystem::remove(navdata / "navs.txt");
    ASSERT_EQ(::mkfifo((navdata / "navs.txt").c_str(), 0600), 0);
    std::filesystem::create_directory(navdata / "apts.txt");
    Unit& unit = root.unit();
    LoadNavDatabase(unit);
    EXPECT_EQ(identsOf(unit.db.intersections, unit.db.intersectionCount), "GOOD");
    EXPECT_EQ(unit.db.vorCount + unit.db.ndbCount + unit.db.airportCount, 0);
}

}  // namespace
