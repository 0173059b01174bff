#include "frame/mouse_areas.h"

bool hitTestMouseAreas(int32_t x, int32_t y, Control& control) {
    int64_t bestArea = -1;
    for (const MouseRegion& region : kMouseRegions) {
        for (int32_t i = 0; i < region.childCount; ++i) {
            const MouseChild& child = region.children[i];
            const int32_t left = region.x + child.dx;
            const int32_t top = region.y + child.dy;
            if (x < left || x >= left + child.w || y < top || y >= top + child.h) continue;
            const int64_t area = int64_t{child.w} * child.h;
            if (bestArea < 0 || area < bestArea) {
                bestArea = area;
                control = child.control;
            }
        }
    }
    return bestArea >= 0;
}

bool mouseClick(Unit& unit, Host& host, int32_t x, int32_t y) {
    Control control = Control::LeftCrsr;
    if (!hitTestMouseAreas(x, y, control)) return false;
    runControl(unit, host, control);
    return true;
}
