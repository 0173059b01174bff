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

// Counts green pixels in [x0, x1) x [y0, y1).
int greenPixels(const CairoCanvas& canvas, uint32_t x0, uint32_t y0, uint32_t x1, uint32_t y1) {
    int n = 0;
    for (uint32_t y = y0; y < y1; ++y) {
        for (uint32_t x = x0; x < x1; ++x) n += isGreen(canvas.pixel(x, y)) ? 1 : 0;
    }
    return n;
}

// The self-test screen of a unit whose display is `w` x `h` pixels, painted by cairo.
void paintSelfTest(CairoCanvas& png, uint32_t w, uint32_t h) {
    TestBench bench(w, h);
    bench.start();
    bench.press("pwr");
    bench.canvas().replay(png);
}

}  // namespace

TEST(CairoCanvas, TextAndBoxesLandWhereTheDrawingSpaceSaysAtEitherSize) {
    for (uint32_t scale : {1u, 2u}) {
        SCOPED_TRACE(testing::Message() << "scale " << scale);
        CairoCanvas png(370 * scale, 176 * scale);
        paintSelfTest(png, 370 * scale, 176 * scale);
        EXPECT_EQ(png.lastStatus(), 0);
        // "GPS" at (5, 0): green strokes in its first three character cells.
        EXPECT_GT(greenPixels(png, 5 * scale, 0, 53 * scale, 29 * scale), 40 * int(scale * scale));
        // Nothing between "GPS" and "ORS 10" on the top row.
        EXPECT_EQ(greenPixels(png, 80 * scale, 0, 200 * scale, 24 * scale), 0);
        // The inverse box (5, 155, 336, 20) is filled green around its black text.
        int box = greenPixels(png, 5 * scale, 155 * scale, 341 * scale, 175 * scale);
        EXPECT_GT(box, 336 * 20 * int(scale * scale) / 3);
        EXPECT_FALSE(isGreen(png.pixel(2 * scale, 165 * scale)));
    }
}

TEST(CairoCanvas, PngHasTheDisplaySizeAndTheScreenColourBehindTransparentParts) {
    TempFolder folder;
    for (auto [w, h] : {std::pair<uint32_t, uint32_t>{370, 176}, {740, 352}}) {
        CairoCanvas png(w, h);
        paintSelfTest(png, w, h);
        std::string path = (folder.path() / "display.png").string();
        std::string error;
        ASSERT_TRUE(png.writePng(path.c_str(), error)) << error;

        cairo_surface_t* read = cairo_image_surface_create_from_png(path.c_str());
        ASSERT_EQ(cairo_surface_status(read), CAIRO_STATUS_SUCCESS);
        EXPECT_EQ(static_cast<uint32_t>(cairo_image_surface_get_width(read)), w);
        EXPECT_EQ(static_cast<uint32_t>(cairo_image_surface_get_height(read)), h);
        const unsigned char* data = cairo_image_surface_get_data(read);
        uint32_t corner;  // (w - 1, h / 2): nothing is drawn there
        std::memcpy(&corner, data + (h / 2) * cairo_image_surface_get_stride(read) + (w - 1) * 4, 4);
        EXPECT_EQ(corner & 0xFFFFFF, kScreenBackground & 0xFFFFFF);
        cairo_surface_destroy(read);
    }
    CairoCanvas png(370, 176);
    std::string error;
    EXPECT_FALSE(png.writePng((folder.path() / "no-such-folder" / "x.png").string().c_str(), error));
    EXPECT_FALSE(error.empty());
}

TEST(CairoCanvas, TerminusIsFoundUnderItsDebianName) {
    // fonts-terminus is installed by scripts/bootstrap; without it the PNG falls back.
    EXPECT_NE(findInstalledFamily("Terminus").find("Terminus"), std::string::npos);
    EXPECT_EQ(findInstalledFamily("No Such Font Family Here"), "");
}
