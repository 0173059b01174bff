// Helpers for the database tests: a unit whose root folder is a temporary folder, with
// data files written into its navdata folder.
#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "frame/paths.h"
#include "frame/unit.h"
#include "navdb/tables.h"
#include "base/text.h"
#include <gtest/gtest.h>

#include "support/test_bench.h"

class NavdataRoot {
public:
    NavdataRoot() : unit_(std::make_unique<Unit>()) {
        const std::string root = folder_.path().string();
        root.copy(unit_->rootFolder, sizeof unit_->rootFolder - 1);
    }

    Unit& unit() { return *unit_; }

    // Writes a file of the navdata folder.
    void write(const std::string& fileName, std::string_view contents) const {
        folder_.write(navdataPath(fileName), contents);
    }

    // Copies a fixture from tests/navdb/data into the navdata folder as `fileName`.
    void copyFixture(const std::string& fixture, const std::string& fileName) const {
        const std::filesystem::path data = std::filesystem::path(__FILE__).parent_path() / "data";
        std::ifstream in(data / fixture, std::ios::binary);
        if (!in) ADD_FAILURE() << "missing fixture " << (data / fixture);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        write(fileName, bytes.str());
    }

private:
    static std::string navdataPath(const std::string& fileName) {
        return std::string(kNavdataFolder[0]) + "/" + kNavdataFolder[1] + "/" +
               kNavdataFolder[2] + "/" + fileName;
    }

    TempFolder folder_;
    std::unique_ptr<Unit> unit_;
};

// A waypoint record for a table, with the type text its letter stores.
inline WaypointRecord makeWaypoint(const char* ident, double lat = 0.0, double lon = 0.0,
                                   const char* typeText = "INT", const char* frequency = "") {
    WaypointRecord record{};
    copyField(record.ident, ident);
    copyField(record.name, ident);
    copyField(record.typeText, typeText);
    copyField(record.frequency, frequency);
    record.latitude = lat;
    record.longitude = lon;
    return record;
}

// Adds an airport with one runway of `runwayFeet` (none when 0).
inline int32_t addTestAirport(Unit& unit, const char* ident, double lat = 0.0, double lon = 0.0,
                              int32_t runwayFeet = 5000) {
    AirportRecord* slot = nextAirportSlot(unit.db);
    if (slot == nullptr) return 0;
    *slot = AirportRecord{};
    copyField(slot->ident, ident);
    copyField(slot->name, ident);
    copyField(slot->typeText, "APT");
    slot->latitude = lat;
    slot->longitude = lon;
    if (runwayFeet > 0) {
        slot->runwayCount = 1;
        slot->runways[1].lengthFeet = runwayFeet;
        slot->longestRunwayFeet = runwayFeet;
    }
    return commitAirport(unit.db);
}
