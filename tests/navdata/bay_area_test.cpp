// The bundled Bay Area set the demo runs on: the unit loads every line of it, and at
// the big fields the nearest lists and information pages read as a pilot expects.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "frame/paths.h"
#include "frame/unit.h"
#include "navdb/lookup.h"
#include "navdb/navdb_load.h"
#include "navdb/nearest.h"

namespace {

const std::filesystem::path kRoot =
    std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "data" / "bay-area";

long dataLines(const char* file) {
    std::ifstream in(kRoot / kNavdataFolder[0] / kNavdataFolder[1] / kNavdataFolder[2] / file);
    long lines = 0;
    std::string line;
    while (std::getline(in, line)) lines += !line.empty() && line[0] != ';';
    return lines;
}

TEST(BayAreaData, LoadsWholeInIdentifierOrderAndFindsTheNearestFields) {
    auto unit = std::make_unique<Unit>();
    kRoot.string().copy(unit->rootFolder, sizeof unit->rootFolder - 1);
    LoadNavDatabase(*unit);
    const NavDbState& db = unit->db;
    EXPECT_GT(db.airportCount, 500);
    EXPECT_EQ(db.airportCount, dataLines("apts.txt"));
    EXPECT_EQ(db.vorCount + db.ndbCount, dataLines("navs.txt"));
    EXPECT_EQ(db.intersectionCount, dataLines("ints.txt"));
    for (int32_t i = 2; i <= db.airportCount; ++i) {
        ASSERT_LE(std::strcmp(db.airports[static_cast<size_t>(i - 1)].ident,
                              db.airports[static_cast<size_t>(i)].ident), 0) << i;
    }

    const struct { double lat, lon; const char* airport; const char* vor; } places[] = {
        {37.6188, -122.3750, "KSFO", "SFO"},
        {37.7213, -122.2208, "KOAK", "OAK"},
        {37.3626, -121.9291, "KSJC", "SJC"},
    };
    for (const auto& place : places) {
        unit->nav.aircraft.presentLat = place.lat;
        unit->nav.aircraft.presentLon = place.lon;
        UpdateNearestAirports(*unit);
        UpdateNearestVors(*unit);
        EXPECT_STREQ(db.nearestAirports.slots[1].ident, place.airport);
        EXPECT_STREQ(db.nearestVors.slots[1].ident, place.vor);
    }

    ASSERT_TRUE(FindExact(*unit, "KSFO", kTypeAirport));
    const AirportRecord& sfo = db.airports[static_cast<size_t>(db.currentAirport)];
    EXPECT_EQ(sfo.runwayCount, 8);
    LoadAirportInfo(*unit);
    EXPECT_STREQ(sfo.twr, "120.50");
    EXPECT_EQ(sfo.ils, 1);
}

}  // namespace
