// Conversion of host values to the unit's integers.
#pragma once

#include <cstdint>

// Truncation toward zero of a host value, with NaN giving 0 and values beyond the 32-bit
// range clamped, so no host value can make the conversion undefined.
[[nodiscard]] int32_t truncateToInt32(double value);
