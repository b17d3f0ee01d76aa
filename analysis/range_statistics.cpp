#include "analysis/range_statistics.h"

#include <algorithm>
#include <limits>

namespace vrd {

namespace {

constexpr std::size_t kMinBlock = 1024;

} // namespace

RangeStatistics::RangeStatistics(const LevelSeries& series, std::optional<double> threshold)
    : series_(&series), threshold_(threshold) {
    Build();
}

RangeStatistics::RangeStatistics(const MinuteSeries& series, std::optional<double> threshold)
    : owned_(std::make_shared<const LevelSeries>(LevelSeriesFromMinutes(series))),
      series_(owned_.get()), threshold_(threshold) {
    Build();
}

void RangeStatistics::Build() {
    const LevelSeries& series = *series_;
    const std::size_t n = series.Size();
    LevelCode lowest = std::numeric_limits<LevelCode>::max();
    LevelCode highest = 0;
    for (std::size_t i = 0; i < n; ++i) {
        lowest = std::min(lowest, series.Code(i));
        highest = std::max(highest, series.Code(i));
    }
    if (lowest > highest)
        lowest = highest = 0;
    lowest_ = lowest;
    width_ = static_cast<std::size_t>(highest - lowest) + 1;

    // Blocks of at least 16 times the slots keep the counts within a quarter byte per sample.
    blockSize_ = kMinBlock;
    while (blockSize_ < 16 * width_)
        blockSize_ *= 2;
    const std::size_t blocks = n / blockSize_;
    counts_.assign((blocks + 1) * width_, 0);
    std::vector<std::uint32_t> running(width_, 0);
    for (std::size_t b = 1; b <= blocks; ++b) {
        for (std::size_t i = (b - 1) * blockSize_; i < b * blockSize_; ++i)
            ++running[SlotOf(i)];
        std::copy(running.begin(), running.end(),
                  counts_.begin() + static_cast<std::ptrdiff_t>(b * width_));
    }

    if (!threshold_)
        return;
    const LevelCode firstAbove = series.Table().FirstAbove(*threshold_);
    const Millis step = series.Step();
    series.Samples().ForEachFrom(0, [&](std::size_t i, Millis start) {
        if (series.Code(i) < firstAbove)
            return true;
        if (!runs_.empty() && runs_.back().to == start)
            runs_.back().to += step;
        else
            runs_.push_back({start, start + step});
        return true;
    });
    longest_.assign((runs_.size() + kRunBlock - 1) / kRunBlock, 0);
    for (std::size_t r = 0; r < runs_.size(); ++r) {
        Millis& longest = longest_[r / kRunBlock];
        longest = std::max(longest, runs_[r].to - runs_[r].from);
    }
}

std::int64_t RangeStatistics::AddIncluded(Interval part, std::vector<std::int64_t>& slots) const {
    const std::size_t first = series_->LowerBound(MillisOf(part.from));
    const std::size_t last = series_->LowerBound(MillisOf(part.to));
    const auto scan = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i)
            ++slots[SlotOf(i)];
    };
    const std::int64_t gaps = series_->GapsIn(MillisOf(part.from), MillisOf(part.to));
    const std::size_t firstBlock = (first + blockSize_ - 1) / blockSize_;
    const std::size_t lastBlock = last / blockSize_;
    if (firstBlock >= lastBlock) {
        scan(first, last);
        return gaps;
    }
    scan(first, firstBlock * blockSize_);
    scan(lastBlock * blockSize_, last);
    const std::uint32_t* high = counts_.data() + lastBlock * width_;
    const std::uint32_t* low = counts_.data() + firstBlock * width_;
    for (std::size_t s = 0; s < width_; ++s)
        slots[s] += static_cast<std::int64_t>(high[s]) - low[s];
    return gaps;
}

Millis RangeStatistics::LongestOfRuns(std::size_t first, std::size_t last) const {
    Millis longest = 0;
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
    // The runs with a sample that starts in the part, the first and last cut at its ends.
    const Millis step = series_->Step();
    const Millis from = MillisOf(part.from);
    const Millis to = MillisOf(part.to);
    const auto first = std::upper_bound(runs_.begin(), runs_.end(), from + step - 1,
                                        [](Millis at, const AboveRun& run) { return at < run.to; });
    const auto last =
        std::lower_bound(runs_.begin(), runs_.end(), to,
                         [](const AboveRun& run, Millis at) { return run.from < at; });
    if (first >= last)
        return;
    exceedance.events += last - first;
    // A run cut at the part's ends keeps the samples whose start lies inside.
    const auto samplesIn = [&](const AboveRun& run) {
        const auto stepsTo = [&](Millis time) {
            return time <= run.from ? 0 : (time - run.from + step - 1) / step;
        };
        return std::max<Millis>(0,
                                std::min((run.to - run.from) / step, stepsTo(to)) - stepsTo(from));
    };
    std::int64_t longest = std::max(samplesIn(*first), samplesIn(*(last - 1)));
    if (last - first > 2)
        longest =
            std::max(longest, LongestOfRuns(static_cast<std::size_t>(first - runs_.begin()) + 1,
                                            static_cast<std::size_t>(last - runs_.begin()) - 1) /
                                  step);
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

    std::vector<std::int64_t> slots(width_, 0);
    // The parts of the range between the exclusions.
    Minute next = range.from;
    const auto include = [&](Minute to) {
        if (to <= next)
            return;
        const Interval part{next, to};
        figures.gaps += AddIncluded(part, slots);
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

    LevelHistogram levels(series_->Table());
    for (std::size_t i = 0; i < width_; ++i)
        if (slots[i] != 0)
            levels.AddCode(lowest_ + static_cast<LevelCode>(i), slots[i]);
    figures.levels = levels.Figures();
    figures.measured = figures.levels.count;
    figures.measuredTime = figures.measured * series_->Step();
    figures.coverage =
        static_cast<double>(figures.measuredTime) / static_cast<double>(MillisOf(figures.minutes));
    if (figures.exceedance)
        figures.exceedance->minutes = levels.CountAbove(*threshold_);
    return figures;
}

} // namespace vrd
