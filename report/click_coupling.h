#pragma once
// A click on a row of the 1-minute list selects the rows of the 5-minute, 10-minute and 1-hour
// lists that cover the same time.

#include <cstdint>
#include <optional>

namespace vrd {

struct CoupledRows {
    std::int32_t leq5;
    std::int32_t leq10;
    std::int32_t leq1h;
};

// Row (r - 1) / minutes + 1 of each list, rounded to the nearest row with ties to even (not
// truncated). Rows 0 and 1 (the header and the line after it) and no selection (-1) couple to
// nothing.
std::optional<CoupledRows> CoupledRowsFor(std::int32_t selectedRow);

} // namespace vrd
