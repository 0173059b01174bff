// One click of a knob on a numbered choice: a page, a record, a character position. The
// value moves by one within [lowest, highest]; past either end it either continues at the
// other end (KnobEnd::Wrap) or stays where it is (KnobEnd::Stop).
#pragma once

#include <cstdint>

enum class KnobEnd { Wrap, Stop };
enum class KnobTurn { Down = -1, Up = +1 };

// An empty range (highest below lowest) leaves the value alone. A turn up from the top or
// from above it, or down from the bottom or from below it, meets the end of the range: the
// value wraps to the other end or stays as it is. Any other value outside the range (a
// table that shrank under it) moves one step towards the range.
[[nodiscard]] constexpr int32_t knobStep(int32_t value, KnobTurn turn, int32_t lowest,
                                         int32_t highest, KnobEnd end) {
    if (highest < lowest) return value;
    if (turn == KnobTurn::Up) {
        if (value < highest) return value + 1;
        return end == KnobEnd::Wrap ? lowest : value;
    }
    if (value > lowest) return value - 1;
    return end == KnobEnd::Wrap ? highest : value;
}

// One knob click on a quantity: `step` added (Up) or taken away (Down). A turn up acts only
// while the value is below `highest`, a turn down only while it is above `lowest`, and the
// result stops at the limit it would pass. So a value inside the range never leaves it, and
// one already outside (set elsewhere) only moves back towards it, never jumping to a limit.
[[nodiscard]] constexpr double knobStepQuantity(double value, KnobTurn turn, double step,
                                                double lowest, double highest) {
    if (turn == KnobTurn::Up) {
        if (!(value < highest)) return value;
        const double result = value + step;
        return result > highest ? highest : result;
    }
    if (!(value > lowest)) return value;
    const double result = value - step;
    return result < lowest ? lowest : result;
}
