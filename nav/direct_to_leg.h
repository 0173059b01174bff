// The direct-to leg: its origin (the present position when it was started) and its target.
#pragma once

#include "frame/plan_waypoint.h"

struct DirectToLeg {
    PlanWaypoint origin;
    PlanWaypoint target;
};
