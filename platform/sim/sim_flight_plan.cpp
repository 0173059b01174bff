#include "platform/sim/sim_flight_plan.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "fpl/sim_plan_import.h"
#include "platform/sim/sim_host.h"

namespace {

template <typename T>
void writeAt(std::vector<uint8_t>& bytes, size_t offset, T value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

}  // namespace

std::vector<uint8_t> buildSimFlightPlanBlock(const std::vector<SimPlanWaypoint>& waypoints) {
    const size_t size = kSimBlockMinSize + waypoints.size() * kSimWaypointSize;
    std::vector<uint8_t> bytes(size, 0);
    writeAt<uint32_t>(bytes, 0, static_cast<uint32_t>(size));
    writeAt<int32_t>(bytes, kSimBlockCountOffset, static_cast<int32_t>(waypoints.size()));
    for (size_t i = 0; i < waypoints.size(); ++i) {
        const size_t entry = kSimBlockMinSize + i * kSimWaypointSize;
        const SimPlanWaypoint& w = waypoints[i];
        writeAt<int32_t>(bytes, entry + kSimWaypointLatOffset,
                         static_cast<int32_t>(std::lround(w.latitudeDeg / 360.0 * kSimMetresPerTurn)));
        // A signed fraction of a turn: east longitudes positive, west negative.
        double longitude = std::fmod(w.longitudeDeg, 360.0);
        if (longitude >= 180.0) longitude -= 360.0;
        if (longitude < -180.0) longitude += 360.0;
        const double turn = longitude / 360.0 * 18446744073709551616.0;
        writeAt<int64_t>(bytes, entry + kSimWaypointLonOffset, static_cast<int64_t>(turn));
        std::memcpy(bytes.data() + entry + kSimWaypointIdentOffset, w.ident.data(),
                    std::min<size_t>(w.ident.size(), kSimWaypointIdentSize));
    }
    return bytes;
}

void setSimFlightPlan(SimHost& host, const std::vector<SimPlanWaypoint>& waypoints) {
    host.setDataBlock(kSimDataBlockName, buildSimFlightPlanBlock(waypoints));
    // The host's block lives in the SimHost; its list follows the header in the same bytes.
    auto* block = static_cast<uint8_t*>(const_cast<void*>(host.dataBlock(kSimDataBlockName)));
    if (block == nullptr || waypoints.empty()) return;
    const uint64_t address = reinterpret_cast<uintptr_t>(block + kSimBlockMinSize);
    std::memcpy(block + kSimBlockListOffset, &address, sizeof address);
}
