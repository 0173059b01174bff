// Air data worked out from the host's readings: the standard atmosphere's temperature and
// the density altitude. Altitudes in feet, temperatures in degrees Celsius.
#pragma once

// The standard atmosphere's temperature at a pressure altitude: 15 degrees at sea level,
// 1.98 degrees less every 1000 feet.
[[nodiscard]] double standardTemperatureC(double pressureAltitudeFt);

// The density altitude: the pressure altitude plus 120 feet for every degree the outside
// air is warmer than the standard atmosphere there.
[[nodiscard]] double densityAltitudeFt(double pressureAltitudeFt, double temperatureC);
