// The simulator's own flight plan, read from its GPS data block into FPL 1.
//
// Block layout (little-endian, as the host keeps it): a 32-bit size word at 0 (at least
// 184), the waypoint count (32-bit) at 168 and the address of the waypoint list (64-bit)
// at 176. Each waypoint is 64 bytes: latitude in metres from the equator as a 32-bit
// integer at 12 (degrees = value / 40,007,000 * 360), longitude as a 64-bit fraction of a
// full turn at 16 (degrees = value * 360 / 2^64, low 16 bits ignored), identifier text at
// 56 (up to 8 characters).
#pragma once

#include <cstdint>

inline constexpr const char* kSimDataBlockName = "FS2002 GPS DATA";
constexpr uint32_t kSimBlockMinSize = 184;
constexpr int kSimBlockCountOffset = 168;
constexpr int kSimBlockListOffset = 176;
constexpr int kSimWaypointSize = 64;
constexpr int kSimWaypointLatOffset = 12;
constexpr int kSimWaypointLonOffset = 16;
constexpr int kSimWaypointIdentOffset = 56;
constexpr int kSimWaypointIdentSize = 8;
constexpr double kSimMetresPerTurn = 40007000.0;
