// Locale-free number conversions for text files, with the prefix rule of the C library's
// atof and atoi: leading blanks are skipped, an optional sign is taken, the longest valid
// prefix is converted, and text without one gives 0.
#pragma once

#include <cstdint>
#include <string_view>

[[nodiscard]] double parseDoublePrefix(std::string_view text);
// Saturates at the 32-bit limits instead of overflowing.
[[nodiscard]] int32_t parseIntPrefix(std::string_view text);

// Truncation toward zero of a host value, with NaN giving 0 and values beyond the 32-bit
// range clamped, so no host value can make the conversion undefined.
[[nodiscard]] int32_t truncateToInt32(double value);
