#include "analysis/level_distribution.h"

#include "analysis/analyse.h"
#include "analysis/minute_marks.h"
#include "tests/core/minute_records.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vrd {
namespace {

using test::At;
using test::GapAt;
using test::LevelAt;

// 08:00 50, 08:01 52, 08:02 52, 08:03 gap, 08:04 55, 08:05 90 (excluded), 08:06 60.
MinuteSeries Morning() {
    const Minute start = At("2011-05-12T08:00");
    return SeriesOfMinuteLines(LevelAt(start, 50) + LevelAt(start + 1, 52) +
                               LevelAt(start + 2, 52) + GapAt(start + 3) + LevelAt(start + 4, 55) +
                               LevelAt(start + 5, 90) + LevelAt(start + 6, 60));
}

AnalysisSettings WithoutTheLorry() {
    AnalysisSettings settings;
    settings.exclusions.push_back(
        {test::Minutes("2011-05-12T08:05", "2011-05-12T08:06"), "a lorry"});
    return settings;
}

TEST(LevelDistribution, CountsEachLevelAndTheShareAboveIt) {
    const LevelDistributions distributions = DistributeLevels(Morning(), WithoutTheLorry());
    const LevelDistribution& all = distributions.all;
    EXPECT_EQ(all.minutes, 5);
    EXPECT_FALSE(distributions.source || distributions.residual);
    // 50, 52, 52, 55, 60: every decibel between, the empty ones too.
    ASSERT_EQ(all.rows.size(), 11u);
    const std::vector<std::pair<std::int64_t, double>> expected = {
        {1, 0.8}, {0, 0.8}, {2, 0.4}, {0, 0.4}, {0, 0.4}, {1, 0.2},
        {0, 0.2}, {0, 0.2}, {0, 0.2}, {0, 0.2}, {1, 0.0}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(all.rows[i].level, 50 + static_cast<int>(i));
        EXPECT_EQ(all.rows[i].minutes, expected[i].first) << i;
        EXPECT_DOUBLE_EQ(all.rows[i].above, expected[i].second) << i;
    }
    // L90 = 50 + 0.4 * 2, L50 = 52, L10 = 55 + 0.6 * 5.
    EXPECT_DOUBLE_EQ(*all.l90, 50.8);
    EXPECT_EQ(all.l50, 52.0);
    EXPECT_DOUBLE_EQ(*all.l10, 58.0);
    // Beyond the rows: everything above a lower level, nothing above a higher one.
    EXPECT_EQ(all.At(49)->above, 1.0);
    EXPECT_EQ(all.At(61)->above, 0.0);
}

// The same minutes as the statistics: their percentiles, and at every level the minutes that a
// threshold there counts as exceeding it.
TEST(LevelDistribution, AgreesWithTheStatisticsAndTheExceedance) {
    AnalysisSettings settings = WithoutTheLorry();
    settings.fromTime = MillisOf(At("2011-05-12T08:01"));
    const LevelDistribution all = DistributeLevels(Morning(), settings).all;
    const AnalysisResult statistics = Analyse(Morning(), settings);
    EXPECT_EQ(all.minutes, statistics.overall.count);
    for (const auto& [ours, theirs] : {std::pair{all.l10, statistics.overall.L(10)},
                                       {all.l50, statistics.overall.L(50)},
                                       {all.l90, statistics.overall.L(90)}})
        EXPECT_EQ(ours, theirs);
    for (const LevelRow& row : all.rows) {
        settings.threshold = row.level;
        const std::int64_t exceeding = Analyse(Morning(), settings).exceedance->minutes;
        EXPECT_EQ(std::llround(row.above * static_cast<double>(all.minutes)), exceeding)
            << row.level;
    }
}

TEST(LevelDistribution, SplitsSourceAndResidualMinutes) {
    AnalysisSettings settings = WithoutTheLorry();
    AddMarks(settings,
             {{MarkKind::Source, test::Minutes("2011-05-12T08:04", "2011-05-12T08:07"), ""},
              {MarkKind::Residual, test::Minutes("2011-05-12T08:00", "2011-05-12T08:02"), ""}});
    const LevelDistributions marked = DistributeLevels(Morning(), settings);
    // 08:02 is neither: in all alone. The excluded 08:05 is in none.
    EXPECT_EQ(marked.all.minutes, 5);
    ASSERT_TRUE(marked.source && marked.residual);
    EXPECT_EQ(marked.source->minutes, 2);
    EXPECT_EQ(marked.source->rows.size(), 6u); // 55 to 60
    EXPECT_DOUBLE_EQ(marked.source->At(55)->above, 0.5);
    EXPECT_EQ(marked.residual->minutes, 2);
    EXPECT_EQ(marked.residual->At(52)->minutes, 1);
    EXPECT_EQ(marked.residual->l50, 51.0);
}

TEST(LevelDistribution, OfAnEmptySelectionHasNoRows) {
    AnalysisSettings settings;
    settings.fromTime = MillisOf(At("2011-05-13T00:00"));
    settings.toTime = MillisOf(At("2011-05-13T01:00"));
    for (const MinuteSeries& series : {Morning(), MinuteSeries{}}) {
        const LevelDistribution empty = DistributeLevels(series, settings).all;
        EXPECT_EQ(empty.minutes, 0);
        EXPECT_TRUE(empty.rows.empty());
        EXPECT_FALSE(empty.l10 || empty.l50 || empty.l90);
        EXPECT_FALSE(empty.At(50));
    }
}

} // namespace
} // namespace vrd
