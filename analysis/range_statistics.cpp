#include "analysis/range_statistics.h"

#include <algorithm>
#include <limits>

namespace vrd {

namespace {

// The gap slot of a block's counts comes after the levels.
constexpr std::size_t kMinBlock = 1024;

} // namespace

RangeStatistics::RangeStatistics(const MinuteSeries& series, std::optional<double> threshold)
    : series_(series), threshold_(threshold) {
    const std::size_t n = series.Size();
    int lowest = std::numeric_limits<int>::max();
    int highest = std::numeric_limits<int>::min();
    for (std::size_t i = 0; i < n; ++i) {
        const SeriesMinute minute = series.At(i);
        if (minute.gap)
            continue;
        lowest = std::min<int>(lowest, minute.level);
        highest = std::max<int>(highest, minute.level);
    }
    if (lowest > highest)
        lowest = highest = 0;
    lowest_ = lowest;
    width_ = highest - lowest + 1;
    const std::size_t slots = static_cast<std::size_t>(width_) + 1;

    // Blocks of at least 16 times the slots keep the counts within a quarter byte per minute.
    blockSize_ = kMinBlock;
    while (blockSize_ < 16 * slots)
        blockSize_ *= 2;
    const std::size_t blocks = n / blockSize_;
    counts_.assign((blocks + 1) * slots, 0);
    std::vector<std::uint32_t> running(slots, 0);
    for (std::size_t b = 1; b <= blocks; ++b) {
        for (std::size_t i = (b - 1) * blockSize_; i < b * blockSize_; ++i)
            ++running[SlotOf(series.At(i))];
        std::copy(running.begin(), running.end(),
                  counts_.begin() + static_cast<std::ptrdiff_t>(b * slots));
    }

    if (!threshold)
        return;
    for (std::size_t i = 0; i < n; ++i) {
        const SeriesMinute minute = series.At(i);
        if (minute.gap || minute.level <= *threshold)
            continue;
        if (!runs_.empty() && runs_.back().to == minute.minute)
            ++runs_.back().to;
        else
            runs_.push_back({minute.minute, minute.minute + 1});
    }
    longest_.assign((runs_.size() + kRunBlock - 1) / kRunBlock, 0);
    for (std::size_t r = 0; r < runs_.size(); ++r) {
        std::int64_t& longest = longest_[r / kRunBlock];
        longest = std::max(longest, runs_[r].to - runs_[r].from);
    }
}

std::size_t RangeStatistics::SlotOf(const SeriesMinute& minute) const {
    return minute.gap ? static_cast<std::size_t>(width_)
                      : static_cast<std::size_t>(minute.level - lowest_);
}

void RangeStatistics::AddIncluded(Interval part, std::vector<std::int64_t>& slots) const {
    const std::size_t first = series_.LowerBound(part.from);
    const std::size_t last = series_.LowerBound(part.to);
    const auto scan = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i)
            ++slots[SlotOf(series_.At(i))];
    };
    const std::size_t firstBlock = (first + blockSize_ - 1) / blockSize_;
    const std::size_t lastBlock = last / blockSize_;
    if (firstBlock >= lastBlock) {
        scan(first, last);
        return;
    }
    scan(first, firstBlock * blockSize_);
    scan(lastBlock * blockSize_, last);
    const std::size_t width = slots.size();
    const std::uint32_t* high = counts_.data() + lastBlock * width;
    const std::uint32_t* low = counts_.data() + firstBlock * width;
    for (std::size_t s = 0; s < width; ++s)
        slots[s] += static_cast<std::int64_t>(high[s]) - low[s];
}

std::int64_t RangeStatistics::LongestOfRuns(std::size_t first, std::size_t last) const {
    std::int64_t longest = 0;
    std::size_t r = first;
    for (; r < last && r % kRunBlock != 0; ++r)
        longest = std::max(longest, runs_[r].to - runs_[r].from);
    for (; r + kRunBlock <= last; r += kRunBlock)
        longest = std::max(longest, longest_[r / kRunBlock]);
    for (; r < last; ++r)
        longest = std::max(longest, runs_[r].to - runs_[r].from);
    return longest;
}

void RangeStatistics::AddExceedance(Interval part, Exceedance& exceedance) const {
    // The runs that overlap the part, the first and last cut at its ends.
    const auto first =
        std::upper_bound(runs_.begin(), runs_.end(), part.from,
                         [](Minute from, const AboveRun& run) { return from < run.to; });
    const auto last =
        std::lower_bound(runs_.begin(), runs_.end(), part.to,
                         [](const AboveRun& run, Minute to) { return run.from < to; });
    if (first >= last)
        return;
    exceedance.events += last - first;
    const auto clipped = [&](const AboveRun& run) {
        return std::min(run.to, part.to) - std::max(run.from, part.from);
    };
    std::int64_t longest = std::max(clipped(*first), clipped(*(last - 1)));
    if (last - first > 2)
        longest =
            std::max(longest, LongestOfRuns(static_cast<std::size_t>(first - runs_.begin()) + 1,
                                            static_cast<std::size_t>(last - runs_.begin()) - 1));
    exceedance.longest = std::max(exceedance.longest, longest);
}

RangeFigures RangeStatistics::Figures(Interval range,
                                      const std::vector<Interval>& exclusions) const {
    RangeFigures figures;
    figures.range = range;
    figures.minutes = range.Length();
    if (figures.minutes == 0)
        return figures;
    if (threshold_)
        figures.exceedance = Exceedance{};

    std::vector<std::int64_t> slots(static_cast<std::size_t>(width_) + 1, 0);
    // The parts of the range between the exclusions.
    Minute next = range.from;
    const auto include = [&](Minute to) {
        if (to <= next)
            return;
        const Interval part{next, to};
        AddIncluded(part, slots);
        if (figures.exceedance)
            AddExceedance(part, *figures.exceedance);
    };
    const auto firstExclusion = std::upper_bound(
        exclusions.begin(), exclusions.end(), range.from,
        [](Minute from, const Interval& exclusion) { return from < exclusion.to; });
    for (auto e = firstExclusion; e != exclusions.end() && e->from < range.to; ++e) {
        include(std::max(e->from, range.from));
        const Minute excludedTo = std::min(e->to, range.to);
        figures.excluded += excludedTo - std::max(e->from, range.from);
        next = std::max(next, excludedTo);
    }
    include(range.to);

    LevelHistogram levels;
    for (int i = 0; i < width_; ++i)
        if (slots[static_cast<std::size_t>(i)] != 0)
            levels.Add(static_cast<std::int16_t>(lowest_ + i), slots[static_cast<std::size_t>(i)]);
    figures.gaps = slots.back();
    figures.levels = levels.Figures();
    figures.measured = figures.levels.count;
    figures.coverage = static_cast<double>(figures.measured) / static_cast<double>(figures.minutes);
    if (figures.exceedance)
        figures.exceedance->minutes = levels.CountAbove(*threshold_);
    return figures;
}

} // namespace vrd
