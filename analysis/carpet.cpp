#include "analysis/carpet.h"

#include <algorithm>

namespace vrd {

Carpet CarpetOf(const LevelSeries& series, Interval selection,
                const std::vector<Interval>& exclusions) {
    Carpet carpet;
    if (selection.Length() == 0)
        return carpet;
    const Day first = DayOfMinute(selection.from);
    const std::int64_t dates = DayOfMinute(selection.to - 1) - first + 1;
    if (dates > Carpet::kMostDates) {
        carpet.tooLong_ = true;
        return carpet;
    }
    carpet.firstDate_ = first;
    carpet.dates_ = dates;
    carpet.cells_.assign(static_cast<std::size_t>(dates * kMinutesPerDay), Carpet::kNoRecord);
    const Minute origin = StartOfDay(first);
    const auto cell = [&](Minute minute) -> float& {
        return carpet.cells_[static_cast<std::size_t>(minute - origin)];
    };
    const auto setLevel = [&](Minute minute, double level) {
        const float value = static_cast<float>(level);
        cell(minute) = value;
        carpet.lowest_ = std::min<double>(carpet.lowest_.value_or(value), value);
        carpet.highest_ = std::max<double>(carpet.highest_.value_or(value), value);
    };

    for (auto gap = std::lower_bound(series.GapStarts().begin(), series.GapStarts().end(),
                                     MillisOf(selection.from));
         gap != series.GapStarts().end() && *gap < MillisOf(selection.to); ++gap)
        cell(MinuteOfMillis(*gap)) = Carpet::kGap;

    const LevelTable& table = series.Table();
    const Millis step = series.Step();
    if (step >= kMillisPerMinute) {
        // Each sample gives its level to the minutes it covers, within the selection.
        series.ForEach(
            MillisOf(selection.from), MillisOf(selection.to), [&](std::size_t index, Millis start) {
                const Minute end = std::min(MinuteAfterMillis(start + step), selection.to);
                for (Minute minute = MinuteOfMillis(start); minute < end; ++minute)
                    setLevel(minute, table.Value(series.Code(index)));
            });
    } else {
        // The samples that start in one minute, in time order: their energy mean.
        Minute minute = 0;
        double energy = 0;
        std::int64_t count = 0;
        const auto flush = [&]() {
            if (count > 0)
                setLevel(minute, EnergyToLevel(energy / static_cast<double>(count)));
            energy = 0;
            count = 0;
        };
        series.ForEach(MillisOf(selection.from), MillisOf(selection.to),
                       [&](std::size_t index, Millis start) {
                           const Minute at = MinuteOfMillis(start);
                           if (at != minute)
                               flush();
                           minute = at;
                           energy += table.Energy(series.Code(index));
                           ++count;
                       });
        flush();
    }
    // Excluded minutes are greyed whether or not they have a record; the scale is of the rest.
    bool excludedLevel = false;
    for (const Interval& exclusion : exclusions) {
        const Minute from = std::max(exclusion.from, selection.from);
        const Minute to = std::min(exclusion.to, selection.to);
        for (Minute minute = from; minute < to; ++minute) {
            excludedLevel = excludedLevel || Carpet::IsLevel(cell(minute));
            cell(minute) = Carpet::kExcluded;
        }
    }
    if (excludedLevel) {
        carpet.lowest_.reset();
        carpet.highest_.reset();
        for (const float value : carpet.cells_) {
            if (!Carpet::IsLevel(value))
                continue;
            carpet.lowest_ = std::min<double>(carpet.lowest_.value_or(value), value);
            carpet.highest_ = std::max<double>(carpet.highest_.value_or(value), value);
        }
    }
    return carpet;
}

Carpet CarpetOf(const MinuteSeries& series, Interval selection,
                const std::vector<Interval>& exclusions) {
    return CarpetOf(LevelSeriesFromMinutes(series), selection, exclusions);
}

} // namespace vrd
