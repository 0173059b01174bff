// Whole conversions: every input format version, what the unit loads from the output,
// the filters, and the input quirks the converter must survive.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "nav/geodesy.h"
#include "navdata_test_support.h"

namespace {

// One airport of each kind and a closed field; each feature appears once.
std::string aptBody(const char* newSurface = "1") {
    return std::string(
               "1 13 0 0 KSFO San Francisco Intl\n"
               "100 60.96 ") + newSurface + " 1 0.00 1 2 1 10L 37.62872250 -122.39342127 0.00 262.13 3 0 0 1 "
               "28R 37.61351918 -122.35716907 0.00 103.94 3 2 1 1\n"
               "100 45.72 2 0 0.00 0 0 0 01R 37.60620279 -122.38114713 149.96 0.00 3 0 0 1 "
               "19L 37.62781186 -122.36681630 0.00 0.00 3 6 1 1\n"
               "14 37.61714303 -122.38327660 200 0 Tower Viewpoint\n"
               "50 11885 ATIS\n"
               "1050 118855 ATIS 8.33\n"
               "53 12180 GND\n"
               "54 12050 TWR\n"
               "55 12035 NORCAL APP\n"
               "56 12090 NORCAL DEP\n"
               "51 12295 UNICOM\n"
               "52 11820 CLNC DEL\n"
               "16 0 0 0 2Q2 Lake Berryessa SPB\n"
               "101 30.00 1 07 38.55 -122.25 25 38.56 -122.20\n"
               "17 20 0 0 CA11 [H] Mercy Heliport\n"
               "102 H1 37.80 -122.45 90.00 15.24 15.24 2 0 0 0.25 0\n"
               "1 60 0 0 KOLD Old Style Field\n"
               "10 37.00000000 -122.00000000 09x 92.00 4000 200.0300 0.0 75 121121 3 0 0 0.25 0\n"
               "10 37.00100000 -122.00000000 xxx 92.00 1000 0.0 0.0 50 111111 1 0 0 0.25 0\n"
               "55 12820 OAKLAND CTR\n"
               "1 40 0 0 KCLO [X] Closed Field\n"
               "100 30 3 0 0.25 0 0 0 09 37.1 -122.2 0 0 1 0 0 0 27 37.1 -122.19 0 0 1 0 0 0\n"
               "99\n";
}

const char* const kNav810 =
    "2  37.50000000 -122.50000000 0 362 50 0.0 BF   NOLLA NDB\n"
    "3  37.61947222 -122.37388889 7 11580 40 17.0 SFO  SAN FRANCISCO VOR-DME\n"
    "3  37.72591667 -122.22358333 13 11680 130 17.0 OAK  OAKLAND VORTAC\n"
    "4  37.61000000 -122.35000000 0 10950 18 297.8 ISFO KSFO 28R ILS-cat-I\n"
    "12 37.61947222 -122.37388889 7 11580 40 0.0 SFO  SAN FRANCISCO VOR-DME\n"
    "99\n";
const char* const kNav1100 =
    "2  37.50000000 -122.50000000 0 362 50 0.0 BF ENRT K2 NOLLA NDB\n"
    "3  37.61947222 -122.37388889 7 11580 40 17.0 SFO ENRT K2 SAN FRANCISCO VOR-DME\n"
    "3  37.72591667 -122.22358333 13 11680 130 17.0 OAK ENRT K2 OAKLAND VORTAC\n"
    "4  37.61000000 -122.35000000 0 10950 18 297.8 ISFO KSFO K2 28R ILS-cat-I\n"
    "12 37.61947222 -122.37388889 7 11580 40 0.0 SFO ENRT K2 SAN FRANCISCO VOR-DME\n"
    "99\n";
const char* const kFix600 = " 37.50000000 -122.40000000 ALKIA\n 37.70000000 -122.30000000 BLAKO\n99\n";
const char* const kFix1101 =
    " 37.50000000 -122.40000000 ALKIA ENRT K2\n 37.70000000 -122.30000000 BLAKO KSFO K2\n99\n";
const char* const kFix1200 =
    " 37.50000000 -122.40000000 ALKIA ENRT K2 2113124\n"
    " 37.70000000 -122.30000000 BLAKO KSFO K2 4530241\n99\n";

std::string header(int version) { return std::string("I\n").append(std::to_string(version)).append(" Version - test data\n\n"); }

const char* const kExpectedNavs =
    "BF NOLLA 37.50000 -122.50000 NDB 362\n"
    "OAK OAKLAND 37.72592 -122.22358 VOR 116.80\n"
    "SFO SAN_FRANCISCO 37.61947 -122.37389 VOR 115.80\n";
const char* const kExpectedInts = "ALKIA ALKIA 37.50000 -122.40000\nBLAKO BLAKO 37.70000 -122.30000\n";

void writeVersions(Conversion& conversion, int apt, int nav, int fix) {
    conversion.write("apt.dat", header(apt) + aptBody(apt >= 1200 ? "21" : "1"));
    conversion.write("nav.dat", header(nav) + (nav >= 1100 ? kNav1100 : kNav810));
    conversion.write("earth_fix.dat",
                     header(fix) + (fix >= 1200 ? kFix1200 : fix >= 1101 ? kFix1101 : kFix600));
}

TEST(NavdataConversion, EveryFormatVersionGivesTheSameFiles) {
    Conversion reference;
    writeVersions(reference, 1100, 1100, 1101);
    ASSERT_EQ(reference.run(), 0) << reference.messages;
    EXPECT_EQ(reference.messages, "");
    EXPECT_EQ(reference.output("navs.txt"), kExpectedNavs);
    EXPECT_EQ(reference.output("ints.txt"), kExpectedInts);
    const struct { int apt, nav, fix; } versions[] = {
        {850, 810, 600}, {1000, 1150, 1101}, {1050, 1200, 1200}, {1200, 810, 600}};
    for (const auto& v : versions) {
        SCOPED_TRACE(std::to_string(v.apt) + " " + std::to_string(v.nav) + " " + std::to_string(v.fix));
        Conversion conversion;
        writeVersions(conversion, v.apt, v.nav, v.fix);
        ASSERT_EQ(conversion.run(), 0) << conversion.messages;
        EXPECT_EQ(conversion.messages, "");
        for (const char* file : {"navs.txt", "ints.txt", "apts.txt", "apt_info.txt"}) {
            EXPECT_EQ(conversion.output(file), reference.output(file)) << file;
        }
    }
}

// What the tool writes, the unit loads whole, with every field where the pages read it.
TEST(NavdataConversion, TheUnitLoadsEveryRecordAndField) {
    Conversion conversion;
    writeVersions(conversion, 1100, 810, 600);
    conversion.writeOutput("user.txt", "HOME1 FARM 47.0 -122.0\n");
    ASSERT_EQ(conversion.run(), 0) << conversion.messages;
    EXPECT_EQ(conversion.summary.airports.filteredOut, 1);  // the closed field
    Unit& unit = conversion.load();
    const NavDbState& db = unit.db;
    ASSERT_EQ(db.airportCount, 4);
    EXPECT_EQ(db.vorCount, 2);
    EXPECT_EQ(db.ndbCount, 1);
    EXPECT_EQ(db.intersectionCount, 2);
    EXPECT_EQ(db.userWaypointCount, 1);  // an existing user.txt is left alone

    const char* idents[] = {"2Q2", "CA11", "KOLD", "KSFO"};
    for (int i = 0; i < 4; ++i) EXPECT_STREQ(db.airports[static_cast<size_t>(i + 1)].ident, idents[i]);
    const AirportRecord& sfo = db.airports[4];
    EXPECT_STREQ(sfo.name, "SAN_FRANCISCO_INTL");
    EXPECT_STREQ(sfo.elevation, "13");
    ASSERT_EQ(sfo.runwayCount, 4);
    EXPECT_EQ(sfo.longestRunwayFeet, 11845);
    struct RunwayRow {
        const char* designation;
        int32_t lengthFeet;
        double lat, lon, heading;
        const char* surface;
        const char* lights;
        double displacedFt;
    };
    const RunwayRow runways[] = {
        {"10L", 11845, 37.62872, -122.39342, 101, "ASPH", "LIT", 0},
        {"28R", 11845, 37.61352, -122.35717, 281, "ASPH", "LIT", 0},
        {"01R", 8899, 37.60740, -122.38036, 11, "CONC", "NIL", 492},  // displaced threshold
        {"19L", 8899, 37.62781, -122.36682, 191, "CONC", "NIL", 0},
    };
    for (int i = 0; i < 4; ++i) {
        const RunwayRecord& runway = sfo.runways[i + 1];
        const RunwayRow& want = runways[i];
        SCOPED_TRACE(want.designation);
        EXPECT_STREQ(runway.designation, want.designation);
        EXPECT_EQ(runway.lengthFeet, want.lengthFeet);
        EXPECT_NEAR(runway.thresholdLatitude, want.lat, 1e-5);
        EXPECT_NEAR(runway.thresholdLongitude, want.lon, 1e-5);
        EXPECT_EQ(runway.magneticHeading, want.heading);
        EXPECT_STREQ(runway.auxText1, want.surface);
        EXPECT_STREQ(runway.auxText2, want.lights);
        EXPECT_EQ(runway.auxNumber, want.displacedFt);
    }
    // The older runway row: centre, heading and length give both ends.
    const AirportRecord& old = db.airports[3];
    ASSERT_EQ(old.runwayCount, 2);
    EXPECT_STREQ(old.runways[1].designation, "09");
    EXPECT_STREQ(old.runways[2].designation, "27");
    EXPECT_EQ(old.runways[2].magneticHeading, 255);
    EXPECT_EQ(old.runways[1].auxNumber, 200);
    EXPECT_EQ(old.runways[2].auxNumber, 300);
    EXPECT_STREQ(old.runways[1].auxText1, "TURF");
    EXPECT_STREQ(db.airports[1].runways[1].auxText1, "WATR");
    EXPECT_STREQ(db.airports[2].name, "MERCY_HELIPORT");
    EXPECT_STREQ(db.airports[2].runways[1].designation, "H1");
    EXPECT_EQ(db.airports[2].runways[1].lengthFeet, 50);

    EXPECT_STREQ(db.vors[2].ident, "SFO");
    EXPECT_STREQ(db.vors[2].frequency, "115.80");
    EXPECT_STREQ(db.ndbs[1].typeText, "NDB");
    EXPECT_STREQ(db.intersections[2].ident, "BLAKO");

    // The information file, read as the APT pages read it.
    const struct { int index; const char* atis; const char* twr; const char* appr; const char* ctr;
                   int ils; int rdr; } infos[] = {
        {4, "118.85", "120.50", "120.35", "", 1, 1},
        {3, "", "", "", "128.20", 0, 1},
    };
    for (const auto& info : infos) {
        unit.db.currentAirport = info.index;
        LoadAirportInfo(unit);
        const AirportRecord& airport = db.airports[static_cast<size_t>(info.index)];
        EXPECT_STREQ(airport.atis, info.atis);
        EXPECT_STREQ(airport.twr, info.twr);
        EXPECT_STREQ(airport.appr, info.appr);
        EXPECT_STREQ(airport.ctr, info.ctr);
        EXPECT_EQ(airport.ils, info.ils);
        EXPECT_EQ(airport.rdr, info.rdr);
    }
    EXPECT_STREQ(sfo.clr, "118.20");
    EXPECT_STREQ(sfo.grnd, "121.80");
    EXPECT_STREQ(sfo.uncm, "122.95");
}

TEST(NavdataConversion, FiltersLeaveOutWhatTheyName) {
    const struct {
        const char* name;
        void (*set)(navdata::Options&);
        const char* idents;
    } cases[] = {
        {"defaults", [](navdata::Options&) {}, "2Q2 CA11 KOLD KSFO "},
        {"closed kept", [](navdata::Options& o) { o.keepClosed = true; }, "2Q2 CA11 KCLO KOLD KSFO "},
        {"land only", [](navdata::Options& o) { o.sea = o.heliports = false; }, "KOLD KSFO "},
        {"hard only", [](navdata::Options& o) { o.hardOnly = true; }, "KSFO "},
        {"runway 5000 ft", [](navdata::Options& o) { o.minRunwayFt = 5000; }, "2Q2 KSFO "},
        {"30 NM around KSFO", [](navdata::Options& o) {
             o.hasArea = true; o.centerLat = 37.62; o.centerLon = -122.38; o.radiusNm = 30; },
         "CA11 KSFO "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Conversion conversion;
        writeVersions(conversion, 1100, 1100, 1101);
        c.set(conversion.options);
        ASSERT_EQ(conversion.run(), 0);
        std::string idents;
        const Unit& unit = conversion.load();
        for (int32_t i = 1; i <= unit.db.airportCount; ++i) {
            idents += std::string(unit.db.airports[static_cast<size_t>(i)].ident) + " ";
        }
        EXPECT_EQ(idents, c.idents);
    }
}

// CR LF line ends, no header, a Windows-1252 and a UTF-8 name, an unknown row code, a
// repeated identifier and a last line cut short: each is reported with its line and the
// rest converts.
TEST(NavdataConversion, InputQuirksAreReportedWithTheirLinesAndSurvived) {
    Conversion conversion;
    conversion.write("apt.dat",
                     "1 100 0 0 LFXX A\xe9rodrome de l'\xc9toile\r\n"
                     "14 48.0 2.0 0 0 Tower\r\n"
                     "9999 something new\r\n"
                     "1 0 0 0 EDXX M\xc3\xbcnchen S\xc3\xbc" "d\r\n"
                     "14 48.1 11.5 0 0 Tower\r\n"
                     "1 5 0 0 LFXX Again\r\n"
                     "14 48.0 2.0 0 0 Tower\r\n"
                     "100 60.96 1");
    conversion.write("nav.dat", "\n\nI\n810 Version\n" + std::string(kNav810));
    conversion.write("earth_fix.dat", "I\n\n 37.5 -122.4 ALKIA\n 37.5 -122.4 ALKIA\n 1.0 1.0 ALKIA\n");
    ASSERT_EQ(conversion.run(), 0) << conversion.messages;
    const char* expected[] = {
        "apt.dat:1: no header",
        "apt.dat:1: name read as Windows-1252: LFXX",
        "apt.dat:3: unknown row code: 9999",
        "apt.dat:8: short row: row 100 has 3 fields, needs 26",
        "apt.dat:6: repeated airport identifier, left out: LFXX (first on line 1)",
        "earth_fix.dat:3: no version line",
    };
    for (const char* message : expected) {
        EXPECT_NE(conversion.messages.find(message), std::string::npos) << message << "\n"
                                                                        << conversion.messages;
    }
    EXPECT_EQ(conversion.summary.airports.repeated, 1);
    EXPECT_EQ(conversion.summary.intersections.repeated, 1);  // the same fix twice; elsewhere it stays
    EXPECT_EQ(conversion.output("ints.txt"),
              "ALKIA ALKIA 37.50000 -122.40000\nALKIA ALKIA 1.00000 1.00000\n");
    const Unit& unit = conversion.load();
    ASSERT_EQ(unit.db.airportCount, 2);
    EXPECT_STREQ(unit.db.airports[1].name, "MUNCHEN_SUD");
    EXPECT_STREQ(unit.db.airports[2].name, "AERODROME_DE_L'ETOILE");
    EXPECT_STREQ(unit.db.airports[2].elevation, "100");
}

TEST(NavdataConversion, GzipInputReadsAsPlainAndABrokenOneLeavesTheOldFiles) {
    Conversion conversion;
    writeVersions(conversion, 1100, 1100, 1101);
    ASSERT_EQ(conversion.run(), 0);
    const std::string plainApts = conversion.output("apts.txt");

    const std::string apt = header(1100) + aptBody();
    conversion.writeGzip("apt.dat.gz", apt);
    conversion.options.aptPath = (conversion.folder.path() / "apt.dat.gz").string();
    conversion.writeOutput("apts.txt", "OLD\n");
    ASSERT_EQ(conversion.run(), 0);
    EXPECT_EQ(conversion.output("apts.txt"), plainApts);

    // Cut the compressed file in half: the read fails, nothing is replaced.
    const std::string compressed = conversion.folder.read("apt.dat.gz");
    conversion.write("apt.dat.gz", compressed.substr(0, compressed.size() / 2));
    conversion.writeOutput("apts.txt", "OLD\n");
    EXPECT_EQ(conversion.run(), 1);
    EXPECT_NE(conversion.messages.find("read error"), std::string::npos) << conversion.messages;
    EXPECT_EQ(conversion.output("apts.txt"), "OLD\n");

    conversion.options.navPath = (conversion.folder.path() / "missing.dat").string();
    EXPECT_EQ(conversion.run(), 1);
    EXPECT_NE(conversion.messages.find("missing.dat: cannot open"), std::string::npos);
}

}  // namespace
