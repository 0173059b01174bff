#include "platform/sim/sim_host.h"

#include <cstring>
#include <filesystem>
#include <system_error>

#include "frame/host_tokens.h"

SimHost::SimHost() {
    // Elements 2..10 (pressed-button images) start hidden, as in the gauge header.
    for (int i = 2; i < kSimElementCount; ++i) hidden_[i] = true;
    tokens_.reserve(128);
    calculatorResults_.reserve(16);
    variableIds_.reserve(64);
    variables_.reserve(64);
    keyEvents_.reserve(1024);
}

double SimHost::readToken(uint32_t token) {
    auto it = tokens_.find(token);
    return it == tokens_.end() ? 0.0 : it->second;
}

double SimHost::evaluateCalculatorCode(const char* expression) {
    if (expression == nullptr) return 0.0;
    auto it = calculatorResults_.find(std::string_view(expression));
    return it == calculatorResults_.end() ? 0.0 : it->second;
}

int32_t SimHost::ensureVariable(std::string_view name) {
    auto it = variableIds_.find(name);
    if (it != variableIds_.end()) return it->second;
    auto id = static_cast<int32_t>(variables_.size());
    variables_.push_back(NamedVariable{std::string(name), 0.0, false});
    variableIds_.emplace(std::string(name), id);
    return id;
}

SimHost::NamedVariable* SimHost::liveVariable(int32_t id) {
    if (id < 0 || static_cast<size_t>(id) >= variables_.size()) return nullptr;
    NamedVariable& v = variables_[static_cast<size_t>(id)];
    return v.live ? &v : nullptr;
}

void SimHost::registerVariable(const char* name) {
    if (name == nullptr) return;
    registrations_.emplace_back(name);
    NamedVariable& v = variables_[static_cast<size_t>(ensureVariable(name))];
    v.live = true;
}

int32_t SimHost::lookupVariable(const char* name) {
    if (name == nullptr) return -1;
    auto it = variableIds_.find(std::string_view(name));
    if (it == variableIds_.end()) return -1;
    return variables_[static_cast<size_t>(it->second)].live ? it->second : -1;
}

double SimHost::readVariable(int32_t id) {
    const NamedVariable* v = liveVariable(id);
    return v ? v->value : 0.0;
}

void SimHost::writeVariable(int32_t id, double value) {
    if (NamedVariable* v = liveVariable(id)) v->value = value;
}

void SimHost::releaseVariable(const char* name) {
    if (name == nullptr) return;
    releases_.emplace_back(name);
    // A released variable is forgotten: later look-ups fail and a new registration
    // starts it from 0 again.
    auto it = variableIds_.find(std::string_view(name));
    if (it == variableIds_.end()) return;
    NamedVariable& v = variables_[static_cast<size_t>(it->second)];
    v.live = false;
    v.value = 0.0;
}

void SimHost::sendKeyEvent(uint32_t eventId, uint32_t parameter) {
    KeyEvent event{eventId, parameter};
    keyEvents_.push_back(event);
    // The altimeter takes the setting it is sent, so the next read gives it back.
    if (eventId == kKeyAltimeterSetting) tokens_[kTokenBaroSetting] = parameter / 16.0;
    if (keyCallback_) keyCallback_(event);
}

const void* SimHost::dataBlock(const char* name) {
    if (name == nullptr) return nullptr;
    auto it = dataBlocks_.find(std::string_view(name));
    if (it == dataBlocks_.end() || it->second.empty()) return nullptr;
    return it->second.data();
}

DisplayTarget SimHost::displayTarget() {
    DisplayTarget target;
    if (!displayExists_ || elementCount_ < 2) return target;
    target.exists = true;
    target.canvas = displayCanvas_;
    target.widthPx = displayWidthPx_;
    target.heightPx = displayHeightPx_;
    return target;
}

void SimHost::setElementHidden(int index, bool hidden) {
    if (index < 0 || index >= elementCount_) return;
    hidden_[index] = hidden;
}

uintptr_t SimHost::startGraphics() {
    ++graphicsStarts_;
    return nextGraphicsToken_++;
}

void SimHost::stopGraphics(uintptr_t token) {
    if (token != 0) ++graphicsStops_;
}

bool SimHost::currentDirectory(char* out, int size) {
    if (out == nullptr || size <= 0) return false;
    out[0] = '\0';
    std::string dir = currentDirectory_;
    if (dir.empty()) {
        std::error_code error;
        dir = std::filesystem::current_path(error).string();
        if (error) return false;
    }
    // A cut path would name some other folder, so a directory that does not fit is
    // reported as unavailable rather than shortened.
    if (dir.empty() || dir.size() > static_cast<size_t>(size - 1)) return false;
    std::memcpy(out, dir.data(), dir.size());
    out[dir.size()] = '\0';
    return true;
}

void SimHost::setToken(uint32_t token, double value) { tokens_[token] = value; }

void SimHost::setCalculatorResult(std::string_view expression, double value) {
    auto it = calculatorResults_.find(expression);
    if (it != calculatorResults_.end()) {
        it->second = value;
    } else {
        calculatorResults_.emplace(std::string(expression), value);
    }
}

void SimHost::setVariable(std::string_view name, double value) {
    NamedVariable& v = variables_[static_cast<size_t>(ensureVariable(name))];
    v.live = true;
    v.value = value;
}

double SimHost::variable(const std::string& name) const {
    auto it = variableIds_.find(std::string_view(name));
    if (it == variableIds_.end()) return 0.0;
    const NamedVariable& v = variables_[static_cast<size_t>(it->second)];
    return v.live ? v.value : 0.0;
}

bool SimHost::variableExists(const std::string& name) const {
    auto it = variableIds_.find(std::string_view(name));
    return it != variableIds_.end() && variables_[static_cast<size_t>(it->second)].live;
}

void SimHost::setDataBlock(const std::string& name, std::vector<uint8_t> bytes) {
    dataBlocks_[name] = std::move(bytes);
}

void SimHost::removeDataBlock(const std::string& name) {
    auto it = dataBlocks_.find(std::string_view(name));
    if (it != dataBlocks_.end()) dataBlocks_.erase(it);
}

void SimHost::attachDisplay(Canvas* canvas, uint32_t widthPx, uint32_t heightPx) {
    displayCanvas_ = canvas;
    displayWidthPx_ = widthPx;
    displayHeightPx_ = heightPx;
}

void SimHost::setElementChainLength(int count) {
    if (count < 0) count = 0;
    if (count > kSimElementCount) count = kSimElementCount;
    elementCount_ = count;
}

bool SimHost::elementHidden(int index) const {
    if (index < 0 || index >= kSimElementCount) return false;
    return hidden_[index];
}
