#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "frame/numbers.h"

TEST(Numbers, DoublesTakeTheLongestPrefixLikeTheCLibrary) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"12.5", 12.5}, {"  -3.25", -3.25}, {"+7", 7.0},  {"1e3", 1000.0}, {"4.5abc", 4.5},
        {"", 0.0},      {"abc", 0.0},       {"-", 0.0},   {"--1", 0.0},    {".5", 0.5},
        {"12.5\r", 12.5}, {"1e-999", 0.0},   {"-1e-999", -0.0},
        {"1e999", std::numeric_limits<double>::infinity()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(parseDoublePrefix(c.text), c.value);
    }
}

TEST(Numbers, IntegersStopAtTheFirstNonDigitAndSaturate) {
    struct Case {
        const char* text;
        int32_t value;
    };
    const Case cases[] = {
        {"7", 7},
        {" -12x", -12},
        {"+3", 3},
        {"3.9", 3},
        {"", 0},
        {"x1", 0},
        {"99999999999", std::numeric_limits<int32_t>::max()},
        {"-99999999999", std::numeric_limits<int32_t>::min()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseIntPrefix(c.text), c.value);
    }
}

TEST(Numbers, TruncationOfHostValuesIsAlwaysDefined) {
    EXPECT_EQ(truncateToInt32(1.9), 1);
    EXPECT_EQ(truncateToInt32(-1.9), -1);
    EXPECT_EQ(truncateToInt32(std::nan("")), 0);
    EXPECT_EQ(truncateToInt32(1e300), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(truncateToInt32(-1e300), std::numeric_limits<int32_t>::min());
}
