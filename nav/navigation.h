// The navigation solution run once per host tick, and the autopilot coupling.
#pragma once

class Host;
struct Unit;

// The coupling's panel variables: its state for the panel, and the click that toggles it.
inline constexpr const char* kLnavName = "lnav";
inline constexpr const char* kLnavClickedName = "lnav_clicked";

// Runs the solution when the host's tick count has changed since the last run.
void updateNavigation(Unit& unit, Host& host);

// Engages or releases the autopilot coupling.
void toggleLnav(Unit& unit, Host& host);

// The click part of the coupling supervision: "lnav_clicked" toggles the coupling.
void superviseLnavClick(Unit& unit, Host& host);
// The automatic release and the grace count after an engagement.
void superviseLnavModes(Unit& unit, Host& host);

// Records the intercept leg flown after an engagement from a route: from the present
// position to the active route's TO waypoint (nothing when there is none).
void recordInterceptLeg(Unit& unit);

// The unit is switched on and the aircraft's bus powers it.
[[nodiscard]] bool unitPowered(const Unit& unit);

// A route is active and its TO waypoint has a FROM waypoint before it: a plan of fewer
// than two waypoints has no leg to fly.
[[nodiscard]] bool planLegFlyable(const Unit& unit);
