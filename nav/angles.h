// Angle arithmetic in degrees: every wrap into range, every fold and the magnetic
// conversion go through these few functions. A NaN angle stays NaN; -0 comes out as 0.
//
// Two ranges are in use on purpose: [0, 360) where an angle is only an angle (wind, runway
// headings, sides of a line), and [0, 360] where a bearing is shown and north reads 360.
#pragma once

// x - floor(x / m) * m: in [0, m) for a positive m, whatever the sign of x (a result
// within rounding of m may come out as m).
[[nodiscard]] double floorMod(double x, double m);

// Any angle into [0, 360).
[[nodiscard]] double wrap360(double deg);

// An angle at most one turn out of range brought back by one turn into [0, 360]: below 0
// adds 360, above 360 subtracts 360, and exactly 360 stays 360.
[[nodiscard]] double wrapOneTurn(double deg);

// An angle below `lowDeg` raised by one turn and left alone otherwise: used where a
// course that would round to 000 must read 360.
[[nodiscard]] double raiseBelow(double deg, double lowDeg);

// The size of an angle, or of the difference of two bearings, folded into [0, 180].
[[nodiscard]] double fold180(double deg);

// Magnetic from true: true - variation (east positive), brought into [0, 360] as
// wrapOneTurn does.
[[nodiscard]] double toMagnetic(double bearingTrue, double magVar);
