#include "analysis/runs_above.h"

#include <algorithm>
#include <charconv>

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

std::vector<Interval> RunsAbove(const LevelSeries& series, Interval range,
                                const std::vector<Interval>& excluded, double threshold) {
    std::vector<Interval> runs;
    std::size_t nextExcluded = 0;
    const Millis step = series.Step();
    Millis runStart = 0;
    Millis runEnd = 0;
    bool inRun = false;
    // Runs of samples shorter than a minute may widen to the same minute: they make one.
    const auto close = [&] {
        if (!inRun)
            return;
        const Interval run{MinuteOfMillis(runStart), MinuteAfterMillis(runEnd)};
        if (!runs.empty() && runs.back().to >= run.from)
            runs.back().to = std::max(runs.back().to, run.to);
        else
            runs.push_back(run);
        inRun = false;
    };
    series.ForEach(MillisOf(range.from), MillisOf(range.to), [&](std::size_t index, Millis start) {
        const Minute minute = MinuteOfMillis(start);
        while (nextExcluded < excluded.size() && excluded[nextExcluded].to <= minute)
            ++nextExcluded;
        const bool isExcluded =
            nextExcluded < excluded.size() && excluded[nextExcluded].from <= minute;
        if (isExcluded || !(series.Level(index) > threshold))
            return;
        if (inRun && start == runEnd) {
            runEnd = start + step;
            return;
        }
        close();
        inRun = true;
        runStart = start;
        runEnd = start + step;
    });
    close();
    return runs;
}

std::vector<Interval> JoinRuns(const std::vector<Interval>& runs, const RunMarking& marking) {
    std::vector<Interval> joined;
    for (const Interval& run : runs) {
        if (!joined.empty() && run.from - joined.back().to <= marking.joinMinutes)
            joined.back().to = run.to;
        else
            joined.push_back(run);
    }
    // Dropped only once joined: short runs close together make one long enough mark.
    std::size_t kept = 0;
    for (const Interval& mark : joined)
        if (mark.Length() >= marking.minMinutes)
            joined[kept++] = mark;
    joined.resize(kept);
    return joined;
}

namespace {

// Each run a mark of marking's kind with reason.
std::vector<Mark> MarksOf(const std::vector<Interval>& runs, const RunMarking& marking,
                          const std::string& reason) {
    std::vector<Mark> marks;
    marks.reserve(runs.size());
    for (const Interval& run : runs)
        marks.push_back({marking.kind, run, reason});
    return marks;
}

} // namespace

std::vector<Interval> MarkedRuns(const MinuteSeries& series, Interval range,
                                 const std::vector<Interval>& excluded, const RunMarking& marking) {
    return JoinRuns(RunsAbove(series, range, excluded, marking.threshold), marking);
}

std::vector<Mark> MarksOfRuns(const MinuteSeries& series, Interval range,
                              const std::vector<Interval>& excluded, const RunMarking& marking,
                              const std::string& reason) {
    return MarksOf(MarkedRuns(series, range, excluded, marking), marking, reason);
}

std::vector<Interval> MarkedRuns(const LevelSeries& series, Interval range,
                                 const std::vector<Interval>& excluded, const RunMarking& marking) {
    return JoinRuns(RunsAbove(series, range, excluded, marking.threshold), marking);
}

std::vector<Mark> MarksOfRuns(const LevelSeries& series, Interval range,
                              const std::vector<Interval>& excluded, const RunMarking& marking,
                              const std::string& reason) {
    return MarksOf(MarkedRuns(series, range, excluded, marking), marking, reason);
}

std::string RunsReason(double threshold) {
    // The fewest digits that read back as the same number, never an exponent; -0 is 0.
    char digits[400];
    const std::to_chars_result end = std::to_chars(
        digits, digits + sizeof digits, threshold == 0 ? 0.0 : threshold, std::chars_format::fixed);
    return "above " + std::string(digits, end.ptr) + " dB";
}

} // namespace vrd
