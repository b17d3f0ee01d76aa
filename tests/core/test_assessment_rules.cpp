#include "analysis/assessment_rules.h"

#include "analysis/background_level.h"
#include "analysis/emergence.h"
#include "tests/core/minute_records.h"

#include <gtest/gtest.h>

namespace vrd {
namespace {

using test::At;

LevelHistogram Minutes(int level, std::int64_t minutes) {
    LevelHistogram histogram;
    histogram.Add(static_cast<std::int16_t>(level), minutes);
    return histogram;
}

// The limit EmergenceOf applies to an ambient of one level heard `minutes` over a quiet residual,
// the duration term taken off.
std::optional<int> BaseLimitApplied(Standard standard, PeriodLabel label, int ambient,
                                    std::int64_t minutes = 600) {
    const EmergenceFigures figures =
        EmergenceOf(standard, label, false, Minutes(ambient, minutes), Minutes(20, 60));
    if (!figures.limit)
        return std::nullopt;
    return *figures.limit - figures.term.value_or(0);
}

TEST(AssessmentRules, EveryRowOfTheDurationTableIsTheTermAppliedAtItsBounds) {
    const std::vector<DurationTermRow>& rows =
        RulesOf(Standard::FrNeighbourhood).emergence->durationTerms;
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows.front().above, 0);
    EXPECT_FALSE(rows.back().upTo);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const DurationTermRow& row = rows[i];
        if (i > 0) {
            EXPECT_EQ(row.above, rows[i - 1].upTo) << i;
            EXPECT_LT(row.term, rows[i - 1].term) << i;
        }
        const std::int64_t longest = row.upTo.value_or(row.above + 1000);
        for (const std::int64_t minutes : {row.above + 1, longest}) {
            EXPECT_EQ(DurationTerm(minutes), row.term) << minutes;
            const EmergenceFigures figures =
                EmergenceOf(Standard::FrNeighbourhood, PeriodLabel::Daytime, false,
                            Minutes(50, minutes), Minutes(40, 60));
            EXPECT_EQ(figures.term, row.term) << minutes;
        }
    }
    EXPECT_TRUE(RulesOf(Standard::FrIcpe).emergence->durationTerms.empty());
}

TEST(AssessmentRules, TheBaseLimitsAreThoseApplied) {
    for (const Standard standard : {Standard::FrNeighbourhood, Standard::FrIcpe}) {
        const EmergenceRules& rules = *RulesOf(standard).emergence;
        for (const BaseLimitBand& band : rules.baseLimits) {
            // The quietest and the loudest whole level of the band above the gate.
            const int quietest = static_cast<int>(band.ambientAbove.value_or(rules.gate)) + 1;
            const int loudest = band.ambientUpTo ? static_cast<int>(*band.ambientUpTo) : 90;
            for (const PeriodLabel label :
                 {PeriodLabel::Daytime, PeriodLabel::Holiday, PeriodLabel::Night}) {
                if (!band.Of(label))
                    continue;
                for (const int ambient : {quietest, loudest}) {
                    EXPECT_EQ(BaseLimitApplied(standard, label, ambient), band.Of(label))
                        << StandardName(standard) << ' ' << PeriodLabelName(label) << ' '
                        << ambient;
                    EXPECT_EQ(BaseLimit(rules, label, ambient), *band.Of(label));
                }
            }
        }
    }
    // As stated: 5 and 3; 6 and 4, 5 and 3 above 45 dB, rest days with the night.
    const EmergenceRules& neighbourhood = *RulesOf(Standard::FrNeighbourhood).emergence;
    EXPECT_EQ(BaseLimit(neighbourhood, PeriodLabel::Daytime, 60), 5);
    EXPECT_EQ(BaseLimit(neighbourhood, PeriodLabel::Night, 60), 3);
    EXPECT_FALSE(neighbourhood.restDays);
    const EmergenceRules& icpe = *RulesOf(Standard::FrIcpe).emergence;
    EXPECT_TRUE(icpe.restDays);
    ASSERT_EQ(icpe.baseLimits.size(), 2u);
    EXPECT_EQ(icpe.baseLimits[0].ambientUpTo, 45.0);
    EXPECT_EQ(icpe.baseLimits[0].limits, (std::array<std::optional<int>, 3>{6, 4, 4}));
    EXPECT_EQ(icpe.baseLimits[1].ambientAbove, 45.0);
    EXPECT_EQ(icpe.baseLimits[1].limits, (std::array<std::optional<int>, 3>{5, 3, 3}));
}

