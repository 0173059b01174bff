// Random lines through every line parser and random files through the loader: whatever
// the bytes, records stay within their fields and tables (run under the sanitizers too).
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "navdb/line_parsers.h"
#include "navdb/lookup.h"
#include "navdb/navdb_load.h"
#include "navdb_test_support.h"

namespace {

std::string randomLine(std::mt19937& random, size_t maxLength) {
    static const char alphabet[] = "AZ09_ _\t\r;.-+e[]=*\xEF\xBB\xBF\x00\xB0VORvor";
    std::uniform_int_distribution<size_t> length(0, maxLength);
    std::uniform_int_distribution<size_t> pick(0, sizeof alphabet - 2);
    std::string line(length(random), ' ');
    for (char& c : line) c = alphabet[pick(random)];
    return line;
}

template <int N>
bool terminated(const char (&field)[N]) { return std::memchr(field, '\0', N) != nullptr; }

TEST(ParserFuzz, RandomLinesStayWithinTheirFields) {
    std::mt19937 random(7);
    for (int i = 0; i < 5000; ++i) {
        const std::string line = randomLine(random, i % 10 == 0 ? 3000 : 200);
        AirportRecord airport{};
        if (parseAirportLine(line, airport)) {
            ASSERT_GE(airport.runwayCount, 0);
            ASSERT_LE(airport.runwayCount, kRunwayCapacity);
            ASSERT_TRUE(terminated(airport.name) && terminated(airport.elevation));
            for (int r = 1; r <= airport.runwayCount; ++r) {
                ASSERT_TRUE(terminated(airport.runways[r].designation));
                ASSERT_TRUE(terminated(airport.runways[r].auxText2));
            }
        }
        WaypointRecord record{};
        NavaidKind kind = NavaidKind::Vor;
        if (parseNavaidLine(line, record, kind)) {
            ASSERT_TRUE(terminated(record.frequency));
        }
        if (parseWaypointLine(line, "INT", record)) {
            ASSERT_TRUE(terminated(record.ident));
        }
    }
}

TEST(ParserFuzz, RandomFilesLoadWithoutHarm) {
    std::mt19937 random(11);
    for (int round = 0; round < 20; ++round) {
        std::string text;
        for (int i = 0; i < 200; ++i) text += randomLine(random, round % 4 == 0 ? 2500 : 80) + "\n";
        NavdataRoot root;
        for (const char* file : {"ints.txt", "user.txt", "apts.txt", "navs.txt", "apt_info.txt"}) {
            root.write(file, text);
        }
        Unit& unit = root.unit();
        LoadNavDatabase(unit);
        ASSERT_LE(unit.db.airportCount, 200);
        ASSERT_LE(unit.db.intersectionCount, 200);
        for (int32_t i = 1; i <= unit.db.airportCount; ++i) {
            unit.db.currentAirport = i;
            LoadAirportInfo(unit);
            ASSERT_TRUE(terminated(unit.db.airports[static_cast<size_t>(i)].atis));
            ListDuplicates(unit, unit.db.airports[static_cast<size_t>(i)].ident);
            ASSERT_GE(unit.db.candidateCount, 1);
        }
    }
}

}  // namespace
