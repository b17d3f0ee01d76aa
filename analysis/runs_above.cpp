#include "analysis/runs_above.h"

namespace vrd {

std::vector<Interval> RunsAbove(const MinuteSeries& series, Interval range,
                                const std::vector<Interval>& excluded, double threshold) {
    std::vector<Interval> runs;
    std::size_t nextExcluded = 0;
    for (std::size_t i = series.LowerBound(range.from); i < series.Size(); ++i) {
        const SeriesMinute minute = series.At(i);
        if (minute.minute >= range.to)
            break;
        while (nextExcluded < excluded.size() && excluded[nextExcluded].to <= minute.minute)
            ++nextExcluded;
        const bool isExcluded =
            nextExcluded < excluded.size() && excluded[nextExcluded].from <= minute.minute;
        if (minute.gap || isExcluded || minute.level <= threshold)
            continue;
        if (!runs.empty() && runs.back().to == minute.minute)
            runs.back().to = minute.minute + 1;
        else
            runs.push_back({minute.minute, minute.minute + 1});
    }
    return runs;
}

} // namespace vrd
