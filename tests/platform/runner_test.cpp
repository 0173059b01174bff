// The runner end to end: start-up in the given root folder, the script's lines, service 15
// (which writes the unit record) and the PNGs. The runner's sources live in the executable
// only, so its run loop is compiled into the test binary here.
#include "apps/run/runner.h"

#include <cairo.h>
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>

#include <string>

#include "tests/support/test_bench.h"

namespace {

// Width and height of a PNG file, or 0 x 0 when it cannot be read.
std::pair<int, int> pngSize(const std::string& path) {
    cairo_surface_t* image = cairo_image_surface_create_from_png(path.c_str());
    std::pair<int, int> size{0, 0};
    if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS) {
        size = {cairo_image_surface_get_width(image), cairo_image_surface_get_height(image)};
    }
    cairo_surface_destroy(image);
    return size;
}

}  // namespace

// A PNG that cannot be written makes the exit status 1, but the script goes on after it.
TEST(Runner, RunsTheScriptInTheRootFolderAndWritesPngsAndTheUnitRecord) {
    TempFolder root;
    root.makeFolder("Brindle");
    std::string first = (root.path() / "first.png").string();
    std::string bad = (root.path() / "no-such-folder" / "x.png").string();
    RunOptions options;
    options.rootFolder = root.path().string();
    options.pngPath = (root.path() / "last.png").string();
    options.widthPx = 740;
    options.heightPx = 352;
    std::vector<ScriptLine> lines;
    ScriptError error;
    ASSERT_TRUE(parseScript("press pwr\nframes 3\ndump\npng \"" + first + "\"\npng \"" + bad +
                                "\"\nprint powerOn\n",
                            lines, error))
        << error.problem;

    char* text = nullptr;
    size_t size = 0;
    std::FILE* out = open_memstream(&text, &size);
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(runScript(options, lines, out), 1);
    std::fclose(out);
    EXPECT_EQ(std::string(text, size),
              "dump 4\n"
              "text 5 0 29 green \"GPS            ORS 10\"\n"
              "text 5 152 29 black \"SELF TEST IN PROGRESS\"\n"
              "powerOn=1\n");
    free(text);

    EXPECT_EQ(pngSize(first), (std::pair<int, int>{740, 352}));
    EXPECT_EQ(pngSize(options.pngPath), (std::pair<int, int>{740, 352}));
    EXPECT_EQ(root.read("Brindle/vgr27a.ini"), "TotalTime=  0.0\nPowerCycle=1\n");
}
