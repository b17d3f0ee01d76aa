#include "analysis/analyse.h"
#include "analysis/assess.h"
#include "analysis/carpet.h"
#include "analysis/level_distribution.h"
#include "analysis/level_series.h"
#include "analysis/open_files.h"
#include "analysis/range_statistics.h"
#include "levels_csv/read_levels_csv.h"

#include "tests/core/minute_records.h"
#include "tests/core/temp_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace vrd {
namespace {

using test::At;

LevelSeries SeriesOfCsv(const std::string& text, const CsvReadOptions& options = {}) {
    LevelsCsvRead read = ReadLevelsCsv(text, "levels.csv", options);
    EXPECT_TRUE(read.levels) << (read.refusal ? DescribeCsvRefusal(*read.refusal) : "");
    return read.levels ? LevelSeriesFromCsv(std::move(*read.levels)) : LevelSeries();
}

// "2025-03-22 hh:mm:ss" of a second of a day.
std::string IsoTime(Millis time) {
    std::string text = FormatMillis(time);
    text[10] = ' ';
    return text;
}

// The rows of seconds 0..seconds-1, each written by row.
std::string SecondRows(int seconds, const std::function<std::string(int)>& row) {
    std::string text;
    for (int i = 0; i < seconds; ++i)
        text += row(i);
    return text;
}

const Millis kStart = MillisOf(At("2025-03-22T06:50"));
// A level of each second: louder in the day, a few tenths apart.
std::string LevelOf(int i) {
    static const char* kLevels[] = {"45.3", "47.1", "52.8", "44", "61.2", "39.9", "48.5"};
    return kLevels[i % 7];
}
std::string CommaLevelOf(int i) {
    std::string level = LevelOf(i);
    for (char& c : level)
        if (c == '.')
            c = ',';
    return level;
}
constexpr int kSeconds = 1800; // 06:50 to 07:20, across the start of the day

TEST(LevelSeriesFromCsv, EveryDialectGivesTheSameFigures) {
    const auto time = [](int i) { return kStart + i * kMillisPerSecond; };
    const std::string comma = "Time,LAeq,LAFmax\n" + SecondRows(kSeconds, [&](int i) {
                                  return IsoTime(time(i)) + "," + LevelOf(i) + ",70.1\n";
                              });
    const std::string semicolon = "\xEF\xBB\xBF"
                                  "Date/heure;LAeq (dB);LAF90\r\n" +
                                  SecondRows(kSeconds, [&](int i) {
                                      const std::string iso = IsoTime(time(i));
                                      const std::string french =
                                          iso.substr(8, 2) + "/" + iso.substr(5, 2) + "/" +
                                          iso.substr(0, 4) + " " + iso.substr(11);
                                      return french + ";" + CommaLevelOf(i) + ";30,0\r\n";
                                  });
    const std::string tab =
        "Date\tTime\t\"Leq A\"\n" + SecondRows(kSeconds, [&](int i) {
            const std::string iso = FormatMillis(time(i));
            return iso.substr(0, 10) + "\t" + iso.substr(11) + ".000\t" + LevelOf(i) + "\n";
        });
    const std::string latin1 = "Zeit;Pegel \xB0"
                               "A;LAeq\n" +
                               SecondRows(kSeconds, [&](int i) {
                                   return FormatMillis(time(i)) + ";x;" + CommaLevelOf(i) + "\n";
                               });

    const AnalysisResult reference = Analyse(SeriesOfCsv(comma), {});
    ASSERT_TRUE(reference.overall.leq);
    EXPECT_EQ(reference.step, kMillisPerSecond);
    EXPECT_FALSE(reference.wholeLevels);
    EXPECT_EQ(reference.minutes.measured, kSeconds);
    EXPECT_EQ(reference.minutes.measuredTime, kSeconds * kMillisPerSecond);
    EXPECT_DOUBLE_EQ(*reference.coverage, 1.0);
    EXPECT_EQ(reference.overall.lmax, 61.2);
    EXPECT_EQ(reference.overall.lmin, 39.9);
    for (const std::string& text : {semicolon, tab, latin1}) {
        const AnalysisResult result = Analyse(SeriesOfCsv(text), {});
        EXPECT_EQ(result.overall.leq, reference.overall.leq);
        EXPECT_EQ(result.overall.statistical, reference.overall.statistical);
        EXPECT_EQ(result.whole.lday, reference.whole.lday);
        EXPECT_EQ(result.whole.lnight, reference.whole.lnight);
        EXPECT_EQ(result.minutes.measured, reference.minutes.measured);
    }

    // Leq and the period levels are the energy means of the levels as written.
    double energy = 0;
    double night = 0;
    for (int i = 0; i < kSeconds; ++i) {
        const double e = std::pow(10.0, std::stod(LevelOf(i)) / 10.0);
        energy += e;
        if (i < 600)
            night += e;
    }
    EXPECT_NEAR(*reference.overall.leq, 10 * std::log10(energy / kSeconds), 1e-9);
    EXPECT_NEAR(*reference.whole.lnight, 10 * std::log10(night / 600), 1e-9);
    // Day from 07:00: 1,200 s of its 12 h.
    EXPECT_DOUBLE_EQ(reference.days.At(1).coverageDay, 1200.0 / (12 * 3600));
}

// Minutes of a device report, and a 1-s export of the same minutes: each second at its
// minute's level, bar a stretch a device would call a gap.
TEST(LevelSeriesFromCsv, SecondsWhoseMinutesAreAReportGiveTheReportsFigures) {
    const Minute from = At("2025-03-22T05:00");
    const Minute to = At("2025-03-23T09:00");
    std::string lines;
    std::string csv = "time,LAeq\n";
    for (Minute m = from; m < to; ++m) {
        const int level = 35 + static_cast<int>((m * 7919) % 40);
        if (m % 97 == 3)
            continue; // no record, no row
        lines += test::LevelAt(m, level);
        for (int s = 0; s < 60; ++s)
            csv +=
                IsoTime(MillisOf(m) + s * kMillisPerSecond) + "," + std::to_string(level) + ".0\n";
    }
    AnalysisSettings settings;
    settings.threshold = 60;
    const AnalysisResult minutes = Analyse(SeriesOfMinuteLines(lines), settings);
    const AnalysisResult seconds = Analyse(SeriesOfCsv(csv), settings);
    EXPECT_EQ(seconds.step, kMillisPerSecond);
    EXPECT_EQ(*seconds.selection, *minutes.selection);
    EXPECT_EQ(seconds.minutes.measured, 60 * minutes.minutes.measured);
    EXPECT_EQ(seconds.minutes.measuredTime, minutes.minutes.measuredTime);
    EXPECT_NEAR(*seconds.coverage, *minutes.coverage, 1e-12);
    const auto near = [](const std::optional<double>& a, const std::optional<double>& b) {
        ASSERT_EQ(a.has_value(), b.has_value());
        if (a) {
            EXPECT_NEAR(*a, *b, 1e-9);
        }
    };
    near(seconds.overall.leq, minutes.overall.leq);
    near(seconds.whole.lday, minutes.whole.lday);
    near(seconds.whole.levening, minutes.whole.levening);
    near(seconds.whole.lnight, minutes.whole.lnight);
    near(seconds.whole.lden, minutes.whole.lden);
    ASSERT_EQ(seconds.days.Size(), minutes.days.Size());
    for (std::int64_t d = 0; d < minutes.days.Size(); ++d) {
        near(seconds.days.At(d).levels.lden, minutes.days.At(d).levels.lden);
        EXPECT_NEAR(seconds.days.At(d).coverageNight, minutes.days.At(d).coverageNight, 1e-12);
    }
    ASSERT_EQ(seconds.hours.Size(), minutes.hours.Size());
    for (std::int64_t h = 0; h < minutes.hours.Size(); ++h)
        near(seconds.hours.At(h).leq, minutes.hours.At(h).leq);
    // Exceedance in samples: a minute above is 60 seconds above, runs of the same length.
    EXPECT_EQ(seconds.exceedance->minutes, 60 * minutes.exceedance->minutes);
    EXPECT_EQ(seconds.exceedance->events, minutes.exceedance->events);
    EXPECT_EQ(seconds.exceedance->longest, 60 * minutes.exceedance->longest);

    // The carpet's cells are the minutes' levels.
    const LevelSeries csvSeries = SeriesOfCsv(csv);
    const Carpet fromSeconds = CarpetOf(csvSeries, MinutesStartingIn(*seconds.selection), {});
    const Carpet fromMinutes =
        CarpetOf(SeriesOfMinuteLines(lines), MinutesStartingIn(*minutes.selection), {});
    ASSERT_EQ(fromSeconds.Dates(), fromMinutes.Dates());
    for (std::int64_t r = 0; r < fromMinutes.Dates(); ++r)
        for (std::int64_t c = 0; c < kMinutesPerDay; ++c)
            EXPECT_NEAR(fromSeconds.At(r, c), fromMinutes.At(r, c), 1e-4);

    // The figures of any interval follow the same samples.
    const RangeStatistics statistics(csvSeries, 60.0);
    const Interval night{At("2025-03-22T22:00"), At("2025-03-23T06:00")};
    const RangeFigures range = statistics.Figures(night, {});
    EXPECT_EQ(range.measuredTime, 60 * 1000 *
                                      Analyse(SeriesOfMinuteLines(lines),
                                              [&] {
                                                  AnalysisSettings only;
                                                  only.fromTime = MillisOf(night.from);
                                                  only.toTime = MillisOf(night.to);
                                                  return only;
                                              }())
                                          .minutes.measured);
}

TEST(LevelSeriesFromCsv, AMissingStretchLeavesTheStepAndBreaksTheRuns) {
    std::string csv = "Time;LAeq\n";
    const Millis start = MillisOf(At("2025-03-22T12:00"));
    for (int s = 0; s < 1200; ++s)
        if (s < 300 || s >= 900) // ten minutes missing
            csv += IsoTime(start + s * kMillisPerSecond) + ";70,5\n";
    const LevelSeries series = SeriesOfCsv(csv);
    EXPECT_EQ(series.Step(), kMillisPerSecond);
    AnalysisSettings settings;
    settings.threshold = 65;
    const AnalysisResult result = Analyse(series, settings);
    EXPECT_EQ(result.minutes.periodTime, MillisOf(20));
    EXPECT_EQ(result.minutes.measured, 600);
    EXPECT_DOUBLE_EQ(*result.coverage, 0.5);
    EXPECT_EQ(result.minutes.gaps, 0);
    EXPECT_EQ(result.exceedance->events, 2);
    EXPECT_EQ(result.exceedance->longest, 300);
    const RangeFigures range =
        RangeStatistics(series, 65.0).Figures(MinutesStartingIn(*result.selection), {});
    EXPECT_EQ(range.exceedance->events, 2);
    EXPECT_EQ(range.exceedance->longest, 300);
    EXPECT_EQ(range.measured, 600);
}

TEST(LevelDistribution, TenthsOfADecibelForLevelsWithDecimals) {
    const LevelSeries series =
        SeriesOfCsv("Time,LAeq\n2025-03-22 00:00:00,40.1\n2025-03-22 00:00:01,40.1\n"
                    "2025-03-22 00:00:02,40.3\n2025-03-22 00:00:03,41\n");
    const LevelDistribution all = DistributeLevels(series, {}).all;
    EXPECT_DOUBLE_EQ(all.width, 0.1);
    ASSERT_EQ(all.rows.size(), 10u);
    EXPECT_EQ(all.rows[0].level, 40.1);
    EXPECT_EQ(all.rows[0].minutes, 2);
    EXPECT_DOUBLE_EQ(all.rows[0].above, 0.5);
    EXPECT_EQ(all.rows[2].level, 40.3);
    EXPECT_EQ(all.rows.back().level, 41.0);
    EXPECT_EQ(all.At(40.3)->minutes, 1);
    EXPECT_EQ(all.At(39.0)->above, 1.0);

    const LevelDistribution whole =
        DistributeLevels(SeriesOfCsv("Time,LAeq\n2025-03-22 00:00:00,40\n"
                                     "2025-03-22 00:00:01,42\n"),
                         {})
            .all;
    EXPECT_DOUBLE_EQ(whole.width, 1.0);
    EXPECT_EQ(whole.rows.size(), 3u);
}

TEST(Assess, TheBackgroundOfAnExportWithItsLa90IsTheMeanOfTheColumn) {
    // An hour of 1-s levels by day with a meter's LA90 beside each.
    std::string csv = "Time,LAeq,LA90\n";
    const Millis start = MillisOf(At("2025-03-22T10:00"));
    double sum = 0;
    for (int s = 0; s < 3600; ++s) {
        const double l90 = 30 + (s % 10) * 0.5;
        sum += l90;
        csv += IsoTime(start + s * kMillisPerSecond) + ",50.0," + std::to_string(l90) + "\n";
    }
    const AssessmentResult result = Assess(SeriesOfCsv(csv), {}, {Standard::Bs4142, false});
    EXPECT_TRUE(result.backgroundFromL90);
    ASSERT_EQ(result.IntervalsWithMinutes().size(), 1u);
    EXPECT_NEAR(*result.IntervalsWithMinutes().front().l90, sum / 3600, 1e-6);

    // Less than 80 % of the hour: no background.
    std::string short_ = "Time,LAeq,LA90\n";
    for (int s = 0; s < 2000; ++s)
        short_ += IsoTime(start + s * kMillisPerSecond) + ",50.0,31.0\n";
    EXPECT_FALSE(Assess(SeriesOfCsv(short_), {}, {Standard::Bs4142, false})
                     .IntervalsWithMinutes()
                     .front()
                     .l90);
}

class OpenSeriesOfExports : public test::TempFolderTest {
  protected:
    std::string Write(const std::string& name, const std::string& text) const {
        return Put(name, text);
    }
};

TEST_F(OpenSeriesOfExports, FilesOfOneStepMergeAndOfAnotherAreRefused) {
    const std::string first = Write("a.csv", "Time,LAeq\n2025-03-22 00:00:00,40\n"
                                             "2025-03-22 00:00:01,41\n2025-03-22 00:00:02,42\n");
    const std::string second = Write("b.CSV", "Time,LAeq\n2025-03-22 00:00:02,50\n"
                                              "2025-03-22 00:00:03,51\n");
    const std::string minutes = Write("c.txt.levels", "Time,LAeq\n2025-03-22 00:00,40\n"
                                                      "2025-03-22 00:01,41\n");
    AnalysisInput third(minutes);
    third.csvLevels = true;
    const OpenedSeries opened = OpenSeries({AnalysisInput(first), AnalysisInput(second), third});
    EXPECT_EQ(opened.series.Size(), 4u);
    EXPECT_EQ(opened.series.Duplicate(), 1);
    EXPECT_EQ(opened.series.Level(2), 42.0); // the first file wins
    ASSERT_EQ(opened.failures.size(), 1u);
    EXPECT_EQ(opened.failures[0].file, minutes);
    EXPECT_NE(opened.failures[0].reason.find("1 min"), std::string::npos);
    EXPECT_NE(opened.failures[0].reason.find("1 s"), std::string::npos);
    EXPECT_NE(opened.failures[0].reason.find(first), std::string::npos);
}

TEST_F(OpenSeriesOfExports, AFileWithoutALevelColumnIsRefusedNamingTheOption) {
    const std::string path = Write("bands.csv", "Time,63 Hz,125 Hz\n2025-03-22 00:00:00,40,41\n"
                                                "2025-03-22 00:00:01,41,42\n");
    const OpenedSeries opened = OpenSeries({AnalysisInput(path)});
    EXPECT_TRUE(opened.series.Empty());
    ASSERT_EQ(opened.failures.size(), 1u);
    EXPECT_EQ(opened.failures[0].stage, Stage::Parse);
    EXPECT_EQ(opened.failures[0].reason.find(path), std::string::npos); // named once, apart
    EXPECT_NE(opened.failures[0].reason.find("--level-column"), std::string::npos);

    AnalysisInput chosen(path);
    chosen.csv.level = ParseCsvColumnChoice("2");
    const OpenedSeries second = OpenSeries({chosen});
    EXPECT_TRUE(second.failures.empty());
    EXPECT_EQ(second.series.Size(), 2u);
}

TEST(LevelSeriesFromMinutes, KeepsTheGapsAndTheWholeTable) {
    const Minute m = At("2025-03-22T00:00");
    const MinuteSeries minutes =
        SeriesOfMinuteLines(test::LevelAt(m, 40) + test::GapAt(m + 1) + test::LevelAt(m + 2, 42));
    const LevelSeries series = LevelSeriesFromMinutes(minutes);
    EXPECT_TRUE(series.WholeLevels());
    EXPECT_EQ(series.Step(), kMillisPerMinute);
    EXPECT_EQ(series.Size(), 2u);
    EXPECT_EQ(series.GapStarts(), std::vector<Millis>{MillisOf(m + 1)});
    EXPECT_EQ(series.End(), MillisOf(m + 3));
    EXPECT_EQ(Analyse(series, {}).minutes.gaps, 1);
}

} // namespace
} // namespace vrd
