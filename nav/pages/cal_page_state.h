// What the CAL pages keep between draws: the page shown (1..5), the field under the cursor
// on CAL 4 (1 ground speed, 2 vertical speed, 3 angle) and CAL 5 (1 degrees Celsius,
// 2 degrees Fahrenheit, 3 knots, 4 miles per hour), the digit of the barometric setting
// under the cursor on CAL 1 and CAL 2 (1..4, from the left), and the CAL 5 conversion
// values. The VNAV values CAL 4 edits are shared with NAV 4 (nav/vnav_state.h).
#pragma once

#include <cstdint>

constexpr int32_t kFirstCalPage = 1;
constexpr int32_t kLastCalPage = 5;
constexpr double kMphPerKnot = 1.15077945;
constexpr double kKnotsPerMph = 0.868976242;

struct CalPageState {
    int32_t calPage = kFirstCalPage;
    int32_t vnavCalField = 1;
    int32_t convField = 1;
    int32_t baroDigit = 1;
    // The conversions open consistent: 32 degrees F is 0 degrees C, 100 kt in mph.
    double convCelsius = 0.0;
    double convFahrenheit = 32.0;
    double convKnots = 100.0;
    double convMph = 100.0 * kMphPerKnot;
};
