// The test bench every page test drives the unit with: a fresh Unit, a SimHost standing
// in for the simulator, and a RecordingCanvas attached as the display (370 x 176 unless
// given), with helpers to start the gauge, set the aircraft's state, press controls, run
// frames on a fake tick and find the text drawn in the last frame.
//
//   TestBench bench;
//   bench.powerOnAndSkipSelfTest();
//   bench.press("ro+");
//   bench.frames(3);
//   EXPECT_EQ(bench.row(Side::Right, 1), " KSEA");
//
// Strings come back in the unit's own Windows-1252 bytes (the degree sign is "\xB0"),
// as the pages format them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "frame/unit.h"
#include "platform/canvas/recording_canvas.h"
#include "platform/sim/aircraft_model.h"
#include "platform/sim/sim_host.h"
#include "platform/sim/sim_session.h"

enum class Side { Left, Right };

// Row 6 of row() is the status line (text top 153).
constexpr int kStatusRow = 6;

// A temporary folder removed with its contents when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes `contents` to `relativePath` ("Brindle/vgr27a.ini"), creating folders.
    void write(const std::string& relativePath, std::string_view contents) const;
    void makeFolder(const std::string& relativePath) const;
    // The file's bytes; empty when it does not exist.
    std::string read(const std::string& relativePath) const;
    bool exists(const std::string& relativePath) const {
        std::error_code error;
        return std::filesystem::exists(path_ / relativePath, error);
    }

private:
    std::filesystem::path path_;
};

class TestBench {
public:
    explicit TestBench(uint32_t displayWidthPx = 370, uint32_t displayHeightPx = 176)
        : session_(displayWidthPx, displayHeightPx) {}

    Unit& unit() { return session_.unit(); }
    SimHost& host() { return session_.host(); }
    RecordingCanvas& canvas() { return session_.canvas(); }
    TempFolder& root() { return root_; }

    // Start-up as the host does it: rootFolder := the bench's temporary folder, then
    // services 2, 4 and 14. Files the start-up reads must be written before.
    void start();
    // Service 15: releases, shuts down and writes the unit record.
    void stop() { session_.stop(); }

    void service(int32_t code) { session_.service(code); }
    // One frame: tick (token 1) + 1, service 6, service 10.
    void frame() { session_.frame(); }
    void frames(int count) {
        for (int i = 0; i < count; ++i) session_.frame();
    }

    // Sets each named control variable (space-separated short names "ro+" or full variable
    // names) to 1 and runs one frame. An unknown name fails the test.
    void press(std::string_view names);
    // The same press `times` times over, one frame each.
    void press(std::string_view names, int times) {
        for (int i = 0; i < times; ++i) press(names);
    }
    // A mouse click at face-plate pixel (x, y); returns whether a handler ran.
    bool click(int32_t x, int32_t y) { return session_.click(x, y); }

    // Starts the gauge if needed, switches the unit on and runs frames until the self-test
    // page has handed over. Fails the test if it never does.
    void powerOnAndSkipSelfTest();

    // --- aircraft state, in plain units; each setter writes the host tokens at once ---
    AircraftState& aircraft() { return session_.aircraft(); }
    void setPosition(double latDeg, double lonDeg) {
        aircraft().latDeg = latDeg;
        aircraft().lonDeg = lonDeg;
        encode();
    }
    void setGroundSpeed(double knots) { aircraft().groundSpeedKt = knots; encode(); }
    void setHeading(double magDeg) { setMagneticHeading(aircraft(), magDeg); encode(); }
    void setMagVar(double degEast) { setMagneticVariation(aircraft(), degEast); encode(); }
    void setAltitude(double feet) { aircraft().altitudeFt = feet; encode(); }
    void setPowerAvailable(bool on) { aircraft().powerOn = on; encode(); }
    // Flies for `seconds` at 18 frames a second (see advanceAircraft), turning towards the
    // last heading key event while the unit's coupling is engaged.
    void fly(double seconds) { session_.fly(seconds); }

    // --- what the last frame drew ---
    std::vector<const DrawItem*> texts() const { return session_.canvas().texts(); }
    // The first text item drawn with its top-left at exactly (x, y); null when none.
    const DrawItem* itemAt(float x, float y) const;
    // Its text, or "" when nothing was drawn there.
    std::string textAt(float x, float y) const;
    // The text items of one side's row, left to right: those whose top lies in the row's
    // band (row k: 24k up to the next row; row 5 up to 150; kStatusRow: 150 to 176) and
    // whose x lies on that side (left below 184, right from 184).
    std::vector<const DrawItem*> rowItems(Side side, int rowIndex) const;
    // Their texts joined in that order.
    std::string row(Side side, int rowIndex) const;
    // Rows `first` to `last` of one side, each as row() gives it, joined by "|".
    std::string rows(Side side, int first, int last) const;
    // Every text item of the last frame as dump lines, for failure messages.
    std::string dump() const;

private:
    void encode() { session_.encodeAircraft(); }

    TempFolder root_;
    SimSession session_;
    bool started_ = false;
};
