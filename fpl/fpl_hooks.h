// The flight-plan operations the frame calls: the folder scan at start-up and the
// import of the simulator's own plan on ENT.
#pragma once

class Host;
struct Unit;

// Lists the route and plan files of the FlightPlans folder into the plan store.
void scanFlightPlanFolder(Unit& unit);
// Copies the simulator's own flight plan into FPL 1.
void importSimulatorPlan(Unit& unit, Host& host);
