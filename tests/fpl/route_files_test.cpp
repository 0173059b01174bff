// Route files: reading, the folder scan, saving and the naming rule.
#include "fpl/route_files.h"

#include <gtest/gtest.h>

#include <array>

#include "fpl/fpl_hooks.h"
#include "fpl_fixture.h"

namespace {

using Rows = std::vector<std::string>;

const char* kThreeWaypoints =
    "[FlightPlan]\r\n"
    "KSEA           47.44944 -122.30944  APT ---   \r\n"
    "SEA            47.43500 -122.30972  VOR 116.80\r\n"
    "KPDX           45.58861 -122.59694  APT       \r\n";
const Rows kThreeRows = {"KSEA,APT,,47.44944,-122.30944", "SEA,VOR,116.80,47.43500,-122.30972",
                         "KPDX,APT,,45.58861,-122.59694"};

TEST(RouteLine, ReadsColumnsAndSkipsBlankLines) {
    struct Case {
        const char* line;
        const char* row;  // nullptr: no waypoint
    };
    // Text that is no number reads as 0, "---" is no frequency.
    for (const Case& c : {Case{"X1 abc 5x APT -", "X1,APT,-,0.00000,5.00000"},
                          Case{"X1 1 2 APT ---", "X1,APT,,1.00000,2.00000"},
                          Case{" \t ", nullptr}}) {
        SCOPED_TRACE(c.line);
        PlanWaypoint w{};
        ASSERT_EQ(parseRouteLine(c.line, w), c.row != nullptr);
        if (c.row != nullptr) {
            EXPECT_EQ(describe(w), c.row);
        }
    }
    PlanWaypoint w{};
    ASSERT_TRUE(parseRouteLine("OLM  46.97  -122.90  VOR  113.40  extra6 extra7 ignored", w));
    EXPECT_EQ(describe(w), "OLM,VOR,113.40,46.97000,-122.90000");
    EXPECT_STREQ(w.column6Text, "extra6");
    EXPECT_STREQ(w.column7Text, "extra7");
    EXPECT_EQ((std::array{w.reservedValue1, w.reservedValue2, w.reservedValue3}),
              (std::array{-999.0, -999.0, -1.0}));
}

// Identifiers and frequencies longer than the unit's own are kept whole, up to a whole
// route file line, and a plan read and saved again writes them unchanged.
TEST(RouteFileLoad, LongIdentifiersAndFrequenciesSurviveLoadAndSave) {
    const std::string longest(kRouteLineMaxChars - 4, 'L');  // "L...L 1 2"
    struct Case {
        std::string line;
        std::string ident;
        std::string frequency;
    };
    const Case cases[] = {
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ 47 -122 INT", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", ""},
        {"OLM 46.97 -122.90 VOR 113.400000001", "OLM", "113.400000001"},
        {"LONG_NAMED_FIX_OF_A_HAND_MADE_FILE 46 -121 WPT 122.8-OR-123.05", "LONG_NAMED_FIX_OF_A_HAND_MADE_FILE",
         "122.8-OR-123.05"},
        {longest + " 1 2", longest, ""},
    };
    FplFixture f;
    std::string file = "[FlightPlan]\r\n";
    for (const Case& c : cases) file += c.line + "\r\n";
    f.writePlan("long.rte", file);
    scanFlightPlanFolder(*f.unit);
    ASSERT_EQ(f.unit->fpl.blankPlanIndex, 3);
    const FlightPlan& loaded = f.plan(2);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(cases[i].line);
        EXPECT_EQ(loaded.waypoints[i].ident, cases[i].ident);
        EXPECT_EQ(loaded.waypoints[i].frequency, cases[i].frequency);
        f.unit->fpl.activeRoute.waypoints[i] = loaded.waypoints[i];
    }
    f.unit->fpl.activeLastIndex = 3;
    ASSERT_EQ(saveRouteFile(*f.unit), SaveResult::Saved);

    FplFixture g;
    g.setRoot(f.unit->rootFolder);
    scanFlightPlanFolder(*g.unit);
    ASSERT_EQ(g.unit->fpl.blankPlanIndex, 4);
    EXPECT_EQ(planRows(g.plan(2)), planRows(loaded));  // the saved copy
    EXPECT_EQ(planRows(g.plan(3)), planRows(loaded));  // the hand-made file
}

