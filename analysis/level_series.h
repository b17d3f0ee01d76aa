#pragma once
// The levels an analysis works on: samples at one step, each standing for [start, start + step)
// with its level as written, from the merged 1-minute records of the devices' reports (a 60-s
// step, whole levels, and the minutes a device marked as having no level) or from a sound level
// meter's CSV export at its own step.
//
// Each sample's level is also held as its code in the table of the series' distinct levels, so
// that every figure counts codes: whole-decibel series share the table of whole decibels and give
// the figures of whole numbers, bit for bit. Two bytes a sample beside the samples' eight while
// the levels are fewer than 65,536 (always for whole decibels or levels written to 0.01 dB).

#include "analysis/level_figures.h"
#include "analysis/minute_series.h"
#include "levels_csv/level_samples.h"
#include "levels_csv/read_levels_csv.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace vrd {

class LevelSeries {
  public:
    LevelSeries();

    const LevelSamples& Samples() const { return samples_; }
    std::size_t Size() const { return samples_.Size(); }
    bool Empty() const { return samples_.Empty(); }
    // The length each sample (and each gap) stands for.
    Millis Step() const { return samples_.Step(); }
    // True when every level is a whole number of dB.
    bool WholeLevels() const { return table_->Whole(); }
    const LevelTable& Table() const { return *table_; }

    LevelCode Code(std::size_t index) const {
        return wide_.empty() ? LevelCode{narrow_[index]} : wide_[index];
    }
    double Level(std::size_t index) const { return table_->Value(Code(index)); }
    Millis Start(std::size_t index) const { return samples_.Start(index); }
    // The first index whose start is at or after time (Size() when none).
    std::size_t LowerBound(Millis time) const { return samples_.LowerBound(time); }

    // The starts of the steps a device marked as having no level, ascending; none has a sample.
    const std::vector<Millis>& GapStarts() const { return gaps_; }
    // The gaps whose start lies in [from, to).
    std::int64_t GapsIn(Millis from, Millis to) const;

    std::int64_t Unreadable() const { return unreadable_; }
    std::int64_t Duplicate() const { return duplicate_; }

    // The start of the first sample or gap and the end of the last; nullopt when there is none.
    std::optional<Millis> First() const;
    std::optional<Millis> End() const;

    // Calls visit(index, start) for every sample whose start lies in [from, to), in time order.
    template <typename Visit> void ForEach(Millis from, Millis to, Visit&& visit) const {
        samples_.ForEachFrom(samples_.LowerBound(from), [&](std::size_t index, Millis start) {
            if (start >= to)
                return false;
            visit(index, start);
            return true;
        });
    }

    // Memory held, for the benchmarks.
    std::size_t BytesHeld() const;

  private:
    friend LevelSeries LevelSeriesFromMinutes(const MinuteSeries& minutes);
    friend LevelSeries LevelSeriesFromCsv(LevelsCsv&& csv);
    friend LevelSeries MergeLevelSeries(const LevelSeries& first, const LevelSeries& second);
    void SetCodes(const std::vector<float>& levels);

    LevelSamples samples_;
    std::shared_ptr<const LevelTable> table_;
    std::vector<std::uint16_t> narrow_; // the codes while the table has at most 65,536 levels
    std::vector<LevelCode> wide_;       // else
    std::vector<Millis> gaps_;
    std::int64_t unreadable_ = 0;
    std::int64_t duplicate_ = 0;
};

// Minute m at m * 60,000 ms, a step of 60 s, whole levels, the gap records kept.
LevelSeries LevelSeriesFromMinutes(const MinuteSeries& minutes);

// The samples of an export, its unreadable and duplicate rows.
LevelSeries LevelSeriesFromCsv(LevelsCsv&& csv);

// Two series of one step merged by time as the devices' reports are: of two samples on one start
// the first series' wins and the other counts as duplicate; a gap on a sample's start is dropped.
LevelSeries MergeLevelSeries(const LevelSeries& first, const LevelSeries& second);

} // namespace vrd
