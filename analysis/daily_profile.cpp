#include "analysis/daily_profile.h"

#include <algorithm>
#include <cmath>

namespace vrd {

namespace {

struct HourSums {
    std::int64_t dates = 0;
    double energy = 0;
    double lowest = 0;
    double highest = 0;

    void Add(double leq) {
        lowest = dates == 0 ? leq : std::min(lowest, leq);
        highest = dates == 0 ? leq : std::max(highest, leq);
        energy += std::pow(10.0, leq / 10.0);
        ++dates;
    }
};

ProfileLine LineOf(const std::array<HourSums, 24>& sums) {
    ProfileLine line;
    for (std::size_t hour = 0; hour < sums.size(); ++hour) {
        const HourSums& sum = sums[hour];
        line[hour].dates = sum.dates;
        if (sum.dates == 0)
            continue;
        line[hour].leq = EnergyToLevel(sum.energy / static_cast<double>(sum.dates));
        line[hour].lowest = sum.lowest;
        line[hour].highest = sum.highest;
    }
    return line;
}

bool HasLevel(const ProfileLine& line) {
    return std::any_of(line.begin(), line.end(),
                       [](const ProfileHour& hour) { return hour.leq.has_value(); });
}

} // namespace

int Weekday(Day day) {
    // 0001-01-01 was a Monday in the proleptic Gregorian calendar.
    return static_cast<int>(((day % 7) + 7) % 7);
}

bool DailyProfile::SplitsWeek() const {
    return HasLevel(weekdays) && HasLevel(weekends);
}

DailyProfile DailyProfileOf(const SparseTable<HourFigures>& hours) {
    std::array<HourSums, 24> all{};
    std::array<HourSums, 24> weekdays{};
    std::array<HourSums, 24> weekends{};
    for (const HourFigures& row : hours.Stored()) {
        if (!row.leq)
            continue;
        const Day date = DayOfMinute(row.start);
        const auto hour = static_cast<std::size_t>((row.start - StartOfDay(date)) / 60);
        all[hour].Add(*row.leq);
        (Weekday(date) >= 5 ? weekends : weekdays)[hour].Add(*row.leq);
    }
    DailyProfile profile;
    profile.all = LineOf(all);
    profile.weekdays = LineOf(weekdays);
    profile.weekends = LineOf(weekends);
    return profile;
}

} // namespace vrd