TEST(RouteFileLoad, CommentsBlankLinesSectionCaseAndLineEndsReadAlike) {
    FplFixture f;
    f.writePlan("plain.rte", kThreeWaypoints);
    f.writePlan("commented.rte",
                "; saved by hand\njunk before the section\n[flightplan]\n; first leg\n"
                "KSEA 47.44944 -122.30944 APT ---\n\nSEA 47.435 -122.30972 VOR 116.80\n"
                "   ;indented comment\nKPDX 45.58861 -122.59694 APT\n");
    for (const char* name : {"plain.rte", "commented.rte"}) {
        SCOPED_TRACE(name);
        loadRouteFile(*f.unit, name);
        EXPECT_EQ(planRows(f.unit->fpl.scratch), kThreeRows);
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
    for (int i = 0; i < 250; ++i) {
        big.append("W").append(std::to_string(i)).append(" 1.0 2.0 INT\n");
    }
    f.writePlan("big.rte", big + std::string(5000, 'x') + "\n");  // ends in one very long line
    loadRouteFile(*f.unit, "big.rte");
    EXPECT_EQ(f.unit->fpl.scratch.lastIndex, kPlanWaypointCount - 1);
    EXPECT_STREQ(f.unit->fpl.scratch.waypoints[200].ident, "W200");
}

TEST(FolderScan, ListsRouteAndPlanFilesInNameOrder) {
    FplFixture f;
    f.writePlan("b-route.RTE", kThreeWaypoints);
    f.writePlan("a-route.rte", kThreeWaypoints);
    f.writePlan("Temp.RTE", kThreeWaypoints);   // a pilot's own plan like any other
    f.writePlan("notes.txt", kThreeWaypoints);  // other extensions are ignored
    f.writePlan("short.rte", "[FlightPlan]\nKSEA 47 -122 APT\n");  // one waypoint
    f.writePlan("c-plan.Pln",
                "[flightplan]\ndeparture_id=KSEA, N47* 26.98', W122* 18.57', +000433.00\n"
                "waypoint.0=KSEA, A, N47* 26.98', W122* 18.57', +000433.00,\n"
                "waypoint.1=KPDX, A, N45* 35.32', W122* 35.82', +000030.00,\n");
    scanFlightPlanFolder(*f.unit);
    ASSERT_EQ(f.unit->fpl.blankPlanIndex, 6);
    EXPECT_EQ(planIdents(f.plan(1)), (Rows{"MSFS", "PLNR"}));
    EXPECT_EQ((Rows{f.plan(1).name, f.plan(2).name, f.plan(3).name, f.plan(4).name, f.plan(5).name}),
              (Rows{"", "a-route.rte", "b-route.RTE", "c-plan.Pln", "Temp.RTE"}));
    // The .PLN import converts in memory: the pilot's file is read, never rewritten.
    EXPECT_EQ(f.readPlan("Temp.RTE"), kThreeWaypoints);
    EXPECT_EQ(planRows(f.plan(5)), kThreeRows);
    EXPECT_STREQ(f.plan(2).firstIdent, "KSEA");
    EXPECT_STREQ(f.plan(2).lastIdent, "KPDX");
    EXPECT_EQ(planRows(f.plan(4)),
              (Rows{"KSEA,APT,,47.44967,-122.30950", "KPDX,APT,,45.58867,-122.59700"}));
    EXPECT_EQ(planIdents(f.plan(6)), (Rows{""}));
}

// Every name the file system allows is listed, up to its 255 characters.
TEST(FolderScan, ListsLongFileNames) {
    FplFixture f;
    Rows names;
    for (const auto& [letter, length] : {std::pair{'a', 63}, {'b', 64}, {'c', 128}, {'d', 255}}) {
        names.push_back(std::string(static_cast<size_t>(length) - 4, letter) + ".rte");
        f.writePlan(names.back(), kThreeWaypoints);
    }
    scanFlightPlanFolder(*f.unit);
    ASSERT_EQ(f.unit->fpl.blankPlanIndex, 6);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(names[static_cast<size_t>(i)].size());
        EXPECT_EQ(f.plan(2 + i).name, names[static_cast<size_t>(i)]);
        EXPECT_EQ(planRows(f.plan(2 + i)), kThreeRows);
    }
}

