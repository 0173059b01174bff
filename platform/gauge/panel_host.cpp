// The panel-service adapter: each Host operation is one call through the host's table.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "platform/gauge/gdiplus_canvas.h"
#include "platform/gauge/panel_host.h"

namespace gauge {

namespace {

// Size of the display element's bitmap, used when the host gives no image record.
constexpr uint32_t kDisplayWidthPx = 370;
constexpr uint32_t kDisplayHeightPx = 176;
constexpr uint32_t kAirspeedToken = 61;

}  // namespace

template <typename Fn>
Fn PanelHost::slot(PanelSlot index) const {
    auto* const* table = static_cast<void* const*>(imports_.panelServices);
    if (table == nullptr) return nullptr;
    return reinterpret_cast<Fn>(table[index]);
}

double PanelHost::readToken(uint32_t token) {
    auto read = slot<ReadTokenFn>(kSlotReadToken);
    if (read == nullptr) return 0.0;
    if (token == kAirspeedToken) {
        airspeedRecord_.token = token;
        read(&airspeedRecord_);
        return airspeedRecord_.value;
    }
    TokenRecord record{};
    record.token = token;
    read(&record);
    return record.value;
}

double PanelHost::evaluateCalculatorCode(const char* expression) {
    double result = 0.0;
    if (auto evaluate = slot<CalculatorCodeFn>(kSlotCalculatorCode)) {
        evaluate(expression, &result, nullptr, nullptr);
    }
    return result;
}

void PanelHost::registerVariable(const char* name) {
    if (auto call = slot<RegisterVariableFn>(kSlotRegisterVariable)) call(name);
}

int32_t PanelHost::lookupVariable(const char* name) {
    auto call = slot<LookupVariableFn>(kSlotLookupVariable);
    return call != nullptr ? call(name) : -1;
}

double PanelHost::readVariable(int32_t id) {
    auto call = slot<ReadVariableFn>(kSlotReadVariable);
    return call != nullptr ? call(id) : 0.0;
}

void PanelHost::writeVariable(int32_t id, double value) {
    if (auto call = slot<WriteVariableFn>(kSlotWriteVariable)) call(id, value);
}

void PanelHost::releaseVariable(const char* name) {
    if (auto call = slot<NameFn>(kSlotReleaseVariable)) call(name);
}

void PanelHost::sendKeyEvent(uint32_t eventId, uint32_t parameter) {
    if (auto call = slot<SendKeyEventFn>(kSlotSendKeyEvent)) call(eventId, parameter);
}

const void* PanelHost::dataBlock(const char* name) {
    auto call = slot<DataBlockFn>(kSlotDataBlock);
    if (call == nullptr) return nullptr;
    TokenRecord record{};
    call(&record, name);
    return record.dataPointer;
}

int32_t PanelHost::skipDrawQuery() {
    auto call = slot<SkipDrawQueryFn>(kSlotSkipDrawQuery);
    return call != nullptr ? call(0) : 0;
}

const char* PanelHost::gaugeParameters() {
    return header_->parameters != nullptr ? header_->parameters : "";
}

ElementHeader* PanelHost::element(int index) const {
    if (index < 0 || header_->elements == nullptr) return nullptr;
    ElementHeader* current = header_->elements[0];
    for (int i = 0; i < index && current != nullptr; ++i) {
        current = current->nextElements != nullptr ? current->nextElements[0] : nullptr;
    }
    return current;
}

DisplayTarget PanelHost::displayTarget() {
    DisplayTarget target;
    ElementHeader* display = element(1);
    if (display == nullptr) return target;
    target.exists = true;
    auto* image = reinterpret_cast<StaticImageElement*>(display);
    if (image->deviceContext == nullptr) return target;
    target.widthPx = kDisplayWidthPx;
    target.heightPx = kDisplayHeightPx;
    if (image->finalImage != nullptr && image->finalImage->size.x > 0 &&
        image->finalImage->size.y > 0) {
        target.widthPx = static_cast<uint32_t>(image->finalImage->size.x);
        target.heightPx = static_cast<uint32_t>(image->finalImage->size.y);
    }
    canvas_.bind(image->deviceContext);
    target.canvas = &canvas_;
    return target;
}

void PanelHost::markDisplayChanged() {
    if (ElementHeader* display = element(1)) display->imageFlags &= ~kImageOnScreen;
}

void PanelHost::setElementHidden(int index, bool hidden) {
    ElementHeader* target = element(index);
    if (target == nullptr) return;
    if (hidden) {
        target->imageFlags |= kImageHidden;
    } else {
        target->imageFlags &= ~kImageHidden;
    }
}

uintptr_t PanelHost::startGraphics() { return canvas_.startup(); }

void PanelHost::stopGraphics(uintptr_t token) { canvas_.shutdown(token); }

bool PanelHost::currentDirectory(char* out, int size) {
    if (out == nullptr || size <= 0) return false;
    out[0] = '\0';
    const DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(size), out);
    // A result of `size` or more is the length the directory would need: it did not fit.
    if (length == 0 || length >= static_cast<DWORD>(size)) {
        out[0] = '\0';
        return false;
    }
    return true;
}

intptr_t PanelHost::forwardElement(PanelSlot index) {
    auto call = slot<ElementFn>(index);
    return call != nullptr ? call(element(0)) : 0;
}

intptr_t PanelHost::forwardElementArgument(PanelSlot index, void* argument) {
    auto call = slot<ElementArgFn>(index);
    return call != nullptr ? call(element(0), argument) : 0;
}

intptr_t PanelHost::forwardElementPhase(PanelSlot index, uint32_t phase) {
    auto call = slot<ElementPhaseFn>(index);
    return call != nullptr ? call(element(0), phase) : 0;
}

}  // namespace gauge
