#include "analysis/minute_series.h"

#include "testkit/report_builder.h"

#include <gtest/gtest.h>

namespace vrd {
namespace {

using test::GapRecord;
using test::LevelRecord;

Minute At(const char* text) {
    return *ParseMinute(text);
}

TEST(MinuteSeries, MergesFilesByTimeAndTheFirstFileWins) {
    MinuteSeriesBuilder builder;
    builder.Add(LevelRecord("10:01", "60") + LevelRecord("10:00", "61") + GapRecord("10:02"));
    builder.Add(LevelRecord("09:59", "70") + LevelRecord("10:00", "80") +
                LevelRecord("10:02", "75"));
    const MinuteSeries series = builder.Finish();

    ASSERT_EQ(series.Size(), 4u);
    EXPECT_EQ(series.At(0).minute, At("2011-05-12T09:59"));
    EXPECT_EQ(series.At(1).level, 61); // the first file's record on 10:00 wins
    EXPECT_EQ(series.At(2).level, 60);
    // A gap record yields to a level on the same minute, and is no duplicate.
    EXPECT_FALSE(series.At(3).gap);
    EXPECT_EQ(series.At(3).level, 75);
    EXPECT_EQ(series.Duplicate(), 1);
    EXPECT_EQ(series.LevelCount(), 4);
    EXPECT_EQ(series.First(), At("2011-05-12T09:59"));
    EXPECT_EQ(series.End(), At("2011-05-12T10:03"));
}

TEST(MinuteSeries, DuplicatesWithinOneFileKeepTheFirst) {
    const MinuteSeries series = SeriesOfMinuteLines(
        LevelRecord("10:00", "50") + LevelRecord("10:00", "90") + GapRecord("10:00"));
    ASSERT_EQ(series.Size(), 1u);
    EXPECT_EQ(series.At(0).level, 50);
    EXPECT_EQ(series.Duplicate(), 1);
}

TEST(MinuteSeries, UnreadableRecordsAreCountedAndUsedNowhere) {
    const MinuteSeries series = SeriesOfMinuteLines(
        LevelRecord("10:00", "abc") + LevelRecord("24:00", "60") +
        LevelRecord("10:00", "60", "31/04/2011") + LevelRecord("10:00", "60", "12.05.2011") +
        "12/05/2011 - 10:00    Leq\n" + GapRecord("10:61") + LevelRecord("10:05", "7.5"));
    EXPECT_EQ(series.Unreadable(), 6);
    ASSERT_EQ(series.Size(), 1u);
    EXPECT_EQ(series.At(0).level, 8); // rounded as the parse rounds: ties to even
}

TEST(MinuteSeries, RecordsCenturiesApartHoldOnlyTheirMinutes) {
    const MinuteSeries series = SeriesOfMinuteLines(LevelRecord("00:00", "40", "01/01/0001") +
                                                    LevelRecord("23:59", "41", "31/12/9999"));
    ASSERT_EQ(series.Size(), 2u);
    EXPECT_LE(series.BytesHeld(), 2 * sizeof(std::uint64_t));
    EXPECT_EQ(series.At(0).minute, 0);
    EXPECT_EQ(FormatMinute(series.At(1).minute), "9999-12-31T23:59");
    EXPECT_EQ(series.LowerBound(1), 1u);
    EXPECT_EQ(series.LowerBound(*series.End()), 2u);
}

TEST(MinuteSeries, EmptyInput) {
    const MinuteSeries series = SeriesOfMinuteLines("");
    EXPECT_TRUE(series.Empty());
    EXPECT_FALSE(series.First());
    EXPECT_EQ(series.LowerBound(100), 0u);
}

} // namespace
} // namespace vrd
