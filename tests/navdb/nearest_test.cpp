// The nine-nearest lists: ordering, ties, radii, the runway filter, ranks and rebuilds.
#include "navdb/nearest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "nav/geodesy.h"

#include "navdb_test_support.h"

namespace {

class Nearest : public ::testing::Test {
protected:
    Nearest() : unit_(std::make_unique<Unit>()), unit(*unit_) { moveTo(50.0, 0.0); }

    void moveTo(double lat, double lon) {
        unit.nav.aircraft.presentLat = lat;
        unit.nav.aircraft.presentLon = lon;
    }
    // An airport `nm` north of the aircraft's start.
    int32_t airportNorth(const char* ident, double nm, int32_t runwayFeet = 5000) {
        return addTestAirport(unit, ident, 50.0 + nm / 60.0, 0.0, runwayFeet);
    }
    std::string slotIdents(const NearestList& list) const {
        std::string text;
        for (int k = 1; k <= kNearestSlotCount; ++k) {
            text += list.slots[k].recordIndex == 0 ? "-" : list.slots[k].ident;
            text += ' ';
        }
        return text;
    }
    std::unique_ptr<Unit> unit_;
    Unit& unit;
};

TEST_F(Nearest, FirstSearchFillsSlotsByDistanceWithRanks) {
    airportNorth("FAR", 170);
    airportNorth("NEAR", 10);
    airportNorth("OUT", 190);  // beyond the narrow radius
    airportNorth("MID", 50);
    airportNorth("MID2", 90);
    UpdateNearestAirports(unit);
    const NearestList& list = unit.db.nearestAirports;
    EXPECT_EQ(slotIdents(list), "NEAR MID MID2 FAR - - - - - ");
    EXPECT_NEAR(list.slots[1].distanceNm, 10.0, 1e-6);
    EXPECT_NEAR(list.slots[1].bearingDeg, 360.0, 1e-9);
    EXPECT_EQ(list.slots[5].distanceNm, 9999.0);
    EXPECT_EQ(unit.db.airports[2].nearestRank, 1);
    EXPECT_EQ(unit.db.airports[1].nearestRank, 4);
    EXPECT_EQ(unit.db.airports[3].nearestRank, 0);
}

TEST_F(Nearest, MoreThanNineKeepsTheNineNearestAndTiesKeepListOrder) {
    const char* idents[] = {"A1", "A2", "A3", "A4", "A5", "A6", "A7", "A8", "A9", "A10", "A11"};
    const double miles[] = {100, 20, 20, 90, 5, 80, 70, 60, 50, 40, 30};
    for (int i = 0; i < 11; ++i) airportNorth(idents[i], miles[i]);
    UpdateNearestAirports(unit);
    EXPECT_EQ(slotIdents(unit.db.nearestAirports), "A5 A2 A3 A11 A10 A9 A8 A7 A6 ");
    EXPECT_EQ(unit.db.airports[1].nearestRank, 0);
    EXPECT_EQ(unit.db.airports[4].nearestRank, 0);
}

TEST_F(Nearest, RunwayFilterAndForcedRebuild) {
    airportNorth("SHORT", 5, 900);
    airportNorth("MEDIUM", 10, 3000);
    airportNorth("LONG", 20, 8000);
    UpdateNearestAirports(unit);
    EXPECT_EQ(slotIdents(unit.db.nearestAirports), "MEDIUM LONG - - - - - - - ");

    // Without the force a search this close does nothing; with it the list changes.
    unit.settings.minRunwayLength = 5000;
    UpdateNearestAirports(unit);
    EXPECT_EQ(slotIdents(unit.db.nearestAirports), "MEDIUM LONG - - - - - - - ");
    unit.settings.nearestCriteriaChanged = 1;
    UpdateNearestAirports(unit);
    EXPECT_EQ(slotIdents(unit.db.nearestAirports), "LONG - - - - - - - - ");
    EXPECT_EQ(unit.db.airports[2].nearestRank, 0);
    EXPECT_EQ(unit.db.airports[3].nearestRank, 1);
}

TEST_F(Nearest, EverySearchThatIsDueFillsTheSlots) {
    airportNorth("HOME", 0.5);
    airportNorth("AWAY", 110);
    UpdateNearestAirports(unit);
    EXPECT_EQ(slotIdents(unit.db.nearestAirports), "HOME AWAY - - - - - - - ");
    // 60 NM on: the narrow list is rebuilt here, and the slots follow at once.
    moveTo(51.0, 0.0);
    UpdateNearestAirports(unit);
    EXPECT_EQ(slotIdents(unit.db.nearestAirports), "AWAY HOME - - - - - - - ");
    EXPECT_NEAR(unit.db.nearestAirports.slots[1].distanceNm, 50.0, 1e-6);
}

TEST_F(Nearest, NavaidsBeyondTheNarrowRadiusAreNeverListed) {
    addWaypoint(unit.db, kTypeVor, makeWaypoint("FAR", 50.0 + 181.0 / 60.0, 0.0, "VOR", "113.10"));
    addWaypoint(unit.db, kTypeNdb, makeWaypoint("NDB", 50.0, 1.0, "NDB", "335"));
    UpdateNearestVors(unit);
    UpdateNearestNdbs(unit);
    EXPECT_EQ(slotIdents(unit.db.nearestVors), "- - - - - - - - - ");
    EXPECT_EQ(slotIdents(unit.db.nearestNdbs), "NDB - - - - - - - - ");
    EXPECT_STREQ(unit.db.nearestNdbs.slots[1].frequency, "335");
    EXPECT_EQ(unit.db.ndbs[1].nearestRank, 1);
}

TEST_F(Nearest, ListsBuildWhereTheUnbuiltMarkerLiesOnTheEarth) {
    // (-1024, -1024) as angles is (56, 56): an aircraft there still gets its lists.
    moveTo(56.0, 56.0);
    addTestAirport(unit, "HERE", 56.1, 56.0);
    UpdateNearestAirports(unit);
    EXPECT_EQ(slotIdents(unit.db.nearestAirports), "HERE - - - - - - - - ");
}

TEST_F(Nearest, WideListHoldsTableOrderWithinSixHundredMiles) {
    airportNorth("W1", 590);
    airportNorth("W2", 610);
    addTestAirport(unit, "W3", 50.0, 179.0);
    airportNorth("W4", 100);
    BuildWideList(unit, NearestKind::Airports);
    const NearestList& list = unit.db.nearestAirports;
    ASSERT_EQ(list.wideCount, 2);
    EXPECT_STREQ(list.wideList[1].ident, "W1");
    EXPECT_STREQ(list.wideList[2].ident, "W4");
    BuildNarrowList(unit, NearestKind::Airports);
    ASSERT_EQ(list.narrowCount, 1);
    EXPECT_EQ(list.narrowList[1].recordIndex, 4);
}

// A dense region: more records within the radius than a list holds, the nearest ones at
// the end of the table (as a world set sorted by identifier puts them anywhere).
TEST_F(Nearest, OverfullListsKeepTheNearestInTableOrder) {
    // 3400 airports spread 100..500 NM east of the aircraft, then 100 within 50 NM, the
    // nearest of all last.
    char ident[12];
    for (int i = 0; i < 3400; ++i) {
        std::snprintf(ident, sizeof ident, "F%04d", i);
        addTestAirport(unit, ident, 50.0, (100.0 + (i * 7919 % 3400) * 400.0 / 3400.0) / 38.57);
    }
    for (int i = 0; i < 100; ++i) {
        std::snprintf(ident, sizeof ident, "N%03d", i);
        airportNorth(ident, 50.0 - i * 0.49);
    }
    UpdateNearestAirports(unit);
    const NearestList& list = unit.db.nearestAirports;
    EXPECT_STREQ(list.slots[1].ident, "N099");
    EXPECT_EQ(list.slots[1].recordIndex, 3500);
    ASSERT_EQ(list.wideCount, kWideListCapacity);
    // Every kept record is nearer than every dropped one, and the list is in table order.
    double keptFarthest = 0.0;
    bool kept[3501] = {};
    for (int32_t k = 1; k <= list.wideCount; ++k) {
        const NearestEntry& entry = list.wideList[static_cast<size_t>(k)];
        if (k > 1) {
            EXPECT_LT(list.wideList[static_cast<size_t>(k - 1)].recordIndex, entry.recordIndex);
        }
        kept[entry.recordIndex] = true;
        double distance = 0.0, bearing = 0.0;
        greatCircle(50.0, 0.0, entry.latitude, entry.longitude, distance, bearing);
        keptFarthest = std::max(keptFarthest, distance);
    }
    for (int32_t i = 1; i <= unit.db.airportCount; ++i) {
        if (kept[i]) continue;
        double distance = 0.0, bearing = 0.0;
        greatCircle(50.0, 0.0, unit.db.airports[static_cast<size_t>(i)].latitude,
                    unit.db.airports[static_cast<size_t>(i)].longitude, distance, bearing);
        EXPECT_GE(distance, keptFarthest) << "record " << i;
    }

    // 1200 VORs within 180 NM overfill the 1000-entry narrow list; the nearest, last in
    // the table, is still listed first.
    for (int i = 0; i < 1200; ++i) {
        addWaypoint(unit.db, kTypeVor,
                    makeWaypoint("V", 50.0 + (170.0 - i * 0.14) / 60.0, 0.0, "VOR", "110.00"));
    }
    UpdateNearestVors(unit);
    EXPECT_EQ(unit.db.nearestVors.narrowCount, kNavaidNarrowListCapacity);
    EXPECT_EQ(unit.db.nearestVors.slots[1].recordIndex, 1200);
    EXPECT_EQ(unit.db.nearestVors.narrowList[1].recordIndex, 201);
}

}  // namespace
