#pragma once
// The rules of each assessment standard as data: the hours of its periods, its limits and
// tables, its gate and thresholds. The computation reads them here (the calendar its hours,
// EmergenceOf its limits, gate and bands, DurationTerm its table, IntervalL90 its share), so that
// what a report states is what was applied.
//
// Every period of date D lies in [D 07:00, D+1 07:00): a night belongs to the date it begins on.

#include "analysis/assessment_calendar.h"
#include "report/minute_time.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace vrd {

// Whole clock hours [from, to); a to at or before from is on the next date.
struct ClockHours {
    int from = 0;
    int to = 0;
};

// The French day and night, and BS 4142's hours and quarter hours.
inline constexpr ClockHours kFrenchDay{7, 22};
inline constexpr ClockHours kFrenchNight{22, 7};
inline constexpr ClockHours kBs4142Day{7, 23};
inline constexpr ClockHours kBs4142Night{23, 7};
inline constexpr Minute kBs4142DayInterval = 60;
inline constexpr Minute kBs4142NightInterval = 15;

// The base limits for an ambient Leq above ambientAbove (from the gate when null) and at or below
// ambientUpTo (any louder when null), by PeriodLabel; null for a label the standard has not.
struct BaseLimitBand {
    std::optional<double> ambientAbove;
    std::optional<double> ambientUpTo;
    std::array<std::optional<int>, 3> limits;

    std::optional<int> Of(PeriodLabel label) const {
        return limits[static_cast<std::size_t>(label)];
    }
};

// A noise heard more than `above` and at most `upTo` minutes in a period (any longer when null)
// adds `term` dB to the limit.
struct DurationTermRow {
    std::int64_t above = 0;
    std::optional<std::int64_t> upTo;
    int term = 0;
};

struct EmergenceRules {
    ClockHours day = kFrenchDay;
    ClockHours night = kFrenchNight;
    bool restDays = false; // Sundays and French public holidays judged apart by day (holiday)
    std::vector<BaseLimitBand> baseLimits;      // ascending, the first that holds the ambient
    std::vector<DurationTermRow> durationTerms; // ascending; empty: no term
    double gate = 30;                           // no emergence asked at or below this Leq(A)
    std::optional<double> gateIndoors;          // measured inside a dwelling
    double l50Above = 5;                        // the indicator is L50 when Leq(A) - L50(A) > it
    double notConclusiveWithin = 2;             // a margin within it either way, in dB
    std::int64_t shortResidualBelow = 30;       // fewer residual minutes weaken the verdict
};

struct BackgroundRules {
    ClockHours day = kBs4142Day;
    Minute dayInterval = kBs4142DayInterval;
    ClockHours night = kBs4142Night;
    Minute nightInterval = kBs4142NightInterval;
    int measuredPercent = 80; // an interval's L90 needs this share of it measured
};

struct AssessmentRules {
    Standard standard = Standard::FrNeighbourhood;
    std::optional<EmergenceRules> emergence;   // fr-neighbourhood, fr-icpe
    std::optional<BackgroundRules> background; // bs4142
};

const AssessmentRules& RulesOf(Standard standard);

// The base limit of a label for an ambient Leq above the gate; 0 for a label the standard has not.
int BaseLimit(const EmergenceRules& rules, PeriodLabel label, double ambientLeq);

} // namespace vrd
