// Route files: reading, the folder scan, saving and the naming rule.
#include "fpl/route_files.h"

#include <gtest/gtest.h>

#include "fpl/fpl_hooks.h"
#include "fpl_fixture.h"

namespace {

const char* kThreeWaypoints =
    "[FlightPlan]\r\n"
    "KSEA           47.44944 -122.30944  APT ---   \r\n"
    "SEA            47.43500 -122.30972  VOR 116.80\r\n"
    "KPDX           45.58861 -122.59694  APT       \r\n";

TEST(RouteLine, FillsColumnsAndMarksFileEntries) {
    PlanWaypoint w{};
    ASSERT_TRUE(parseRouteLine("OLM  46.97  -122.90  VOR  113.40  extra6 extra7 ignored", w));
    EXPECT_STREQ(w.ident, "OLM");
    EXPECT_DOUBLE_EQ(w.latitude, 46.97);
    EXPECT_DOUBLE_EQ(w.longitude, -122.90);
    EXPECT_STREQ(w.type, "VOR");
    EXPECT_STREQ(w.frequency, "113.40");
    EXPECT_STREQ(w.column6Text, "extra6");
    EXPECT_STREQ(w.column7Text, "extra7");
    EXPECT_EQ(w.reservedValue1, -999.0);
    EXPECT_EQ(w.reservedValue2, -999.0);
    EXPECT_EQ(w.reservedValue3, -1.0);

    // "---" in any case is no frequency; text that is no number reads as 0.
    ASSERT_TRUE(parseRouteLine("X1 abc 5x APT -", w));
    EXPECT_STREQ(w.frequency, "-");
    ASSERT_TRUE(parseRouteLine("X1 abc 5x APT ---", w));
    EXPECT_STREQ(w.frequency, "");
    EXPECT_EQ(w.latitude, 0.0);
    EXPECT_EQ(w.longitude, 5.0);
    EXPECT_FALSE(parseRouteLine(" \t ", w));

    // An identifier longer than its field is cut, never written past it.
    ASSERT_TRUE(parseRouteLine("ABCDEFGHIJKLMNOPQRSTUVWXYZ 1 2", w));
    EXPECT_EQ(std::strlen(w.ident), static_cast<size_t>(kPlanIdentSize - 1));
}

TEST(RouteFileLoad, CommentsBlankLinesAndLineEndsReadAlike) {
    FplFixture f;
    f.writePlan("plain.rte", kThreeWaypoints);
    f.writePlan("commented.rte",
                "; saved by hand\n"
                "junk before the section\n"
                "[flightplan]\n"
                "; first leg\n"
                "KSEA 47.44944 -122.30944 APT ---\n"
                "\n"
                "SEA 47.435 -122.30972 VOR 116.80\n"
                "   ;indented comment\n"
                "KPDX 45.58861 -122.59694 APT\n");
    for (const char* name : {"plain.rte", "commented.rte"}) {
        SCOPED_TRACE(name);
        loadRouteFile(*f.unit, name);
        const RouteScratch& s = f.unit->fpl.scratch;
        ASSERT_EQ(s.lastIndex, 2);
        EXPECT_STREQ(s.waypoints[0].ident, "KSEA");
        EXPECT_STREQ(s.waypoints[0].frequency, "");
        EXPECT_STREQ(s.waypoints[1].frequency, "116.80");
        EXPECT_DOUBLE_EQ(s.waypoints[2].latitude, 45.58861);
        EXPECT_STREQ(s.waypoints[2].type, "APT");
    }
}

TEST(RouteFileLoad, MissingSectionMissingFileAndOverlongFiles) {
    FplFixture f;
    f.writePlan("nosection.rte", "KSEA 47 -122 APT\nKPDX 45 -122 APT\n");
    loadRouteFile(*f.unit, "nosection.rte");
    EXPECT_EQ(f.unit->fpl.scratch.lastIndex, -1);
    loadRouteFile(*f.unit, "absent.rte");
    EXPECT_EQ(f.unit->fpl.scratch.lastIndex, -1);

    std::string big = "[FlightPlan]\n";
    for (int i = 0; i < 250; ++i) big += "W" + std::to_string(i) + " 1.0 2.0 INT\n";
    big += std::string(5000, 'x') + "\n";  // one very long line
    f.writePlan("big.rte", big);
    loadRouteFile(*f.unit, "big.rte");
    EXPECT_EQ(f.unit->fpl.scratch.lastIndex, 200);
    EXPECT_STREQ(f.unit->fpl.scratch.waypoints[200].ident, "W200");
}

TEST(FolderScan, ListsRouteAndPlanFilesInNameOrder) {
    FplFixture f;
    f.writePlan("b-route.RTE", kThreeWaypoints);
    f.writePlan("a-route.rte", kThreeWaypoints);
    f.writePlan("Temp.RTE", kThreeWaypoints);     // the import's file, never listed
    f.writePlan("notes.txt", kThreeWaypoints);    // other extensions are ignored
    f.writePlan("short.rte", "[FlightPlan]\nKSEA 47 -122 APT\n");  // one waypoint
    f.writePlan("c-plan.Pln",
                "[flightplan]\ndeparture_id=KSEA, N47* 26.98', W122* 18.57', +000433.00\n"
                "waypoint.0=KSEA, A, N47* 26.98', W122* 18.57', +000433.00,\n"
                "waypoint.1=KPDX, A, N45* 35.32', W122* 35.82', +000030.00,\n");
    scanFlightPlanFolder(*f.unit);
    const FplState& fpl = f.unit->fpl;
    ASSERT_EQ(fpl.blankPlanIndex, 5);
    EXPECT_EQ(planIdents(f.plan(1)), (std::vector<std::string>{"MSFS", "PLNR"}));
    EXPECT_STREQ(f.plan(1).name, "");
    EXPECT_STREQ(f.plan(2).name, "a-route.rte");
    EXPECT_STREQ(f.plan(3).name, "b-route.RTE");
    EXPECT_STREQ(f.plan(4).name, "c-plan.Pln");
    EXPECT_STREQ(f.plan(2).firstIdent, "KSEA");
    EXPECT_STREQ(f.plan(2).lastIdent, "KPDX");
    EXPECT_EQ(planIdents(f.plan(4)), (std::vector<std::string>{"KSEA", "KPDX"}));
    EXPECT_DOUBLE_EQ(f.plan(4).waypoints[1].longitude, -(122.0 + 35.82 / 60.0));
    EXPECT_EQ(f.plan(5).lastIndex, 0);
    EXPECT_STREQ(f.plan(5).waypoints[0].ident, "");
}

TEST(FolderScan, MissingFolderLeavesSimulatorPlanAndBlank) {
    FplFixture f;
    f.setRoot((f.root.path() / "nowhere").string());
    scanFlightPlanFolder(*f.unit);
    EXPECT_EQ(f.unit->fpl.blankPlanIndex, 2);
}

TEST(FolderScan, StopsAfter197Files) {
    FplFixture f;
    for (int i = 0; i < 200; ++i) f.writePlan("p" + std::to_string(1000 + i) + ".rte", kThreeWaypoints);
    scanFlightPlanFolder(*f.unit);
    EXPECT_EQ(f.unit->fpl.blankPlanIndex, 199);
    EXPECT_STREQ(f.plan(198).name, "p1196.rte");
}

TEST(RouteFileSave, RoundTripAndNamingSequence) {
    FplFixture f;
    scanFlightPlanFolder(*f.unit);
    setActiveRoute(*f.unit, {"KSEA", "SEA", "KPDX"});
    copyPlanText(f.unit->fpl.activeRoute.waypoints[1].type, "VOR");
    copyPlanText(f.unit->fpl.activeRoute.waypoints[1].frequency, "116.80");

    for (const char* expected : {"KSEA-KPDX.RTE", "KSEA-KPDX01.RTE", "KSEA-KPDX02.RTE"}) {
        SCOPED_TRACE(expected);
        const int32_t slot = f.unit->fpl.blankPlanIndex;
        EXPECT_EQ(saveRouteFile(*f.unit), SaveResult::Saved);
        EXPECT_STREQ(f.plan(slot).name, expected);
        EXPECT_EQ(f.unit->fpl.blankPlanIndex, slot + 1);
        EXPECT_TRUE(f.planExists(expected));
    }
    EXPECT_EQ(f.readPlan("KSEA-KPDX.RTE").substr(0, 14), "[FlightPlan]\r\n");
    EXPECT_NE(f.readPlan("KSEA-KPDX.RTE")
                  .find("SEA            47.10000 -122.00000  VOR 116.80\r\n"),
              std::string::npos);

    // A fresh unit reads the three files back as the same plans.
    FplFixture g;
    g.setRoot(f.unit->rootFolder);
    scanFlightPlanFolder(*g.unit);
    ASSERT_EQ(g.unit->fpl.blankPlanIndex, 5);
    const PlanWaypoint& sea = g.plan(2).waypoints[1];
    EXPECT_EQ(planIdents(g.plan(2)), (std::vector<std::string>{"KSEA", "SEA", "KPDX"}));
    EXPECT_DOUBLE_EQ(sea.latitude, 47.1);
    EXPECT_STREQ(sea.type, "VOR");
    EXPECT_STREQ(sea.frequency, "116.80");
    EXPECT_STREQ(g.plan(2).waypoints[0].frequency, "");
}

TEST(RouteFileSave, LongerStoredNamesAndFilesOnDiskCountAsTaken) {
    FplFixture f;
    f.writePlan("KSEA-KPDX via coast.rte", kThreeWaypoints);
    f.writePlan("KSEA-KPDX01.RTE", "not a route file");  // on disk but not listed
    scanFlightPlanFolder(*f.unit);
    setActiveRoute(*f.unit, {"KSEA", "KPDX"});
    EXPECT_EQ(saveRouteFile(*f.unit), SaveResult::Saved);
    EXPECT_STREQ(f.plan(3).name, "KSEA-KPDX02.RTE");
    EXPECT_EQ(f.readPlan("KSEA-KPDX01.RTE"), "not a route file");
}

TEST(RouteFileSave, UnsafeCharactersFullStoreAndFailedWrites) {
    FplFixture f;
    scanFlightPlanFolder(*f.unit);
    setActiveRoute(*f.unit, {"A/B", "C:D"});
    EXPECT_EQ(saveRouteFile(*f.unit), SaveResult::Saved);
    EXPECT_STREQ(f.plan(2).name, "A_B-C_D.RTE");

    // The last slot of the store is never filled by a save.
    f.unit->fpl.blankPlanIndex = kPlanStoreSlots - 1;
    EXPECT_EQ(saveRouteFile(*f.unit), SaveResult::StoreFull);
    EXPECT_EQ(f.unit->fpl.blankPlanIndex, kPlanStoreSlots - 1);

    // Without a folder to write to, the plan stays in the store and the save says so.
    FplFixture g;
    g.setRoot((g.root.path() / "nowhere").string());
    scanFlightPlanFolder(*g.unit);
    setActiveRoute(*g.unit, {"KSEA", "KPDX"});
    EXPECT_EQ(saveRouteFile(*g.unit), SaveResult::NotWritten);
    EXPECT_EQ(g.unit->fpl.blankPlanIndex, 3);
    EXPECT_EQ(planIdents(g.plan(2)), (std::vector<std::string>{"KSEA", "KPDX"}));
}

}  // namespace
