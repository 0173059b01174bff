// The .PLN import of both forms into "temp.rte", read back through the route loader.
#include "fpl/pln_import.h"

#include <gtest/gtest.h>

#include "fpl/route_files.h"
#include "fpl_fixture.h"

namespace {

std::string taggedPlan(const std::string& degreeSign) {
    auto position = [&](const char* lat, const char* lon) {
        return "            <WorldPosition>" + std::string(lat) + "," + lon +
               ",+000433.00</WorldPosition>\r\n";
    };
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
           "<SimBase.Document Type=\"AceXML\" version=\"1,0\">\r\n"
           "    <FlightPlan.FlightPlan>\r\n"
           "        <DepartureID>KSEA</DepartureID>\r\n"
           "        <DestinationID>KPDX</DestinationID>\r\n"
           "        <ATCWaypoint id=\"KSEA\">\r\n"
           "            <ATCWaypointType>Airport</ATCWaypointType>\r\n" +
           position(("N47" + degreeSign + " 26' 58.80\"").c_str(),
                    ("W122" + degreeSign + " 18' 34.20\"").c_str()) +
           "        </ATCWaypoint>\r\n"
           "        <ATCWaypoint id=\"OLM\">\r\n"
           "            <ATCWaypointType>Intersection</ATCWaypointType>\r\n" +
           position(("N46" + degreeSign + " 58' 0.00\"").c_str(),
                    ("W122" + degreeSign + " 54' 6.50\"").c_str()) +
           "        </ATCWaypoint>\r\n"
           "        <ATCWaypoint id=\"USR1\">\r\n"
           "            <ATCWaypointType>User</ATCWaypointType>\r\n"
           "        </ATCWaypoint>\r\n"
           "        <ATCWaypoint id=\"KPDX\">\r\n"
           "            <ATCWaypointType>Airport</ATCWaypointType>\r\n" +
           position(("S45" + degreeSign + " 35' 19.00\"").c_str(),
                    ("E122" + degreeSign + " 35' 49.00\"").c_str()) +
           "        </ATCWaypoint>\r\n"
           "    </FlightPlan.FlightPlan>\r\n"
           "</SimBase.Document>\r\n";
}

TEST(PlnImport, TaggedFormInUtf8AndCodePage1252) {
    for (const std::string& sign : {std::string("\xC2\xB0"), std::string("\xB0")}) {
        SCOPED_TRACE(sign.size() == 2 ? "UTF-8" : "1252");
        FplFixture f;
        f.writePlan("seattle.pln", taggedPlan(sign));
        loadRouteFile(*f.unit, "seattle.pln");
        const RouteScratch& s = f.unit->fpl.scratch;
        ASSERT_EQ(s.lastIndex, 3);
        const char* idents[] = {"KSEA", "OLM", "USR1", "KPDX"};
        const char* types[] = {"APT", "INT", "INT", "APT"};  // "User" keeps the previous type
        for (int i = 0; i < 4; ++i) {
            EXPECT_STREQ(s.waypoints[i].ident, idents[i]);
            EXPECT_STREQ(s.waypoints[i].type, types[i]);
            EXPECT_STREQ(s.waypoints[i].frequency, "");
        }
        // Whole seconds only: 58.80" reads as 58", 34.20" as 34".
        EXPECT_DOUBLE_EQ(s.waypoints[0].latitude, 47.44944);
        EXPECT_DOUBLE_EQ(s.waypoints[0].longitude, -122.30944);
        EXPECT_DOUBLE_EQ(s.waypoints[1].longitude, -122.90167);
        EXPECT_EQ(s.waypoints[2].latitude, 0.0);  // no position in the block
        EXPECT_DOUBLE_EQ(s.waypoints[3].latitude, -45.58861);
        EXPECT_DOUBLE_EQ(s.waypoints[3].longitude, 122.59694);
        EXPECT_TRUE(f.planExists("temp.rte"));
    }
}

TEST(PlnImport, LineFormWithIdentifiersInFirstOrSecondField) {
    const char* first =
        "[flightplan]\r\ndeparture_id=KSEA, N47* 26.98', W122* 18.57', +000433.00\r\n"
        "waypoint.0=KSEA, A, N47* 26.98', W122* 18.57', +000433.00, \r\n"
        "waypoint.1=SEA, V, N47* 26.10', W122* 18.58', +000000.00, \r\n"
        "waypoint.2=BTG, N, N45* 45.00', W122* 35.30', +000000.00, \r\n"
        "waypoint.3=KPDX, A, N45* 35.32', W122* 35.82', +000030.00, \r\n";
    const char* second =
        "[flightplan]\r\ndeparture_id=KSEA, N47* 26.98', W122* 18.57', +000433.00\r\n"
        "waypoint.0=, KSEA, , KSEA, A, N47* 26.98', W122* 18.57', +000433.00, \r\n"
        "waypoint.1=, SEA, , SEA, V, N47* 26.10', W122* 18.58', +000000.00, \r\n"
        "waypoint.2=, BTG, , BTG, N, N45* 45.00', W122* 35.30', +000000.00, \r\n"
        "waypoint.3=, KPDX, , KPDX, A, N45* 35.32', W122* 35.82', +000030.00, \r\n";
    for (const char* text : {first, second}) {
        FplFixture f;
        f.writePlan("old.PLN", text);
        loadRouteFile(*f.unit, "old.PLN");
        const RouteScratch& s = f.unit->fpl.scratch;
        ASSERT_EQ(s.lastIndex, 3);
        EXPECT_STREQ(s.waypoints[0].ident, "KSEA");
        EXPECT_STREQ(s.waypoints[0].type, "APT");
        EXPECT_DOUBLE_EQ(s.waypoints[0].latitude, 47.44967);
        EXPECT_DOUBLE_EQ(s.waypoints[0].longitude, -122.30950);
        EXPECT_STREQ(s.waypoints[1].type, "VOR");
        EXPECT_STREQ(s.waypoints[2].type, "NDB");
        EXPECT_STREQ(s.waypoints[3].ident, "KPDX");
    }
}

TEST(PlnImport, AngleParsersKeepTheirSigns) {
    EXPECT_DOUBLE_EQ(parseTaggedAngle("N0\xB0 30' 0.99\""), 0.5);
    EXPECT_NEAR(parseTaggedAngle("S1\xC2\xB0 0' 36\""), -1.01, 1e-12);
    EXPECT_DOUBLE_EQ(parseTaggedAngle(""), 0.0);
    EXPECT_DOUBLE_EQ(parseLineAngle("W0* 30.00'"), -0.5);
    EXPECT_DOUBLE_EQ(parseLineAngle("garbage"), 0.0);
}

TEST(PlnImport, UnreadablePlanAndUnwritableTempFileAreFailures) {
    FplFixture f;
    EXPECT_EQ(importPlanFile(*f.unit, "absent.pln"), kImportFailed);
    EXPECT_FALSE(f.planExists("temp.rte"));

    // A folder named temp.rte cannot be written as a file: the import fails and an older
    // plan read before is not offered in its place.
    f.writePlan("x.pln", taggedPlan("\xB0"));
    f.root.makeFolder(kPlansFolder + "temp.rte");
    EXPECT_EQ(importPlanFile(*f.unit, "x.pln"), kImportFailed);
    loadRouteFile(*f.unit, "x.pln");
    EXPECT_EQ(f.unit->fpl.scratch.lastIndex, -1);
}

TEST(PlnImport, GarbageAroundTheMarkersNeverCrashes) {
    // Fragments of both forms mixed with random bytes, lines of every length.
    const char* pieces[] = {"<ATCWaypoint id=\"", "</ATCWaypoint>", "<WorldPosition>", ",",
                            "waypoint.0=", "waypoint.", "departure_id=", "*", "'", "\xB0",
                            "\xC2", "N", "W", "\r\n", "\n", "<ATCWaypointType>Airport"};
    uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    for (int file = 0; file < 20; ++file) {
        std::string text;
        for (int i = 0; i < 400; ++i) {
            if (next() % 3 == 0) text += static_cast<char>(next() >> 16);
            else text += pieces[(next() >> 8) % (sizeof pieces / sizeof pieces[0])];
        }
        text += std::string(3000, '9') + "\n";
        FplFixture f;
        f.writePlan("noise.pln", text);
        f.writePlan("noise.rte", "[FlightPlan]\n" + text);
        loadRouteFile(*f.unit, "noise.pln");
        EXPECT_LE(f.unit->fpl.scratch.lastIndex, kPlanWaypointCount - 1);
        loadRouteFile(*f.unit, "noise.rte");
        EXPECT_LE(f.unit->fpl.scratch.lastIndex, kPlanWaypointCount - 1);
    }
}

}  // namespace
