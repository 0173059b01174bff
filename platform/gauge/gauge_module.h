// What the gauge's records and its entry points share: the header, the import table and
// the routines the host calls through them.
#pragma once

#include <cstdint>

#include "frame/controls.h"
#include "platform/gauge/host_layout.h"

extern "C" {
extern gauge::LinkageRecord Linkage;
extern gauge::ImportTableRecord ImportTable;
}

namespace gauge {

extern GaugeHeader gaugeHeader;

void gaugeCallback(GaugeHeader* header, int32_t service, uintptr_t extra) noexcept;
void moduleInit() noexcept;
void moduleDeinit() noexcept;

intptr_t headerQuery() noexcept;
intptr_t headerInstall(void* argument) noexcept;
intptr_t headerInitialize() noexcept;
intptr_t headerUpdate() noexcept;
intptr_t headerGenerate(uint32_t phase) noexcept;
intptr_t headerDraw() noexcept;
intptr_t headerKill() noexcept;

// Runs the handler of `control` as a click on its mouse area; returns 1 when it ran.
int32_t clickControl(Control control) noexcept;

template <Control control>
int32_t mouseHandler(PixPoint*, uint32_t) noexcept {
    return clickControl(control);
}

}  // namespace gauge
