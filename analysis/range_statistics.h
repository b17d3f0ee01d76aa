#pragma once
// The figures of any interval of a series with exclusions, fast enough to follow the mouse: an
// index of level counts per block of samples answers a year-long interval in microseconds, and
// the runs above the threshold are kept with their starts for the exceedance.

#include "analysis/analysis_settings.h"
#include "analysis/level_figures.h"
#include "analysis/level_series.h"
#include "analysis/minute_series.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace vrd {

// Among the measured samples, those with a level above the threshold; an event is a run of them,
// each starting where the one before ends (a gap, a missing or an excluded sample, or the
// interval's end ends it). Counted in samples: minutes at a 60-s step.
struct Exceedance {
    std::int64_t minutes = 0; // samples above
    std::int64_t events = 0;
    std::int64_t longest = 0; // samples of the longest event
};

struct RangeFigures {
    Interval range;
    std::int64_t minutes = 0;             // the interval's length
    std::int64_t excluded = 0;            // minutes of the interval that are excluded
    std::int64_t measured = 0;            // samples with a level, not excluded
    Millis measuredTime = 0;              // the time they stand for
    std::int64_t gaps = 0;                // gap records, not excluded
    std::optional<double> coverage;       // measured time / length; nullopt for an empty interval
    LevelFigures levels;                  // of the measured samples
    std::optional<Exceedance> exceedance; // nullopt without a threshold
};

class RangeStatistics {
  public:
    // Keeps a reference to series, which must outlive this. O(n) to build.
    RangeStatistics(const LevelSeries& series, std::optional<double> threshold);
    // Keeps the series of the minutes.
    RangeStatistics(const MinuteSeries& series, std::optional<double> threshold);

    // The figures of range without the excluded minutes; exclusions as MergeExclusions gives them
    // (sorted, disjoint).
    RangeFigures Figures(Interval range, const std::vector<Interval>& exclusions) const;

    std::optional<double> Threshold() const { return threshold_; }

  private:
    struct AboveRun {
        Millis from;
        Millis to;
    };
    void Build();
    std::size_t SlotOf(std::size_t index) const {
        return static_cast<std::size_t>(series_->Code(index) - lowest_);
    }
    // Adds the samples of part to slots (one per code from lowest_ on); returns its gaps.
    std::int64_t AddIncluded(Interval part, std::vector<std::int64_t>& slots) const;
    void AddExceedance(Interval part, Exceedance& exceedance) const;
    Millis LongestOfRuns(std::size_t first, std::size_t last) const;

    std::shared_ptr<const LevelSeries> owned_; // the series of minutes given
    const LevelSeries* series_;
    std::optional<double> threshold_;
    std::size_t blockSize_ = 1;
    LevelCode lowest_ = 0;  // the lowest code of the series
    std::size_t width_ = 0; // codes from lowest_ on that the counts hold
    // counts_[b * width_ + i]: samples of code lowest_ + i among the first b * blockSize_ samples
    // of the series.
    std::vector<std::uint32_t> counts_;
    std::vector<AboveRun> runs_;
    // longest_[i]: the longest of runs_ i * kRunBlock .. (i + 1) * kRunBlock - 1.
    static constexpr std::size_t kRunBlock = 64;
    std::vector<Millis> longest_;
};

} // namespace vrd
