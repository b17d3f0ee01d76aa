#pragma once
// The level field of a record (three characters) read as a number.
//
// Accepted: optional blanks, an optional sign directly before the digits, digits with an optional
// decimal point and fraction (or a point and digits), optional blanks. Anything else, an empty or
// all-blank field included, is not a number.

#include <cstdint>
#include <optional>
#include <string_view>

namespace vrd {

std::optional<double> ParseLevelNumber(std::string_view field);

// Nearest integer, ties to even; nullopt when the result does not fit.
std::optional<std::int16_t> RoundToInt16(double value);
std::optional<std::int32_t> RoundToInt32(double value);

} // namespace vrd
