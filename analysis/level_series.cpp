#include "analysis/level_series.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>

namespace vrd {

namespace {

std::uint32_t BitsOf(float level) {
    // -0 and 0 are one level.
    const float value = level == 0.0f ? 0.0f : level;
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// The distinct levels of a series with a code each, found by one pass over the levels: an open
// hash of their bits, grown as it fills, holding for each level its place among the distinct.
class DistinctLevels {
  public:
    explicit DistinctLevels(const std::vector<float>& levels) {
        Grow(1024);
        for (const float level : levels)
            Insert(BitsOf(level));
        std::vector<std::uint32_t> order(distinct_.size());
        for (std::uint32_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
            return ValueOf(distinct_[a]) < ValueOf(distinct_[b]);
        });
        codes_.resize(distinct_.size());
        ascending_.resize(distinct_.size());
        for (std::uint32_t code = 0; code < order.size(); ++code) {
            codes_[order[code]] = code;
            ascending_[code] = ValueOf(distinct_[order[code]]);
        }
    }

    const std::vector<float>& Ascending() const { return ascending_; }
    LevelCode CodeOf(float level) const { return codes_[slots_[Find(BitsOf(level))] - 1]; }

  private:
    static float ValueOf(std::uint32_t bits) {
        float value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    static std::size_t Hash(std::uint32_t bits) {
        return static_cast<std::size_t>((bits * 0x9E3779B1u) ^ (bits >> 16));
    }
    // The slot of bits, or the empty slot where it would go.
    std::size_t Find(std::uint32_t bits) const {
        const std::size_t mask = slots_.size() - 1;
        std::size_t at = Hash(bits) & mask;
        while (slots_[at] != 0 && distinct_[slots_[at] - 1] != bits)
            at = (at + 1) & mask;
        return at;
    }
    void Insert(std::uint32_t bits) {
        const std::size_t at = Find(bits);
        if (slots_[at] != 0)
            return;
        distinct_.push_back(bits);
        slots_[at] = static_cast<std::uint32_t>(distinct_.size());
        if (distinct_.size() * 2 > slots_.size())
            Grow(slots_.size() * 2);
    }
    void Grow(std::size_t size) {
        slots_.assign(size, 0);
        for (std::uint32_t i = 0; i < distinct_.size(); ++i)
            slots_[Find(distinct_[i])] = i + 1;
    }

    std::vector<std::uint32_t> distinct_; // the bits of each level, in the order first seen
    std::vector<std::uint32_t> slots_;    // 1 + the index in distinct_, 0 for an empty slot
    std::vector<LevelCode> codes_;        // by index in distinct_
    std::vector<float> ascending_;
};

} // namespace

LevelSeries::LevelSeries() : table_(LevelTable::SharedWholeDecibels()) {}

std::int64_t LevelSeries::GapsIn(Millis from, Millis to) const {
    if (to <= from)
        return 0;
    return std::lower_bound(gaps_.begin(), gaps_.end(), to) -
           std::lower_bound(gaps_.begin(), gaps_.end(), from);
}

std::optional<Millis> LevelSeries::First() const {
    const std::optional<Millis> first = samples_.First();
    if (gaps_.empty())
        return first;
    return first ? std::min(*first, gaps_.front()) : gaps_.front();
}

std::optional<Millis> LevelSeries::End() const {
    const std::optional<Millis> end = samples_.End();
    if (gaps_.empty())
        return end;
    const Millis gapEnd = gaps_.back() + Step();
    return end ? std::max(*end, gapEnd) : gapEnd;
}

std::size_t LevelSeries::BytesHeld() const {
    return samples_.BytesHeld() + narrow_.capacity() * sizeof(std::uint16_t) +
           wide_.capacity() * sizeof(LevelCode) + gaps_.capacity() * sizeof(Millis) +
           (table_->Whole() ? 0 : table_->Size() * 2 * sizeof(double));
}

void LevelSeries::SetCodes(const std::vector<float>& levels) {
    bool whole = true;
    for (const float level : levels)
        whole = whole && std::floor(level) == level && level >= -LevelTable::kWholeOffset &&
                level < LevelTable::kWholeOffset;
    if (whole) {
        table_ = LevelTable::SharedWholeDecibels();
        narrow_.resize(levels.size());
        for (std::size_t i = 0; i < levels.size(); ++i)
            narrow_[i] =
                static_cast<std::uint16_t>(LevelTable::WholeCode(static_cast<int>(levels[i])));
        return;
    }
    const DistinctLevels distinct(levels);
    table_ = LevelTable::Of(distinct.Ascending());
    if (table_->Size() <= 65536) {
        narrow_.resize(levels.size());
        for (std::size_t i = 0; i < levels.size(); ++i)
            narrow_[i] = static_cast<std::uint16_t>(distinct.CodeOf(levels[i]));
    } else {
        wide_.resize(levels.size());
        for (std::size_t i = 0; i < levels.size(); ++i)
            wide_[i] = distinct.CodeOf(levels[i]);
    }
}

LevelSeries LevelSeriesFromMinutes(const MinuteSeries& minutes) {
    LevelSeries series;
    series.unreadable_ = minutes.Unreadable();
    series.duplicate_ = minutes.Duplicate();
    series.samples_.SetStep(kMillisPerMinute);
    series.samples_.Reserve(static_cast<std::size_t>(minutes.LevelCount()), false);
    series.narrow_.reserve(static_cast<std::size_t>(minutes.LevelCount()));
    series.gaps_.reserve(minutes.Size() - static_cast<std::size_t>(minutes.LevelCount()));
    for (std::size_t i = 0; i < minutes.Size(); ++i) {
        const SeriesMinute minute = minutes.At(i);
        const Millis start = minute.minute * kMillisPerMinute;
        if (minute.gap) {
            series.gaps_.push_back(start);
            continue;
        }
        series.samples_.Append(start, static_cast<float>(minute.level));
        series.narrow_.push_back(static_cast<std::uint16_t>(LevelTable::WholeCode(minute.level)));
    }
    return series;
}

LevelSeries LevelSeriesFromCsv(LevelsCsv&& csv) {
    LevelSeries series;
    series.unreadable_ = csv.unreadable;
    series.duplicate_ = csv.duplicate;
    series.samples_ = std::move(csv.samples);
    series.samples_.ShrinkToFit();
    series.SetCodes(series.samples_.Levels());
    return series;
}

LevelSeries MergeLevelSeries(const LevelSeries& first, const LevelSeries& second) {
    LevelSeries merged;
    merged.unreadable_ = first.unreadable_ + second.unreadable_;
    merged.duplicate_ = first.duplicate_ + second.duplicate_;
    LevelSamples& samples = merged.samples_;
    samples.SetStep(first.Step());
    const bool withL90 = first.Samples().HasL90() || second.Samples().HasL90();
    samples.Reserve(first.Size() + second.Size(), withL90);
    std::vector<float> levels;
    levels.reserve(first.Size() + second.Size());
    const auto append = [&](const LevelSeries& from, std::size_t index, Millis start) {
        const float level = static_cast<float>(from.Level(index));
        if (withL90)
            samples.Append(start, level, from.Samples().L90(index));
        else
            samples.Append(start, level);
        levels.push_back(level);
    };
    LevelSamples::Cursor a(first.Samples(), 0);
    LevelSamples::Cursor b(second.Samples(), 0);
    while (!a.Done() || !b.Done()) {
        if (!a.Done() && !b.Done() && a.Start() == b.Start()) {
            ++merged.duplicate_;
            b.Next();
            continue;
        }
        if (b.Done() || (!a.Done() && a.Start() < b.Start())) {
            append(first, a.Index(), a.Start());
            a.Next();
        } else {
            append(second, b.Index(), b.Start());
            b.Next();
        }
    }
    std::merge(first.gaps_.begin(), first.gaps_.end(), second.gaps_.begin(), second.gaps_.end(),
               std::back_inserter(merged.gaps_));
    merged.gaps_.erase(std::unique(merged.gaps_.begin(), merged.gaps_.end()), merged.gaps_.end());
    merged.gaps_.erase(std::remove_if(merged.gaps_.begin(), merged.gaps_.end(),
                                      [&](Millis gap) {
                                          const std::size_t at = samples.LowerBound(gap);
                                          return at < samples.Size() && samples.Start(at) == gap;
                                      }),
                       merged.gaps_.end());
    merged.SetCodes(levels);
    return merged;
}

} // namespace vrd
