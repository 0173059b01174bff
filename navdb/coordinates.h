// Position texts: degrees to hemisphere, degrees, minutes and hundredths of a minute, the
// displayed position rows, the digit-by-digit coordinate entry lists and the parser of
// entered texts.
//
// Position texts have no blanks: latitude "N51:28:07" (9 characters); longitude
// "W01:28:07" or "W123:28:07" (9 or 10). Display rows: "N 51\xB028.07'", "W123\xB028.07'"
// (0xB0 is the degree sign of the display's character set).
#pragma once

#include <cstdint>

constexpr int kPositionTextSize = 16;  // room for any text FormatPosition writes
constexpr int kPositionRowSize = 16;

constexpr int32_t kAngleDegrees = 1;  // FormatPosition's unit flag; any other = radians

struct Unit;

// Writes the latitude and longitude texts. The longitude is west positive (callers pass
// the negated stored longitude): positive gives "W", negative "E". Hundredths that round
// to 100 carry into the minutes, and 60 minutes into the degrees.
void FormatPosition(double latitude, double longitudeWest, char (&latitudeText)[kPositionTextSize],
                    char (&longitudeText)[kPositionTextSize], int32_t angleUnitFlag);

// The display row of a position text: letter, blank and two degree digits (9-character
// text) or three degree digits (10-character text), degree sign, minutes, ".",
// hundredths, apostrophe. Any other text gives an empty row.
void FormatPositionRow(const char* positionText, char (&row)[kPositionRowSize]);

// The display rows of a stored position (degrees, east positive longitude).
void FormatLatitudeRow(double latitude, char (&row)[kPositionRowSize]);
void FormatLongitudeRow(double longitudeEast, char (&row)[kPositionRowSize]);

// Reads entered texts back to degrees (magnitudes; the caller applies "S" and "W").
// Groups still holding "_" in their first place read as 0; "_" after a digit ends it.
void ParsePosition(const char* latitudeText, const char* longitudeText, double& latitude,
                   double& longitude);

// Builds the fifteen coordinate entry lists with every index at 0 ("_").
void InitCoordinateLists(Unit& unit);

// The entered texts from the selected entries: "%s%s%s:%s%s:%s%s" for the latitude,
// "%s%s%s%s:%s%s:%s%s" for the longitude.
void BuildEnteredLatitudeText(const Unit& unit, char (&text)[kPositionTextSize]);
void BuildEnteredLongitudeText(const Unit& unit, char (&text)[kPositionTextSize]);
