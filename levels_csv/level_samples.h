#pragma once
// Levels at a file's own step: each sample stands for [Start(i), Start(i) + Step()), with its
// level as written (a float) and, when the file has that column, its LA90.
//
// 8 bytes a sample (12 with an LA90): a start is held as 32 bits of milliseconds after the start
// of its segment, a new segment beginning whenever the next start is 2^32 ms (about 49 days) or
// more after the current one's, so that samples years apart cost no more than the others.

#include "levels_csv/csv_time.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace vrd {

struct LevelSample {
    Millis start = 0;
    float level = 0;
    float l90 = std::numeric_limits<float>::quiet_NaN(); // NaN when there is none
};

class LevelSamples {
  public:
    LevelSamples() = default;

    std::size_t Size() const { return levels_.size(); }
    bool Empty() const { return levels_.empty(); }
    // The length each sample stands for.
    Millis Step() const { return step_; }

    Millis Start(std::size_t index) const;
    float Level(std::size_t index) const { return levels_[index]; }
    bool HasL90() const { return hasL90_; }
    // NaN when the row had none, or the file no such column.
    float L90(std::size_t index) const {
        return !hasL90_ ? std::numeric_limits<float>::quiet_NaN() : l90_[index];
    }
    LevelSample At(std::size_t index) const { return {Start(index), Level(index), L90(index)}; }
    // The levels in time order, for the figures that need only them.
    const std::vector<float>& Levels() const { return levels_; }

    // The first index whose start is at or after time (Size() when none).
    std::size_t LowerBound(Millis time) const;
    // Calls visit(index, start) for the samples from index first on, in order, until it returns
    // false: a walk that finds each start from its segment, without a search per sample.
    template <typename Visit> void ForEachFrom(std::size_t first, Visit&& visit) const {
        if (first >= Size())
            return;
        for (std::size_t segment = SegmentOf(first); segment < segments_.size(); ++segment) {
            const std::size_t end =
                segment + 1 < segments_.size() ? segments_[segment + 1].first : offsets_.size();
            const Millis base = segments_[segment].base;
            for (; first < end; ++first)
                if (!visit(first, base + offsets_[first]))
                    return;
        }
    }
    // Walks the samples one by one from an index, each start found from its segment.
    class Cursor {
      public:
        Cursor(const LevelSamples& samples, std::size_t index)
            : samples_(&samples), index_(index),
              segment_(index < samples.Size() ? samples.SegmentOf(index) : 0) {}
        bool Done() const { return index_ >= samples_->Size(); }
        std::size_t Index() const { return index_; }
        // Only while !Done().
        Millis Start() const {
            return samples_->segments_[segment_].base + samples_->offsets_[index_];
        }
        void Next() {
            ++index_;
            if (segment_ + 1 < samples_->segments_.size() &&
                samples_->segments_[segment_ + 1].first == index_)
                ++segment_;
        }

      private:
        const LevelSamples* samples_;
        std::size_t index_;
        std::size_t segment_;
    };

    // The start of the first sample and the end of the last one; nullopt when empty.
    std::optional<Millis> First() const;
    std::optional<Millis> End() const;

    // Memory held, for the benchmarks.
    std::size_t BytesHeld() const;

    // Building: samples are appended in ascending order of start, each start after the last. A
    // reserve with an LA90, or the first sample given one, gives every sample an LA90 (NaN when
    // none is given).
    void SetStep(Millis step) { step_ = step; }
    void Reserve(std::size_t count, bool withL90);
    void Append(Millis start, float level);
    void Append(Millis start, float level, float l90);
    void ShrinkToFit();

  private:
    struct Segment {
        std::size_t first = 0; // the index of its first sample
        Millis base = 0;       // the start its offsets count from
    };
    std::size_t SegmentOf(std::size_t index) const;
    void AppendStart(Millis start);

    Millis step_ = 0;
    std::vector<std::uint32_t> offsets_;
    std::vector<float> levels_;
    std::vector<float> l90_; // empty when the file has no LA90 column
    bool hasL90_ = false;
    std::vector<Segment> segments_;
};

} // namespace vrd
