// A stand-in for the flight simulator: token variables, calculator-code results, named
// panel variables, key events, data blocks and the image elements of the gauge, all held
// in memory so tests and the headless runner can set them and watch what the unit does.
//
// Token values are in the host's own units (the aircraft model in aircraft_model.h
// encodes plain units into them). The altimeter-setting key event sets the barometric
// setting token, as the simulator's altimeter would. Unknown tokens and expressions read
// 0, as a host leaves the zeroed result record untouched. A named variable exists once it has been
// registered (by the unit) or set (by the test or runner, standing for another gauge);
// a look-up of any other name returns -1, reads through -1 or any unknown identifier
// give 0 and writes to it are ignored.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "frame/host.h"

class Canvas;

constexpr int kSimElementCount = 11;  // face plate, display, pressed images 2..10

struct KeyEvent {
    uint32_t eventId;
    uint32_t parameter;
};

// Lets the maps below be searched with a plain name or expression without building a
// std::string, so reads in a frame do not allocate.
struct TextHash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};
template <typename Value>
using TextMap = std::unordered_map<std::string, Value, TextHash, std::equal_to<>>;

class SimHost : public Host {
public:
    SimHost();

    // --- Host ---
    double readToken(uint32_t token) override;
    double evaluateCalculatorCode(const char* expression) override;
    void registerVariable(const char* name) override;
    int32_t lookupVariable(const char* name) override;
    double readVariable(int32_t id) override;
    void writeVariable(int32_t id, double value) override;
    void releaseVariable(const char* name) override;
    void sendKeyEvent(uint32_t eventId, uint32_t parameter) override;
    const void* dataBlock(const char* name) override;
    int32_t skipDrawQuery() override { return skipDrawAnswer_; }
    const char* gaugeParameters() override { return gaugeParameters_.c_str(); }
    DisplayTarget displayTarget() override;
    void markDisplayChanged() override {
        displayImageTaken_ = false;
        ++displayMarks_;
    }
    void setElementHidden(int index, bool hidden) override;
    uintptr_t startGraphics() override;
    void stopGraphics(uintptr_t token) override;
    bool currentDirectory(char* out, int size) override;

    // --- the simulator's side ---
    void setToken(uint32_t token, double value);
    // Setting an expression or variable that already exists does not allocate.
    void setCalculatorResult(std::string_view expression, double value);
    // Sets a named variable as another gauge or the panel would, creating it if needed.
    void setVariable(std::string_view name, double value);
    // The current value of a named variable; 0 when it does not exist.
    double variable(const std::string& name) const;
    bool variableExists(const std::string& name) const;

    void setDataBlock(const std::string& name, std::vector<uint8_t> bytes);
    void removeDataBlock(const std::string& name);

    void setSkipDrawAnswer(int32_t answer) { skipDrawAnswer_ = answer; }
    void setGaugeParameters(const std::string& text) { gaugeParameters_ = text; }

    // The display element: whether it exists, and the canvas (null: no device context)
    // with its size in device pixels.
    void attachDisplay(Canvas* canvas, uint32_t widthPx, uint32_t heightPx);
    void setDisplayElementExists(bool exists) { displayExists_ = exists; }
    // The number of elements in the gauge's image chain (2..11); hiding or showing an
    // element past its end does nothing, as on the host.
    void setElementChainLength(int count);
    bool elementHidden(int index) const;
    // The display element's "image taken" flag (bit 0x80000000): the host sets it when it
    // has copied the image, markDisplayChanged() clears it so the host copies it again.
    void setDisplayImageTaken(bool taken) { displayImageTaken_ = taken; }
    bool displayImageTaken() const { return displayImageTaken_; }
    int displayMarks() const { return displayMarks_; }

    // Runs for every key event as it is sent (the runner prints it).
    void onKeyEvent(std::function<void(const KeyEvent&)> callback) { keyCallback_ = std::move(callback); }
    const std::vector<KeyEvent>& keyEvents() const { return keyEvents_; }
    void clearKeyEvents() { keyEvents_.clear(); }

    // Names in the order the unit registered and released them.
    const std::vector<std::string>& registrations() const { return registrations_; }
    const std::vector<std::string>& releases() const { return releases_; }
    int graphicsStarts() const { return graphicsStarts_; }
    int graphicsStops() const { return graphicsStops_; }

    void setCurrentDirectoryOverride(const std::string& dir) { currentDirectory_ = dir; }

private:
    struct NamedVariable {
        std::string name;
        double value = 0.0;
        bool live = false;
    };

    int32_t ensureVariable(std::string_view name);
    NamedVariable* liveVariable(int32_t id);

    std::unordered_map<uint32_t, double> tokens_;
    TextMap<double> calculatorResults_;
    TextMap<int32_t> variableIds_;
    std::vector<NamedVariable> variables_;
    TextMap<std::vector<uint8_t>> dataBlocks_;
    std::vector<KeyEvent> keyEvents_;
    std::function<void(const KeyEvent&)> keyCallback_;
    std::vector<std::string> registrations_;
    std::vector<std::string> releases_;

    int32_t skipDrawAnswer_ = 0;
    std::string gaugeParameters_;

    bool displayExists_ = true;
    Canvas* displayCanvas_ = nullptr;
    uint32_t displayWidthPx_ = 370;
    uint32_t displayHeightPx_ = 176;
    bool displayImageTaken_ = false;
    int displayMarks_ = 0;
    int elementCount_ = kSimElementCount;
    bool hidden_[kSimElementCount] = {};

    int graphicsStarts_ = 0;
    int graphicsStops_ = 0;
    uintptr_t nextGraphicsToken_ = 1;
    std::string currentDirectory_;
};
