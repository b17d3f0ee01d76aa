#include "levels_csv/level_samples.h"

#include <algorithm>

namespace vrd {

namespace {

constexpr Millis kLongestOffset = std::numeric_limits<std::uint32_t>::max();

} // namespace

std::size_t LevelSamples::SegmentOf(std::size_t index) const {
    if (segments_.size() == 1)
        return 0;
    const auto after = std::upper_bound(
        segments_.begin(), segments_.end(), index,
        [](std::size_t value, const Segment& segment) { return value < segment.first; });
    return static_cast<std::size_t>(after - segments_.begin()) - 1;
}

Millis LevelSamples::Start(std::size_t index) const {
    return segments_[SegmentOf(index)].base + offsets_[index];
}

std::size_t LevelSamples::LowerBound(Millis time) const {
    // The last segment whose base is at or before time; every start of the segments before it is
    // earlier than its base.
    const auto after =
        std::upper_bound(segments_.begin(), segments_.end(), time,
                         [](Millis value, const Segment& segment) { return value < segment.base; });
    if (after == segments_.begin())
        return 0;
    const Segment& segment = *(after - 1);
    const std::size_t end = after == segments_.end() ? offsets_.size() : after->first;
    const Millis offset = time - segment.base;
    if (offset > kLongestOffset)
        return end;
    const auto at = std::lower_bound(offsets_.begin() + static_cast<std::ptrdiff_t>(segment.first),
                                     offsets_.begin() + static_cast<std::ptrdiff_t>(end),
                                     static_cast<std::uint32_t>(offset));
    return static_cast<std::size_t>(at - offsets_.begin());
}

std::optional<Millis> LevelSamples::First() const {
    if (Empty())
        return std::nullopt;
    return Start(0);
}

std::optional<Millis> LevelSamples::End() const {
    if (Empty())
        return std::nullopt;
    return segments_.back().base + offsets_.back() + step_;
}

std::size_t LevelSamples::BytesHeld() const {
    return offsets_.capacity() * sizeof(std::uint32_t) + levels_.capacity() * sizeof(float) +
           l90_.capacity() * sizeof(float) + segments_.capacity() * sizeof(Segment);
}

void LevelSamples::Reserve(std::size_t count, bool withL90) {
    offsets_.reserve(count);
    levels_.reserve(count);
    if (withL90) {
        hasL90_ = true;
        l90_.reserve(count);
    }
}

void LevelSamples::AppendStart(Millis start) {
    if (segments_.empty() || start - segments_.back().base > kLongestOffset)
        segments_.push_back({offsets_.size(), start});
    offsets_.push_back(static_cast<std::uint32_t>(start - segments_.back().base));
}

void LevelSamples::Append(Millis start, float level) {
    AppendStart(start);
    levels_.push_back(level);
    if (hasL90_)
        l90_.push_back(std::numeric_limits<float>::quiet_NaN());
}

void LevelSamples::Append(Millis start, float level, float l90) {
    AppendStart(start);
    levels_.push_back(level);
    // The first LA90 given makes the column: every sample before it had none.
    if (!hasL90_) {
        hasL90_ = true;
        l90_.resize(levels_.size() - 1, std::numeric_limits<float>::quiet_NaN());
    }
    l90_.push_back(l90);
}

void LevelSamples::ShrinkToFit() {
    offsets_.shrink_to_fit();
    levels_.shrink_to_fit();
    l90_.shrink_to_fit();
    segments_.shrink_to_fit();
}

} // namespace vrd
