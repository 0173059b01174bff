// Position texts, display rows, coordinate entry lists and the entered-text parser.
#include "base/text.h"
#include "navdb/coordinates.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "frame/unit.h"
#include "nav/geodesy.h"

namespace {

constexpr char kDegreeSign = static_cast<char>(0xB0);
// Larger magnitudes are no position; they format as 0 rather than overflow the fields.
constexpr double kLargestAngleDeg = 100000.0;

// One angle as letter, degrees, ":", minutes, ":", hundredths of a minute.
void formatAngle(double angle, char negativeLetter, char positiveLetter,
                 char (&text)[kPositionTextSize]) {
    if (!std::isfinite(angle) || std::fabs(angle) > kLargestAngleDeg) angle = 0.0;
    const char letter = angle < 0.0 ? negativeLetter : positiveLetter;
    const double degrees = std::trunc(angle);
    const double minutes = (angle - degrees) * 60.0;
    const double wholeMinutes = std::trunc(minutes);
    const double hundredths = std::round((minutes - wholeMinutes) * 100.0);
    int d = static_cast<int>(std::fabs(degrees));
    int m = static_cast<int>(std::fabs(wholeMinutes));
    int h = static_cast<int>(std::fabs(hundredths));
    // A fraction that rounds up to a whole minute carries, so no field shows 100
    // hundredths or 60 minutes.
    if (h >= 100) {
        h -= 100;
        ++m;
    }
    if (m >= 60) {
        m -= 60;
        ++d;
    }
    char formatted[48];
    std::snprintf(formatted, sizeof formatted, "%c%s%d:%s%d:%s%d", letter, d < 10 ? "0" : "", d,
                  m < 10 ? "0" : "", m, h < 10 ? "0" : "", h);
    copyField(text, formatted);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A group of `width` characters from position `start` (0-based) read as a decimal
// number. Leading "_" placeholders read as 0 and the digits after them count (a pilot
// leaves the hundreds of W _95 blank); a "_" after a digit, or anything else that is not
// a digit, ends the number.
int readGroup(std::string_view text, size_t start, size_t width) {
    const size_t end = std::min(start + width, text.size());
    size_t i = start;
    while (i < end && text[i] == '_') ++i;
    int value = 0;
    for (; i < end && isDigit(text[i]); ++i) value = value * 10 + (text[i] - '0');
    return value;
}

double groupsToDegrees(int degrees, int minutes, int hundredths) {
    return degrees + (minutes + hundredths / 100.0) / 60.0;
}

void setChoices(CoordinateChoices& position, const char* choices) {
    std::memset(position.choices, 0, sizeof position.choices);
    const size_t length = std::strlen(choices);
    std::memcpy(position.choices, choices, length);
    position.choiceCount = static_cast<int32_t>(length);
    position.selected = 0;
}

char selectedChoice(const CoordinateChoices& position) {
    if (position.selected < 0 || position.selected >= position.choiceCount) return '_';
    return position.choices[position.selected];
}

}  // namespace

void FormatPosition(double latitude, double longitudeWest, char (&latitudeText)[kPositionTextSize],
                    char (&longitudeText)[kPositionTextSize], int32_t angleUnitFlag) {
    if (angleUnitFlag != kAngleDegrees) {
        latitude *= kRadToDeg;
        longitudeWest *= kRadToDeg;
    }
    formatAngle(latitude, 'S', 'N', latitudeText);
    formatAngle(longitudeWest, 'E', 'W', longitudeText);
}

void FormatPositionRow(const char* positionText, char (&row)[kPositionRowSize]) {
    std::memset(row, 0, sizeof row);
    const std::string_view text(positionText);
    const size_t degreeDigits = text.size() == 9 ? 2 : text.size() == 10 ? 3 : 0;
    if (degreeDigits == 0 || text[degreeDigits + 1] != ':' || text[degreeDigits + 4] != ':') {
        return;
    }
    const std::string_view degrees = text.substr(1, degreeDigits);
    const std::string_view minutes = text.substr(degreeDigits + 2, 2);
    const std::string_view hundredths = text.substr(degreeDigits + 5, 2);
    std::snprintf(row, sizeof row, "%c%s%.*s%c%.*s.%.*s'", text[0], degreeDigits == 2 ? " " : "",
                  static_cast<int>(degrees.size()), degrees.data(), kDegreeSign,
                  static_cast<int>(minutes.size()), minutes.data(),
                  static_cast<int>(hundredths.size()), hundredths.data());
}

void FormatLatitudeRow(double latitude, char (&row)[kPositionRowSize]) {
    char latitudeText[kPositionTextSize];
    char longitudeText[kPositionTextSize];
    FormatPosition(latitude, 0.0, latitudeText, longitudeText, kAngleDegrees);
    FormatPositionRow(latitudeText, row);
}

void FormatLongitudeRow(double longitudeEast, char (&row)[kPositionRowSize]) {
    char latitudeText[kPositionTextSize];
    char longitudeText[kPositionTextSize];
    FormatPosition(0.0, -longitudeEast, latitudeText, longitudeText, kAngleDegrees);
    FormatPositionRow(longitudeText, row);
}

void ParsePosition(const char* latitudeText, const char* longitudeText, double& latitude,
                   double& longitude) {
    const std::string_view lat(latitudeText != nullptr ? latitudeText : "");
    const std::string_view lon(longitudeText != nullptr ? longitudeText : "");
    latitude = groupsToDegrees(readGroup(lat, 1, 2), readGroup(lat, 4, 2), readGroup(lat, 7, 2));
    const bool threeDegreeDigits = lon.size() > 3 && lon[3] != ':';
    if (threeDegreeDigits) {
        longitude =
            groupsToDegrees(readGroup(lon, 1, 3), readGroup(lon, 5, 2), readGroup(lon, 8, 2));
    } else {
        longitude =
            groupsToDegrees(readGroup(lon, 1, 2), readGroup(lon, 4, 2), readGroup(lon, 7, 2));
    }
}

void InitCoordinateLists(Unit& unit) {
    CoordinateChoices* positions = unit.db.coordinateEntry;
    for (int32_t i = 0; i < kCoordinatePositions; ++i) setChoices(positions[i], "_0123456789");
    setChoices(positions[kLatitudeFirstPosition], "_NS");
    setChoices(positions[kLongitudeFirstPosition], "_EW");
}

void BuildEnteredLatitudeText(const Unit& unit, char (&text)[kPositionTextSize]) {
    const CoordinateChoices* p = unit.db.coordinateEntry + kLatitudeFirstPosition;
    std::snprintf(text, sizeof text, "%c%c%c:%c%c:%c%c", selectedChoice(p[0]),
                  selectedChoice(p[1]), selectedChoice(p[2]), selectedChoice(p[3]),
                  selectedChoice(p[4]), selectedChoice(p[5]), selectedChoice(p[6]));
}

void BuildEnteredLongitudeText(const Unit& unit, char (&text)[kPositionTextSize]) {
    const CoordinateChoices* p = unit.db.coordinateEntry + kLongitudeFirstPosition;
    std::snprintf(text, sizeof text, "%c%c%c%c:%c%c:%c%c", selectedChoice(p[0]),
                  selectedChoice(p[1]), selectedChoice(p[2]), selectedChoice(p[3]),
                  selectedChoice(p[4]), selectedChoice(p[5]), selectedChoice(p[6]),
                  selectedChoice(p[7]));
}
