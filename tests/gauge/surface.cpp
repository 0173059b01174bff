// A DIB section standing in for the simulator's display image.
// The test host runs under Windows (or Wine) only; the Linux test build skips it.
#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "tests/gauge/surface.h"

namespace surface {

bool create(Surface& s, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    if (dc == nullptr) return false;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr || bits == nullptr) {
        DeleteDC(dc);
        return false;
    }
    s.previous = SelectObject(dc, bitmap);
    s.dc = dc;
    s.bitmap = bitmap;
    s.pixels = static_cast<uint32_t*>(bits);
    s.width = width;
    s.height = height;
    return true;
}

void destroy(Surface& s) {
    if (s.dc != nullptr) {
        SelectObject(static_cast<HDC>(s.dc), static_cast<HGDIOBJ>(s.previous));
        DeleteDC(static_cast<HDC>(s.dc));
    }
    if (s.bitmap != nullptr) DeleteObject(static_cast<HGDIOBJ>(s.bitmap));
    s = Surface{};
}

void fill(Surface& s, uint32_t value) {
    GdiFlush();
    for (int i = 0; i < s.width * s.height; ++i) s.pixels[i] = value;
}

bool lit(uint32_t pixel) {
    const uint32_t r = (pixel >> 16) & 0xFF;
    const uint32_t g = (pixel >> 8) & 0xFF;
    const uint32_t b = pixel & 0xFF;
    return g >= 96 && r < 64 && b < 64;
}

int litCount(const Surface& s, int x0, int y0, int x1, int y1) {
    GdiFlush();
    if (x0 < 0) x0 = 0;
    if (y0 < 0) y0 = 0;
    if (x1 > s.width) x1 = s.width;
    if (y1 > s.height) y1 = s.height;
    int count = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) count += lit(s.pixels[y * s.width + x]) ? 1 : 0;
    }
    return count;
}

namespace {
int scaleX(const Surface& s, float x) { return static_cast<int>(x * s.width / 370.0f); }
int scaleY(const Surface& s, float y) { return static_cast<int>(y * s.height / 176.0f); }
}  // namespace

int litInDrawingBox(const Surface& s, float x0, float y0, float x1, float y1) {
    return litCount(s, scaleX(s, x0), scaleY(s, y0), scaleX(s, x1), scaleY(s, y1));
}

int boxArea(const Surface& s, float x0, float y0, float x1, float y1) {
    return (scaleX(s, x1) - scaleX(s, x0)) * (scaleY(s, y1) - scaleY(s, y0));
}

bool allEqual(const Surface& s, uint32_t value) {
    GdiFlush();
    for (int i = 0; i < s.width * s.height; ++i) {
        if (s.pixels[i] != value) return false;
    }
    return true;
}

}  // namespace surface

#endif  // _WIN32
