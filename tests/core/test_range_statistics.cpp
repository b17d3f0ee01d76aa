#include "analysis/range_statistics.h"

#include "analysis/analyse.h"
#include "tests/core/minute_records.h"

#include <gtest/gtest.h>

#include <random>

namespace vrd {
namespace {

using test::At;

// Three weeks of minutes with gaps, missing stretches and a wide spread of levels: enough records
// for several blocks of the index.
MinuteSeries ThreeWeeks() {
    std::mt19937 random(7);
    std::string lines;
    const Minute start = At("2011-05-30T00:00");
    for (Minute m = start; m < start + 21 * kMinutesPerDay; ++m) {
        const auto roll = random() % 1000;
        if (roll < 5) {
            m += random() % 300; // a stretch without records
            continue;
        }
        if (roll < 20)
            lines += test::GapAt(m);
        else
            lines += test::LevelAt(m, 35 + static_cast<int>(random() % 60));
    }
    return SeriesOfMinuteLines(lines);
}

// What the one pass of Analyse gives for the same interval and exclusions.
void ExpectSameAsAnalyse(const MinuteSeries& series, const RangeStatistics& statistics,
                         Interval range, const std::vector<Exclusion>& exclusions) {
    AnalysisSettings settings;
    settings.fromTime = MillisOf(range.from);
    settings.toTime = MillisOf(range.to);
    settings.exclusions = exclusions;
    settings.threshold = statistics.Threshold();
    const AnalysisResult expected = Analyse(series, settings);
    const RangeFigures figures =
        statistics.Figures(range, MinutesStartingIn(MergeExclusions(exclusions)));

    EXPECT_EQ(MillisOf(figures.minutes), expected.minutes.periodTime);
    EXPECT_EQ(MillisOf(figures.excluded), expected.minutes.excludedTime);
    EXPECT_EQ(figures.measured, expected.minutes.measured);
    EXPECT_EQ(figures.gaps, expected.minutes.gaps);
    EXPECT_EQ(figures.coverage, expected.coverage);
    // The same minutes give the same bits, however they were gathered.
    EXPECT_EQ(figures.levels.leq, expected.overall.leq);
    EXPECT_EQ(figures.levels.lmax, expected.overall.lmax);
    EXPECT_EQ(figures.levels.lmin, expected.overall.lmin);
    EXPECT_EQ(figures.levels.statistical, expected.overall.statistical);
    ASSERT_EQ(figures.exceedance.has_value(), expected.exceedance.has_value());
    if (figures.exceedance) {
        EXPECT_EQ(figures.exceedance->minutes, expected.exceedance->minutes);
        EXPECT_EQ(figures.exceedance->events, expected.exceedance->events);
        EXPECT_EQ(figures.exceedance->longest, expected.exceedance->longest);
    }
}

TEST(RangeStatistics, AnyIntervalMatchesTheWholeAnalysis) {
    const MinuteSeries series = ThreeWeeks();
    const RangeStatistics statistics(series, 88.5);
    std::mt19937 random(11);
    const Minute first = *series.First() - 100;
    const Minute span = *series.End() + 100 - first;
    for (int round = 0; round < 60; ++round) {
        Minute from = first + static_cast<Minute>(random() % span);
        Minute to = first + static_cast<Minute>(random() % span);
        if (from > to)
            std::swap(from, to);
        if (round % 10 == 0)
            to = from + static_cast<Minute>(random() % 50); // short ones, inside one block
        std::vector<Exclusion> exclusions;
        for (unsigned e = random() % 4; e > 0; --e) {
            const Minute at = from + static_cast<Minute>(random() % (to - from + 1000));
            exclusions.push_back({{at - 500, at + static_cast<Minute>(random() % 3000)}, "x"});
        }
        SCOPED_TRACE(FormatMinute(from) + " to " + FormatMinute(to));
        ExpectSameAsAnalyse(series, statistics, {from, to}, exclusions);
    }
}

TEST(RangeStatistics, WholeSeriesAndEdges) {
    const MinuteSeries series = ThreeWeeks();
    const RangeStatistics withThreshold(series, 60);
    ExpectSameAsAnalyse(series, withThreshold, {*series.First(), *series.End()}, {});
    const RangeStatistics without(series, std::nullopt);
    ExpectSameAsAnalyse(series, without, {*series.First(), *series.End()},
                        {{{*series.First(), *series.End()}, "all"}});

    const RangeFigures empty = without.Figures({*series.First(), *series.First()}, {});
    EXPECT_EQ(empty.minutes, 0);
    EXPECT_FALSE(empty.coverage);
    EXPECT_FALSE(empty.levels.leq);
}

TEST(RangeStatistics, AnEventCutByTheIntervalCountsWhatLiesInside) {
    const Minute start = At("2011-05-12T10:00");
    const MinuteSeries series = SeriesOfMinuteLines(test::ConstantLevel(start, start + 10, 70));
    const RangeStatistics statistics(series, 65);
    const RangeFigures figures = statistics.Figures({start + 3, start + 7}, {});
    EXPECT_EQ(figures.exceedance->events, 1);
    EXPECT_EQ(figures.exceedance->longest, 4);
    const RangeFigures split = statistics.Figures({start, start + 10}, {{start + 4, start + 5}});
    EXPECT_EQ(split.exceedance->events, 2);
    EXPECT_EQ(split.exceedance->longest, 5);
    EXPECT_EQ(split.exceedance->minutes, 9);
}

TEST(RangeStatistics, EmptySeries) {
    const MinuteSeries series;
    const RangeStatistics statistics(series, 50);
    const RangeFigures figures = statistics.Figures({0, 100}, {});
    EXPECT_EQ(figures.measured, 0);
    EXPECT_EQ(figures.coverage, 0.0);
    EXPECT_EQ(figures.exceedance->events, 0);
}

} // namespace
} // namespace vrd
