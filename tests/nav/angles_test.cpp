// Angle arithmetic at its seams: 0, -0, 360, just below 360, exactly 180, a turn out of
// range either way, and NaN.
#include "nav/angles.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kNaN = NAN;

TEST(Angles, WrapsAndFoldsAtTheSeams) {
    struct Case {
        double deg;
        double wrapped;  // wrap360
        double oneTurn;  // wrapOneTurn
        double folded;   // fold180
    };
    const Case cases[] = {
        {0.0, 0.0, 0.0, 0.0},
        {-0.0, 0.0, 0.0, 0.0},
        {360.0, 0.0, 360.0, 0.0},
        {359.999, 359.999, 359.999, 360.0 - 359.999},
        {180.0, 180.0, 180.0, 180.0},
        {-180.0, 180.0, 180.0, 180.0},
        {-1.0, 359.0, 359.0, 1.0},
        {-360.0, 0.0, 0.0, 0.0},
        {365.0, 5.0, 5.0, 5.0},
        {725.0, 5.0, 365.0, 5.0},    // one turn back is not always enough
        {-1e-20, 0.0, 360.0, 0.0},   // 360 - 1e-20 rounds to 360
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.deg);
        EXPECT_EQ(wrap360(c.deg), c.wrapped);
        EXPECT_FALSE(std::signbit(wrap360(c.deg)));
        EXPECT_EQ(wrapOneTurn(c.deg), c.oneTurn);
        EXPECT_FALSE(std::signbit(wrapOneTurn(c.deg)));
        EXPECT_NEAR(fold180(c.deg), c.folded, 1e-12);
    }
    EXPECT_TRUE(std::isnan(wrap360(kNaN)));
    EXPECT_TRUE(std::isnan(wrapOneTurn(kNaN)));
    EXPECT_TRUE(std::isnan(fold180(kNaN)));
}

TEST(Angles, MagneticFromTrueKeepsNorthAt360) {
    EXPECT_EQ(toMagnetic(10.0, 15.0), 355.0);
    EXPECT_EQ(toMagnetic(355.0, -10.0), 5.0);
    EXPECT_EQ(toMagnetic(360.0, 0.0), 360.0);
    EXPECT_EQ(toMagnetic(0.0, 0.0), 0.0);
    EXPECT_TRUE(std::isnan(toMagnetic(kNaN, 3.0)));
    // A course that would print as 000 reads 360; anything else stays.
    EXPECT_EQ(raiseBelow(0.4, 0.5), 360.4);
    EXPECT_EQ(raiseBelow(0.5, 0.5), 0.5);
}

TEST(Angles, FloorModKeepsTheSignOfTheModulus) {
    EXPECT_EQ(floorMod(-1.0, 360.0), 359.0);
    EXPECT_EQ(floorMod(360.0, 360.0), 0.0);
    EXPECT_EQ(floorMod(-0.0, 360.0), 0.0);
    EXPECT_NEAR(floorMod(-3.141592653589793, 6.283185307179586), 3.141592653589793, 1e-15);
}

}  // namespace
