#include "analysis/carpet.h"

#include <algorithm>

namespace vrd {

Carpet CarpetOf(const MinuteSeries& series, Interval selection,
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
    const auto cell = [&](Minute minute) -> std::int16_t& {
        return carpet.cells_[static_cast<std::size_t>(minute - origin)];
    };

    for (std::size_t i = series.LowerBound(selection.from); i < series.Size(); ++i) {
        const SeriesMinute minute = series.At(i);
        if (minute.minute >= selection.to)
            break;
        if (minute.gap) {
            cell(minute.minute) = Carpet::kGap;
            continue;
        }
        cell(minute.minute) = minute.level;
        carpet.lowest_ = std::min<int>(carpet.lowest_.value_or(minute.level), minute.level);
        carpet.highest_ = std::max<int>(carpet.highest_.value_or(minute.level), minute.level);
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
        for (const std::int16_t value : carpet.cells_) {
            if (!Carpet::IsLevel(value))
                continue;
            carpet.lowest_ = std::min<int>(carpet.lowest_.value_or(value), value);
            carpet.highest_ = std::max<int>(carpet.highest_.value_or(value), value);
        }
    }
    return carpet;
}

} // namespace vrd
