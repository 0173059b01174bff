// Position texts, display rows and the entry parser, with the rounding carry.
#include "navdb/coordinates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

// The latitude text of `lat` and the longitude text of `lonWest` (west positive).
std::string positionText(double lat, double lonWest) {
    char latText[kPositionTextSize];
    char lonText[kPositionTextSize];
    FormatPosition(lat, lonWest, latText, lonText, kAngleDegrees);
    return std::string(latText) + " " + lonText;
}

TEST(Coordinates, FormatsHemisphereDegreesMinutesHundredthsWithTheRoundingCarry) {
    const struct { double lat, lonWest; const char* text; } cases[] = {
        {51.5, 0.1, "N51:30:00 W00:06:00"},
        {-33.8675, -151.1772, "S33:52:05 E151:10:63"},
        {0.0, 122.5, "N00:00:00 W122:30:00"},
        {-0.0, 0.0, "N00:00:00 W00:00:00"},
        {NAN, 0.0, "N00:00:00 W00:00:00"},
        // Hundredths that round to 100 carry into the minutes, minutes into the degrees.
        {10.0 + 0.9996 / 60.0, -99.999999, "N10:01:00 E100:00:00"},
        {45.99999, 0.0, "N46:00:00 W00:00:00"},
        {-12.0 - 59.9999 / 60.0, 0.0, "S13:00:00 W00:00:00"},
    };
    for (const auto& c : cases) EXPECT_EQ(positionText(c.lat, c.lonWest), c.text) << c.text;

    char latText[kPositionTextSize];
    char lonText[kPositionTextSize];
    FormatPosition(51.5 * 0.017453292519943295, 0.0, latText, lonText, 0);  // radians
    EXPECT_STREQ(latText, "N51:30:00");
    // Every hundredth of a minute over a few degrees stays within two-digit fields.
    for (int i = 0; i < 60000; ++i) {
        std::string text = positionText(i / 6000.0 - 1e-9, 0.0);
        text.resize(text.find(' '));
        ASSERT_EQ(text.size(), 9u) << text;
        ASSERT_LT(std::stoi(text.substr(4, 2)), 60) << text;
    }
}

TEST(Coordinates, DisplayRows) {
    char row[kPositionRowSize];
    const struct { const char* text, *row; } texts[] = {
        {"N51:30:00", "N 51\xB0" "30.00'"},
        {"W00:06:00", "W 00\xB0" "06.00'"},
        {"W122:30:00", "W122\xB0" "30.00'"},
        {"garbage", ""},
    };
    for (const auto& c : texts) {
        FormatPositionRow(c.text, row);
        EXPECT_STREQ(row, c.row) << c.text;
    }
    FormatLongitudeRow(-0.1, row);  // stored east positive: 0.1 W
    EXPECT_STREQ(row, "W 00\xB0" "06.00'");
}

TEST(Coordinates, ParsesEnteredTexts) {
    const struct { const char* lat, *lon; double latitude, longitude; } cases[] = {
        {"N51:30:00", "W00:06:00", 51.5, 0.1},
        {"S33:52:05", "E151:10:63", 33.0 + 52.05 / 60.0, 151.0 + 10.63 / 60.0},
        {"N5_:__:__", "W__:3_:__", 5.0, 0.05},  // placeholders
        {"N", "", 0.0, 0.0},                    // short texts read what is there
        // Leading placeholders read as 0 and the digits after them count.
        {"N_5:_3:_1", "W_95:30:00", 5.0 + 3.01 / 60.0, 95.5},
        {"S__:__:__", "E__5:_0:5_", 0.0, 5.0 + 0.05 / 60.0},
        {"N__:_5:__", "W_5_:30:00", 5.0 / 60.0, 5.5},
    };
    for (const auto& c : cases) {
        double lat = -1.0;
        double lon = -1.0;
        ParsePosition(c.lat, c.lon, lat, lon);
        EXPECT_DOUBLE_EQ(lat, c.latitude) << c.lat;
        EXPECT_DOUBLE_EQ(lon, c.longitude) << c.lon;
    }
}

}  // namespace
