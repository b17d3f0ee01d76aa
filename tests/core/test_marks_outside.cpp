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
    const std::optional<RecordsSpan> records = SpanOfRecords(series);
    ASSERT_TRUE(records);
    const TimeSpan* span = &records->span;
    EXPECT_EQ(*span, test::Minutes("2011-05-12T08:00", "2011-05-12T10:00"));
    EXPECT_EQ(records->step, kMillisPerMinute);
    EXPECT_FALSE(SpanOfRecords(MinuteSeries()));

    // Touching either end is outside; holding the start of the first minute is inside.
    const Millis seven = MillisOf(At("2011-05-12T07:00"));
    EXPECT_TRUE(LiesOutside({seven, span->start}, records));
    EXPECT_FALSE(LiesOutside({seven, span->start + kMillisPerSecond}, records));
    EXPECT_TRUE(LiesOutside({span->end, span->end + kMillisPerHour}, records));
    EXPECT_FALSE(LiesOutside({span->start - kMillisPerHour, span->end + kMillisPerHour}, records));
    EXPECT_TRUE(LiesOutside(*span, std::nullopt));
    // Inside the span but between two minutes' starts, or over the last minute after its start:
    // no minute belongs to it.
    EXPECT_TRUE(LiesOutside({span->start + 10'000, span->start + 50'000}, records));
    EXPECT_TRUE(LiesOutside({span->end - 30'000, span->end + kMillisPerHour}, records));
    EXPECT_FALSE(LiesOutside({span->start + 50'000, span->start + 61'000}, records));
}

TEST(MarksOutside, ExclusionsAndMarksInTimeOrderWithTheirReasons) {
    const MinuteSeries series = SeriesOfMinuteLines(
        test::ConstantLevel(At("2011-05-12T08:00"), At("2011-05-12T10:00"), 50));
    AnalysisSettings settings;
    settings.exclusions = {{test::Minutes("2012-05-12T08:00", "2012-05-12T09:00"), "rain"}};
    AddMarks(settings,
             {{MarkKind::Source, test::Minutes("2011-05-12T09:00", "2011-05-12T09:30"), "in"},
              {MarkKind::Residual, test::Minutes("2010-05-12T08:00", "2010-05-12T09:00"), "before"},
              {MarkKind::Exclude, test::Minutes("2012-05-12T08:00", "2012-05-12T08:30"), "wind"}});
    const std::vector<Mark> outside = MarksOutside(series, settings);
    ASSERT_EQ(outside.size(), 3u);
    EXPECT_EQ(outside[0].kind, MarkKind::Residual);
    EXPECT_EQ(outside[0].reason, "before");
    EXPECT_EQ(outside[1].kind, MarkKind::Exclude);
    EXPECT_EQ(outside[1].reason, "wind");
    EXPECT_EQ(outside[2].reason, "rain");
    EXPECT_EQ(outside[2].span.end, MillisOf(At("2012-05-12T09:00")));
    // Without a record every mark is outside.
    EXPECT_EQ(MarksOutside(MinuteSeries(), settings).size(), 4u);
}

} // namespace
} // namespace vrd
