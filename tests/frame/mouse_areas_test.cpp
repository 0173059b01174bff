#include <gtest/gtest.h>

#include "frame/mouse_areas.h"

TEST(MouseAreas, EveryControlCanBeClickedAndTheInnermostAreaWins) {
    struct Case {
        int x, y;
        Control control;
    };
    const Case cases[] = {
        {80, 100, Control::LeftCrsr},
        {700, 110, Control::RightCrsr},
        {30, 150, Control::LeftOuterDown},      // outer ring, left half
        {150, 150, Control::LeftOuterUp},       // outer ring, right half
        {50, 200, Control::LeftInnerDown},      // inner knob lies inside the outer knob
        {110, 200, Control::LeftInnerUp},
        {656, 150, Control::RightOuterDown},
        {775, 150, Control::RightOuterUp},
        {695, 190, Control::RightInnerDown},
        {755, 240, Control::RightInnerUp},
        {721, 205, Control::RightInnerPush},    // the push area lies inside the inner knob
        {735, 221, Control::RightInnerPush},
        {380, 210, Control::DirectTo},
        {300, 210, Control::Alt},
        {470, 210, Control::Clr},
        {550, 210, Control::Ent},
        {220, 210, Control::Msg},
        {700, 40, Control::Power},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << "," << c.y);
        Control hit = Control::Power;
        ASSERT_TRUE(hitTestMouseAreas(c.x, c.y, hit));
        EXPECT_EQ(hit, c.control);
    }
}

TEST(MouseAreas, ClicksOutsideEveryAreaAndInTheGapBetweenKnobHalvesHitNothing) {
    Control hit = Control::Power;
    EXPECT_FALSE(hitTestMouseAreas(0, 0, hit));
    EXPECT_FALSE(hitTestMouseAreas(400, 100, hit));
    // Column 62 of the left outer knob region lies between its two halves.
    EXPECT_FALSE(hitTestMouseAreas(28 + 62, 150, hit));
}
