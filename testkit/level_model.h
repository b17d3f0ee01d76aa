#pragma once
// Made-up but plausible 1-minute levels of a building site: quiet nights, busy days with a lunch
// break, slow drift, minute-to-minute noise, loud bursts of a few minutes (machines, horns), and
// runs of minutes without a level while the device was paused.

#include "testkit/calendar.h"

#include <cstdint>
#include <vector>

namespace vrd::testkit {

inline constexpr std::uint8_t kGapMinute = 0; // a minute without a level
inline constexpr int kQuietestLevel = 25;
inline constexpr int kLoudestLevel = 105;
inline constexpr int kLongestGap = 30; // minutes

struct LevelModelOptions {
    std::uint64_t seed = 0;
    DateTime start;
    std::int64_t minutes = 0;
    // Chance, per minute with a level, that a gap of 1..kLongestGap minutes starts there.
    double gap_probability = 0;
};

// One entry per minute: a level in kQuietestLevel..kLoudestLevel, or kGapMinute. The levels do
// not depend on gap_probability: gaps only blank out minutes of the same sequence.
std::vector<std::uint8_t> GenerateMinuteLevels(const LevelModelOptions& options);

} // namespace vrd::testkit
