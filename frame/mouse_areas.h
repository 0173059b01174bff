// The clickable areas of the 800 x 250 face plate, as regions with their child boxes
// (child boxes relative to their region). A knob region is split into a left half that
// turns the knob down and a right half that turns it up.
#pragma once

#include <cstdint>

#include "frame/controls.h"

class Host;
struct Unit;

struct MouseChild {
    int32_t dx, dy, w, h;
    uint32_t cursor;
    uint32_t mouseFlags;
    Control control;
};

struct MouseRegion {
    int32_t x, y, w, h;
    int32_t childCount;
    MouseChild children[2];
};

constexpr uint32_t kClickFlags = 0x20000000;
constexpr uint32_t kKnobFlags = 0x20200000;

inline constexpr MouseRegion kMouseRegions[] = {
    {74, 94, 52, 30, 1, {{0, 0, 52, 30, 5, kClickFlags, Control::LeftCrsr}}},
    {679, 96, 50, 30, 1, {{0, 0, 50, 30, 5, kClickFlags, Control::RightCrsr}}},
    {28, 145, 124, 100, 2,
     {{0, 0, 62, 100, 2, kKnobFlags, Control::LeftOuterDown},
      {63, 0, 62, 100, 1, kKnobFlags, Control::LeftOuterUp}}},
    {47, 174, 66, 66, 2,
     {{0, 0, 33, 66, 2, kKnobFlags, Control::LeftInnerDown},
      {34, 0, 33, 66, 1, kKnobFlags, Control::LeftInnerUp}}},
    {654, 148, 124, 100, 2,
     {{0, 0, 62, 100, 2, kKnobFlags, Control::RightOuterDown},
      {63, 0, 62, 100, 1, kKnobFlags, Control::RightOuterUp}}},
    {693, 182, 66, 66, 2,
     {{0, 0, 33, 66, 2, kKnobFlags, Control::RightInnerDown},
      {34, 0, 33, 66, 1, kKnobFlags, Control::RightInnerUp}}},
    {720, 204, 16, 18, 1, {{0, 0, 16, 18, 5, kClickFlags, Control::RightInnerPush}}},
    {376, 204, 53, 35, 1, {{0, 0, 53, 35, 5, kClickFlags, Control::DirectTo}}},
    {293, 204, 53, 35, 1, {{0, 0, 53, 35, 5, kClickFlags, Control::Alt}}},
    {460, 204, 53, 35, 1, {{0, 0, 53, 35, 5, kClickFlags, Control::Clr}}},
    {544, 204, 53, 35, 1, {{0, 0, 53, 35, 5, kClickFlags, Control::Ent}}},
    {210, 204, 53, 35, 1, {{0, 0, 53, 35, 5, kClickFlags, Control::Msg}}},
    {686, 22, 54, 49, 1, {{0, 0, 54, 49, 5, kClickFlags, Control::Power}}},
};
constexpr int kMouseRegionCount = sizeof(kMouseRegions) / sizeof(kMouseRegions[0]);

// The control whose box holds face-plate pixel (x, y); where boxes overlap the smallest
// (innermost) one wins. Returns false when no box holds the point.
bool hitTestMouseAreas(int32_t x, int32_t y, Control& control);

// A mouse click: runs the handler of the area under (x, y) at once. Returns whether one ran.
bool mouseClick(Unit& unit, Host& host, int32_t x, int32_t y);