TEST(AssessmentRules, TheGatesTheIndicatorAndTheBandAreThoseApplied) {
    const auto verdict = [](Standard standard, double ambient, bool indoors) {
        return EmergenceOf(standard, PeriodLabel::Daytime, indoors,
                           Minutes(static_cast<int>(ambient), 60), Minutes(10, 60))
            .verdict;
    };
    for (const Standard standard : {Standard::FrNeighbourhood, Standard::FrIcpe}) {
        const EmergenceRules& rules = *RulesOf(standard).emergence;
        EXPECT_EQ(verdict(standard, rules.gate, false), Verdict::BelowGate);
        EXPECT_NE(verdict(standard, rules.gate + 1, false), Verdict::BelowGate);
        const double indoors = rules.gateIndoors.value_or(rules.gate);
        EXPECT_EQ(verdict(standard, indoors, true), Verdict::BelowGate);
        EXPECT_NE(verdict(standard, indoors + 1, true), Verdict::BelowGate);
        EXPECT_EQ(rules.l50Above, 5.0);
        EXPECT_EQ(rules.notConclusiveWithin, 2.0);
        EXPECT_EQ(rules.shortResidualBelow, 30);
        EXPECT_EQ(rules.day.from, 7);
        EXPECT_EQ(rules.day.to, 22);
        EXPECT_EQ(rules.night.from, 22);
        EXPECT_EQ(rules.night.to, 7);
    }
    EXPECT_EQ(RulesOf(Standard::FrNeighbourhood).emergence->gate, 30.0);
    EXPECT_EQ(RulesOf(Standard::FrNeighbourhood).emergence->gateIndoors, 25.0);
    EXPECT_EQ(RulesOf(Standard::FrIcpe).emergence->gate, 35.0);
    EXPECT_FALSE(RulesOf(Standard::FrIcpe).emergence->gateIndoors);
    EXPECT_FALSE(RulesOf(Standard::Bs4142).emergence);
    EXPECT_FALSE(RulesOf(Standard::FrIcpe).background);
}

TEST(AssessmentRules, TheHoursAreTheCalendars) {
    // Sunday 15 May 2011 from 07:00 to Monday 07:00.
    const Interval sunday{At("2011-05-15T07:00"), At("2011-05-16T07:00")};
    for (const Standard standard : {Standard::FrNeighbourhood, Standard::FrIcpe}) {
        const EmergenceRules& rules = *RulesOf(standard).emergence;
        const AssessmentCalendar calendar(standard, sunday);
        ASSERT_EQ(calendar.Size(), 2);
        EXPECT_EQ(calendar.At(0).interval.from, sunday.from);
        EXPECT_EQ(calendar.At(0).interval.to, sunday.from + (rules.day.to - rules.day.from) * 60);
        EXPECT_EQ(calendar.At(0).label,
                  rules.restDays ? PeriodLabel::Holiday : PeriodLabel::Daytime);
        // The night to Monday 07:00 is Sunday's.
        EXPECT_EQ(calendar.At(1).interval.from, calendar.At(0).interval.to);
        EXPECT_EQ(calendar.At(1).interval.to, sunday.to);
        EXPECT_EQ(calendar.At(1).date, DayOfMinute(sunday.from));
    }

    const BackgroundRules& bs4142 = *RulesOf(Standard::Bs4142).background;
    const AssessmentCalendar calendar(Standard::Bs4142, sunday);
    const std::int64_t hours = bs4142.day.to - bs4142.day.from;
    const std::int64_t quarters = (24 - hours) * 60 / bs4142.nightInterval;
    ASSERT_EQ(calendar.Size(), hours + quarters);
    EXPECT_EQ(calendar.At(0).interval.Length(), bs4142.dayInterval);
    EXPECT_EQ(calendar.At(hours).interval.from, At("2011-05-15T23:00"));
    EXPECT_EQ(calendar.At(hours).interval.Length(), bs4142.nightInterval);
    EXPECT_EQ(calendar.At(hours).label, PeriodLabel::Night);

    // 80 %: 48 minutes of an hour, 12 of a quarter.
    EXPECT_EQ(bs4142.measuredPercent, 80);
    EXPECT_TRUE(IntervalL90(Minutes(40, 48), bs4142.dayInterval));
    EXPECT_FALSE(IntervalL90(Minutes(40, 47), bs4142.dayInterval));
    EXPECT_TRUE(IntervalL90(Minutes(40, 12), bs4142.nightInterval));
    EXPECT_FALSE(IntervalL90(Minutes(40, 11), bs4142.nightInterval));
}

} // namespace
} // namespace vrd
