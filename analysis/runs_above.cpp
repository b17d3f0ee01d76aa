#include "analysis/runs_above.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace vrd {

namespace {

// Whether the sorted, disjoint spans hold time, moving the cursor on; times asked ascending.
bool Excluded(const std::vector<TimeSpan>& excluded, std::size_t& cursor, Millis time) {
    while (cursor < excluded.size() && excluded[cursor].end <= time)
        ++cursor;
    return cursor < excluded.size() && excluded[cursor].start <= time;
}

Millis SecondBefore(Millis time) {
    const Millis into = time % kMillisPerSecond;
    return into >= 0 ? time - into : time - into - kMillisPerSecond;
}

Millis SecondAfter(Millis time) {
    return -SecondBefore(-time);
}

// Minutes of a marking as time, saturated: any length beyond the calendar's acts alike.
Millis TimeOfMinutes(Minute minutes) {
    constexpr Minute kMost = std::numeric_limits<Millis>::max() / kMillisPerMinute;
    return std::min(minutes, kMost) * kMillisPerMinute;
}

} // namespace

std::vector<TimeSpan> RunsAbove(const MinuteSeries& series, TimeSpan range,
                                const std::vector<TimeSpan>& excluded, double threshold) {
    std::vector<TimeSpan> runs;
    std::size_t nextExcluded = 0;
    for (std::size_t i = series.LowerBound(MinuteAfterMillis(range.start)); i < series.Size();
         ++i) {
        const SeriesMinute minute = series.At(i);
        const Millis start = MillisOf(minute.minute);
        if (start >= range.end)
            break;
        if (minute.gap || Excluded(excluded, nextExcluded, start) || minute.level <= threshold)
            continue;
        if (!runs.empty() && runs.back().end == start)
            runs.back().end = start + kMillisPerMinute;
        else
            runs.push_back({start, start + kMillisPerMinute});
    }
    return runs;
}

std::vector<TimeSpan> RunsAbove(const LevelSeries& series, TimeSpan range,
                                const std::vector<TimeSpan>& excluded, double threshold) {
    std::vector<TimeSpan> runs;
    std::size_t nextExcluded = 0;
    const Millis step = series.Step();
    Millis runStart = 0;
    Millis runEnd = 0;
    bool inRun = false;
    // Runs of samples shorter than a second may widen to the same second: they make one.
    const auto close = [&] {
        if (!inRun)
            return;
        const TimeSpan run{SecondBefore(runStart), SecondAfter(runEnd)};
        if (!runs.empty() && runs.back().end >= run.start)
            runs.back().end = std::max(runs.back().end, run.end);
        else
            runs.push_back(run);
        inRun = false;
    };
    series.ForEach(range.start, range.end, [&](std::size_t index, Millis start) {
        if (Excluded(excluded, nextExcluded, start) || !(series.Level(index) > threshold))
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

std::vector<TimeSpan> JoinRuns(const std::vector<TimeSpan>& runs, const RunMarking& marking) {
    const Millis join = TimeOfMinutes(marking.joinMinutes);
    const Millis least = TimeOfMinutes(marking.minMinutes);
    std::vector<TimeSpan> joined;
    for (const TimeSpan& run : runs) {
        if (!joined.empty() && run.start - joined.back().end <= join)
            joined.back().end = run.end;
        else
            joined.push_back(run);
    }
    // Dropped only once joined: short runs close together make one long enough mark.
    std::size_t kept = 0;
    for (const TimeSpan& mark : joined)
        if (mark.Length() >= least)
            joined[kept++] = mark;
    joined.resize(kept);
    return joined;
}

namespace {

// Each run a mark of marking's kind with reason.
std::vector<Mark> MarksOf(const std::vector<TimeSpan>& runs, const RunMarking& marking,
                          const std::string& reason) {
    std::vector<Mark> marks;
    marks.reserve(runs.size());
    for (const TimeSpan& run : runs)
        marks.push_back({marking.kind, run, reason});
    return marks;
}

} // namespace

std::vector<TimeSpan> MarkedRuns(const MinuteSeries& series, TimeSpan range,
                                 const std::vector<TimeSpan>& excluded, const RunMarking& marking) {
    return JoinRuns(RunsAbove(series, range, excluded, marking.threshold), marking);
}

std::vector<Mark> MarksOfRuns(const MinuteSeries& series, TimeSpan range,
                              const std::vector<TimeSpan>& excluded, const RunMarking& marking,
                              const std::string& reason) {
    return MarksOf(MarkedRuns(series, range, excluded, marking), marking, reason);
}

std::vector<TimeSpan> MarkedRuns(const LevelSeries& series, TimeSpan range,
                                 const std::vector<TimeSpan>& excluded, const RunMarking& marking) {
    return JoinRuns(RunsAbove(series, range, excluded, marking.threshold), marking);
}

std::vector<Mark> MarksOfRuns(const LevelSeries& series, TimeSpan range,
                              const std::vector<TimeSpan>& excluded, const RunMarking& marking,
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
