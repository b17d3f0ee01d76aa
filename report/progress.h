#pragma once

#include <cstdint>
#include <functional>

namespace vrd {

// Called now and then during long work with the bytes done and the total; returning false stops
// the work, which then ends as cancelled. An empty function is never called.
using Progress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

// How much input passes between two calls of a Progress.
constexpr std::uint64_t kProgressStep = std::uint64_t{1} << 22;

} // namespace vrd
