// The records the simulator reads from the module: Linkage, ImportTable, the gauge header,
// its chain of image elements and its mouse rectangle table.
#include <array>

#include "frame/mouse_areas.h"
#include "platform/gauge/gauge_module.h"

namespace gauge {

namespace {

constexpr uint32_t kStaticImage = 0;
constexpr uint32_t kIcon = 4;
constexpr uint32_t kDisplayFlags = 0x24;
constexpr uint32_t kPressedImageFlags = 0x40000003;
constexpr uint32_t kRegionCursor = 0xFFFFFFFF;

enum MouseRectType : uint32_t { kEnd = 0, kRegion = 1, kChild = 2, kClose = 3 };

}  // namespace

// The pressed-button images, elements 2..10 of the chain: bitmap and place on the face.
struct IconPlacement {
    uint32_t resourceId;
    int32_t x, y;
};
constexpr IconPlacement kIconPlacements[9] = {
    {9732, 450, 198},  // CLR
    {9734, 536, 198},  // ENT
    {9736, 367, 198},  // D->
    {9744, 68, 90},    // left CRSR
    {9746, 672, 90},   // right CRSR
    {9748, 282, 198},  // ALT
    {9750, 671, 166},  // right knob, inner knob pulled out
    {9752, 677, 20},   // power knob on
    {9760, 199, 200},  // MSG
};

extern StaticImageElement faceElement;
extern StaticImageElement displayElement;
extern IconElement iconElements[9];

constinit ElementHeader* headerElements[1] = {&faceElement.header};
constinit ElementHeader* faceNext[2] = {&displayElement.header, nullptr};
constinit ElementHeader* displayNext[2] = {&iconElements[0].header, nullptr};
constinit ElementHeader* iconNext[9][2] = {
    {&iconElements[1].header, nullptr}, {&iconElements[2].header, nullptr},
    {&iconElements[3].header, nullptr}, {&iconElements[4].header, nullptr},
    {&iconElements[5].header, nullptr}, {&iconElements[6].header, nullptr},
    {&iconElements[7].header, nullptr}, {&iconElements[8].header, nullptr},
    {nullptr, nullptr},
};

constexpr StaticImageElement makeImage(uint32_t resourceId, int32_t x, int32_t y, uint32_t flags,
                                       ElementHeader** next) {
    StaticImageElement image{};
    image.header.elementType = kStaticImage;
    image.header.resourceId = resourceId;
    image.header.position = {x, y};
    image.header.nextElements = next;
    image.header.imageFlags = flags;
    return image;
}

constinit StaticImageElement faceElement = makeImage(9730, 0, 0, 0, faceNext);
constinit StaticImageElement displayElement = makeImage(9728, 217, 19, kDisplayFlags, displayNext);

constexpr IconElement makeIcon(int index, ElementHeader** next) {
    IconElement icon{};
    icon.header.elementType = kIcon;
    icon.header.resourceId = kIconPlacements[index].resourceId;
    icon.header.position = {kIconPlacements[index].x, kIconPlacements[index].y};
    icon.header.nextElements = next;
    icon.header.imageFlags = kPressedImageFlags;
    return icon;
}

constinit IconElement iconElements[9] = {
    makeIcon(0, iconNext[0]), makeIcon(1, iconNext[1]), makeIcon(2, iconNext[2]),
    makeIcon(3, iconNext[3]), makeIcon(4, iconNext[4]), makeIcon(5, iconNext[5]),
    makeIcon(6, iconNext[6]), makeIcon(7, iconNext[7]), makeIcon(8, iconNext[8]),
};

namespace {

constexpr MouseHandler handlerFor(Control control) {
    constexpr MouseHandler handlers[kControlCount] = {
        &mouseHandler<Control::LeftCrsr>,       &mouseHandler<Control::RightCrsr>,
        &mouseHandler<Control::LeftOuterDown>,  &mouseHandler<Control::LeftOuterUp>,
        &mouseHandler<Control::LeftInnerDown>,  &mouseHandler<Control::LeftInnerUp>,
        &mouseHandler<Control::RightOuterDown>, &mouseHandler<Control::RightOuterUp>,
        &mouseHandler<Control::RightInnerDown>, &mouseHandler<Control::RightInnerUp>,
        &mouseHandler<Control::RightInnerPush>, &mouseHandler<Control::DirectTo>,
        &mouseHandler<Control::Alt>,            &mouseHandler<Control::Clr>,
        &mouseHandler<Control::Ent>,            &mouseHandler<Control::Msg>,
        &mouseHandler<Control::Power>,
    };
    return handlers[static_cast<int>(control)];
}

constexpr int mouseRectCount() {
    int count = 1;  // the outermost region
    for (const MouseRegion& region : kMouseRegions) count += 2 + region.childCount;
    return count + 2;  // the extra close entry and the end entry
}

constexpr MouseRect region(int32_t x, int32_t y, int32_t w, int32_t h) {
    return MouseRect{kRegion, x, y, w, h, kRegionCursor, 0, 0, 0, nullptr, nullptr};
}

constexpr MouseRect marker(MouseRectType type) {
    return MouseRect{type, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr};
}

// The host's rectangle table from the face plate's mouse areas: an outermost region, each
// area as a region holding its clickable halves, then a close and the end.
constexpr std::array<MouseRect, mouseRectCount()> buildMouseRects() {
    std::array<MouseRect, mouseRectCount()> rects{};
    int n = 0;
    rects[n++] = region(0, 0, 0, 0);
    for (const MouseRegion& area : kMouseRegions) {
        rects[n++] = region(area.x, area.y, area.w, area.h);
        for (int c = 0; c < area.childCount; ++c) {
            const MouseChild& child = area.children[c];
            rects[n++] = MouseRect{kChild,         child.dx,         child.dy, child.w,
                                   child.h,        child.cursor,     0,        child.mouseFlags,
                                   0,              handlerFor(child.control), nullptr};
        }
        rects[n++] = marker(kClose);
    }
    rects[n++] = marker(kClose);
    rects[n++] = marker(kEnd);
    return rects;
}

}  // namespace

constinit std::array<MouseRect, mouseRectCount()> mouseRects = buildMouseRects();

constexpr GaugeHeader makeHeader() {
    GaugeHeader header{};
    header.version = 800;
    header.name = "GPS";
    header.elements = headerElements;
    header.query = &headerQuery;
    header.install = &headerInstall;
    header.initialize = &headerInitialize;
    header.update = &headerUpdate;
    header.generate = &headerGenerate;
    header.draw = &headerDraw;
    header.kill = &headerKill;
    header.sizeValue = 312;
    header.mouseRects = mouseRects.data();
    header.callback = &gaugeCallback;
    return header;
}

constinit GaugeHeader gaugeHeader = makeHeader();

}  // namespace gauge

extern "C" {

__declspec(dllexport) constinit gauge::LinkageRecord Linkage = {
    .moduleId = 0x13,
    .moduleInit = &gauge::moduleInit,
    .moduleDeinit = &gauge::moduleDeinit,
    .flags = 0,
    .priority = 0,
    .version = 0x900,
    .gaugeTable = {&gauge::gaugeHeader, nullptr},
};

__declspec(dllexport) constinit gauge::ImportTableRecord ImportTable = {
    .importId = 0x0F,
    .panelServices = nullptr,
    .endId = 0,
    .endPointer = nullptr,
};

}
