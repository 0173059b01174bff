#include "platform/canvas/cairo_canvas.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstring>

#include "frame/display.h"
#include "tests/support/test_bench.h"

namespace {

bool isGreen(uint32_t argb) {
    return (argb >> 24) > 0x80 && ((argb >> 8) & 0xFF) > 0xC0 && ((argb >> 16) & 0xFF) < 0x40;
}

// Counts green pixels in [x0, x1) x [y0, y1) of the drawing space, at `scale`.
int greenPixels(const CairoCanvas& canvas, uint32_t scale, uint32_t x0, uint32_t y0, uint32_t x1,
                uint32_t y1) {
    int n = 0;
    for (uint32_t y = y0 * scale; y < y1 * scale; ++y) {
        for (uint32_t x = x0 * scale; x < x1 * scale; ++x) n += isGreen(canvas.pixel(x, y));
    }
    return n;
}

}  // namespace

// The self-test screen painted at 370 x 176 and at twice that size.
TEST(CairoCanvas, SelfTestScreenLandsWhereTheDrawingSpaceSaysAndInThePng) {
    TempFolder folder;
    for (uint32_t scale : {1u, 2u}) {
        SCOPED_TRACE(testing::Message() << "scale " << scale);
        const uint32_t w = 370 * scale, h = 176 * scale;
        TestBench bench(w, h);
        bench.start();
        bench.press("pwr");
        CairoCanvas png(w, h);
        bench.canvas().replay(png);
        EXPECT_EQ(png.lastStatus(), 0);
        // "GPS" at (5, 0): green strokes in its first three character cells; nothing between
        // it and "ORS 10" on the top row.
        EXPECT_GT(greenPixels(png, scale, 5, 0, 53, 29), 40 * int(scale * scale));
        EXPECT_EQ(greenPixels(png, scale, 80, 0, 200, 24), 0);
        // The inverse box (5, 155, 336, 20) is filled green around its black text.
        EXPECT_GT(greenPixels(png, scale, 5, 155, 341, 175), 336 * 20 * int(scale * scale) / 3);
        EXPECT_FALSE(isGreen(png.pixel(2 * scale, 165 * scale)));

        std::string path = (folder.path() / "display.png").string();
        std::string error;
        ASSERT_TRUE(png.writePng(path.c_str(), error)) << error;
        cairo_surface_t* read = cairo_image_surface_create_from_png(path.c_str());
        ASSERT_EQ(cairo_image_surface_get_width(read), int(w));
        // Transparent parts show the screen colour: (w - 1, h / 2) is never drawn on.
        uint32_t corner;
        const unsigned char* data = cairo_image_surface_get_data(read);
        std::memcpy(&corner, data + (h / 2) * cairo_image_surface_get_stride(read) + (w - 1) * 4, 4);
        EXPECT_EQ(corner & 0xFFFFFF, kScreenBackground & 0xFFFFFF);
        cairo_surface_destroy(read);
    }
}

TEST(CairoCanvas, TerminusIsFoundUnderItsDebianName) {
    // fonts-terminus is installed by scripts/bootstrap; without it the PNG falls back.
    EXPECT_NE(findInstalledFamily("Terminus").find("Terminus"), std::string::npos);
    EXPECT_EQ(findInstalledFamily("No Such Font Family Here"), "");
}
