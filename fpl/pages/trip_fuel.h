// The trip fuel figures the TRI and OTH pages share: whether a trip waypoint is set, and
// one knob click on a digit of the fuel reserve.
#pragma once

#include <cstdint>

#include "base/knob_step.h"

struct TriPageState;

// True once a trip waypoint has been chosen on TRI 1.
bool tripTargetSet(const TriPageState& trip);

// One inner-knob click on reserve digit `digit` (1 thousands, 2 hundreds, 3 tens,
// 4 units): up adds the digit's step only while the sum stays at most 9999, down takes it
// away only while the reserve holds at least the step, so the reserve never leaves
// 0..9999 and a click the limit refuses changes nothing. Other digits change nothing.
void stepFuelReserve(double& reserveLb, int32_t digit, KnobTurn turn);
