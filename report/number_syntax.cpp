#include "report/number_syntax.h"

#include <cmath>
#include <limits>

namespace vrd {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

template <typename Int> std::optional<Int> RoundToInt(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value); // the default rounding mode: ties to even
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

} // namespace

std::optional<double> ParseLevelNumber(std::string_view field) {
    std::size_t i = 0;
    const std::size_t n = field.size();
    while (i < n && field[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (field[i] == '+' || field[i] == '-')) {
        negative = field[i] == '-';
        ++i;
    }
    // The field is at most a few characters wide, so the digits fit a double exactly and the
    // only inexact step is the final division, which rounds the exact decimal value once.
    double digits = 0;
    double scale = 1;
    std::size_t digitCount = 0;
    while (i < n && IsDigit(field[i])) {
        digits = digits * 10 + (field[i] - '0');
        ++i;
        ++digitCount;
    }
    if (i < n && field[i] == '.') {
        ++i;
        while (i < n && IsDigit(field[i])) {
            digits = digits * 10 + (field[i] - '0');
            scale *= 10;
            ++i;
            ++digitCount;
        }
    }
    if (digitCount == 0)
        return std::nullopt;
    while (i < n && field[i] == ' ')
        ++i;
    if (i != n)
        return std::nullopt;
    const double value = digits / scale;
    return negative ? -value : value;
}

std::optional<std::int16_t> RoundToInt16(double value) {
    return RoundToInt<std::int16_t>(value);
}
std::optional<std::int32_t> RoundToInt32(double value) {
    return RoundToInt<std::int32_t>(value);
}

} // namespace vrd
