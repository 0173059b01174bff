// Calendar dates from the simulator's day of the year, as the SET 2 page shows them.
// Years follow the Gregorian leap-year rule (every fourth year, but not centuries unless
// divisible by 400), for any year the simulator reports.
#pragma once

#include <cstdint>

struct CalendarDate {
    int32_t dayOfMonth = 1;         // 1..31
    int32_t month = 1;              // 1..12
    const char* monthName = "JAN";  // "JAN" .. "DEC"
};

[[nodiscard]] bool isLeapYear(int32_t year);

// Day `dayOfYear` of `year` (1 = January 1). A day outside the year is brought to its
// first or last day, so a host value of 0 or 367 still names a date that exists.
[[nodiscard]] CalendarDate dayOfYearToDate(int32_t dayOfYear, int32_t year);

// The year's last two digits, 0..99 (2000 -> 0, 1999 -> 99, 2100 -> 0).
[[nodiscard]] int32_t twoDigitYear(int32_t year);
