#pragma once
// Levels and percentages as the text outputs of an analysis write them: one decimal, a point.

#include <string>

namespace vrd {

// value rounded to one decimal ("60.0", "24.6", "-0.5"), the digits "%.1f" gives in the C locale.
// The point does not follow the process's locale: the program runs in the user's, where a decimal
// comma would split a field of the comma-separated tables.
std::string OneDecimal(double value);

// A fraction as a percentage with one decimal: 0.246 gives "24.6".
std::string OneDecimalPercent(double fraction);

} // namespace vrd
