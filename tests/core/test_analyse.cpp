#include "analysis/analyse.h"

#include "tests/core/minute_records.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace vrd {
namespace {

using test::At;
using test::ConstantLevel;
using test::GapAt;
using test::LevelAt;

AnalysisSettings Between(const char* from, const char* to) {
    AnalysisSettings settings;
    settings.fromTime = MillisOf(At(from));
    settings.toTime = MillisOf(At(to));
    return settings;
}

TEST(Lden, ConstantSixtyGivesTheEuropeanWeighting) {
    const std::optional<double> lden = Lden(Periods{}, 60.0, 60.0, 60.0);
    ASSERT_TRUE(lden);
    EXPECT_NEAR(*lden, 66.40, 0.005);
    EXPECT_FALSE(Lden(Periods{}, 60.0, std::nullopt, 60.0));
}

TEST(Analyse, AConstantDayEveningAndNight) {
    const MinuteSeries series =
        SeriesOfMinuteLines(ConstantLevel(At("2011-05-12T07:00"), At("2011-05-13T07:00"), 60));
    const AnalysisResult result = Analyse(series, {});

    ASSERT_TRUE(result.selection);
    EXPECT_EQ(*result.selection, test::Minutes("2011-05-12T07:00", "2011-05-13T07:00"));
    EXPECT_EQ(result.minutes.periodTime, MillisOf(1440));
    EXPECT_EQ(result.minutes.measured, 1440);
    EXPECT_EQ(result.coverage, 1.0);
    EXPECT_NEAR(*result.whole.lden, 66.40, 0.005);
    ASSERT_EQ(result.days.Size(), 1);
    const DayFigures day = result.days.At(0);
    EXPECT_EQ(FormatDay(day.date), "2011-05-12");
    EXPECT_EQ(day.coverageDay, 1.0);
    EXPECT_EQ(day.coverageEvening, 1.0);
    EXPECT_EQ(day.coverageNight, 1.0);
    EXPECT_NEAR(*day.levels.lden, 66.40, 0.005);
    EXPECT_EQ(result.hours.Size(), 24);
    EXPECT_EQ(result.hours.At(23).minutes, 60);
    EXPECT_EQ(FormatMinute(result.hours.At(23).start), "2011-05-13T06:00");
    EXPECT_FALSE(result.exceedance);
}

TEST(Analyse, NoReadableRecord) {
    const MinuteSeries series = SeriesOfMinuteLines(test::LevelRecord("10:00", "x"));
    AnalysisSettings settings;
    settings.threshold = 70;
    const AnalysisResult result = Analyse(series, settings);
    EXPECT_FALSE(result.selection);
    EXPECT_EQ(result.minutes.unreadable, 1);
    EXPECT_EQ(result.minutes.periodTime, MillisOf(0));
    EXPECT_FALSE(result.coverage);
    EXPECT_FALSE(result.overall.leq);
    EXPECT_FALSE(result.whole.lden);
    EXPECT_EQ(result.days.Size(), 0);
    EXPECT_EQ(result.hours.Size(), 0);
    ASSERT_TRUE(result.exceedance);
    EXPECT_EQ(result.exceedance->events, 0);

    // With one end given, the selection is empty there rather than missing.
    settings.fromTime = MillisOf(At("2011-05-12T10:00"));
    const AnalysisResult from = Analyse(series, settings);
    ASSERT_TRUE(from.selection);
    EXPECT_EQ(from.selection->Length(), 0);
    EXPECT_FALSE(from.coverage);
}

TEST(Analyse, OneMinute) {
    const MinuteSeries series = SeriesOfMinuteLines(LevelAt(At("2011-05-12T10:00"), 63));
    const AnalysisResult result = Analyse(series, {});
    EXPECT_EQ(result.minutes.periodTime, MillisOf(1));
    EXPECT_EQ(result.overall.leq, 63.0);
    EXPECT_EQ(result.overall.L(90), 63.0);
    EXPECT_EQ(result.whole.lday, 63.0);
    EXPECT_FALSE(result.whole.lden); // no evening and no night
    ASSERT_EQ(result.days.Size(), 1);
    EXPECT_DOUBLE_EQ(result.days.At(0).coverageDay, 1.0 / 720);
    ASSERT_EQ(result.hours.Size(), 1);
    EXPECT_EQ(result.hours.At(0).lmax, 63);
}

TEST(Analyse, APeriodCutByTheSelectionShowsInItsCoverage) {
    const MinuteSeries series =
        SeriesOfMinuteLines(ConstantLevel(At("2011-05-12T07:00"), At("2011-05-12T19:00"), 60));
    const AnalysisResult result = Analyse(series, Between("2011-05-12T13:00", "2011-05-12T19:00"));
    ASSERT_EQ(result.days.Size(), 1);
    EXPECT_EQ(result.days.At(0).coverageDay, 0.5);
    EXPECT_EQ(result.days.At(0).levels.lday, 60.0);
    EXPECT_EQ(result.hours.Size(), 6);
}

TEST(Analyse, TheNightAcrossAMonthsEndBelongsToTheDayItBegins) {
    const MinuteSeries series =
        SeriesOfMinuteLines(ConstantLevel(At("2011-05-31T23:00"), At("2011-06-01T07:00"), 50) +
                            LevelAt(At("2011-06-01T07:00"), 70));
    const AnalysisResult result = Analyse(series, {});
    ASSERT_EQ(result.days.Size(), 2);
    const DayFigures may = result.days.At(0);
    EXPECT_EQ(FormatDay(may.date), "2011-05-31");
    EXPECT_EQ(may.levels.lnight, 50.0);
    EXPECT_EQ(may.coverageNight, 1.0);
    EXPECT_FALSE(may.levels.lday);
    const DayFigures june = result.days.At(1);
    EXPECT_EQ(FormatDay(june.date), "2011-06-01");
    EXPECT_EQ(june.levels.lday, 70.0);
    EXPECT_FALSE(june.levels.lnight);
}

TEST(Analyse, ASelectionStartingAtMidnightListsTheDayBeforeForItsNight) {
    const MinuteSeries series =
        SeriesOfMinuteLines(ConstantLevel(At("2011-05-12T00:00"), At("2011-05-12T08:00"), 55));
    const AnalysisResult result = Analyse(series, {});
    ASSERT_EQ(result.days.Size(), 2);
    EXPECT_EQ(FormatDay(result.days.At(0).date), "2011-05-11");
    EXPECT_DOUBLE_EQ(result.days.At(0).coverageNight, 420.0 / 480);
    EXPECT_DOUBLE_EQ(result.days.At(1).coverageDay, 60.0 / 720);
}

TEST(Analyse, DuplicatesAcrossTwoFiles) {
    MinuteSeriesBuilder builder;
    builder.Add(LevelAt(At("2011-05-12T10:00"), 60));
    builder.Add(LevelAt(At("2011-05-12T10:00"), 80) + LevelAt(At("2011-05-12T10:01"), 80));
    const AnalysisResult result = Analyse(builder.Finish(), {});
    EXPECT_EQ(result.minutes.duplicate, 1);
    EXPECT_EQ(result.minutes.measured, 2);
    EXPECT_NEAR(*result.overall.leq, 77.03, 0.005);
}

TEST(Analyse, AnExclusionThatCoversEverything) {
    const MinuteSeries series =
        SeriesOfMinuteLines(ConstantLevel(At("2011-05-12T10:00"), At("2011-05-12T11:00"), 60) +
                            GapAt(At("2011-05-12T11:00")));
    AnalysisSettings settings;
    settings.threshold = 50;
    settings.exclusions.push_back({test::Minutes("2011-05-12T09:00", "2011-05-12T12:00"), "rain"});
    const AnalysisResult result = Analyse(series, settings);
    EXPECT_EQ(result.minutes.periodTime, MillisOf(61));
    EXPECT_EQ(result.minutes.excludedTime, MillisOf(61));
    EXPECT_EQ(result.minutes.measured, 0);
    EXPECT_EQ(result.minutes.gaps, 0);
    EXPECT_EQ(result.coverage, 0.0);
    EXPECT_FALSE(result.overall.leq);
    EXPECT_EQ(result.exceedance->minutes, 0);
    EXPECT_EQ(result.hours.Size(), 2);
    EXPECT_EQ(result.hours.At(0).minutes, 0);
    EXPECT_FALSE(result.hours.At(0).leq);
}

TEST(Analyse, ExceedanceWithAFractionalThreshold) {
    // 61 61 | gap | 62 62 62 | missing | 63, an excluded 64, 65, then 60.
    std::string lines;
    Minute m = At("2011-05-12T10:00");
    for (const int level : {61, 61})
        lines += LevelAt(m++, level);
    lines += GapAt(m++);
    for (const int level : {62, 62, 62})
        lines += LevelAt(m++, level);
    ++m;
    const Minute excluded = m + 1;
    for (const int level : {63, 64, 65, 60})
        lines += LevelAt(m++, level);
    AnalysisSettings settings;
    settings.threshold = 60.5;
    settings.exclusions.push_back({test::Minutes(excluded, excluded + 1), "a door"});
    const AnalysisResult result = Analyse(SeriesOfMinuteLines(lines), settings);
    ASSERT_TRUE(result.exceedance);
    EXPECT_EQ(result.exceedance->minutes, 7);
    EXPECT_EQ(result.exceedance->events, 4);
    EXPECT_EQ(result.exceedance->longest, 3);
    EXPECT_EQ(result.minutes.gaps, 1);
    EXPECT_EQ(result.minutes.excludedTime, MillisOf(1));
    EXPECT_EQ(result.minutes.measured, 8);

    settings.threshold = 60;
    EXPECT_EQ(Analyse(SeriesOfMinuteLines(LevelAt(m, 60)), settings).exceedance->minutes, 0);
}

TEST(Analyse, OtherPeriodsAndPenalties) {
    const MinuteSeries series =
        SeriesOfMinuteLines(ConstantLevel(At("2011-05-12T06:00"), At("2011-05-13T06:00"), 60));
    AnalysisSettings settings;
    settings.periods = {6, 18, 22, 0, 0};
    const AnalysisResult result = Analyse(series, settings);
    EXPECT_NEAR(*result.whole.lden, 60.0, 1e-12);
    ASSERT_EQ(result.days.Size(), 1);
    EXPECT_EQ(result.days.At(0).coverageEvening, 1.0);
}

// Ldn has no evening: its day runs to the night, and the empty evening is left out of it.
TEST(Analyse, AnEmptyEveningUnderLdn) {
    const MinuteSeries series =
        SeriesOfMinuteLines(ConstantLevel(At("2011-05-12T07:00"), At("2011-05-13T07:00"), 60));
    AnalysisSettings settings;
    settings.periods.evening = 22;
    settings.periods.night = 22;
    settings.periods.eveningPenalty = 0;
    ASSERT_FALSE(CheckPeriods(settings.periods));
    const AnalysisResult result = Analyse(series, settings);
    EXPECT_EQ(result.whole.lday, 60.0);
    EXPECT_FALSE(result.whole.levening);
    // (15 h at 60 dB + 9 h at 70 dB) / 24.
    EXPECT_NEAR(*result.whole.lden, 10 * std::log10((15 * 1e6 + 9 * 1e7) / 24), 1e-12);
    ASSERT_EQ(result.days.Size(), 1);
    const DayFigures day = result.days.At(0);
    EXPECT_EQ(day.coverageDay, 1.0);
    EXPECT_EQ(day.coverageEvening, 0.0);
    EXPECT_FALSE(EveningCoverage(day, settings.periods));
    EXPECT_EQ(day.coverageNight, 1.0);
    EXPECT_EQ(day.levels.lden, result.whole.lden);

    // The day and the night may not be empty, nor the hours out of order.
    for (const auto& [d, e, n] : {std::tuple{7, 7, 22}, std::tuple{7, 22, 21},
                                  std::tuple{-1, 19, 23}, std::tuple{7, 19, 24}}) {
        Periods periods;
        periods.day = d;
        periods.evening = e;
        periods.night = n;
        EXPECT_TRUE(CheckPeriods(periods)) << d << "," << e << "," << n;
    }
}

TEST(Analyse, WhoGuidelinesBesideTheWholeLdenAndLnight) {
    const MinuteSeries series =
        SeriesOfMinuteLines(ConstantLevel(At("2011-05-12T07:00"), At("2011-05-13T07:00"), 60));
    AnalysisSettings settings;
    EXPECT_FALSE(Analyse(series, settings).who);
    settings.who = WhoSource::Road;
    const AnalysisResult result = Analyse(series, settings);
    ASSERT_TRUE(result.who);
    EXPECT_EQ(result.who->ldenGuideline, 53.0);
    EXPECT_EQ(result.who->lnightGuideline, 45.0);
    EXPECT_NEAR(*result.who->ldenExcess, 66.40 - 53, 0.005);
    EXPECT_EQ(result.who->lnightExcess, 15.0);
}

} // namespace
} // namespace vrd
