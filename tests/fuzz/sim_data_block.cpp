// The host's GPS data block: a header of arbitrary bytes (size word, waypoint count) and a
// waypoint list of arbitrary bytes. The list address is the harness's own list unless the
// input's address bytes are all zero; the list holds as many waypoints as the unit takes.
#include <cstring>
#include <vector>

#include "fpl/fpl_hooks.h"
#include "fpl/sim_plan_import.h"
#include "frame/unit.h"
#include "platform/sim/sim_host.h"
#include "tests/fuzz/fuzz_unit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static SimHost host;
    FuzzUnit& fuzz = fuzzUnit();
    Unit& unit = *fuzz.unit;

    std::vector<uint8_t> block(kSimBlockMinSize, 0);
    std::memcpy(block.data(), data, size < block.size() ? size : block.size());
    static std::vector<uint8_t> list(static_cast<size_t>(kPlanWaypointCount) * kSimWaypointSize);
    std::memset(list.data(), 0, list.size());
    if (size > block.size()) {
        const size_t listBytes = size - block.size() < list.size() ? size - block.size() : list.size();
        std::memcpy(list.data(), data + block.size(), listBytes);
    }
    uint64_t address = 0;
    std::memcpy(&address, block.data() + kSimBlockListOffset, sizeof address);
    if (address != 0) address = reinterpret_cast<uintptr_t>(list.data());
    std::memcpy(block.data() + kSimBlockListOffset, &address, sizeof address);
    host.setDataBlock(kSimDataBlockName, std::move(block));

    importSimulatorPlan(unit, host);
    const FlightPlan* plan = unit.fpl.store.plan(1);
    if (plan == nullptr || plan->lastIndex < 1 || plan->lastIndex >= kPlanWaypointCount) __builtin_trap();
    return 0;
}
