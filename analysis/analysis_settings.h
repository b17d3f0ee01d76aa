#pragma once
// What an analysis looks at: the selected minutes, the minutes left out and why, the threshold,
// and the day, evening and night periods with their penalties.

#include "report/minute_time.h"

#include <optional>
#include <string>
#include <vector>

namespace vrd {

// The minutes [from, to).
struct Interval {
    Minute from = 0;
    Minute to = 0;

    Minute Length() const { return to > from ? to - from : 0; }
    bool Contains(Minute minute) const { return minute >= from && minute < to; }
};

// Minutes left out of every figure, with the reason the user gave ("rain", "road works").
struct Exclusion {
    Interval interval;
    std::string reason;
};

// Day [D day:00, D evening:00), evening [D evening:00, D night:00), night [D night:00,
// D+1 day:00): the night belongs to the day it begins. Penalties in dB, added to the evening and
// night levels in Lden.
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

// Empty when the hours are strictly increasing within 0..23 and the penalties are finite;
// otherwise what is wrong, for a person.
std::optional<std::string> CheckPeriods(const Periods& periods);

struct AnalysisSettings {
    // The selection; a missing end defaults to the first readable record's minute or to one past
    // the last's.
    std::optional<Minute> from;
    std::optional<Minute> to;
    std::vector<Exclusion> exclusions; // may overlap; minutes outside the selection are ignored
    std::optional<double> threshold;   // dB; exceedance is not worked out without it
    Periods periods;
};

// The exclusions as sorted, disjoint intervals (overlapping and touching ones joined, empty ones
// dropped).
std::vector<Interval> MergeExclusions(const std::vector<Exclusion>& exclusions);

} // namespace vrd
