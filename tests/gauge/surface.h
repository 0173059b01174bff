// The display element's device context as the simulator makes it: a 32-bit top-down DIB
// section selected into a memory DC, with coarse pixel queries for the checks.
#pragma once

#include <cstdint>

namespace surface {

struct Surface {
    void* dc = nullptr;       // HDC
    void* bitmap = nullptr;   // HBITMAP
    void* previous = nullptr;
    uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
};

bool create(Surface& s, int width, int height);
void destroy(Surface& s);
void fill(Surface& s, uint32_t value);

// Green text and lines: a strong green channel over weak red and blue.
bool lit(uint32_t pixel);
// Lit pixels inside [x0, x1) x [y0, y1), in pixels of the surface.
int litCount(const Surface& s, int x0, int y0, int x1, int y1);
// The same box in the 370 x 176 drawing space, scaled to the surface.
int litInDrawingBox(const Surface& s, float x0, float y0, float x1, float y1);
int boxArea(const Surface& s, float x0, float y0, float x1, float y1);
bool allEqual(const Surface& s, uint32_t value);

}  // namespace surface
