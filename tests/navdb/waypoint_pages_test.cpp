// The pieces the waypoint pages share: name wrapping, runway designations and pairs.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "navdb/pages/waypoint_pages.h"

namespace {

TEST(NameWrapping, SplitsNamesOntoTwoRowsOfElevenCharacters) {
    const struct { const char* name, *line1, *line2; } cases[] = {
        {"LONDON_HEATHROW", "LONDON", "HEATHROW"},
        {"NEW_YORK_KENNEDY", "NEW YORK", "KENNEDY"},
        {"ABCDEFGHIJKLMNO", "ABCDEFGHIJK", ""},      // no blank: cut, nothing below
        {"ELEVEN_CHRS", "ELEVEN CHRS", ""},          // 11 characters fit on one row
        {"ABCDEFGHI_JKLMNOP", "ABCDEFGHI", "JKLMNOP"},  // tenth character a blank
        {"ABCD_FGHIJK_LMN", "ABCD FGHIJK", "LMN"},   // joined line of exactly 11
        // Lengths summing to 11 would join to 12 and be cut mid-word: the word stays below.
        {"ABCDE_FGHIJK_LMN", "ABCDE", "FGHIJK LMN"},
        {"KANSAS_CITY_INTL_AIRPORT_EXTRA", "KANSAS CITY", "INTL AIRPO"},  // cut at 22
        {"", "", ""},
    };
    for (const auto& c : cases) {
        const NameLines lines = splitName(c.name);
        EXPECT_STREQ(lines.line1, c.line1) << c.name;
        EXPECT_STREQ(lines.line2, c.line2) << c.name;
    }
}

TEST(RunwayDesignations, ReciprocalAddsEighteenAndSwapsTheSide) {
    const struct {
        const char* designation;
        const char* reciprocal;  // null: not the low end of a pair
    } cases[] = {
        {"09", "27"},   {"09L", "27R"}, {"01R", "19L"}, {"18C", "36C"}, {"4", "22"},
        {"27", nullptr}, {"36L", nullptr}, {"H1", nullptr}, {"00", nullptr}, {"", nullptr},
    };
    for (const auto& c : cases) {
        char out[kRunwayDesignationChars + 1];
        const bool low = reciprocalDesignation(c.designation, out);
        EXPECT_EQ(low, c.reciprocal != nullptr) << c.designation;
        EXPECT_STREQ(out, c.reciprocal != nullptr ? c.reciprocal : "") << c.designation;
    }
}

RunwayRecord runway(const char* designation, double lat, double lon, double headingMag,
                    int32_t lengthFeet) {
    RunwayRecord r{};
    std::strncpy(r.designation, designation, sizeof r.designation - 1);
    r.thresholdLatitude = lat;
    r.thresholdLongitude = lon;
    r.magneticHeading = headingMag;
    r.lengthFeet = lengthFeet;
    return r;
}

TEST(RunwayPairs, PairsAreTheLowEndsInFileOrderWithFarEndsOnTheirReciprocals) {
    AirportRecord airport{};
    airport.latitude = 10.0;
    airport.longitude = 10.0;
    // The 27 and the 36 have no length, so that their far ends are their thresholds and
    // the box round all runway ends is the pair's.
    airport.runways[1] = runway("27", 5.0, 5.0, 270.0, 0);  // threshold far off in the file
    airport.runways[2] = runway("09", 0.0, 0.0, 80.0, 6076);  // 1 NM east with 10 deg E var
    airport.runways[3] = runway("36", 0.0, 0.0, 360.0, 0);  // no low end listed
    airport.runwayCount = 3;

    prepareRunwayPairs(airport, 10.0);
    EXPECT_EQ(airport.runwayPairCount, 1);
    EXPECT_EQ(runwayOfPair(airport, 1), 2);
    EXPECT_EQ(runwayOfPair(airport, 2), 0);
    EXPECT_STREQ(airport.runways[2].reciprocalDesignation, "27");
    EXPECT_NEAR(airport.runways[1].thresholdLatitude, 0.0, 1e-9);
    EXPECT_NEAR(airport.runways[1].thresholdLongitude, 1.0 / 60.0, 1e-9);
    // The centre of the box round all runway ends, the scale their greatest spread.
    EXPECT_NEAR(airport.latitude, 0.0, 1e-9);
    EXPECT_NEAR(airport.longitude, 0.5 / 60.0, 1e-9);
    EXPECT_NEAR(airport.diagramScale, 1.0, 1e-6);
    EXPECT_EQ(airport.diagramScaleValid, 1);
}

TEST(RunwayPairs, SingleEndSpansTheWholeRunwayAndNoRunwayKeepsThePosition) {
    AirportRecord airport{};
    airport.latitude = 51.5;
    airport.longitude = -0.1;
    prepareRunwayPairs(airport, 0.0);
    EXPECT_EQ(airport.runwayPairCount, 0);
    EXPECT_EQ(airport.latitude, 51.5);
    EXPECT_EQ(airport.longitude, -0.1);
    EXPECT_EQ(airport.diagramScale, 0.0);

    AirportRecord single{};
    single.runways[1] = runway("18", 1.0, 0.0, 180.0, 12152);  // 2 NM south
    single.runwayCount = 1;
    prepareRunwayPairs(single, 0.0);
    EXPECT_NEAR(single.latitude, 1.0 - 1.0 / 60.0, 1e-9);
    EXPECT_NEAR(single.diagramScale, 2.0, 1e-6);
}

}  // namespace
