// The start-up scan of the FlightPlans folder at its fullest: 197 route files of 201
// waypoints each, listed, read and copied into the plan store. Also the save of a
// 201-waypoint FPL 0, which writes a whole route file through a temporary name.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "fpl/fpl_hooks.h"
#include "fpl/route_files.h"
#include "frame/unit.h"

namespace {

constexpr int kRouteFiles = 197;
constexpr int kWaypointsPerFile = 201;

struct PlanFolder {
    std::filesystem::path root;
    std::filesystem::path plans;

    PlanFolder() {
        root = std::filesystem::temp_directory_path() / "tarnwick-fpl-bench";
        std::filesystem::remove_all(root);
        plans = root / "Halcyra Software" / "Tarnwick" / "FlightPlans";
        std::filesystem::create_directories(plans);
        for (int f = 0; f < kRouteFiles; ++f) {
            char name[16];
            std::snprintf(name, sizeof name, "R%d.RTE", 1000 + f);
            std::ofstream out(plans / name, std::ios::binary);
            out << "[FlightPlan]\r\n";
            for (int w = 0; w < kWaypointsPerFile; ++w) {
                char line[96];
                std::snprintf(line, sizeof line, "W%-13d %2.5f %3.5f  %3s %-6s\r\n", w,
                              40.0 + w * 0.01, -120.0 - w * 0.01, "INT",
                              w % 3 == 0 ? "116.80" : "");
                out << line;
            }
        }
    }
    ~PlanFolder() { std::filesystem::remove_all(root); }

    void useAsRoot(Unit& unit) const {
        std::snprintf(unit.rootFolder, sizeof unit.rootFolder, "%s", root.string().c_str());
    }
};

void BM_ScanFullFolder(benchmark::State& state) {
    PlanFolder folder;
    for (auto _ : state) {
        state.PauseTiming();
        auto unit = std::make_unique<Unit>();
        folder.useAsRoot(*unit);
        state.ResumeTiming();
        scanFlightPlanFolder(*unit);
        benchmark::DoNotOptimize(unit->fpl.blankPlanIndex);
        if (unit->fpl.blankPlanIndex != kRouteFiles + 2) state.SkipWithError("not every file was listed");
    }
    state.counters["files"] = kRouteFiles;
    state.counters["waypoints"] = kRouteFiles * kWaypointsPerFile;
}
BENCHMARK(BM_ScanFullFolder)->Unit(benchmark::kMillisecond);

void BM_SaveLongRoute(benchmark::State& state) {
    PlanFolder folder;
    auto unit = std::make_unique<Unit>();
    folder.useAsRoot(*unit);
    scanFlightPlanFolder(*unit);
    FplState& fpl = unit->fpl;
    for (int w = 0; w < kWaypointsPerFile; ++w) {
        std::snprintf(fpl.activeRoute.waypoints[w].ident, kPlanIdentSize, "S%d", w);
        fpl.activeRoute.waypoints[w].latitude = 40.0 + w * 0.01;
    }
    fpl.activeLastIndex = kWaypointsPerFile - 1;
    for (auto _ : state) {
        // Saving moves the blank plan up and leaves a file; both are undone untimed so
        // every save writes the same name into the same store.
        state.PauseTiming();
        fpl.blankPlanIndex = kRouteFiles + 2;
        std::filesystem::remove(folder.plans / "S0-S200.RTE");
        state.ResumeTiming();
        if (saveRouteFile(*unit) != SaveResult::Saved) state.SkipWithError("the save failed");
    }
}
BENCHMARK(BM_SaveLongRoute)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