TEST(FolderScan, StopsAfter197Files) {
    FplFixture f;
    for (int i = 1000; i < 1200; ++i) {
        f.writePlan(std::string("p").append(std::to_string(i)).append(".rte"), kThreeWaypoints);
    }
    scanFlightPlanFolder(*f.unit);
    EXPECT_EQ(f.unit->fpl.blankPlanIndex, 199);
    EXPECT_STREQ(f.plan(198).name, "p1196.rte");
}

TEST(RouteFileSave, RoundTripAndNamingSequence) {
    FplFixture f;
    scanFlightPlanFolder(*f.unit);
    setActiveRoute(*f.unit, {"KSEA", "SEA", "KPDX"});
    copyField(f.unit->fpl.activeRoute.waypoints[1].type, "VOR");
    copyField(f.unit->fpl.activeRoute.waypoints[1].frequency, "116.80");
    for (const char* expected : {"KSEA-KPDX.RTE", "KSEA-KPDX01.RTE", "KSEA-KPDX02.RTE"}) {
        SCOPED_TRACE(expected);
        const int32_t slot = f.unit->fpl.blankPlanIndex;
        EXPECT_EQ(saveRouteFile(*f.unit), SaveResult::Saved);
        EXPECT_STREQ(f.plan(slot).name, expected);
        EXPECT_EQ(f.unit->fpl.blankPlanIndex, slot + 1);
        EXPECT_TRUE(f.planExists(expected));
    }
    const std::string saved = f.readPlan("KSEA-KPDX.RTE");
    EXPECT_EQ(saved.substr(0, 14), "[FlightPlan]\r\n");
    EXPECT_NE(saved.find("SEA            47.10000 -122.00000  VOR 116.80\r\n"), std::string::npos);

    // A fresh unit reads the three files back as the same plans.
    FplFixture g;
    g.setRoot(f.unit->rootFolder);
    scanFlightPlanFolder(*g.unit);
    ASSERT_EQ(g.unit->fpl.blankPlanIndex, 5);
    EXPECT_EQ(planRows(g.plan(2)), (Rows{"KSEA,APT,,47.00000,-122.00000",
                                         "SEA,VOR,116.80,47.10000,-122.00000",
                                         "KPDX,APT,,47.20000,-122.00000"}));
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

TEST(RouteFileSave, UnsafeCharactersFullStoreAndMissingFolder) {
    FplFixture f;
    scanFlightPlanFolder(*f.unit);
    setActiveRoute(*f.unit, {"A/B", "C:D"});
    EXPECT_EQ(saveRouteFile(*f.unit), SaveResult::Saved);
    EXPECT_STREQ(f.plan(2).name, "A_B-C_D.RTE");
    // The last slot of the store is never filled by a save.
    f.unit->fpl.blankPlanIndex = kPlanStoreSlots - 1;
    EXPECT_EQ(saveRouteFile(*f.unit), SaveResult::StoreFull);
    EXPECT_EQ(f.unit->fpl.blankPlanIndex, kPlanStoreSlots - 1);

}

// A save that cannot write its file changes nothing in the store: the plan would be gone
// at the next start. Each case makes the write fail in a way that running as root does
// not get round.
TEST(RouteFileSave, FailedWriteKeepsTheStoreAsItWas) {
    const struct {
        const char* name;
        void (*prepare)(FplFixture&);
    } cases[] = {
        {"no folder", [](FplFixture& f) { f.setRoot((f.root.path() / "nowhere").string()); }},
        {"folder is a file",
         [](FplFixture& f) {
             f.root.write("file-root", "x");
             f.setRoot((f.root.path() / "file-root").string());
         }},
        {"name is a folder", [](FplFixture& f) { f.root.makeFolder(kPlansFolder + "KSEA-KPDX.RTE.tmp"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FplFixture f;
        c.prepare(f);
        scanFlightPlanFolder(*f.unit);
        EXPECT_EQ(f.unit->fpl.blankPlanIndex, 2);
        setActiveRoute(*f.unit, {"KSEA", "KPDX"});
        EXPECT_EQ(saveRouteFile(*f.unit), SaveResult::NotWritten);
        EXPECT_EQ(f.unit->fpl.blankPlanIndex, 2);
        EXPECT_STREQ(f.plan(2).name, "");
        EXPECT_FALSE(f.planExists("KSEA-KPDX.RTE"));
    }
}

}  // namespace
