// The sample navdata folder the demo runs on loads whole and reads as intended.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "frame/unit.h"
#include "navdb/lookup.h"
#include "navdb/navdb_load.h"
#include "navdb/nearest.h"

namespace {

TEST(SampleData, LoadsEveryTableAndTheInformationFile) {
    const std::filesystem::path sample =
        std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "sample";
    auto unit = std::make_unique<Unit>();
    sample.string().copy(unit->rootFolder, sizeof unit->rootFolder - 1);
    LoadNavDatabase(*unit);
    EXPECT_EQ(unit->db.airportCount, 10);
    EXPECT_EQ(unit->db.vorCount, 7);
    EXPECT_EQ(unit->db.ndbCount, 5);
    EXPECT_EQ(unit->db.intersectionCount, 10);
    EXPECT_EQ(unit->db.userWaypointCount, 2);

    ASSERT_TRUE(FindExact(*unit, "KSEA", kTypeAirport));
    AirportRecord& seattle = unit->db.airports[static_cast<size_t>(unit->db.currentAirport)];
    EXPECT_EQ(seattle.runwayCount, 6);
    EXPECT_EQ(seattle.longestRunwayFeet, 11901);
    LoadAirportInfo(*unit);
    EXPECT_STREQ(seattle.twr, "119.9");
    EXPECT_EQ(seattle.ils, 1);

    // Over Seattle the nearest airport is KSEA; the 900-foot strip is never listed.
    unit->nav.aircraft.presentLat = 47.45;
    unit->nav.aircraft.presentLon = -122.31;
    UpdateNearestAirports(*unit);
    EXPECT_STREQ(unit->db.nearestAirports.slots[1].ident, "KSEA");
    for (const auto& slot : unit->db.nearestAirports.slots) EXPECT_STRNE(slot.ident, "W10");
}

}  // namespace
