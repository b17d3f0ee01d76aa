#pragma once
// The carpet of a campaign: one row a date of the selection, one column a minute of the day, each
// cell the minute's level, or what stands there instead (no record, a gap record, an excluded
// minute). Minutes outside the selection are cells with no record. Two bytes a cell: a year of
// minutes is 1 MB.

#include "analysis/analysis_settings.h"
#include "analysis/minute_series.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace vrd {

class Carpet {
  public:
    // Cell values that are not levels; no level of a record comes near them.
    static constexpr std::int16_t kNoRecord = std::numeric_limits<std::int16_t>::min();
    static constexpr std::int16_t kGap = kNoRecord + 1;
    static constexpr std::int16_t kExcluded = kNoRecord + 2;
    // A selection of more dates than this gives no carpet (ten years and a bit).
    static constexpr std::int64_t kMostDates = 3700;

    static bool IsLevel(std::int16_t cell) { return cell > kExcluded; }

    Day FirstDate() const { return firstDate_; }
    std::int64_t Dates() const { return dates_; }
    bool TooLong() const { return tooLong_; }
    std::int16_t At(std::int64_t row, std::int64_t column) const {
        return cells_[static_cast<std::size_t>(row * kMinutesPerDay + column)];
    }
    // The 1,440 cells of a date.
    const std::int16_t* Row(std::int64_t row) const {
        return cells_.data() + static_cast<std::size_t>(row * kMinutesPerDay);
    }
    // The lowest and highest level among the cells; nullopt when none has a level.
    std::optional<int> Lowest() const { return lowest_; }
    std::optional<int> Highest() const { return highest_; }

  private:
    friend Carpet CarpetOf(const MinuteSeries&, Interval, const std::vector<Interval>&);
    Day firstDate_ = 0;
    std::int64_t dates_ = 0;
    bool tooLong_ = false;
    std::vector<std::int16_t> cells_;
    std::optional<int> lowest_;
    std::optional<int> highest_;
};

// The carpet of selection; exclusions sorted and disjoint, as MergeExclusions gives them. Empty
// (no dates) for an empty selection; TooLong, and empty, past Carpet::kMostDates dates.
Carpet CarpetOf(const MinuteSeries& series, Interval selection,
                const std::vector<Interval>& exclusions);

} // namespace vrd
