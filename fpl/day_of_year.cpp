#include "fpl/day_of_year.h"

namespace {

constexpr int32_t kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr const char* kMonthNames[12] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                         "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

}  // namespace

bool isLeapYear(int32_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

CalendarDate dayOfYearToDate(int32_t dayOfYear, int32_t year) {
    const bool leap = isLeapYear(year);
    const int32_t daysInYear = leap ? 366 : 365;
    int32_t day = dayOfYear < 1 ? 1 : dayOfYear > daysInYear ? daysInYear : dayOfYear;
    for (int32_t m = 0; m < 12; ++m) {
        const int32_t length = kMonthDays[m] + (m == 1 && leap ? 1 : 0);
        if (day <= length) return {day, m + 1, kMonthNames[m]};
        day -= length;
    }
    return {31, 12, kMonthNames[11]};  // not reached: the day was clamped into the year
}

int32_t twoDigitYear(int32_t year) {
    const int32_t rest = year % 100;
    return rest < 0 ? rest + 100 : rest;
}
