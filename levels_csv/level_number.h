#pragma once
// A level as a meter's export writes it: blanks allowed around it, an optional sign, digits with a
// decimal point or a decimal comma, an optional exponent. The same in every locale.

#include <optional>
#include <string_view>

namespace vrd {

// The levels a row may hold; any other is unreadable, as in the devices' reports.
constexpr float kLowestCsvLevel = -50.0f;
constexpr float kHighestCsvLevel = 200.0f;

// The number nearest to what field writes; nullopt for anything that is no number.
std::optional<float> ParseCsvNumber(std::string_view field);

} // namespace vrd
