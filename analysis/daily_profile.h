#pragma once
// The daily profile of a campaign: for each hour of the day, the energy mean of that hour's Leq
// over the dates of the selection, with the lowest and highest of them as the spread. The hourly
// Leq are those of the table of hours (the measured, not excluded minutes of the selection), so
// an hour without a measured minute takes no part. Weekdays (Monday to Friday) and weekends
// (Saturday and Sunday) are also given apart, since their rhythms differ.
//
//   Leq(h) = 10·log10(mean over the dates d of 10^(Leq(d, h)/10))

#include "analysis/analyse.h"

#include <array>
#include <cstdint>
#include <optional>

namespace vrd {

struct ProfileHour {
    std::int64_t dates = 0; // dates whose hour has an Leq
    std::optional<double> leq;
    std::optional<double> lowest;
    std::optional<double> highest;
};

// One line of the profile: hour 0 (00:00-01:00) to hour 23.
using ProfileLine = std::array<ProfileHour, 24>;

struct DailyProfile {
    ProfileLine all;
    ProfileLine weekdays;
    ProfileLine weekends;

    // True when both weekdays and weekends have an hour with an Leq: then they are drawn apart.
    bool SplitsWeek() const;
};

DailyProfile DailyProfileOf(const SparseTable<HourFigures>& hours);

// 0 for Monday .. 6 for Sunday.
int Weekday(Day day);

} // namespace vrd
