#include "levels_csv/level_number.h"

#include "levels_csv/csv_text.h"

#include <charconv>
#include <cstdint>
#include <system_error>

namespace vrd {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A level as most files write it, "45.3" or "-4,25": at most seven digits with a point or comma.
// The digits and the power of ten are exact floats and their quotient in double rounds to the
// same float as the decimal itself (double has more than twice float's precision), so this is
// what from_chars gives, faster.
std::optional<float> ShortDecimal(std::string_view field) {
    static constexpr double kPowersOfTen[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7};
    std::size_t i = 0;
    const bool negative = !field.empty() && field[0] == '-';
    if (negative)
        ++i;
    std::int32_t digits = 0;
    int count = 0;
    int fraction = -1;
    for (; i < field.size(); ++i) {
        const char c = field[i];
        if (IsDigit(c)) {
            if (++count > 7)
                return std::nullopt;
            digits = digits * 10 + (c - '0');
            if (fraction >= 0)
                ++fraction;
        } else if ((c == '.' || c == ',') && fraction < 0) {
            fraction = 0;
        } else {
            return std::nullopt;
        }
    }
    if (count == 0)
        return std::nullopt;
    const double value = static_cast<double>(digits) / kPowersOfTen[fraction < 0 ? 0 : fraction];
    return static_cast<float>(negative ? -value : value);
}

} // namespace

std::optional<float> ParseCsvNumber(std::string_view field) {
    field = TrimBlanks(field);
    if (const std::optional<float> value = ShortDecimal(field))
        return value;
    if (!field.empty() && field.front() == '+')
        field.remove_prefix(1);
    // from_chars reads "inf", "nan" and a sign of its own: a number starts with a digit or a mark
    // before one.
    const std::size_t first = !field.empty() && field.front() == '-' ? 1 : 0;
    if (first >= field.size())
        return std::nullopt;
    const char lead = field[first];
    if (!IsDigit(lead) &&
        !((lead == '.' || lead == ',') && first + 1 < field.size() && IsDigit(field[first + 1])))
        return std::nullopt;
    char copy[64];
    const char* begin = field.data();
    if (field.find(',') != std::string_view::npos) {
        if (field.size() > sizeof copy)
            return std::nullopt;
        for (std::size_t i = 0; i < field.size(); ++i)
            copy[i] = field[i] == ',' ? '.' : field[i];
        begin = copy;
    }
    const char* end = begin + field.size();
    float value = 0;
    const std::from_chars_result result = std::from_chars(begin, end, value);
    if (result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return value;
}

} // namespace vrd
