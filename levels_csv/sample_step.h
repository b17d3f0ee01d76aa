#pragma once
// The step of a file's samples: the most common difference between consecutive times, the smaller
// of equally common ones.

#include "levels_csv/csv_time.h"

#include <cstddef>
#include <optional>

namespace vrd {

// times: ascending and distinct. nullopt for fewer than two times.
std::optional<Millis> MostCommonStep(const Millis* times, std::size_t count);

} // namespace vrd
