// Hit-testing at the edges of the mouse areas. The mouse_clicks scenario clicks every
// control once, inside its area; here the edges, where an off-by-one would show.
#include <gtest/gtest.h>

#include <optional>

#include "frame/mouse_areas.h"

TEST(MouseAreas, EdgesOfNestedAreasAndTheGapBetweenKnobHalves) {
    struct Case {
        int x, y;
        std::optional<Control> control;  // none: no area is hit
    };
    const Case cases[] = {
        // The push area (720, 204, 16 x 18) lies inside the right inner knob's up half,
        // and the innermost area wins up to its last pixel.
        {720, 204, Control::RightInnerPush},
        {735, 221, Control::RightInnerPush},
        {736, 221, Control::RightInnerUp},
        {735, 222, Control::RightInnerUp},
        {719, 210, Control::RightInnerDown},
        // Column 62 of the left outer knob (28, 145) lies between its two halves.
        {28 + 61, 150, Control::LeftOuterDown},
        {28 + 62, 150, std::nullopt},
        {28 + 63, 150, Control::LeftOuterUp},
        {0, 0, std::nullopt},
        {400, 100, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << "," << c.y);
        Control hit = Control::Power;
        ASSERT_EQ(hitTestMouseAreas(c.x, c.y, hit), c.control.has_value());
        if (c.control) {
            EXPECT_EQ(hit, *c.control);
        }
    }
}
