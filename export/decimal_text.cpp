#include "export/decimal_text.h"

#include <charconv>
#include <limits>

namespace vrd {

std::string OneDecimal(double value) {
    // Room for the largest double written out in full: sign, 309 digits, point and decimal.
    char text[std::numeric_limits<double>::max_exponent10 + 8];
    const std::to_chars_result end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 1);
    return std::string(text, end.ptr);
}

std::string OneDecimalPercent(double fraction) {
    return OneDecimal(100 * fraction);
}

} // namespace vrd
