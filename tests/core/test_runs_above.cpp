#include "analysis/analyse.h"
#include "analysis/runs_above.h"
#include "tests/core/minute_records.h"

#include <gtest/gtest.h>

namespace vrd {
namespace {

using test::At;
using test::GapAt;
using test::LevelAt;

// The runs are the exceedance's events: the same number, the longest as long, every minute above.
TEST(RunsAbove, AreTheEventsOfTheExceedance) {
    const Minute start = At("2011-05-12T07:00");
    std::string lines;
    // Above 60 at minutes 2-4, 6, 9-12 (11 is a gap), 20-24 (22 excluded), 30-31 (one missing
    // minute between 30 and 31 is not recorded at all: 32 follows 30).
    for (int i = 0; i < 40; ++i) {
        if (i == 11)
            lines += GapAt(start + i);
        else if (i == 31)
            continue;
        else {
            const bool above = (i >= 2 && i <= 4) || i == 6 || (i >= 9 && i <= 12) ||
                               (i >= 20 && i <= 24) || i == 30 || i == 32;
            lines += LevelAt(start + i, above ? 70 : 50);
        }
    }
    const MinuteSeries series = SeriesOfMinuteLines(lines);
    AnalysisSettings settings;
    settings.threshold = 60;
    settings.exclusions = {{{start + 22, start + 23}, "door"}};
    const std::vector<Interval> excluded = MergeExclusions(settings.exclusions);

    const std::vector<Interval> runs = RunsAbove(series, {start, start + 40}, excluded, 60);
    const std::vector<std::pair<int, int>> expected = {{2, 5},   {6, 7},   {9, 11},  {12, 13},
                                                       {20, 22}, {23, 25}, {30, 31}, {32, 33}};
    ASSERT_EQ(runs.size(), expected.size());
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i].from, start + expected[i].first) << i;
        EXPECT_EQ(runs[i].to, start + expected[i].second) << i;
    }
    const AnalysisResult result = Analyse(series, settings);
    ASSERT_TRUE(result.exceedance);
    EXPECT_EQ(static_cast<std::int64_t>(runs.size()), result.exceedance->events);
    std::int64_t minutes = 0;
    for (const Interval& run : runs)
        minutes += run.Length();
    EXPECT_EQ(minutes, result.exceedance->minutes);

    // The range cuts a run; a threshold is exceeded only above it; nothing in an empty range.
    const std::vector<Interval> cut = RunsAbove(series, {start + 3, start + 10}, excluded, 60);
    ASSERT_EQ(cut.size(), 3u);
    EXPECT_EQ(cut.front().from, start + 3);
    EXPECT_EQ(cut.back().to, start + 10);
    EXPECT_TRUE(RunsAbove(series, {start, start + 40}, excluded, 70).empty());
    EXPECT_TRUE(RunsAbove(series, {start + 5, start + 5}, excluded, 60).empty());
}

} // namespace
} // namespace vrd
