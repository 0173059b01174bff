// One unit driven the way the host drives it, for the headless runner and the test
// bench: the Unit, the SimHost, a RecordingCanvas attached as the display, the aircraft
// model, and the frame loop on a fake tick (token 1).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "frame/unit.h"
#include "platform/canvas/recording_canvas.h"
#include "platform/sim/aircraft_model.h"
#include "platform/sim/sim_host.h"

class SimSession {
public:
    SimSession(uint32_t displayWidthPx, uint32_t displayHeightPx);

    Unit& unit() { return *unit_; }
    const Unit& unit() const { return *unit_; }
    SimHost& host() { return host_; }
    RecordingCanvas& canvas() { return canvas_; }
    const RecordingCanvas& canvas() const { return canvas_; }
    AircraftState& aircraft() { return aircraft_; }
    uint32_t displayWidthPx() const { return widthPx_; }
    uint32_t displayHeightPx() const { return heightPx_; }

    // Start-up: rootFolder := `rootFolder` when given (else the gauge takes the current
    // directory), then services 2, 4 and 14. Returns false when the folder does not fit.
    bool start(const std::string& rootFolder);
    // Service 15.
    void stop();

    void service(int32_t code);
    // One frame: tick + 1, service 6, service 10.
    void frame();
    int frameCount() const { return frameCount_; }

    // Sets each named variable to 1, then runs one frame.
    void press(const std::vector<std::string>& variableNames);
    bool click(int32_t x, int32_t y);

    // Writes the aircraft state into the host's tokens.
    void encodeAircraft();
    // Frames for `seconds` at 18 a second, moving the aircraft before each and turning it
    // towards the last heading key event while the unit's coupling is engaged.
    void fly(double seconds);

private:
    std::unique_ptr<Unit> unit_;
    SimHost host_;
    RecordingCanvas canvas_;
    AircraftState aircraft_;
    uint32_t widthPx_;
    uint32_t heightPx_;
    int frameCount_ = 0;
};
