#include "analysis/analyse.h"
#include "analysis/exclusion_file.h"
#include "analysis/runs_above.h"
#include "tests/core/minute_records.h"

#include <gtest/gtest.h>

#include <ostream>

namespace vrd {

// Spans as times in a failed expectation.
void PrintTo(const TimeSpan& span, std::ostream* out) {
    *out << FormatSpan(span);
}

namespace {

using test::At;
using test::GapAt;
using test::LevelAt;
using test::Minutes;

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
    settings.exclusions = {{Minutes(start + 22, start + 23), "door"}};
    const std::vector<TimeSpan> excluded = MergeExclusions(settings.exclusions);

    const std::vector<TimeSpan> runs = RunsAbove(series, Minutes(start, start + 40), excluded, 60);
    const std::vector<std::pair<int, int>> expected = {{2, 5},   {6, 7},   {9, 11},  {12, 13},
                                                       {20, 22}, {23, 25}, {30, 31}, {32, 33}};
    ASSERT_EQ(runs.size(), expected.size());
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i], Minutes(start + expected[i].first, start + expected[i].second)) << i;
    }
    const AnalysisResult result = Analyse(series, settings);
    ASSERT_TRUE(result.exceedance);
    EXPECT_EQ(static_cast<std::int64_t>(runs.size()), result.exceedance->events);
    std::int64_t minutes = 0;
    for (const TimeSpan& run : runs)
        minutes += run.Length() / kMillisPerMinute;
    EXPECT_EQ(minutes, result.exceedance->minutes);

    // The range cuts a run; a threshold is exceeded only above it; nothing in an empty range.
    const std::vector<TimeSpan> cut =
        RunsAbove(series, Minutes(start + 3, start + 10), excluded, 60);
    ASSERT_EQ(cut.size(), 3u);
    EXPECT_EQ(cut.front().start, MillisOf(start + 3));
    EXPECT_EQ(cut.back().end, MillisOf(start + 10));
    EXPECT_TRUE(RunsAbove(series, Minutes(start, start + 40), excluded, 70).empty());
    EXPECT_TRUE(RunsAbove(series, Minutes(start + 5, start + 5), excluded, 60).empty());
}

// Runs given by their minutes from a start, for JoinRuns.
std::vector<TimeSpan> Runs(Minute start, const std::vector<std::pair<int, int>>& minutes) {
    std::vector<TimeSpan> runs;
    for (const auto& [from, to] : minutes)
        runs.push_back(Minutes(start + from, start + to));
    return runs;
}

TEST(JoinRuns, JoinsAcrossAtMostTheGapThenDropsTheShortMarks) {
    const Minute start = At("2011-05-12T07:00");
    // Runs of 2, 1, 1 and 3 minutes with 3, 2 and 4 minutes between them.
    const std::vector<TimeSpan> runs = Runs(start, {{0, 2}, {5, 6}, {8, 9}, {13, 16}});
    RunMarking marking;
    EXPECT_EQ(JoinRuns(runs, marking).size(), 4u) << "the defaults mark every run as it is";

    // A gap of exactly G joins, one of G + 1 does not; joining goes on from a joined mark.
    marking.joinMinutes = 3;
    EXPECT_EQ(JoinRuns(runs, marking), Runs(start, {{0, 9}, {13, 16}}));
    marking.joinMinutes = 2;
    EXPECT_EQ(JoinRuns(runs, marking), Runs(start, {{0, 2}, {5, 9}, {13, 16}}));
    marking.joinMinutes = 4;
    EXPECT_EQ(JoinRuns(runs, marking), Runs(start, {{0, 16}}));

    // The length is end - start, the joined minutes included: 5..9 is 4 minutes long although
    // only 2 of them are above.
    marking.joinMinutes = 2;
    marking.minMinutes = 4;
    EXPECT_EQ(JoinRuns(runs, marking), Runs(start, {{5, 9}}));
    marking.minMinutes = 5;
    EXPECT_TRUE(JoinRuns(runs, marking).empty());
    marking.joinMinutes = 0;
    marking.minMinutes = 3;
    EXPECT_EQ(JoinRuns(runs, marking), Runs(start, {{13, 16}}));
    EXPECT_TRUE(JoinRuns({}, marking).empty());
}

// Above 60 at 2-4, 6-7 (a gap record at 5), 9-10 (8 excluded), 12 (11 missing), 14-15 (13 below).
class MarkedRunsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string lines;
        for (int i = 0; i < 20; ++i) {
            if (i == 5)
                lines += test::GapAt(start_ + i);
            else if (i != 11)
                lines += LevelAt(start_ + i,
                                 (i >= 2 && i <= 10) || i == 12 || i == 14 || i == 15 ? 70 : 60);
        }
        series_ = SeriesOfMinuteLines(lines);
        excluded_ = {Minutes(start_ + 8, start_ + 9)};
        marking_.threshold = 60;
    }
    std::vector<TimeSpan> Marked(int from = 0, int to = 20) const {
        return MarkedRuns(series_, Minutes(start_ + from, start_ + to), excluded_, marking_);
    }

    const Minute start_ = At("2011-05-12T07:00");
    MinuteSeries series_;
    std::vector<TimeSpan> excluded_;
    RunMarking marking_;
};

TEST_F(MarkedRunsTest, AGapAMissingAnExcludedOrAQuietMinuteEndsARun) {
    EXPECT_EQ(Marked(), Runs(start_, {{2, 5}, {6, 8}, {9, 11}, {12, 13}, {14, 16}}));
    // A level equal to the threshold is not above it.
    marking_.threshold = 70;
    EXPECT_TRUE(Marked().empty());
    marking_.threshold = 69.5;
    EXPECT_EQ(Marked().size(), 5u);
}

TEST_F(MarkedRunsTest, TheSelectionsEdgesCutTheRuns) {
    EXPECT_EQ(Marked(3, 15), Runs(start_, {{3, 5}, {6, 8}, {9, 11}, {12, 13}, {14, 15}}));
    // Cut to one minute at each edge, the first and last marks fall below a minimum of 2.
    marking_.minMinutes = 2;
    EXPECT_EQ(Marked(4, 15), Runs(start_, {{6, 8}, {9, 11}}));
    EXPECT_TRUE(Marked(5, 5).empty());
}

TEST_F(MarkedRunsTest, JoinedAcrossGapsAndExclusionsIntoMarksOfTheKindAsked) {
    // One minute between each run: a join of 1 makes one mark over the gap record, the excluded
    // and the missing minute, up to the quiet one at 13.
    marking_.joinMinutes = 1;
    marking_.kind = MarkKind::Residual;
    const std::vector<Mark> marks =
        MarksOfRuns(series_, Minutes(start_, start_ + 20), excluded_, marking_, "above 60 dB");
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].kind, MarkKind::Residual);
    EXPECT_EQ(marks[0].span, Minutes(start_ + 2, start_ + 16));
    EXPECT_EQ(marks[0].reason, "above 60 dB");
}

TEST(RunsReason, TheThresholdInItsShortestForm) {
    EXPECT_EQ(RunsReason(65), "above 65 dB");
    EXPECT_EQ(RunsReason(65.5), "above 65.5 dB");
    EXPECT_EQ(RunsReason(65.25), "above 65.25 dB");
    EXPECT_EQ(RunsReason(0.1), "above 0.1 dB");
    EXPECT_EQ(RunsReason(-0.0), "above 0 dB");
    EXPECT_EQ(RunsReason(-3.5), "above -3.5 dB");
    EXPECT_EQ(RunsReason(1e21), "above 1000000000000000000000 dB");
}

} // namespace
} // namespace vrd
