// Position texts, display rows and the entry parser, with the rounding carry.
#include "navdb/coordinates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>


namespace {

std::string latitudeText(double lat) {
    char latText[kPositionTextSize];
    char lonText[kPositionTextSize];
    FormatPosition(lat, 0.0, latText, lonText, kAngleDegrees);
    return latText;
}

std::string longitudeText(double lonWest) {
    char latText[kPositionTextSize];
    char lonText[kPositionTextSize];
    FormatPosition(0.0, lonWest, latText, lonText, kAngleDegrees);
    return lonText;
}

TEST(Coordinates, FormatsHemisphereDegreesMinutesHundredths) {
    EXPECT_EQ(latitudeText(51.5), "N51:30:00");
    EXPECT_EQ(longitudeText(0.1), "W00:06:00");
    EXPECT_EQ(longitudeText(122.5), "W122:30:00");
    EXPECT_EQ(longitudeText(-151.1772), "E151:10:63");
    EXPECT_EQ(latitudeText(-33.8675), "S33:52:05");
    EXPECT_EQ(latitudeText(0.0), "N00:00:00");
    EXPECT_EQ(latitudeText(-0.0), "N00:00:00");
    EXPECT_EQ(latitudeText(NAN), "N00:00:00");
    char latText[kPositionTextSize];
    char lonText[kPositionTextSize];
    FormatPosition(51.5 * 0.017453292519943295, 0.0, latText, lonText, 0);  // radians
    EXPECT_STREQ(latText, "N51:30:00");
}

TEST(Coordinates, HundredthsRoundingUpCarryIntoMinutesAndDegrees) {
    EXPECT_EQ(latitudeText(10.0 + 0.9996 / 60.0), "N10:01:00");
    EXPECT_EQ(latitudeText(45.99999), "N46:00:00");
    EXPECT_EQ(longitudeText(-99.999999), "E100:00:00");
    EXPECT_EQ(latitudeText(-12.0 - 59.9999 / 60.0), "S13:00:00");
    // Every hundredth of a minute over a few degrees stays within two-digit fields.
    for (int i = 0; i < 60000; ++i) {
        const std::string text = latitudeText(i / 6000.0 - 1e-9);
        ASSERT_EQ(text.size(), 9u) << text;
        ASSERT_LT(std::stoi(text.substr(4, 2)), 60) << text;
    }
}

TEST(Coordinates, DisplayRows) {
    char row[kPositionRowSize];
    FormatPositionRow("N51:30:00", row);
    EXPECT_STREQ(row, "N 51\xB0" "30.00'");
    FormatPositionRow("W00:06:00", row);
    EXPECT_STREQ(row, "W 00\xB0" "06.00'");
    FormatPositionRow("W122:30:00", row);
    EXPECT_STREQ(row, "W122\xB0" "30.00'");
    FormatLatitudeRow(-33.8675, row);
    EXPECT_STREQ(row, "S 33\xB0" "52.05'");
    FormatLongitudeRow(-0.1, row);  // stored east positive: 0.1 W
    EXPECT_STREQ(row, "W 00\xB0" "06.00'");
    FormatLongitudeRow(151.1772, row);
    EXPECT_STREQ(row, "E151\xB0" "10.63'");
    FormatPositionRow("garbage", row);
    EXPECT_STREQ(row, "");
}

TEST(Coordinates, ParsesEnteredTexts) {
    double lat = 0.0;
    double lon = 0.0;
    ParsePosition("N51:30:00", "W00:06:00", lat, lon);
    EXPECT_DOUBLE_EQ(lat, 51.5);
    EXPECT_DOUBLE_EQ(lon, 0.1);
    ParsePosition("S33:52:05", "E151:10:63", lat, lon);
    EXPECT_DOUBLE_EQ(lat, 33.0 + 52.05 / 60.0);
    EXPECT_DOUBLE_EQ(lon, 151.0 + 10.63 / 60.0);
    ParsePosition("N5_:__:__", "W__:3_:__", lat, lon);  // placeholders
    EXPECT_DOUBLE_EQ(lat, 5.0);
    EXPECT_DOUBLE_EQ(lon, 0.05);
    ParsePosition("N", "", lat, lon);  // short texts read what is there
    EXPECT_EQ(lat, 0.0);
    EXPECT_EQ(lon, 0.0);
}

}  // namespace
