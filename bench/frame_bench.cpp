// One frame of the unit (control cycle + draw) on a canvas that discards everything, and
// the number of heap allocations the core makes per frame, which must be 0.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <memory>
#include <new>
#include <string>

#include "bench/navdb_generate.h"
#include "frame/controls.h"
#include "frame/gauge.h"
#include "frame/host_tokens.h"
#include "frame/pages/page_table.h"
#include "frame/unit.h"
#include "platform/canvas/cairo_canvas.h"
#include "platform/canvas/recording_canvas.h"
#include "platform/sim/sim_host.h"

// The counting operator new pairs with free() through the operator delete below.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {
// Only allocations made while the unit runs a service are counted; the stand-in host
// may allocate when the bench sets its variables.
std::atomic<long> allocationCount{0};
std::atomic<bool> counting{false};
}  // namespace

void* operator new(std::size_t size) {
    if (counting.load(std::memory_order_relaxed)) {
        allocationCount.fetch_add(1, std::memory_order_relaxed);
    }
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

struct PoweredUnit {
    std::unique_ptr<Unit> unit = std::make_unique<Unit>();
    SimHost host;
    NullCanvas canvas;
    double tick = 0;

    // The unit on the bundled sample data (or the data under `root`), parked at
    // Seattle-Tacoma, so the waypoint pages have records to draw and the nearest lists
    // something to sort.
    explicit PoweredUnit(
        const std::string& root = std::string(TARNWICK_SOURCE_DIR).append("/sample")) {
        std::snprintf(unit->rootFolder, sizeof unit->rootFolder, "%s", root.c_str());
        host.attachDisplay(&canvas, 370, 176);
        host.setToken(kTokenLatitude, 47.449 * 111130.555557);
        host.setToken(kTokenLongitude, (360.0 - 122.309) * 781874935307.4);
        host.setToken(kTokenPower, 1);
        gaugeService(*unit, host, kServiceStart);
        gaugeService(*unit, host, kServiceInit);
        gaugeService(*unit, host, kServiceConnect);
        host.setVariable(kControlVariableNames[static_cast<int>(Control::Power)], 1);
        for (int i = 0; i < 100; ++i) frame();  // past the self-test
    }
    void frame() {
        host.setToken(kTokenTick, ++tick);
        host.setToken(kTokenClockSecond, static_cast<double>(static_cast<long>(tick / 18) % 60));
        counting = true;
        gaugeService(*unit, host, kServiceUpdate);
        gaugeService(*unit, host, kServiceDraw);
        counting = false;
    }
};

void BM_Frame(benchmark::State& state) {
    PoweredUnit bench;
    for (auto _ : state) bench.frame();
}
BENCHMARK(BM_Frame);

// A frame in which a knob turns, so the handlers and events run too.
void BM_FrameWithKnobTurn(benchmark::State& state) {
    PoweredUnit bench;
    const char* knob = kControlVariableNames[static_cast<int>(Control::RightOuterUp)];
    for (auto _ : state) {
        bench.host.setVariable(knob, 1);
        bench.frame();
    }
}
BENCHMARK(BM_FrameWithKnobTurn);

// The nearest-VOR page stepping with the inner knob pulled out, beside the FPL page.
void BM_FrameNearestVors(benchmark::State& state) {
    PoweredUnit bench;
    bench.unit->page.leftPageGroup = PG_FPL;
    bench.unit->page.rightPageGroup = PG_VOR;
    bench.unit->page.rightInnerKnobState = 0;
    const char* knob = kControlVariableNames[static_cast<int>(Control::RightInnerUp)];
    for (auto _ : state) {
        bench.host.setVariable(knob, 1);
        bench.frame();
    }
}
BENCHMARK(BM_FrameNearestVors);

// Every page of both cycles in turn beside a two-leg route flown at 120 kt: each frame
// shows the next pair of groups, and every 17th frame (prime to both cycles) both inner knobs turn,
// so the numbered pages of each group (APT 1..4, D/T 1..4, OTH 5..10, ...) come round too. Reports
// heap allocations per frame (0 expected).
void BM_FrameEveryPage(benchmark::State& state) {
    PoweredUnit bench;
    Unit& unit = *bench.unit;
    const double lats[] = {47.0, 47.5, 48.0};
    for (int i = 0; i < 3; ++i) {
        PlanWaypoint& waypoint = unit.fpl.activeRoute.waypoints[i];
        std::snprintf(waypoint.ident, sizeof waypoint.ident, "WPT%d", i);
        waypoint.latitude = lats[i];
        waypoint.longitude = -122.309;
    }
    unit.fpl.activeLastIndex = 2;
    unit.nav.leg.activeToIndex = 1;
    bench.host.setToken(kTokenGroundSpeed, 120.0 * 1.68781);
    const char* leftInner = kControlVariableNames[static_cast<int>(Control::LeftInnerUp)];
    const char* rightInner = kControlVariableNames[static_cast<int>(Control::RightInnerUp)];
    constexpr size_t kLeftCount = std::size(kLeftPageCycle);
    constexpr size_t kRightCount = std::size(kRightPageCycle);
    size_t step = 0;
    auto nextFrame = [&] {
        unit.page.leftPageGroup = kLeftPageCycle[step % kLeftCount];
        unit.page.rightPageGroup = kRightPageCycle[(step / kLeftCount) % kRightCount];
        if (step % 17 == 0) {
            bench.host.setVariable(leftInner, 1);
            bench.host.setVariable(rightInner, 1);
        }
        ++step;
        bench.frame();
    };
    // Two rounds of every pair with every knob phase first: the APT pages read an airport's
    // information file the first time it shows (once per airport and start, opening the
    // file allocates), which is not a frame's cost.
    for (size_t i = 0; i < 2 * 17 * kLeftCount * kRightCount; ++i) nextFrame();
    const long before = allocationCount.load();
    for (auto _ : state) nextFrame();
    const auto frames = static_cast<double>(state.iterations());
    state.counters["allocs/frame"] = static_cast<double>(allocationCount.load() - before) / frames;
}
BENCHMARK(BM_FrameEveryPage);

// A unit on a database at every table's capacity, flying a coupled route leg northwards
// at 240 kt; built once, as loading the database takes seconds.
struct WorldFlight {
    std::filesystem::path root = std::filesystem::temp_directory_path() /
                                 ("tarnwick-frame-bench-" + std::to_string(getpid()));
    std::unique_ptr<PoweredUnit> bench;
    long frames = 0;

    WorldFlight() {
        navdb_bench::writeCapacityDatabase(root);
        bench = std::make_unique<PoweredUnit>(root.string());
        Unit& unit = *bench->unit;
        const double lats[] = {47.0, 48.5, 50.0};
        for (int i = 0; i < 3; ++i) {
            PlanWaypoint& waypoint = unit.fpl.activeRoute.waypoints[i];
            std::snprintf(waypoint.ident, sizeof waypoint.ident, "WPT%d", i);
            waypoint.latitude = lats[i];
            waypoint.longitude = -122.309;
        }
        unit.fpl.activeLastIndex = 2;
        unit.nav.leg.activeToIndex = 1;
        unit.nav.coupling.lnavEngaged = 1;
        unit.vnav.vnavTargetAltitude = 3000.0;
        unit.vnav.vnavVerticalSpeed = 500.0;
        bench->host.setToken(kTokenAutopilotMaster, 1);
        bench->host.setToken(kTokenAutopilotHeadingHold, 1);
        bench->host.setToken(kTokenGroundSpeed, 240.0 * 1.68781);
    }
    ~WorldFlight() {
        std::error_code error;
        std::filesystem::remove_all(root, error);
    }
    // One frame 1/18 s further north; every 100 NM the flight starts over, so the nearest
    // VORs are searched again every 5 NM and their narrow list rebuilt now and then.
    void frame() {
        constexpr double kDegreesPerFrame = 240.0 / 3600.0 / 18.0 / 60.0;
        constexpr long kFramesPer100Nm = 27000;
        const double lat =
            47.449 + static_cast<double>(frames++ % kFramesPer100Nm) * kDegreesPerFrame;
        bench->host.setToken(kTokenLatitude, lat * 111130.555557);
        bench->frame();
    }
};

WorldFlight& worldFlight() {
    static WorldFlight flight;
    return flight;
}

// Both sides on NAV pages at world-size tables with the coupling steering: argument 0 shows
// NAV 4 counting down to the descent (cursor on the angle field) beside NAV 2 with its
// nearest VOR, argument 1 the wide NAV 1. Reports heap allocations per frame (0 expected).
void BM_FrameNavPagesCoupled(benchmark::State& state) {
    WorldFlight& flight = worldFlight();
    Unit& unit = *flight.bench->unit;
    unit.page.leftPageGroup = PG_NAV;
    unit.page.rightPageGroup = PG_NAV;
    const bool wide = state.range(0) == 1;
    unit.page.leftNavPage = wide ? 1 : 4;
    unit.page.rightNavPage = wide ? 1 : 2;
    unit.page.leftCursorOn = wide ? 0 : 1;
    unit.pages.nav.vnavField = 3;
    const long before = allocationCount.load();
    for (auto _ : state) flight.frame();
    const auto frames = static_cast<double>(state.iterations());
    state.counters["allocs/frame"] = static_cast<double>(allocationCount.load() - before) / frames;
    state.counters["lnavEngaged"] = unit.nav.coupling.lnavEngaged;
    state.counters["vors"] = unit.db.vorCount;
}
BENCHMARK(BM_FrameNavPagesCoupled)->Arg(0)->Arg(1);

// Both sides on NAV 5 at world-size tables: the whole-display map, north up at 40 NM, with
// a 201-waypoint route zigzagging north along the flight and every plot on, drawn on the
// null canvas (argument 0), the recording canvas (1) and the Cairo canvas (2). Reports
// heap allocations per frame (0 expected) and, on the recording canvas, the texts drawn.
void BM_FrameWholeMap(benchmark::State& state) {
    WorldFlight& flight = worldFlight();
    Unit& unit = *flight.bench->unit;
    PlanWaypoint* route = unit.fpl.activeRoute.waypoints;
    for (int i = 0; i < kPlanWaypointCount; ++i) {
        std::snprintf(route[i].ident, sizeof route[i].ident, "R%03d", i);
        route[i].latitude = 47.0 + 0.015 * i;
        route[i].longitude = -122.309 + (i % 2 == 0 ? -0.05 : 0.05);
    }
    unit.fpl.activeLastIndex = kPlanWaypointCount - 1;
    unit.nav.leg.activeToIndex = 1;
    unit.page.leftPageGroup = PG_NAV;
    unit.page.rightPageGroup = PG_NAV;
    unit.page.leftNavPage = 5;
    unit.page.rightNavPage = 5;
    unit.page.leftCursorOn = 0;
    unit.pages.nav.leftMapMode = 1;
    unit.pages.nav.plotVor = 1;
    unit.pages.nav.plotNdb = 1;
    unit.pages.nav.plotApt = 1;
    unit.pages.nav.nav5ClrToggle = 0;
    RecordingCanvas recording;
    CairoCanvas cairo(370, 176);
    Canvas* canvases[] = {&flight.bench->canvas, &recording, &cairo};
    Canvas* canvas = canvases[state.range(0)];
    flight.bench->host.attachDisplay(canvas, 370, 176);
    for (int i = 0; i < 3; ++i) flight.frame();  // the canvas's own storage and fonts
    const long before = allocationCount.load();
    for (auto _ : state) flight.frame();
    const auto frames = static_cast<double>(state.iterations());
    state.counters["allocs/frame"] = static_cast<double>(allocationCount.load() - before) / frames;
    if (state.range(0) == 1) state.counters["texts"] = static_cast<double>(recording.texts().size());
    flight.bench->host.attachDisplay(&flight.bench->canvas, 370, 176);
}
BENCHMARK(BM_FrameWholeMap)->Arg(0)->Arg(1)->Arg(2);

}  // namespace

int main(int argc, char** argv) {
    {
        PoweredUnit bench;
        // Both outer knobs keep turning, so every page of both cycles draws in turn.
        const char* rightKnob = kControlVariableNames[static_cast<int>(Control::RightOuterUp)];
        const char* leftKnob = kControlVariableNames[static_cast<int>(Control::LeftOuterUp)];
        const long before = allocationCount.load();
        constexpr int kFrames = 2000;
        for (int i = 0; i < kFrames; ++i) {
            bench.host.setVariable(rightKnob, i % 7 == 0 ? 1 : 0);
            bench.host.setVariable(leftKnob, i % 11 == 0 ? 1 : 0);
            bench.frame();
        }
        const long allocations = allocationCount.load() - before;
        std::printf("heap allocations in %d frames: %ld (%.3f per frame)\n", kFrames, allocations,
                    static_cast<double>(allocations) / kFrames);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
