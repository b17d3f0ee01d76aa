#pragma once
// The background sound level as BS 4142 finds it: the L90 of each hour by day and of each quarter
// hour at night, heard without the noise under assessment, then the level those intervals show
// most often.
//
// The levels here are statistical levels of the samples' Leq values. Of 1-minute Leq they
// approach, but are not, the LA90 of a fast time weighting that a sound level meter gives over
// the same interval: within each minute the quieter moments are already averaged with the louder
// ones. A meter's export with its own LA90 column gives each interval's background from that
// column instead: the arithmetic mean of its values over the interval, as consultants do with a
// meter's LA90 of each minute.

#include "analysis/assessment_calendar.h"
#include "analysis/level_figures.h"
#include "levels_csv/csv_time.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace vrd {

// L90 of an interval's residual samples at step; nullopt unless they are at least 80 % of its
// length (48 minutes of an hour, 12 of a quarter hour).
std::optional<double> IntervalL90(const LevelHistogram& residual, Minute length,
                                  Millis step = kMillisPerMinute);

// The arithmetic mean of an interval's LA90 values, count of them summing to sum, at step;
// nullopt unless they are at least 80 % of its length.
std::optional<double> IntervalMeanL90(double sum, std::int64_t count, Minute length, Millis step);

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
