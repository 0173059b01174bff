// The navigation database at capacity: load time and throughput, resident memory, the
// worst knob events (next-character list, prefix lookup, duplicate list) and the nearest
// airport search, with the heap allocations each makes (which must be 0).
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <new>
#include <string>
#include <unistd.h>

#include "bench/navdb_generate.h"
#include "frame/unit.h"
#include "navdb/lookup.h"
#include "navdb/navdb_load.h"
#include "navdb/nearest.h"

// The counting operator new pairs with free() through the operator delete below.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {
std::atomic<long> allocationCount{0};
}  // namespace

void* operator new(std::size_t size) {
    allocationCount.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

// Resident set size of this process in MiB.
double residentMiB() {
    long pages = 0;
    long resident = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) /
           (1024.0 * 1024.0);
}

// The generated database, written once per run into a temporary root folder.
struct Database {
    std::filesystem::path root;
    uint64_t bytes = 0;
    Database() {
        root = std::filesystem::temp_directory_path() / ("tarnwick-navdb-bench-" + std::to_string(getpid()));
        bytes = navdb_bench::writeCapacityDatabase(root);
    }
    ~Database() {
        std::error_code error;
        std::filesystem::remove_all(root, error);
    }
    std::unique_ptr<Unit> newUnit() const {
        auto unit = std::make_unique<Unit>();
        root.string().copy(unit->rootFolder, sizeof unit->rootFolder - 1);
        return unit;
    }
};

const Database& database() {
    static Database db;
    return db;
}

// A unit with the whole database loaded, shared by the lookup benchmarks.
Unit& loadedUnit() {
    static std::unique_ptr<Unit> unit = [] {
        auto u = database().newUnit();
        LoadNavDatabase(*u);
        return u;
    }();
    return *unit;
}

// Resident memory, measured once in a fresh process before anything else has been
// allocated and freed (freed tables make later measurements of the heap unreliable).
void BM_ResidentMemory(benchmark::State& state) {
    const Database& db = database();
    for (auto _ : state) {
        const double atStart = residentMiB();
        auto unit = db.newUnit();
        const double empty = residentMiB();
        LoadNavDatabase(*unit);
        const double loaded = residentMiB();
        state.counters["process_MiB"] = atStart;
        state.counters["empty_unit_MiB"] = empty - atStart;
        state.counters["loaded_unit_MiB"] = loaded - atStart;
        state.counters["table_capacity_MiB"] =
            static_cast<double>(sizeof(AirportRecord) * 25001 + sizeof(WaypointRecord) * 317004 +
                                sizeof(IdentKey) * 341004) /
            (1024.0 * 1024.0);
    }
}
BENCHMARK(BM_ResidentMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_LoadNavDatabase(benchmark::State& state) {
    const Database& db = database();
    long allocations = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto unit = db.newUnit();
        const long allocationsBefore = allocationCount.load();
        state.ResumeTiming();
        LoadNavDatabase(*unit);
        state.PauseTiming();
        allocations = allocationCount.load() - allocationsBefore;
        if (unit->db.intersectionCount != 280000 || unit->db.airportCount != 25000 ||
            unit->db.vorCount != 18000 || unit->db.ndbCount != 18000) {
            state.SkipWithError("the database did not load at capacity");
        }
        unit.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * db.bytes));
    state.counters["file_MB"] = static_cast<double>(db.bytes) / 1e6;
    state.counters["allocations"] = static_cast<double>(allocations);
}
BENCHMARK(BM_LoadNavDatabase)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

// Runs one knob event per iteration and reports the allocations per event.
template <typename Event>
void knobEvent(benchmark::State& state, Event&& event) {
    Unit& unit = loadedUnit();
    const long before = allocationCount.load();
    for (auto _ : state) {
        event(unit);
        benchmark::ClobberMemory();
    }
    state.counters["allocations_per_event"] =
        static_cast<double>(allocationCount.load() - before) / static_cast<double>(state.iterations());
}

void BM_BuildNextChars_Intersections(benchmark::State& state) {
    knobEvent(state, [](Unit& unit) { BuildNextChars(unit, kTypeIntersection, "K"); });
}
BENCHMARK(BM_BuildNextChars_Intersections)->Unit(benchmark::kMicrosecond);

void BM_BuildPlanChars_IntersectionsEmptyPrefix(benchmark::State& state) {
    knobEvent(state, [](Unit& unit) { BuildPlanChars(unit, kTypeIntersection, ""); });
}
BENCHMARK(BM_BuildPlanChars_IntersectionsEmptyPrefix)->Unit(benchmark::kMicrosecond);

void BM_FindByPrefix_IntersectionsNoMatch(benchmark::State& state) {
    knobEvent(state, [](Unit& unit) { FindByPrefix(unit, "ZZZZ9", kTypeIntersection); });
}
BENCHMARK(BM_FindByPrefix_IntersectionsNoMatch)->Unit(benchmark::kMicrosecond);

void BM_FindExact_IntersectionsLast(benchmark::State& state) {
    knobEvent(state, [](Unit& unit) {
        FindExact(unit, recordIdent(unit.db, kTypeIntersection, 280000), kTypeIntersection);
    });
}
BENCHMARK(BM_FindExact_IntersectionsLast)->Unit(benchmark::kMicrosecond);

void BM_ListDuplicates_AllTables(benchmark::State& state) {
    knobEvent(state, [](Unit& unit) { ListDuplicates(unit, "KABC"); });
}
BENCHMARK(BM_ListDuplicates_AllTables)->Unit(benchmark::kMicrosecond);

void BM_NearestAirports_ForcedWideRebuild(benchmark::State& state) {
    knobEvent(state, [](Unit& unit) {
        unit.nav.aircraft.presentLat = 47.45;
        unit.nav.aircraft.presentLon = -122.31;
        unit.settings.nearestCriteriaChanged = 1;
        UpdateNearestAirports(unit);
        unit.settings.nearestCriteriaChanged = 0;
    });
    state.counters["wide_entries"] = loadedUnit().db.nearestAirports.wideCount;
    state.counters["narrow_entries"] = loadedUnit().db.nearestAirports.narrowCount;
}
BENCHMARK(BM_NearestAirports_ForcedWideRebuild)->Unit(benchmark::kMicrosecond);

void BM_NearestAirports_Ordinary(benchmark::State& state) {
    Unit& unit = loadedUnit();
    unit.nav.aircraft.presentLat = 47.45;
    unit.nav.aircraft.presentLon = -122.31;
    unit.settings.nearestCriteriaChanged = 1;
    UpdateNearestAirports(unit);
    unit.settings.nearestCriteriaChanged = 0;
    int step = 0;
    // Each search 1.5 NM from the last, back and forth, so every one fills the slots
    // from the narrow list without rebuilding it.
    knobEvent(state, [&step](Unit& u) {
        u.nav.aircraft.presentLat = 47.45 + ((++step) % 2) * 0.025;
        UpdateNearestAirports(u);
    });
}
BENCHMARK(BM_NearestAirports_Ordinary)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
