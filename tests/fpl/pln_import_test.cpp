// The .PLN import of both forms into the route scratch, through the route loader.
#include "fpl/pln_import.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

#include "fpl/route_files.h"
#include "fpl_fixture.h"

namespace {

using Rows = std::vector<std::string>;

// KSEA, OLM, a user waypoint without a position and KPDX, with `deg` as the degree sign.
std::string taggedPlan(const std::string& deg) {
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
        "<SimBase.Document Type=\"AceXML\" version=\"1,0\">\r\n  <FlightPlan.FlightPlan>\r\n"
        "    <DepartureID>KSEA</DepartureID>\r\n    <DestinationID>KPDX</DestinationID>\r\n";
    auto add = [&](const char* id, const char* type, const std::string& position) {
        text += "    <ATCWaypoint id=\"" + std::string(id) + "\">\r\n      <ATCWaypointType>" +
                type + "</ATCWaypointType>\r\n";
        if (!position.empty()) {
            text += "      <WorldPosition>" + position + ",+000433.00</WorldPosition>\r\n";
        }
        text += "    </ATCWaypoint>\r\n";
    };
    add("KSEA", "Airport", "N47" + deg + " 26' 58.80\",W122" + deg + " 18' 34.20\"");
    add("OLM", "Intersection", "N46" + deg + " 58' 0.00\",W122" + deg + " 54' 6.50\"");
    add("USR1", "User", "");
    add("KPDX", "Airport", "S45" + deg + " 35' 19.00\",E122" + deg + " 35' 49.00\"");
    return text + "  </FlightPlan.FlightPlan>\r\n</SimBase.Document>\r\n";
}

TEST(PlnImport, TaggedFormInUtf8AndCodePage1252) {
    for (const std::string& sign : {std::string("\xC2\xB0"), std::string("\xB0")}) {
        SCOPED_TRACE(sign.size() == 2 ? "UTF-8" : "1252");
        FplFixture f;
        f.writePlan("seattle.pln", taggedPlan(sign));
        loadRouteFile(*f.unit, "seattle.pln");
        // Whole seconds only (58.80" reads as 58"); "User" keeps the previous type.
        EXPECT_EQ(planRows(f.unit->fpl.scratch),
                  (Rows{"KSEA,APT,,47.44944,-122.30944", "OLM,INT,,46.96667,-122.90167",
                        "USR1,INT,,0.00000,0.00000", "KPDX,APT,,-45.58861,122.59694"}));
    }
}

// The identifiers stand in the first field when the first waypoint's value begins with
// the departure identifier, which a file without a departure line leaves empty.
TEST(PlnImport, LineFormWithIdentifiersInFirstOrSecondField) {
    const char* waypoints[][2] = {{"KSEA", "A, N47* 26.98', W122* 18.57', +000433.00"},
                                  {"SEA", "V, N47* 26.10', W122* 18.58', +000000.00"},
                                  {"BTG", "N, N45* 45.00', W122* 35.30', +000000.00"},
                                  {"KPDX", "A, N45* 35.32', W122* 35.82', +000030.00"}};
    struct Case {
        bool second;
        bool departureLine;
    };
    for (const Case& c : {Case{false, true}, Case{true, true}, Case{false, false}}) {
        const bool second = c.second;
        SCOPED_TRACE(std::string(second ? "second field" : "first field") +
                     (c.departureLine ? "" : ", no departure line"));
        std::string text = "[flightplan]\r\n";
        if (c.departureLine) text += "departure_id=KSEA, N47* 26.98', W122* 18.57', +000433.00\r\n";
        for (int i = 0; i < 4; ++i) {
            const std::string id = waypoints[i][0];
            const std::string ids = second ? ", " + id + ", , " + id : id;
            text += "waypoint." + std::to_string(i) + "=" + ids + ", " + waypoints[i][1] + ", \r\n";
        }
        FplFixture f;
        f.writePlan("old.PLN", text);
        loadRouteFile(*f.unit, "old.PLN");
        EXPECT_EQ(planRows(f.unit->fpl.scratch),
                  (Rows{"KSEA,APT,,47.44967,-122.30950", "SEA,VOR,,47.43500,-122.30967",
                        "BTG,NDB,,45.75000,-122.58833", "KPDX,APT,,45.58867,-122.59700"}));
    }
}

TEST(PlnImport, AngleParsersKeepTheirSigns) {
    EXPECT_DOUBLE_EQ(parseTaggedAngle("N0\xB0 30' 0.99\""), 0.5);
    EXPECT_NEAR(parseTaggedAngle("S1\xC2\xB0 0' 36\""), -1.01, 1e-12);
    EXPECT_DOUBLE_EQ(parseTaggedAngle(""), 0.0);
    EXPECT_DOUBLE_EQ(parseLineAngle("W0* 30.00'"), -0.5);
    EXPECT_DOUBLE_EQ(parseLineAngle("garbage"), 0.0);
}

// The import writes no file, so a folder the unit cannot write to (here a folder in the
// way of any temporary file) still lists every plan, and a pilot's temp.rte is kept.
TEST(PlnImport, ConvertsInMemoryAndLeavesTheFolderAlone) {
    FplFixture f;
    EXPECT_EQ(importPlanFile(*f.unit, "absent.pln"), kImportFailed);
    EXPECT_EQ(f.unit->fpl.scratch.lastIndex, -1);

    f.writePlan("x.pln", taggedPlan("\xB0"));
    f.root.makeFolder(kPlansFolder + "temp.rte");
    EXPECT_EQ(importPlanFile(*f.unit, "x.pln"), kImportConverted);
    EXPECT_EQ(f.unit->fpl.scratch.lastIndex, 3);

    FplFixture g;
    g.writePlan("temp.rte", "[FlightPlan]\nMINE 1 2 INT\nOURS 3 4 INT\n");
    g.writePlan("x.pln", taggedPlan("\xB0"));
    loadRouteFile(*g.unit, "x.pln");
    EXPECT_EQ(g.unit->fpl.scratch.lastIndex, 3);
    EXPECT_EQ(g.readPlan("temp.rte"), "[FlightPlan]\nMINE 1 2 INT\nOURS 3 4 INT\n");
    const auto files = std::filesystem::directory_iterator(g.root.path() / kPlansFolder);
    EXPECT_EQ(std::distance(begin(files), end(files)), 2);  // nothing new was written
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
        for (const char* name : {"noise.pln", "noise.rte"}) {
            loadRouteFile(*f.unit, name);
            EXPECT_LE(f.unit->fpl.scratch.lastIndex, kPlanWaypointCount - 1);
        }
    }
}

}  // namespace
