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
