// Knob clicks on a numbered choice: both ends, both end rules, values out of range and an
// empty range.
#include "base/knob_step.h"

#include <gtest/gtest.h>

namespace {

TEST(KnobStep, WrapsOrStopsAtBothEnds) {
    constexpr KnobTurn kUp = KnobTurn::Up;
    constexpr KnobTurn kDown = KnobTurn::Down;
    struct Case {
        int32_t value;
        KnobTurn turn;
        int32_t lowest;
        int32_t highest;
        int32_t wrapped;
        int32_t stopped;
    };
    const Case cases[] = {
        {3, kUp, 1, 5, 4, 4},      {3, kDown, 1, 5, 2, 2},   // inside
        {5, kUp, 1, 5, 1, 5},      {1, kDown, 1, 5, 5, 1},   // the two ends
        {0, kUp, 0, 0, 0, 0},      {0, kDown, 0, 0, 0, 0},   // a range of one
        {0, kUp, 1, 5, 1, 1},      {0, kDown, 1, 5, 5, 0},   // below the range
        {9, kUp, 1, 5, 1, 9},      {9, kDown, 1, 5, 8, 8},   // above it
        {4, kUp, 1, 0, 4, 4},      {4, kDown, 1, 0, 4, 4},   // an empty table
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.value << (c.turn == kUp ? " up in [" : " down in [")
                                          << c.lowest << ", " << c.highest << "]");
        EXPECT_EQ(knobStep(c.value, c.turn, c.lowest, c.highest, KnobEnd::Wrap), c.wrapped);
        EXPECT_EQ(knobStep(c.value, c.turn, c.lowest, c.highest, KnobEnd::Stop), c.stopped);
    }
}

}  // namespace
