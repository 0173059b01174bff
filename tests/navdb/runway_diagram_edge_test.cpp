// The runway diagram's labels near its edges: the diagram spans more than the page is
// high, so a long runway's threshold can lie above the display or over the status line.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "frame/page_state.h"
#include "tests/support/test_bench.h"

namespace {

TEST(RunwayDiagram, LabelsAtThresholdsBeyondThePageEdgeAreDrawnInsideIt) {
    struct Case {
        const char* runway;  // one runway of 12000 ft, which spans nearly the whole diagram
        const char* label;
    };
    for (const Case& c : {Case{"18_12000_40.0_-80.0_180", "18"},     // threshold above the top
                          Case{"36_12000_40.0_-80.0_0", "36"},       // below the page
                          Case{"27L_12000_40.0_-80.0_270", "27L"}}) {  // past the right edge
        SCOPED_TRACE(c.runway);
        TestBench bench;
        bench.root().write("Halcyra Software/Tarnwick/navdata/apts.txt",
                           std::string("KEDG EDGE 10 40.0 -80.0 ") + c.runway + "\n");
        bench.powerOnAndSkipSelfTest();
        bench.unit().page.rightPageGroup = PG_APT;
        bench.press("ri+");
        bench.press("ri+");  // APT 3, the diagram
        // The runway's line is drawn just before its label.
        const DrawItem* line = nullptr;
        const DrawItem* label = nullptr;
        for (const DrawItem& item : bench.canvas().items()) {
            if (item.kind == DrawKind::Text && std::string(item.text) == c.label) {
                label = &item;
                break;
            }
            if (item.kind == DrawKind::Line) line = &item;
        }
        ASSERT_NE(line, nullptr) << bench.dump();
        ASSERT_NE(label, nullptr) << bench.dump();
        const float width = 6.0f * static_cast<float>(std::string(c.label).size());
        EXPECT_GE(label->y, 0.0f);
        EXPECT_LE(label->y + 10.0f, 150.0f) << "clear of the status line";
        EXPECT_GE(label->x, 184.0f);
        EXPECT_LE(label->x + width, 184.0f + 186.0f);
        // Still beside its own threshold, moved no farther than onto the page.
        EXPECT_LT(std::hypot(label->x - line->x, label->y - line->y), 20.0f);
    }
}

}  // namespace
