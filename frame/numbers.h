// Conversion of host values to the unit's integers.
#pragma once

#include <cstdint>

// Truncation toward zero of a host value, with NaN giving 0 and values beyond the 32-bit
// range clamped, so no host value can make the conversion undefined.
[[nodiscard]] int32_t truncateToInt32(double value);

// A time span as the pages show it: whole hours (0..23) and whole minutes (0..59).
struct HoursMinutes {
    int32_t hours = 0;
    int32_t minutes = 0;
};

// Splits a time in minutes for an "hh:mm" text. The minutes are rounded to whole minutes
// first, so 59.6 minutes shows as 1:00 and never as 0:60; the hours are taken modulo 24,
// as a clock face would. Negative and non-finite times give 0:00.
[[nodiscard]] HoursMinutes splitWholeMinutes(double minutes);

// Splits a duration in minutes (an endurance, a time en route) the same way, rounding the
// minutes first, but without wrapping at a day: the hours run up to `maxHours`, and a
// longer duration shows as maxHours:59, the most an "hh:mm" field of that size can hold.
[[nodiscard]] HoursMinutes splitDurationMinutes(double minutes, int32_t maxHours);
