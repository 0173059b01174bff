// The simulator's own flight plan as the host publishes it: the "FS2002 GPS DATA" block
// with its size word, waypoint count at 168 and list address at 176, and the 64-byte
// waypoints it points to (latitude in metres at 12, longitude as a 64-bit fraction of a
// turn at 16, identifier at 56).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class SimHost;

struct SimPlanWaypoint {
    std::string ident;  // up to 8 characters are kept
    double latitudeDeg;
    double longitudeDeg;
};

// The block's bytes: the 184-byte header followed by the waypoint list. The list address
// at 176 is left 0; setSimFlightPlan fills it once the block has its final place.
std::vector<uint8_t> buildSimFlightPlanBlock(const std::vector<SimPlanWaypoint>& waypoints);

// Publishes `waypoints` as the host's GPS data block (an empty list publishes a block
// with no waypoints).
void setSimFlightPlan(SimHost& host, const std::vector<SimPlanWaypoint>& waypoints);
