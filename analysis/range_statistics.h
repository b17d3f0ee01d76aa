#pragma once
// The figures of any interval of a series with exclusions, fast enough to follow the mouse: an
// index of level counts per block of minutes answers a year-long interval in microseconds, and
// the runs above the threshold are kept with their starts for the exceedance.

#include "analysis/analysis_settings.h"
#include "analysis/level_figures.h"
#include "analysis/minute_series.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace vrd {

// Among the measured minutes, those with a level above the threshold; an event is a run of them at
// consecutive clock minutes (a gap, a missing or an excluded minute, or the interval's end ends
// it).
struct Exceedance {
    std::int64_t minutes = 0;
    std::int64_t events = 0;
    std::int64_t longest = 0; // minutes of the longest event
};

struct RangeFigures {
    Interval range;
    std::int64_t minutes = 0;             // the interval's length
    std::int64_t excluded = 0;            // minutes of the interval that are excluded
    std::int64_t measured = 0;            // minutes with a level, not excluded
    std::int64_t gaps = 0;                // gap-record minutes, not excluded
    std::optional<double> coverage;       // measured / minutes; nullopt for an empty interval
    LevelFigures levels;                  // of the measured minutes
    std::optional<Exceedance> exceedance; // nullopt without a threshold
};

class RangeStatistics {
  public:
    // Keeps a reference to series, which must outlive this. O(n) to build.
    RangeStatistics(const MinuteSeries& series, std::optional<double> threshold);

    // The figures of range without the excluded minutes; exclusions as MergeExclusions gives them
    // (sorted, disjoint).
    RangeFigures Figures(Interval range, const std::vector<Interval>& exclusions) const;

    std::optional<double> Threshold() const { return threshold_; }

  private:
    struct AboveRun {
        Minute from;
        Minute to;
    };
    std::size_t SlotOf(const SeriesMinute& minute) const;
    // Adds the records of part to slots (one per level from lowest_ on, then the gaps).
    void AddIncluded(Interval part, std::vector<std::int64_t>& slots) const;
    void AddExceedance(Interval part, Exceedance& exceedance) const;
    std::int64_t LongestOfRuns(std::size_t first, std::size_t last) const;

    const MinuteSeries& series_;
    std::optional<double> threshold_;
    std::size_t blockSize_ = 1;
    int lowest_ = 0; // the lowest level of the series
    int width_ = 0;  // levels from lowest_ on that the counts hold; one more slot counts gaps
    // counts_[b * (width_ + 1) + i]: records of level lowest_ + i (i == width_: gaps) among the
    // first b * blockSize_ records of the series.
    std::vector<std::uint32_t> counts_;
    std::vector<AboveRun> runs_;
    // longest_[i]: the longest of runs_ i * kRunBlock .. (i + 1) * kRunBlock - 1.
    static constexpr std::size_t kRunBlock = 64;
    std::vector<std::int64_t> longest_;
};

} // namespace vrd
