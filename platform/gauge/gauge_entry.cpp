// The entry points the simulator calls: the gauge callback, the header's routines and the
// mouse handlers. Each catches everything, so nothing thrown in the unit reaches the host.
#include <memory>
#include <new>

#include "frame/gauge.h"
#include "frame/unit.h"
#include "platform/gauge/gauge_module.h"
#include "platform/gauge/gdiplus_canvas.h"
#include "platform/gauge/panel_host.h"

namespace gauge {

namespace {

// The module's state, alive from load to unload. The Unit holds the large database tables,
// so it is made on the first call that needs it rather than while the loader runs.
GdiplusCanvas displayCanvas;
PanelHost panelHost(ImportTable, gaugeHeader, displayCanvas);
std::unique_ptr<Unit> unitInstance;

// The unit, made on first use; null when there is not enough memory for it (the next call
// tries again).
Unit* unit() noexcept {
    if (!unitInstance) {
        try {
            unitInstance = std::make_unique<Unit>();
        } catch (...) {
            return nullptr;
        }
    }
    return unitInstance.get();
}

}  // namespace

void gaugeCallback(GaugeHeader* header, int32_t service, uintptr_t) noexcept {
    Unit* state = unit();
    if (state == nullptr) return;
    panelHost.useHeader(header);
    try {
        gaugeService(*state, panelHost, service);
    } catch (...) {
        // The unit keeps the state it reached; the next service goes on from there.
    }
    // The graphics object lives for one draw only.
    displayCanvas.endDraw();
}

int32_t clickControl(Control control) noexcept {
    Unit* state = unit();
    if (state == nullptr) return 0;
    try {
        runControl(*state, panelHost, control);
    } catch (...) {
        return 0;
    }
    return 1;
}

void moduleInit() noexcept {}
void moduleDeinit() noexcept {}

intptr_t headerQuery() noexcept { return panelHost.forwardElement(kSlotElementQuery); }

intptr_t headerInstall(void* argument) noexcept {
    return panelHost.forwardElementArgument(kSlotElementInstall, argument);
}

intptr_t headerInitialize() noexcept {
    return panelHost.forwardElement(kSlotElementInitialize);
}

intptr_t headerUpdate() noexcept { return panelHost.forwardElement(kSlotElementUpdate); }

intptr_t headerGenerate(uint32_t phase) noexcept {
    return panelHost.forwardElementPhase(kSlotElementGenerate, phase);
}

intptr_t headerDraw() noexcept { return panelHost.forwardElement(kSlotElementDraw); }

intptr_t headerKill() noexcept { return panelHost.forwardElement(kSlotElementKill); }

}  // namespace gauge
