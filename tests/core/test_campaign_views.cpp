#include "analysis/carpet.h"
#include "analysis/daily_profile.h"

#include "tests/core/minute_records.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vrd {
namespace {

using test::At;

double EnergyMean(std::initializer_list<double> levels) {
    double energy = 0;
    for (const double level : levels)
        energy += std::pow(10.0, level / 10.0);
    return 10.0 * std::log10(energy / static_cast<double>(levels.size()));
}

TEST(Carpet, EveryCellHoldsItsMinuteOrWhatStandsInstead) {
    const std::string lines =
        test::LevelAt(At("2011-05-12T00:00"), 41) + test::LevelAt(At("2011-05-12T23:59"), 73) +
        test::GapAt(At("2011-05-13T07:00")) + test::LevelAt(At("2011-05-13T08:30"), 55) +
        test::LevelAt(At("2011-05-13T12:00"), 99);
    const MinuteSeries series = SeriesOfMinuteLines(lines);
    const Interval selection{At("2011-05-12T00:00"), At("2011-05-13T12:05")};
    const Carpet carpet =
        CarpetOf(series, selection, {{At("2011-05-13T12:00"), At("2011-05-13T13:00")}});

    ASSERT_EQ(carpet.Dates(), 2);
    EXPECT_EQ(carpet.FirstDate(), DayOfMinute(At("2011-05-12T00:00")));
    EXPECT_EQ(carpet.At(0, 0), 41);
    EXPECT_EQ(carpet.At(0, 1439), 73);
    EXPECT_EQ(carpet.At(0, 1), Carpet::kNoRecord);
    EXPECT_EQ(carpet.At(1, 7 * 60), Carpet::kGap);
    EXPECT_EQ(carpet.At(1, 8 * 60 + 30), 55);
    // Excluded minutes are greyed with or without a record, within the selection only; the scale
    // leaves out the excluded 99 dB.
    EXPECT_EQ(carpet.At(1, 12 * 60), Carpet::kExcluded);
    EXPECT_EQ(carpet.At(1, 12 * 60 + 4), Carpet::kExcluded);
    EXPECT_EQ(carpet.At(1, 12 * 60 + 5), Carpet::kNoRecord);
    EXPECT_EQ(carpet.Lowest(), 41);
    EXPECT_EQ(carpet.Highest(), 73);
}

TEST(Carpet, MinutesOutsideTheSelectionAreBlankAndLongSelectionsGiveNone) {
    const MinuteSeries series = SeriesOfMinuteLines(
        test::ConstantLevel(At("2011-05-12T10:00"), At("2011-05-12T11:00"), 60));
    const Carpet carpet = CarpetOf(series, {At("2011-05-12T10:30"), At("2011-05-12T10:31")}, {});
    ASSERT_EQ(carpet.Dates(), 1);
    EXPECT_EQ(carpet.At(0, 10 * 60 + 29), Carpet::kNoRecord);
    EXPECT_EQ(carpet.At(0, 10 * 60 + 30), 60);
    EXPECT_EQ(carpet.At(0, 10 * 60 + 31), Carpet::kNoRecord);

    EXPECT_EQ(CarpetOf(series, {At("2011-05-12T10:30"), At("2011-05-12T10:30")}, {}).Dates(), 0);
    const Carpet centuries = CarpetOf(series, {At("1900-01-01T00:00"), At("2100-01-01T00:00")}, {});
    EXPECT_TRUE(centuries.TooLong());
    EXPECT_EQ(centuries.Dates(), 0);
}

TEST(DailyProfile, EnergyMeanOfEachHoursLeqOverTheDatesWithItsSpread) {
    // Thursday 12 May 2011 and Friday 13: 08:00 at 50 and 60 dB; Saturday 14: 08:00 at 70 dB,
    // half of it excluded at 90 dB; Sunday 15: 09:00 at 40 dB.
    std::string lines = test::ConstantLevel(At("2011-05-12T08:00"), At("2011-05-12T09:00"), 50) +
                        test::ConstantLevel(At("2011-05-13T08:00"), At("2011-05-13T09:00"), 60) +
                        test::ConstantLevel(At("2011-05-14T08:00"), At("2011-05-14T08:30"), 70) +
                        test::ConstantLevel(At("2011-05-14T08:30"), At("2011-05-14T09:00"), 90) +
                        test::ConstantLevel(At("2011-05-15T09:00"), At("2011-05-15T09:10"), 40);
    AnalysisSettings settings;
    settings.exclusions = {{test::Minutes("2011-05-14T08:30", "2011-05-14T09:00"), "works"}};
    const AnalysisResult result = Analyse(SeriesOfMinuteLines(lines), settings);
    const DailyProfile profile = DailyProfileOf(result.hours);

    EXPECT_EQ(profile.all[8].dates, 3);
    EXPECT_NEAR(*profile.all[8].leq, EnergyMean({50, 60, 70}), 1e-12);
    EXPECT_EQ(profile.all[8].lowest, 50);
    EXPECT_EQ(profile.all[8].highest, 70);
    EXPECT_NEAR(*profile.all[9].leq, 40, 1e-12);
    EXPECT_FALSE(profile.all[7].leq);
    EXPECT_EQ(profile.all[7].dates, 0);

    EXPECT_TRUE(profile.SplitsWeek());
    EXPECT_NEAR(*profile.weekdays[8].leq, EnergyMean({50, 60}), 1e-12);
    EXPECT_NEAR(*profile.weekends[8].leq, 70, 1e-12);
    EXPECT_FALSE(profile.weekdays[9].leq);
    EXPECT_NEAR(*profile.weekends[9].leq, 40, 1e-12);
}

TEST(DailyProfile, AWeekOfWorkingDaysIsOneLine) {
    const AnalysisResult result = Analyse(SeriesOfMinuteLines(test::ConstantLevel(
                                              At("2011-05-16T23:00"), At("2011-05-17T01:00"), 45)),
                                          {});
    const DailyProfile profile = DailyProfileOf(result.hours);
    EXPECT_FALSE(profile.SplitsWeek());
    EXPECT_EQ(Weekday(DayOfMinute(At("2011-05-16T00:00"))), 0); // a Monday
    EXPECT_EQ(Weekday(DayOfMinute(At("2011-05-15T00:00"))), 6); // a Sunday
    EXPECT_NEAR(*profile.all[23].leq, 45, 1e-12);
    EXPECT_NEAR(*profile.all[0].leq, 45, 1e-12);
}

} // namespace
} // namespace vrd
