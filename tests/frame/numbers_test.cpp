#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "frame/numbers.h"

TEST(Numbers, TruncationOfHostValuesIsAlwaysDefined) {
    EXPECT_EQ(truncateToInt32(1.9), 1);
    EXPECT_EQ(truncateToInt32(-1.9), -1);
    EXPECT_EQ(truncateToInt32(std::nan("")), 0);
    EXPECT_EQ(truncateToInt32(1e300), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(truncateToInt32(-1e300), std::numeric_limits<int32_t>::min());
}

TEST(Numbers, TimesSplitIntoWholeHoursAndMinutes) {
    struct Case {
        double minutes;
        int32_t hours;
        int32_t wholeMinutes;
    };
    const Case cases[] = {
        {30.0, 0, 30},      {59.4, 0, 59},  {59.6, 1, 0},    {119.5, 2, 0},
        {24 * 60.0 + 5.0, 0, 5}, {-3.0, 0, 0}, {std::nan(""), 0, 0},
        {std::numeric_limits<double>::infinity(), 0, 0},
    };
    for (const Case& c : cases) {
        const HoursMinutes split = splitWholeMinutes(c.minutes);
        EXPECT_EQ(split.hours, c.hours) << c.minutes;
        EXPECT_EQ(split.minutes, c.wholeMinutes) << c.minutes;
    }
}
