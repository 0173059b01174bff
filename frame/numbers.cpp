#include "frame/numbers.h"

#include <cmath>
#include <limits>

int32_t truncateToInt32(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483647.0) return std::numeric_limits<int32_t>::max();
    if (value <= -2147483648.0) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

HoursMinutes splitWholeMinutes(double minutes) {
    if (!(minutes > 0.0) || !std::isfinite(minutes)) return {};
    constexpr double kMinutesPerDay = 24.0 * 60.0;
    const double whole = std::fmod(std::round(minutes), kMinutesPerDay);
    const auto total = static_cast<int32_t>(whole);
    return {total / 60, total % 60};
}

HoursMinutes splitDurationMinutes(double minutes, int32_t maxHours) {
    if (!(minutes > 0.0) || std::isnan(minutes)) return {};
    const double most = static_cast<double>(maxHours) * 60.0 + 59.0;
    const double whole = std::round(minutes);
    if (!(whole <= most)) return {maxHours, 59};
    const auto total = static_cast<int32_t>(whole);
    return {total / 60, total % 60};
}
