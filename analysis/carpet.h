#pragma once
// The carpet of a campaign: one row a date of the selection, one column a minute of the day, each
// cell the minute's level, or what stands there instead (no record, a gap record, an excluded
// minute). A minute's level is the energy mean of the samples that start in it (its one level at
// the devices' 60-s step); a sample longer than a minute gives its level to every minute it
// covers. Minutes outside the selection are cells with no record. Four bytes a cell: a year of
// minutes is 2 MB.

#include "analysis/analysis_settings.h"
#include "analysis/level_series.h"
#include "analysis/minute_series.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace vrd {

class Carpet {
  public:
    // Cell values that are not levels; no level of a record comes near them.
    static constexpr float kNoRecord = -3e38f;
    static constexpr float kGap = -2e38f;
    static constexpr float kExcluded = -1e38f;
    // A selection of more dates than this gives no carpet (ten years and a bit).
    static constexpr std::int64_t kMostDates = 3700;

    static bool IsLevel(float cell) { return cell > kExcluded; }

    Day FirstDate() const { return firstDate_; }
    std::int64_t Dates() const { return dates_; }
    bool TooLong() const { return tooLong_; }
    float At(std::int64_t row, std::int64_t column) const {
        return cells_[static_cast<std::size_t>(row * kMinutesPerDay + column)];
    }
    // The 1,440 cells of a date.
    const float* Row(std::int64_t row) const {
        return cells_.data() + static_cast<std::size_t>(row * kMinutesPerDay);
    }
    // The lowest and highest level among the cells; nullopt when none has a level.
    std::optional<double> Lowest() const { return lowest_; }
    std::optional<double> Highest() const { return highest_; }

  private:
    friend Carpet CarpetOf(const LevelSeries&, Interval, const std::vector<Interval>&);
    Day firstDate_ = 0;
    std::int64_t dates_ = 0;
    bool tooLong_ = false;
    std::vector<float> cells_;
    std::optional<double> lowest_;
    std::optional<double> highest_;
};

// The carpet of selection; exclusions sorted and disjoint, as MergeExclusions gives them. Empty
// (no dates) for an empty selection; TooLong, and empty, past Carpet::kMostDates dates.
Carpet CarpetOf(const LevelSeries& series, Interval selection,
                const std::vector<Interval>& exclusions);
Carpet CarpetOf(const MinuteSeries& series, Interval selection,
                const std::vector<Interval>& exclusions);

} // namespace vrd
