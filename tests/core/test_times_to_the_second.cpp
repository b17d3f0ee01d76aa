// Marks, exclusions and the selection given to the second: parsed, written back as given, and
// holding exactly the samples whose start lies in them.

#include "analysis/analyse.h"
#include "analysis/assess.h"
#include "analysis/exclusion_file.h"
#include "analysis/runs_above.h"
#include "analysis/time_text.h"
#include "levels_csv/read_levels_csv.h"
#include "options/analysis_file.h"
#include "tests/core/minute_records.h"
#include "tests/core/temp_folder.h"
#include "tools/vrdtool/assess_command.h"
#include "tools/vrdtool/marks_command.h"
#include "tools/vrdtool/stats_command.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <sstream>

namespace vrd {
namespace {

using test::At;

const Millis kTen = MillisOf(At("2025-03-22T10:00"));

// A meter's export of 1-s samples from 10:00:00, the level of each second given by level.
std::string SecondsCsv(int seconds, int (*level)(int)) {
    std::string csv = "Time;LAeq\n";
    for (int s = 0; s < seconds; ++s) {
        std::string time = FormatMillis(kTen + s * kMillisPerSecond);
        time[10] = ' ';
        csv += time + ";" + std::to_string(level(s)) + ",0\n";
    }
    return csv;
}

LevelSeries SeriesOf(const std::string& csv) {
    LevelsCsvRead read = ReadLevelsCsv(csv, "levels.csv", {});
    EXPECT_TRUE(read.levels);
    return read.levels ? LevelSeriesFromCsv(std::move(*read.levels)) : LevelSeries();
}

TEST(TimeText, MinutesAndSecondsParseAndWriteBackAsGiven) {
    EXPECT_EQ(ParseTime("2011-05-12T07:00"), MillisOf(At("2011-05-12T07:00")));
    EXPECT_EQ(ParseTime("2011-05-12T07:00:00"), MillisOf(At("2011-05-12T07:00")));
    EXPECT_EQ(ParseTime("2011-05-12T07:00:59"), MillisOf(At("2011-05-12T07:00")) + 59'000);
    EXPECT_EQ(ParseTime("2011-05-12T23:59:59"), MillisOf(At("2011-05-13T00:00")) - 1'000);
    for (const char* text :
         {"2011-05-12T07:00", "2011-05-12T07:00:01", "0001-01-01T00:00:30", "9999-12-31T23:59:59"})
        EXPECT_EQ(FormatTime(*ParseTime(text)), text);
    // Zero seconds are not written: a minute stays a minute.
    EXPECT_EQ(FormatTime(*ParseTime("2011-05-12T07:00:00")), "2011-05-12T07:00");
    EXPECT_EQ(FormatTime(MillisOf(At("2011-05-12T07:00")) + 1'250), "2011-05-12T07:00:01.250");

    for (const char* bad :
         {"2011-05-12T07:60", "2011-05-12T07:00:60", "2011-05-12T07:00:5", "2011-05-12T24:00",
          "2011-02-30T07:00", "2011-05-12T07:00:", "2011-05-12T07:00:5x", "2011-05-12T07:00.5",
          "2011-05-12 07:00:05", "2011-05-12T07:00:05 ", ""})
        EXPECT_FALSE(ParseTime(bad)) << bad;
}

TEST(MarksFile, MinutesRoundTripByteForByteAndSecondsAsWritten) {
    const std::string minutes = "2011-05-12T14:00/2011-05-12T16:30 rain\n"
                                "source 2011-05-13T07:00/2011-05-13T12:00 the fan\n";
    EXPECT_EQ(FormatMarksFile(ParseMarksFile(minutes).marks), minutes);

    const std::string seconds = "2011-05-12T14:00:05/2011-05-12T14:00:35 a car\n"
                                "residual 2011-05-13T07:00/2011-05-13T07:00:01\n";
    const MarksFileRead read = ParseMarksFile(seconds);
    ASSERT_FALSE(read.error) << *read.error;
    ASSERT_EQ(read.marks.size(), 2u);
    EXPECT_EQ(read.marks[0].span.Length(), 30 * kMillisPerSecond);
    EXPECT_EQ(read.marks[1].span.Length(), kMillisPerSecond);
    EXPECT_EQ(FormatMarksFile(read.marks), seconds);
}

TEST(MarksFile, ABadTimeIsRefusedWithTheLineAndTheForm) {
    for (const char* bad :
         {"2011-05-12T07:60/2011-05-12T08:00", "2011-05-12T07:00:60/2011-05-12T08:00",
          "2011-05-12T07:00:5/2011-05-12T08:00", "2011-05-12T07:00:30/2011-05-12T07:00:30"}) {
        const MarksFileRead read = ParseMarksFile(std::string("source ") + bad + " x\n");
        ASSERT_TRUE(read.error) << bad;
        EXPECT_TRUE(read.marks.empty());
        EXPECT_EQ(*read.error,
                  std::string("line 1: \"") + bad +
                      "\" is not an interval FROM/TO of the form "
                      "yyyy-mm-ddThh:mm[:ss]/yyyy-mm-ddThh:mm[:ss] with FROM before TO")
            << bad;
    }
}

TEST(AnalysisFile, TimesToTheSecondRoundTripAndMinutesStayAsTheyWere) {
    const std::string bytes = R"({
  "format": "vrd-analysis",
  "version": 1,
  "files": [],
  "from": "2011-05-12T07:00:30",
  "to": "2011-05-12T09:00",
  "marks": [
    {
      "kind": "source",
      "from": "2011-05-12T08:00",
      "to": "2011-05-12T08:00:45",
      "reason": "a lorry"
    }
  ]
})";
    const AnalysisFileRead read = ParseAnalysisFile(bytes, "day.vrda");
    ASSERT_TRUE(read.document) << read.error;
    EXPECT_EQ(read.document->fromTime, MillisOf(At("2011-05-12T07:00")) + 30'000);
    EXPECT_EQ(read.document->toTime, MillisOf(At("2011-05-12T09:00")));
    ASSERT_EQ(read.document->marks.size(), 1u);
    EXPECT_EQ(read.document->marks[0].span.Length(), 45'000);
    const AnalysisFileBytes saved = FormatAnalysisFile(*read.document, "day.vrda");
    ASSERT_FALSE(saved.error);
    EXPECT_NE(saved.bytes.find(R"("from": "2011-05-12T07:00:30")"), std::string::npos)
        << saved.bytes;
    EXPECT_NE(saved.bytes.find(R"("to": "2011-05-12T09:00")"), std::string::npos);
    EXPECT_NE(saved.bytes.find(R"("to": "2011-05-12T08:00:45")"), std::string::npos);
    // Saved again, the same bytes.
    const AnalysisFileRead again = ParseAnalysisFile(saved.bytes, "day.vrda");
    ASSERT_TRUE(again.document) << again.error;
    EXPECT_EQ(FormatAnalysisFile(*again.document, "day.vrda").bytes, saved.bytes);

    const AnalysisFileRead bad = ParseAnalysisFile(
        R"({"format": "vrd-analysis", "from": "2011-05-12T07:00:60"})", "day.vrda");
    EXPECT_FALSE(bad.document);
    EXPECT_EQ(bad.error, "from: expects a time yyyy-mm-ddThh:mm[:ss], not \"2011-05-12T07:00:60\"");
}

TEST(MarksToTheSecond, OnASecondSeriesHoldExactlyTheSamplesThatStartInThem) {
    // 60 dB, with 80 dB from 10:00:10 to 10:00:19.
    const LevelSeries series =
        SeriesOf(SecondsCsv(120, [](int s) { return s >= 10 && s < 20 ? 80 : 60; }));
    AnalysisSettings settings;
    settings.threshold = 70;
    // The exclusion takes 10:00:15..10:00:24: five of the loud seconds and five quiet ones.
    settings.exclusions = {{{kTen + 15'000, kTen + 25'000}, "a door"}};
    const AnalysisResult result = Analyse(series, settings);
    EXPECT_EQ(result.minutes.excludedTime, 10'000);
    EXPECT_EQ(result.minutes.measured, 110);
    ASSERT_TRUE(result.exceedance);
    EXPECT_EQ(result.exceedance->minutes, 5);
    EXPECT_EQ(result.exceedance->longest, 5);

    // A source mark of 10:00:05..10:00:20 holds 15 samples, 10 of them loud; the rest residual.
    AnalysisSettings marked;
    marked.marks = {{MarkKind::Source, {kTen + 5'000, kTen + 20'000}, "the lorry"}};
    const AssessmentResult assessed =
        Assess(series, marked, AssessmentSettings{Standard::FrNeighbourhood, false});
    EXPECT_EQ(assessed.minutes.source, 15);
    EXPECT_EQ(assessed.minutes.residual, 105);

    // The selection to the second: 10:00:30..10:01:00 holds 30 samples.
    AnalysisSettings selected;
    selected.fromTime = kTen + 30'000;
    selected.toTime = kTen + 60'000;
    const AnalysisResult part = Analyse(series, selected);
    EXPECT_EQ(part.minutes.measured, 30);
    EXPECT_EQ(part.minutes.periodTime, 30'000);
}

TEST(MarksToTheSecond, OnAMinuteSeriesAMinuteCountsWhenItsStartLiesInTheMark) {
    const Minute start = At("2011-05-12T08:00");
    const MinuteSeries series = SeriesOfMinuteLines(test::ConstantLevel(start, start + 10, 50));
    AnalysisSettings settings;
    // 08:00:30..08:03:00 holds the starts of 08:01 and 08:02; 08:05..08:05:10 that of 08:05.
    settings.exclusions = {{{MillisOf(start) + 30'000, MillisOf(start + 3)}, "a"},
                           {{MillisOf(start + 5), MillisOf(start + 5) + 10'000}, "b"}};
    const AnalysisResult result = Analyse(series, settings);
    EXPECT_EQ(result.minutes.measured, 7);
    EXPECT_EQ(result.minutes.excludedTime, 150'000 + 10'000);

    // A source mark within 08:04 after its start holds no minute: it changes nothing and is
    // listed as lying outside the reports, as one past their end is.
    AnalysisSettings marked;
    marked.marks = {{MarkKind::Source, {MillisOf(start + 4) + 10'000, MillisOf(start + 5)}, ""},
                    {MarkKind::Source, {MillisOf(start + 9) + 1'000, MillisOf(start + 11)}, ""},
                    {MarkKind::Source, {MillisOf(start + 9), MillisOf(start + 9) + 1'000}, ""}};
    const AssessmentResult assessed =
        Assess(series, marked, AssessmentSettings{Standard::FrNeighbourhood, false});
    EXPECT_EQ(assessed.minutes.source, 1);
    ASSERT_EQ(assessed.marksOutside.size(), 2u);
    EXPECT_EQ(assessed.marksOutside[0].span.start, MillisOf(start + 4) + 10'000);
}

TEST(RunsAbove, OnASecondSeriesAreTheSamplesStartsAndEnds) {
    // Loud at 10:00:10..10:00:19 and 10:00:25..10:00:29, then from 10:02:00 to 10:03:30.
    const LevelSeries series = SeriesOf(SecondsCsv(300, [](int s) {
        return (s >= 10 && s < 20) || (s >= 25 && s < 30) || (s >= 120 && s < 210) ? 80 : 60;
    }));
    const TimeSpan all{kTen, kTen + 300'000};
    RunMarking marking;
    marking.threshold = 70;
    marking.minMinutes = 0;
    EXPECT_EQ(MarkedRuns(series, all, {}, marking),
              (std::vector<TimeSpan>{{kTen + 10'000, kTen + 20'000},
                                     {kTen + 25'000, kTen + 30'000},
                                     {kTen + 120'000, kTen + 210'000}}));
    // The shortest mark a minute long, in time: only the 90-s run is kept.
    marking.minMinutes = 1;
    EXPECT_EQ(MarkedRuns(series, all, {}, marking),
              (std::vector<TimeSpan>{{kTen + 120'000, kTen + 210'000}}));
    // Joined across at most a minute: the first two make one mark of 20 s, still too short; two
    // minutes join all three.
    marking.joinMinutes = 1;
    EXPECT_EQ(MarkedRuns(series, all, {}, marking).size(), 1u);
    marking.joinMinutes = 2;
    marking.minMinutes = 3;
    EXPECT_EQ(MarkedRuns(series, all, {}, marking),
              (std::vector<TimeSpan>{{kTen + 10'000, kTen + 210'000}}));
}

class VrdtoolToTheSecond : public test::TempFolderTest {
  protected:
    std::string Loud() const {
        return Put("loud.csv", SecondsCsv(180, [](int s) { return s >= 70 && s < 140 ? 80 : 60; }));
    }
};

TEST_F(VrdtoolToTheSecond, MarksAStatsSelectionAndAnAssessmentOfASecondExport) {
    const std::string file = Loud();
    std::ostringstream out;
    std::ostringstream err;

    MarksArguments marks;
    marks.files = {file};
    marks.csvLevels = true;
    marks.above = "70";
    ASSERT_EQ(RunMarks(marks, out, err), 0) << err.str();
    EXPECT_EQ(out.str(), "source 2025-03-22T10:01:10/2025-03-22T10:02:20 above 70 dB\n");

    // --from with seconds, and the mark read back from the file.
    StatsArguments stats;
    stats.files = {file};
    stats.csvLevels = true;
    stats.from = "2025-03-22T10:00:30";
    stats.excludes = {"2025-03-22T10:01:10/2025-03-22T10:02:20"};
    stats.json = true;
    out.str("");
    ASSERT_EQ(RunStats(stats, out, err), 0) << err.str();
    const nlohmann::json json = nlohmann::json::parse(out.str());
    EXPECT_EQ(json["from"], "2025-03-22T10:00:30");
    EXPECT_EQ(json["seconds"]["period"], 150);
    EXPECT_EQ(json["seconds"]["excluded"], 70);
    EXPECT_EQ(json["seconds"]["samples"], 80);
    EXPECT_EQ(json["overall"]["lmax"], 60);

    stats.from = "2025-03-22T10:00:5";
    out.str("");
    err.str("");
    EXPECT_EQ(RunStats(stats, out, err), 2);
    EXPECT_EQ(err.str(), "vrdtool: --from: expects a time yyyy-mm-ddThh:mm[:ss], not "
                         "\"2025-03-22T10:00:5\"\n");

    // The assessment at a 1-s step counts seconds and says so.
    AssessArguments assess;
    assess.files = {file};
    assess.csvLevels = true;
    assess.sources = {"2025-03-22T10:01:10/2025-03-22T10:02:20"};
    assess.standard = "fr-neighbourhood";
    out.str("");
    ASSERT_EQ(RunAssess(assess, out, err), 0) << err.str();
    EXPECT_NE(out.str().find("step:       1 s (180 samples measured)\n"
                             "seconds:    180 measured: 70 source, 110 residual; 0 excluded\n"),
              std::string::npos)
        << out.str();
    EXPECT_NE(out.str().find("T is the samples of 1 s heard with the source"), std::string::npos);
    assess.json = true;
    out.str("");
    ASSERT_EQ(RunAssess(assess, out, err), 0) << err.str();
    const nlohmann::json assessed = nlohmann::json::parse(out.str());
    EXPECT_FALSE(assessed.contains("minutes"));
    EXPECT_EQ(assessed["step"], 1);
    EXPECT_EQ(assessed["seconds"]["source"], 70);
    EXPECT_EQ(assessed["seconds"]["residual"], 110);
    EXPECT_EQ(assessed["periods"][0]["source_samples"], 70);
    EXPECT_FALSE(assessed["periods"][0].contains("source_minutes"));
}

} // namespace
} // namespace vrd
