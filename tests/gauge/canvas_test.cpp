// The GDI+ canvas on its own: the Terminus font from beside the module, a missing family
// recorded without stopping the drawing, and no drawing before GDI+ starts or after it stops.
// The test host is built with the canvas's sources, so "beside the module" is beside the
// test host, where scripts/gauge-test puts the font file.
// The test host runs under Windows (or Wine) only; the Linux test build skips it.
#ifdef _WIN32
#include "platform/gauge/gdiplus_canvas.h"
#include "tests/gauge/check.h"
#include "tests/gauge/gauge_access.h"
#include "tests/gauge/surface.h"

namespace gauge_test {

namespace {

constexpr uint32_t kGreen = 0xFF00FA00;
constexpr int kFontFamilyNotFound = 14;
constexpr int kWrongState = 8;
const FontSpec kTerminus{"Terminus", 29.0f, true};
const FontSpec kCourier{"Courier New", 12.0f, true};

}  // namespace

void checkCanvas() {
    surface::Surface s;
    CHECK(surface::create(s, 370, 176));
    if (s.dc == nullptr) return;

    // Before GDI+ starts nothing is drawn and the failure is kept.
    {
        gauge::GdiplusCanvas canvas;
        canvas.bind(s.dc);
        canvas.fillRect(0, 0, 370, 176, kGreen);
        canvas.endDraw();
        CHECK(canvas.lastStatus() == kWrongState && surface::litIn(s, 0, 0, 370, 176) == 0);
    }

    gauge::GdiplusCanvas canvas;
    const uintptr_t token = canvas.startup();
    CHECK(token != 0 && canvas.privateFontLoaded());

    canvas.bind(s.dc);
    canvas.clear(0);
    canvas.drawText(5, 0, "GPS 10\xB0", kTerminus, kGreen);
    canvas.endDraw();
    CHECK(surface::litIn(s, 0, 0, 185, 30) > 20);
    CHECK(surface::litIn(s, 0, 40, 370, 176) == 0);
    CHECK(canvas.lastStatus() == 0);

    // A family the system lacks: its text is not drawn, the status says why, and the
    // drawing after it still happens; the same holds on the next draw.
    for (int draw = 0; draw < 2; ++draw) {
        surface::fill(s, 0);
        canvas.bind(s.dc);
        canvas.drawText(5, 60, "MISSING", kCourier, kGreen);
        canvas.fillRect(10, 100, 50, 20, kGreen);
        canvas.drawLine(0, 150, 370, 150, kGreen, 1.0f);
        canvas.endDraw();
        CHECK_MSG(canvas.lastStatus() == kFontFamilyNotFound, "draw %d status %d", draw,
                  canvas.lastStatus());
        CHECK(surface::litIn(s, 0, 55, 370, 95) == 0);
        CHECK(surface::litIn(s, 12, 102, 58, 118) > 600);
        CHECK(surface::litIn(s, 0, 149, 370, 152) > 300);
    }

    canvas.shutdown(token);
    surface::fill(s, 0);
    canvas.bind(s.dc);
    canvas.fillRect(0, 0, 370, 176, kGreen);
    canvas.endDraw();
    CHECK(surface::litIn(s, 0, 0, 370, 176) == 0);
    surface::destroy(s);
}

}  // namespace gauge_test

#endif  // _WIN32
