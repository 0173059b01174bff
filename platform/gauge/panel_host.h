// The core's Host interface over the simulator's panel-service table.
//
// Every call goes through the table the host stored in ImportTable, looked up again on each
// use; a table or slot the host has not filled yields zero, an empty text or nothing, so a
// call made before the host is ready never jumps through a null pointer.
#pragma once

#include <cstdint>

#include "frame/host.h"
#include "platform/gauge/host_layout.h"

namespace gauge {

class GdiplusCanvas;

class PanelHost final : public Host {
public:
    PanelHost(ImportTableRecord& imports, GaugeHeader& header, GdiplusCanvas& canvas)
        : imports_(imports), header_(&header), canvas_(canvas) {}

    // The header of the gauge instance being served. The host may give each instance of
    // the gauge (panel window, virtual cockpit) its own copy of the header, with its own
    // parameter text; calls without a header keep the last one.
    void useHeader(GaugeHeader* header) {
        if (header != nullptr) header_ = header;
    }

    double readToken(uint32_t token) override;
    double evaluateCalculatorCode(const char* expression) override;

    void registerVariable(const char* name) override;
    int32_t lookupVariable(const char* name) override;
    double readVariable(int32_t id) override;
    void writeVariable(int32_t id, double value) override;
    void releaseVariable(const char* name) override;

    void sendKeyEvent(uint32_t eventId, uint32_t parameter) override;
    const void* dataBlock(const char* name) override;

    int32_t skipDrawQuery() override;
    const char* gaugeParameters() override;

    DisplayTarget displayTarget() override;
    void markDisplayChanged() override;
    void setElementHidden(int index, bool hidden) override;

    uintptr_t startGraphics() override;
    void stopGraphics(uintptr_t token) override;

    bool currentDirectory(char* out, int size) override;

    // Element `index` of the header's chain, or null when the chain ends first.
    ElementHeader* element(int index) const;

    // The forwarding of the header's seven routines to the host's element operations.
    intptr_t forwardElement(PanelSlot slot);
    intptr_t forwardElementArgument(PanelSlot slot, void* argument);
    intptr_t forwardElementPhase(PanelSlot slot, uint32_t phase);

private:
    template <typename Fn>
    Fn slot(PanelSlot index) const;

    ImportTableRecord& imports_;
    GaugeHeader* header_;
    GdiplusCanvas& canvas_;
    // The calibrated-airspeed read keeps one record for the module's life: the host carries
    // the smoothing state of that variable in it from one read to the next.
    TokenRecord airspeedRecord_{};
};

}  // namespace gauge
