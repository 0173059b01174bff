// Aircraft state read from the host, converted to the unit's units.
#pragma once

class Host;
struct Unit;

// The per-run snapshot of the navigation solution: power, speeds, heading, position,
// altitude, time, barometer, temperature, height and wind, into unit.nav.
void readAircraftState(Unit& unit, Host& host);

// Host longitude encoding: an angle that wraps at 360 degrees.
double decodeLongitude(double raw);
double decodeLatitude(double raw);

// Fuel flow of engine 1 or 2 in pounds per hour (the first token unless it is 0 or less).
double engineFuelFlowPph(Host& host, int engine);
// Total fuel flow of four engines, pounds per hour, each engine read as engineFuelFlowPph
// reads engines 1 and 2.
double totalFuelFlowPph(Host& host);
// Fuel on board in pounds, over the seven tanks.
double fuelOnBoardLb(Host& host);
double pressureAltitudeFt(Host& host);
// Total air temperature, degrees Celsius.
double totalAirTemperature(Host& host);
int dayOfYear(Host& host);
double calendarYear(Host& host);
