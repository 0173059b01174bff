// The display element's device context as the simulator makes it: a 32-bit top-down DIB
// section selected into a memory DC, with coarse pixel queries for the checks.
// The test host runs under Windows (or Wine) only.
#pragma once
#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <algorithm>
#include <cstdint>

namespace surface {

struct Surface {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
};

inline bool create(Surface& s, int width, int height) {
    BITMAPINFO info{};
    // Top-down rows (negative height), 32 bits a pixel, uncompressed.
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dc == nullptr || bitmap == nullptr || bits == nullptr) return false;
    s = Surface{dc, bitmap, SelectObject(dc, bitmap), static_cast<uint32_t*>(bits), width, height};
    return true;
}

inline void destroy(Surface& s) {
    if (s.dc != nullptr) {
        SelectObject(s.dc, s.previous);
        DeleteDC(s.dc);
    }
    if (s.bitmap != nullptr) DeleteObject(s.bitmap);
    s = Surface{};
}

inline void fill(Surface& s, uint32_t value) {
    GdiFlush();
    std::fill_n(s.pixels, s.width * s.height, value);
}

inline bool allEqual(const Surface& s, uint32_t value) {
    GdiFlush();
    return std::all_of(s.pixels, s.pixels + s.width * s.height,
                       [value](uint32_t pixel) { return pixel == value; });
}

// Green text and lines: a strong green channel over weak red and blue.
inline bool lit(uint32_t pixel) {
    return ((pixel >> 8) & 0xFF) >= 96 && ((pixel >> 16) & 0xFF) < 64 && (pixel & 0xFF) < 64;
}

// Lit pixels in [x0, x1) x [y0, y1) of the 370 x 176 drawing space, scaled to the surface.
inline int litIn(const Surface& s, float x0, float y0, float x1, float y1) {
    GdiFlush();
    auto scale = [](float v, int size, float space) {
        return std::clamp(static_cast<int>(v * size / space), 0, size);
    };
    int count = 0;
    for (int y = scale(y0, s.height, 176); y < scale(y1, s.height, 176); ++y) {
        for (int x = scale(x0, s.width, 370); x < scale(x1, s.width, 370); ++x) {
            count += lit(s.pixels[y * s.width + x]) ? 1 : 0;
        }
    }
    return count;
}

}  // namespace surface

#endif  // _WIN32
