#include "report/click_coupling.h"

#include <cmath>

namespace vrd {

namespace {

std::int32_t CoupledRow(std::int32_t row, double minutes) {
    return static_cast<std::int32_t>(std::nearbyint((static_cast<double>(row) - 1) / minutes + 1));
}

} // namespace

std::optional<CoupledRows> CoupledRowsFor(std::int32_t selectedRow) {
    if (selectedRow <= 1)
        return std::nullopt;
    return CoupledRows{CoupledRow(selectedRow, 5), CoupledRow(selectedRow, 10),
                       CoupledRow(selectedRow, 60)};
}

} // namespace vrd
