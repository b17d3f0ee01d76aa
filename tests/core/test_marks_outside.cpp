#include "analysis/marks_outside.h"

#include "analysis/minute_marks.h"
#include "tests/core/minute_records.h"

#include <gtest/gtest.h>

namespace vrd {
namespace {

using test::At;

TEST(MarksOutside, TheSpanRunsFromTheFirstRecordToOnePastTheLastGapsIncluded) {
    const MinuteSeries series = SeriesOfMinuteLines(test::GapAt(At("2011-05-12T08:00")) +
                                                    test::LevelAt(At("2011-05-12T09:00"), 50) +
                                                    test::GapAt(At("2011-05-12T09:59")));
    const std::optional<Interval> span = SpanOfRecords(series);
    ASSERT_TRUE(span);
    EXPECT_EQ(span->from, At("2011-05-12T08:00"));
    EXPECT_EQ(span->to, At("2011-05-12T10:00"));
    EXPECT_FALSE(SpanOfRecords(MinuteSeries()));

    // Touching either end is outside; one minute in is inside.
    EXPECT_TRUE(LiesOutside({At("2011-05-12T07:00"), span->from}, span));
    EXPECT_FALSE(LiesOutside({At("2011-05-12T07:00"), span->from + 1}, span));
    EXPECT_TRUE(LiesOutside({span->to, span->to + 60}, span));
    EXPECT_FALSE(LiesOutside({span->to - 1, span->to + 60}, span));
    EXPECT_FALSE(LiesOutside({span->from - 60, span->to + 60}, span));
    EXPECT_TRUE(LiesOutside({span->from, span->to}, std::nullopt));
}

TEST(MarksOutside, ExclusionsAndMarksInTimeOrderWithTheirReasons) {
    const MinuteSeries series = SeriesOfMinuteLines(
        test::ConstantLevel(At("2011-05-12T08:00"), At("2011-05-12T10:00"), 50));
    AnalysisSettings settings;
    settings.exclusions = {{{At("2012-05-12T08:00"), At("2012-05-12T09:00")}, "rain"}};
    AddMarks(settings,
             {{MarkKind::Source, {At("2011-05-12T09:00"), At("2011-05-12T09:30")}, "in"},
              {MarkKind::Residual, {At("2010-05-12T08:00"), At("2010-05-12T09:00")}, "before"},
              {MarkKind::Exclude, {At("2012-05-12T08:00"), At("2012-05-12T08:30")}, "wind"}});
    const std::vector<Mark> outside = MarksOutside(series, settings);
    ASSERT_EQ(outside.size(), 3u);
    EXPECT_EQ(outside[0].kind, MarkKind::Residual);
    EXPECT_EQ(outside[0].reason, "before");
    EXPECT_EQ(outside[1].kind, MarkKind::Exclude);
    EXPECT_EQ(outside[1].reason, "wind");
    EXPECT_EQ(outside[2].reason, "rain");
    EXPECT_EQ(outside[2].interval.to, At("2012-05-12T09:00"));
    // Without a record every mark is outside.
    EXPECT_EQ(MarksOutside(MinuteSeries(), settings).size(), 4u);
}

} // namespace
} // namespace vrd
