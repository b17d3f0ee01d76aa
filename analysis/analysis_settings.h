#pragma once
// What an analysis looks at: the selected minutes, the minutes left out and why, the threshold,
// and the day, evening and night periods with their penalties.

#include "analysis/who_guidelines.h"
#include "levels_csv/csv_time.h"
#include "report/minute_time.h"

#include <optional>
#include <string>
#include <vector>

namespace vrd {

// The minutes [from, to): the calendar's periods, the carpet's cells, the window's minutes.
struct Interval {
    Minute from = 0;
    Minute to = 0;

    Minute Length() const { return to > from ? to - from : 0; }
    bool Contains(Minute minute) const { return minute >= from && minute < to; }
};

// The time a minute starts at, and the minutes that hold a time (rounded down and up).
constexpr Millis MillisOf(Minute minute) {
    return minute * kMillisPerMinute;
}
constexpr Minute MinuteOfMillis(Millis time) {
    return time >= 0 ? time / kMillisPerMinute
                     : -((-time + kMillisPerMinute - 1) / kMillisPerMinute);
}
constexpr Minute MinuteAfterMillis(Millis time) {
    return -MinuteOfMillis(-time);
}

inline bool operator==(const Interval& a, const Interval& b) {
    return a.from == b.from && a.to == b.to;
}
inline bool operator!=(const Interval& a, const Interval& b) {
    return !(a == b);
}

// The time [start, end) in milliseconds, as a person gives it to the second: a mark, an
// exclusion, the selection. A sample belongs to it when the sample's start lies in it. Apart from
// Interval so that minutes and milliseconds never mix unseen.
struct TimeSpan {
    Millis start = 0;
    Millis end = 0;

    Millis Length() const { return end > start ? end - start : 0; }
    bool Contains(Millis time) const { return time >= start && time < end; }
};

inline bool operator==(const TimeSpan& a, const TimeSpan& b) {
    return a.start == b.start && a.end == b.end;
}
inline bool operator!=(const TimeSpan& a, const TimeSpan& b) {
    return !(a == b);
}

// The time of minutes, and the minutes whose start lies in a time span (both ends rounded up).
constexpr TimeSpan SpanOfMinutes(const Interval& minutes) {
    return {MillisOf(minutes.from), MillisOf(minutes.to)};
}
constexpr Interval MinutesStartingIn(const TimeSpan& span) {
    return {MinuteAfterMillis(span.start), MinuteAfterMillis(span.end)};
}
// The minutes that share time with a span (start rounded down, end up).
constexpr Interval MinutesCovering(const TimeSpan& span) {
    return {MinuteOfMillis(span.start), MinuteAfterMillis(span.end)};
}

// Time left out of every figure, with the reason the user gave ("rain", "road works").
struct Exclusion {
    TimeSpan span;
    std::string reason;
};

// What was heard during a marked period: nothing to use (an exclusion), the noise under
// assessment (source), or everything but it (residual, the reference it is compared with).
enum class MarkKind { Exclude, Source, Residual };

struct Mark {
    MarkKind kind = MarkKind::Exclude;
    TimeSpan span;
    std::string reason;
};

// Day [D day:00, D evening:00), evening [D evening:00, D night:00), night [D night:00,
// D+1 day:00): the night belongs to the day it begins. The evening may be empty (evening ==
// night), as where only a day and a night level are asked for. Penalties in dB, added to the
// evening and night levels in Lden.
struct Periods {
    int day = 7;
    int evening = 19;
    int night = 23;
    double eveningPenalty = 5;
    double nightPenalty = 10;

    Minute DayMinutes() const { return (evening - day) * kMinutesPerHour; }
    Minute EveningMinutes() const { return (night - evening) * kMinutesPerHour; }
    Minute NightMinutes() const { return (24 - night + day) * kMinutesPerHour; }
};

inline bool operator==(const Periods& a, const Periods& b) {
    return a.day == b.day && a.evening == b.evening && a.night == b.night &&
           a.eveningPenalty == b.eveningPenalty && a.nightPenalty == b.nightPenalty;
}
inline bool operator!=(const Periods& a, const Periods& b) {
    return !(a == b);
}

// What can be wrong with periods, for a program to word in its own language.
enum class PeriodsProblem {
    HoursOutOfOrder,     // not 0 <= day < evening <= night <= 23
    PenaltiesNotNumbers, // a penalty is infinite or NaN
};
std::optional<PeriodsProblem> FindPeriodsProblem(const Periods& periods);
// The problem in English, as CheckPeriods gives it.
const char* PeriodsProblemText(PeriodsProblem problem);

// Empty when 0 <= day < evening <= night <= 23 and the penalties are finite; otherwise what is
// wrong, for a person.
std::optional<std::string> CheckPeriods(const Periods& periods);

struct AnalysisSettings {
    // The selection in milliseconds; a missing end defaults to the first readable record's minute
    // or to one past the last's.
    std::optional<Millis> fromTime;
    std::optional<Millis> toTime;
    std::vector<Exclusion> exclusions; // may overlap; time outside the selection is ignored
    std::vector<Mark> marks;           // source and residual periods, for an assessment
    std::optional<double> threshold;   // dB; exceedance is not worked out without it
    Periods periods;
    std::string preset; // the name of the preset the periods come from; empty when set by hand
    std::optional<WhoSource> who; // compare Lden and Lnight with this source's WHO guidelines
};

// The exclusions as sorted, disjoint intervals (overlapping and touching ones joined, empty ones
// dropped).
std::vector<TimeSpan> MergeExclusions(const std::vector<Exclusion>& exclusions);
// The same for any spans or intervals.
std::vector<TimeSpan> MergeSpans(std::vector<TimeSpan> spans);
std::vector<Interval> MergeIntervals(std::vector<Interval> intervals);
// The minutes whose start lies in each of sorted, disjoint spans, the empty ones dropped: still
// sorted and disjoint.
std::vector<Interval> MinutesStartingIn(const std::vector<TimeSpan>& spans);

} // namespace vrd
