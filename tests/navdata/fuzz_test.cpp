// Random rows through the converter: whatever the input, it finishes, and everything it
// writes the unit loads whole (run under the sanitizers too).
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>

#include "navdata_test_support.h"

namespace {

std::string randomRows(std::mt19937& random, const std::vector<std::string>& codes, int rows) {
    static const char* const words[] = {"37.5", "-122.25", "0", "12180", "09L", "H1", "xxx",
                                        "1e309", "nan", "M\xc3\xbcnchen", "\xe9t\xe9", "[X]",
                                        "_", ";", "", "\t", "9999999999999999999", "-0", "18"};
    std::uniform_int_distribution<size_t> code(0, codes.size() - 1);
    std::uniform_int_distribution<size_t> word(0, std::size(words) - 1);
    std::uniform_int_distribution<int> fields(0, 30);
    std::string text;
    for (int row = 0; row < rows; ++row) {
        text += codes[code(random)];
        for (int f = fields(random); f > 0; --f) text += std::string(" ") + words[word(random)];
        text += row % 7 == 0 ? "\r\n" : "\n";
    }
    return text;
}

long lines(const std::string& text) {
    std::istringstream in(text);
    long count = 0;
    for (std::string line; std::getline(in, line);) ++count;
    return count;
}

TEST(NavdataFuzz, RandomRowsConvertIntoFilesTheUnitLoadsWhole) {
    std::mt19937 random(13);
    for (int round = 0; round < 20; ++round) {
        Conversion conversion;
        conversion.write("apt.dat", randomRows(random, {"1", "16", "17", "100", "101", "102", "10",
                                                        "14", "50", "55", "1054", "1302", "99", "7"},
                                               300));
        conversion.write("nav.dat", randomRows(random, {"2", "3", "4", "12", "99", "x"}, 100));
        conversion.write("earth_fix.dat", randomRows(random, {"37.5", "-1", "99", "ab"}, 100));
        ASSERT_EQ(conversion.run(), 0) << conversion.messages;
        const Unit& unit = conversion.load();
        EXPECT_EQ(unit.db.airportCount, lines(conversion.output("apts.txt")));
        EXPECT_EQ(unit.db.vorCount + unit.db.ndbCount, lines(conversion.output("navs.txt")));
        EXPECT_EQ(unit.db.intersectionCount, lines(conversion.output("ints.txt")));
        for (int32_t i = 1; i <= unit.db.airportCount; ++i) {
            const AirportRecord& airport = unit.db.airports[static_cast<size_t>(i)];
            for (int32_t r = 1; r <= airport.runwayCount; ++r) {
                ASSERT_NE(airport.runways[r].designation[0], '\0') << airport.ident;
            }
        }
    }
}

}  // namespace
