#pragma once
// The background sound level as BS 4142 finds it: the L90 of each hour by day and of each quarter
// hour at night, heard without the noise under assessment, then the level those intervals show
// most often.
//
// The levels here are statistical levels of 1-minute Leq values. They approach, but are not, the
// LA90 of a fast time weighting that a sound level meter gives over the same interval: within each
// minute the quieter moments are already averaged with the louder ones.

#include "analysis/assessment_calendar.h"
#include "analysis/level_figures.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace vrd {

// L90 of an interval's residual minutes; nullopt unless they are at least 80 % of its length
// (48 minutes of an hour, 12 of a quarter hour).
std::optional<double> IntervalL90(const LevelHistogram& residual, Minute length);

struct LevelCount {
    int level = 0; // whole dB
    std::int64_t count = 0;
};

struct BackgroundLevel {
    PeriodLabel label = PeriodLabel::Daytime;
    std::int64_t count = 0;                // intervals with an L90
    std::vector<LevelCount> histogram;     // their L90 rounded to whole dB, ascending
    std::optional<int> mode;               // the most frequent rounded level, the lowest on a tie
    std::optional<std::int64_t> modeCount; // the intervals at the mode: 1 when no level repeats
    std::optional<double> median;          // of the unrounded levels, as L50 interpolates
};

// The background of the intervals of one label from their L90s, in any order.
BackgroundLevel BackgroundOf(PeriodLabel label, std::vector<double> l90s);

} // namespace vrd
