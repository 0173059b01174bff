// Plan operations: insert, delete, activate inverted, and the simulator plan import.
#include "fpl/plan_store.h"

#include <gtest/gtest.h>

#include "fpl/fpl_hooks.h"
#include "fpl_fixture.h"
#include "platform/sim/sim_flight_plan.h"
#include "platform/sim/sim_host.h"

namespace {

using Idents = std::vector<std::string>;

// A store with FPL 2 = A B C (A at 0,0, C at 2,-2) and the empty blank plan at 3.
void storeWithOnePlan(Unit& unit) {
    unit.fpl.blankPlanIndex = 3;
    FlightPlan& plan = *unit.fpl.store.plan(2);
    const char* idents[] = {"A", "B", "C"};
    for (int i = 0; i < 3; ++i) plan.waypoints[i] = makeWaypoint(idents[i], i, -i);
    plan.lastIndex = 2;
    clearPlanSlot(*unit.fpl.store.plan(3));
}

TEST(PlanOperations, UseInvertedSetsTheActiveLegAndNeedsWaypoints) {
    FplFixture f;
    storeWithOnePlan(*f.unit);
    f.unit->fpl.selectedPlan = 2;
    f.unit->nav.departureHour = 10.0;
    ASSERT_TRUE(useFlightPlan(*f.unit, PlanOrder::Inverted));
    EXPECT_EQ(describe(f.unit->fpl.activeRoute.waypoints[0]), "C,APT,,2.00000,-2.00000");
    EXPECT_EQ(activeIdents(*f.unit), (Idents{"C", "B", "A"}));
    EXPECT_EQ(f.unit->nav.leg.activeToIndex, 1);
    EXPECT_EQ(f.unit->nav.departureHour, -1.0);
    // The blank plan with nothing in it activates nothing.
    f.unit->fpl.selectedPlan = 3;
    EXPECT_FALSE(useFlightPlan(*f.unit, PlanOrder::Forward));
    EXPECT_EQ(f.unit->fpl.activeLastIndex, 2);
}

TEST(PlanOperations, InsertIntoBlankPlanReusesEmptyRowsAndStopsWhenFull) {
    FplFixture f;
    storeWithOnePlan(*f.unit);
    f.unit->fpl.selectedPlan = 3;
    FlightPlan& blank = f.plan(3);
    ASSERT_TRUE(insertPlanWaypoint(*f.unit, 0, makeWaypoint("KSEA")));  // before the empty row
    EXPECT_EQ(planIdents(blank), (Idents{"KSEA", ""}));
    // An empty row inserted in the middle is overwritten by the next insert there.
    ASSERT_TRUE(insertPlanWaypoint(*f.unit, 0, PlanWaypoint{}));
    ASSERT_TRUE(insertPlanWaypoint(*f.unit, 0, makeWaypoint("OLM")));
    EXPECT_EQ(planIdents(blank), (Idents{"OLM", "KSEA", ""}));
    ASSERT_TRUE(deletePlanWaypoint(*f.unit, 0));
    ASSERT_TRUE(deletePlanWaypoint(*f.unit, 1));  // the final row: only the count falls
    EXPECT_EQ(planIdents(blank), (Idents{"KSEA"}));
    EXPECT_FALSE(deletePlanWaypoint(*f.unit, 5));

    while (blank.lastIndex < kPlanWaypointCount - 1) {
        ASSERT_TRUE(insertPlanWaypoint(*f.unit, blank.lastIndex + 1, makeWaypoint("X")));
    }
    EXPECT_FALSE(insertPlanWaypoint(*f.unit, 3, makeWaypoint("Y")));
    EXPECT_FALSE(insertPlanWaypoint(*f.unit, -1, makeWaypoint("Y")));
    EXPECT_EQ(blank.lastIndex, kPlanWaypointCount - 1);
    EXPECT_STREQ(blank.waypoints[3].ident, "X");
}

TEST(PlanOperations, InsertIntoTheActiveRouteLeavesPerPlanFieldsBehind) {
    FplFixture f;
    storeWithOnePlan(*f.unit);
    setActiveRoute(*f.unit, {"A", "C"});
    f.unit->fpl.selectedPlan = 0;
    PlanWaypoint b = makeWaypoint("B");
    copyField(b.reservedText1, "x");
    b.recordIndex = 7;
    ASSERT_TRUE(insertPlanWaypoint(*f.unit, 1, b));
    EXPECT_EQ(activeIdents(*f.unit), (Idents{"A", "B", "C"}));
    // Copies between plans leave the first reserved text and the record index behind.
    EXPECT_STREQ(f.unit->fpl.activeRoute.waypoints[1].reservedText1, "");
    EXPECT_EQ(f.unit->fpl.activeRoute.waypoints[1].recordIndex, 0);
}

TEST(SimulatorPlan, ImportsTheHostBlockIntoFpl1CutToTheSlot) {
    FplFixture f;
    SimHost host;
    setSimFlightPlan(host, {{"KSEA", 47.44944, -122.30944}, {"LONGIDENT", 45.5, 122.5}});
    importSimulatorPlan(*f.unit, host);
    const FlightPlan& plan = f.plan(1);
    EXPECT_EQ(planIdents(plan), (Idents{"KSEA", "LONGIDEN"}));  // eight characters in the block
    EXPECT_STREQ(plan.lastIdent, "LONGIDEN");
    EXPECT_NEAR(plan.waypoints[0].latitude, 47.44944, 1e-4);
    EXPECT_NEAR(plan.waypoints[0].longitude, -122.30944, 1e-6);
    EXPECT_NEAR(plan.waypoints[1].longitude, 122.5, 1e-6);

    std::vector<SimPlanWaypoint> many;
    for (int i = 0; i < 300; ++i) {
        many.push_back({std::string("W").append(std::to_string(i)), 1.0, 2.0});
    }
    setSimFlightPlan(host, many);
    importSimulatorPlan(*f.unit, host);
    EXPECT_EQ(plan.lastIndex, kPlanWaypointCount - 1);
    EXPECT_STREQ(plan.waypoints[200].ident, "W200");
}

TEST(SimulatorPlan, MissingShortOrEmptyBlocksGiveNoRoute) {
    std::vector<std::vector<uint8_t>> blocks = {
        buildSimFlightPlanBlock({{"KSEA", 47, -122}}),  // one waypoint
        std::vector<uint8_t>(200, 0),                    // count 0, no list
        {16, 0, 0, 0},                                   // size word below 184
        buildSimFlightPlanBlock({{"A", 1, 1}, {"B", 2, 2}}),  // no list address
    };
    for (size_t i = 0; i <= blocks.size(); ++i) {  // the last pass publishes no block
        SCOPED_TRACE(i);
        FplFixture f;
        SimHost host;
        storeWithOnePlan(*f.unit);
        if (i < blocks.size()) {
            std::vector<uint8_t> block = blocks[i];
            if (block.size() < 184) block.resize(184, 0);  // readable, but its size word says less
            host.setDataBlock("FS2002 GPS DATA", block);
        }
        importSimulatorPlan(*f.unit, host);
        EXPECT_EQ(activeIdents(*f.unit), (Idents{"No Rte", "End"}));
        EXPECT_EQ(planIdents(f.plan(1)), (Idents{"No Rte", "End"}));
    }
}

}  // namespace
