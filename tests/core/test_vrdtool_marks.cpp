#include "tools/vrdtool/marks_command.h"

#include "analysis/exclusion_file.h"
#include "analysis/open_files.h"
#include "testkit/report_generator.h"
#include "tests/core/minute_records.h"
#include "tests/core/temp_folder.h"
#include "tools/vrdtool/assess_command.h"
#include "tools/vrdtool/stats_command.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <sstream>

namespace vrd {
namespace {

using test::At;
using test::GapAt;
using test::LevelAt;

// From 07:00: 60, 66, 67, 64, 66, a gap, 70, 70, 70, 55, 07:10 missing, 68, eight minutes at 60,
// then 66, 66, 66 and 50.
std::string MorningReport() {
    const Minute start = At("2011-05-12T07:00");
    const int levels[] = {60, 66, 67, 64, 66, 0,  70, 70, 70, 55, 0,  68,
                          60, 60, 60, 60, 60, 60, 60, 60, 66, 66, 66, 50};
    std::string minutes;
    for (int i = 0; i < 24; ++i) {
        if (i == 5)
            minutes += GapAt(start + i);
        else if (i != 10)
            minutes += LevelAt(start + i, levels[i]);
    }
    return "Chantier\n110487\n1 minute Leq Log\n" + minutes + "\n";
}

class VrdtoolMarks : public test::TempFolderTest {
  protected:
    int Run(const MarksArguments& arguments) {
        out_.str("");
        err_.str("");
        return RunMarks(arguments, out_, err_);
    }
    // The command's output, which must succeed.
    std::string Marks(const MarksArguments& arguments) {
        EXPECT_EQ(Run(arguments), 0) << err_.str();
        EXPECT_EQ(err_.str(), "");
        return out_.str();
    }
    MarksArguments Morning(const char* above) {
        MarksArguments arguments;
        arguments.files = {Put("morning.txt", MorningReport())};
        arguments.above = above;
        return arguments;
    }
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(VrdtoolMarks, OneLineAMarkInTimeOrder) {
    MarksArguments arguments = Morning("65");
    arguments.excludes = {"2011-05-12T07:20/2011-05-12T07:21"};
    // A level of 65 is not above 65; the gap, the missing, the quiet and the excluded minute each
    // end a run.
    EXPECT_EQ(Marks(arguments), "source 2011-05-12T07:01/2011-05-12T07:03 above 65 dB\n"
                                "source 2011-05-12T07:04/2011-05-12T07:05 above 65 dB\n"
                                "source 2011-05-12T07:06/2011-05-12T07:09 above 65 dB\n"
                                "source 2011-05-12T07:11/2011-05-12T07:12 above 65 dB\n"
                                "source 2011-05-12T07:21/2011-05-12T07:23 above 65 dB\n");

    // Joined across 1 minute, the gap and the quiet minute 07:03 fall inside the first mark.
    arguments.joinMinutes = "1";
    EXPECT_EQ(Marks(arguments), "source 2011-05-12T07:01/2011-05-12T07:09 above 65 dB\n"
                                "source 2011-05-12T07:11/2011-05-12T07:12 above 65 dB\n"
                                "source 2011-05-12T07:21/2011-05-12T07:23 above 65 dB\n");
    // Across 2, the missing minute too; a mark of 2 minutes is shorter than 3.
    arguments.joinMinutes = "2";
    arguments.minMinutes = "3";
    EXPECT_EQ(Marks(arguments), "source 2011-05-12T07:01/2011-05-12T07:12 above 65 dB\n");
}

TEST_F(VrdtoolMarks, TheKindAskedAndTheLevelInItsShortestForm) {
    MarksArguments arguments = Morning("65.25");
    arguments.kind = "residual";
    arguments.minMinutes = "2";
    EXPECT_EQ(Marks(arguments), "residual 2011-05-12T07:01/2011-05-12T07:03 above 65.25 dB\n"
                                "residual 2011-05-12T07:06/2011-05-12T07:09 above 65.25 dB\n"
                                "residual 2011-05-12T07:20/2011-05-12T07:23 above 65.25 dB\n");
    // An exclusion has no kind word; the selection cuts the runs at its ends.
    arguments = Morning("65.5");
    arguments.kind = "exclude";
    arguments.from = "2011-05-12T07:02";
    arguments.to = "2011-05-12T07:21";
    EXPECT_EQ(Marks(arguments), "2011-05-12T07:02/2011-05-12T07:03 above 65.5 dB\n"
                                "2011-05-12T07:04/2011-05-12T07:05 above 65.5 dB\n"
                                "2011-05-12T07:06/2011-05-12T07:09 above 65.5 dB\n"
                                "2011-05-12T07:11/2011-05-12T07:12 above 65.5 dB\n"
                                "2011-05-12T07:20/2011-05-12T07:21 above 65.5 dB\n");
    arguments = Morning("+66.0");
    arguments.kind = "source";
    EXPECT_EQ(Marks(arguments), "source 2011-05-12T07:02/2011-05-12T07:03 above 66 dB\n"
                                "source 2011-05-12T07:06/2011-05-12T07:09 above 66 dB\n"
                                "source 2011-05-12T07:11/2011-05-12T07:12 above 66 dB\n");
    // Nothing above: nothing printed, and no failure.
    EXPECT_EQ(Marks(Morning("70")), "");
}

TEST_F(VrdtoolMarks, TheMarksFilesExclusionsEndRunsAndItsOtherMarksChangeNothing) {
    MarksArguments arguments = Morning("65");
    arguments.marksFiles = {Put("marks.txt", "2011-05-12T07:07/2011-05-12T07:08 door\n"
                                             "residual 2011-05-12T07:00/2011-05-12T07:30\n")};
    EXPECT_EQ(Marks(arguments), "source 2011-05-12T07:01/2011-05-12T07:03 above 65 dB\n"
                                "source 2011-05-12T07:04/2011-05-12T07:05 above 65 dB\n"
                                "source 2011-05-12T07:06/2011-05-12T07:07 above 65 dB\n"
                                "source 2011-05-12T07:08/2011-05-12T07:09 above 65 dB\n"
                                "source 2011-05-12T07:11/2011-05-12T07:12 above 65 dB\n"
                                "source 2011-05-12T07:20/2011-05-12T07:23 above 65 dB\n");
}

TEST_F(VrdtoolMarks, MistakesInTheOptionsNameTheOption) {
    const auto error = [&](void (*set)(MarksArguments&)) {
        MarksArguments arguments = Morning("65");
        set(arguments);
        EXPECT_EQ(Run(arguments), 2);
        EXPECT_EQ(out_.str(), "");
        return err_.str();
    };
    EXPECT_EQ(error([](MarksArguments& a) { a.above.clear(); }),
              "vrdtool: --above: is required: the level in dB that the marked minutes are above\n");
    EXPECT_EQ(error([](MarksArguments& a) { a.above = "65,5"; }),
              "vrdtool: --above: expects a level in dB such as 65 or 62.5, not \"65,5\"\n");
    EXPECT_EQ(error([](MarksArguments& a) { a.minMinutes = "0"; }),
              "vrdtool: --min-minutes: expects a whole number of minutes from 1, the shortest mark "
              "kept, not \"0\"\n");
    EXPECT_NE(error([](MarksArguments& a) { a.minMinutes = "2.5"; }).find("--min-minutes: "),
              std::string::npos);
    EXPECT_EQ(error([](MarksArguments& a) { a.joinMinutes = "-1"; }),
              "vrdtool: --join-minutes: expects a whole number of minutes from 0, the most between "
              "two runs that are joined, not \"-1\"\n");
    EXPECT_EQ(error([](MarksArguments& a) { a.kind = "sources"; }),
              "vrdtool: --kind: expects source, residual or exclude, not \"sources\"\n");
    EXPECT_NE(error([](MarksArguments& a) { a.from = "07:00"; }).find("--from: expects"),
              std::string::npos);
}

TEST_F(VrdtoolMarks, ExitStatusOfTheProgram) {
    const std::string tool = VRDTOOL_PATH;
    const auto run = [&](const std::string& arguments) {
        const int status = std::system((tool + " marks " + arguments + " >/dev/null 2>&1").c_str());
        return WEXITSTATUS(status);
    };
    const std::string file = Put("morning.txt", MorningReport());
    EXPECT_EQ(run(file + " --above 65 --join-minutes 2 --min-minutes 3 --kind exclude"), 0);
    EXPECT_EQ(run(file + " /nonexistent.vrd --above 65"), 1);
    EXPECT_EQ(run(file), 2);
    EXPECT_EQ(run(file + " --above 65 --min-minutes 0"), 2);
    // Only the options it uses: marks are made from the levels alone.
    EXPECT_EQ(run(file + " --above 65 --threshold 65"), 2);
    EXPECT_EQ(run(file + " --above 65 --source 2011-05-12T07:00/2011-05-12T07:10"), 2);
    EXPECT_EQ(run(file + " --above 65 --standard bs4142"), 2);
}

// Generated days with gaps, for the figures that must agree with stats and assess.
class VrdtoolMarksOfAWeek : public VrdtoolMarks {
  protected:
    void SetUp() override {
        VrdtoolMarks::SetUp();
        testkit::ReportOptions options;
        options.seed = 29;
        options.minutes = 7 * 1440;
        options.gap_probability = 0.01;
        week_ = Put("week.txt", testkit::GenerateReport(options));
        // A selection that starts and ends inside the days, and two exclusions.
        from_ = "2011-05-12T05:17";
        to_ = "2011-05-18T21:43";
        excludes_ = {"2011-05-13T10:00/2011-05-13T14:00", "2011-05-15T22:30/2011-05-16T01:15"};
    }
    template <typename Arguments> void Select(Arguments& arguments) const {
        arguments.files = {week_};
        arguments.from = from_;
        arguments.to = to_;
        arguments.excludes = excludes_;
    }
    std::vector<Mark> MarksOf(const char* above, const char* join = "", const char* min = "") {
        MarksArguments arguments;
        Select(arguments);
        arguments.above = above;
        arguments.joinMinutes = join;
        arguments.minMinutes = min;
        const MarksFileRead read = ParseMarksFile(Marks(arguments));
        EXPECT_FALSE(read.error) << *read.error;
        return read.marks;
    }
    nlohmann::json Stats(const char* threshold) {
        StatsArguments arguments;
        Select(arguments);
        arguments.threshold = threshold;
        arguments.json = true;
        std::ostringstream out, err;
        EXPECT_EQ(RunStats(arguments, out, err), 0) << err.str();
        return nlohmann::json::parse(out.str());
    }
    nlohmann::json Assess(const std::vector<std::string>& marksFiles) {
        AssessArguments arguments;
        Select(arguments);
        arguments.standard = "fr-neighbourhood";
        arguments.marksFiles = marksFiles;
        arguments.json = true;
        std::ostringstream out, err;
        EXPECT_EQ(RunAssess(arguments, out, err), 0) << err.str();
        return nlohmann::json::parse(out.str());
    }

    std::string week_;
    std::string from_;
    std::string to_;
    std::vector<std::string> excludes_;
};

TEST_F(VrdtoolMarksOfAWeek, TheMarksAreTheEventsThatStatsCounts) {
    for (const char* threshold : {"55", "62.5", "70", "80"}) {
        const std::vector<Mark> marks = MarksOf(threshold);
        const nlohmann::json exceedance = Stats(threshold)["exceedance"];
        std::int64_t minutes = 0;
        std::int64_t longest = 0;
        for (const Mark& mark : marks) {
            minutes += mark.span.Length() / kMillisPerMinute;
            longest = std::max(longest, mark.span.Length() / kMillisPerMinute);
        }
        EXPECT_EQ(static_cast<std::int64_t>(marks.size()), exceedance["events"]) << threshold;
        EXPECT_EQ(minutes, exceedance["minutes"]) << threshold;
        EXPECT_EQ(longest, exceedance["longest"]) << threshold;
    }
    EXPECT_GT(MarksOf("62.5").size(), 10u) << "the week was meant to have many runs";
}

TEST_F(VrdtoolMarksOfAWeek, ReadBackTheyGiveAssessTheSameSourceMinutes) {
    // Every run marked as it is: the source minutes are the minutes above.
    MarksArguments arguments;
    Select(arguments);
    arguments.above = "62.5";
    const std::string runs = Put("runs.txt", Marks(arguments));
    EXPECT_EQ(Assess({runs})["minutes"]["source"], Stats("62.5")["exceedance"]["minutes"]);

    // Joined: the measured minutes inside the marks, whatever their level, and not the gaps,
    // the missing or the excluded minutes between, counted here from the records themselves.
    arguments.joinMinutes = "20";
    arguments.minMinutes = "10";
    const std::string text = Marks(arguments);
    const std::string joined = Put("joined.txt", text);
    const std::vector<Mark> marks = ParseMarksFile(text).marks;
    ASSERT_FALSE(marks.empty());
    const MinuteSeries series = SeriesOfMinuteLines(OpenMinuteLines({week_, false}).minuteLines);
    std::vector<Exclusion> exclusions;
    for (const std::string& exclude : excludes_)
        exclusions.push_back({*ParseSpan(exclude), ""});
    const std::vector<Interval> excluded = MinutesStartingIn(MergeExclusions(exclusions));
    std::int64_t measured = 0;
    for (const Mark& mark : marks) {
        EXPECT_GE(mark.span.Length(), 10 * kMillisPerMinute);
        const Interval minutes = MinutesStartingIn(mark.span);
        for (std::size_t i = series.LowerBound(minutes.from);
             i < series.Size() && series.At(i).minute < minutes.to; ++i) {
            const SeriesMinute minute = series.At(i);
            bool isExcluded = false;
            for (const Interval& interval : excluded)
                isExcluded = isExcluded || interval.Contains(minute.minute);
            measured += minute.gap || isExcluded ? 0 : 1;
        }
    }
    const nlohmann::json minutes = Assess({joined})["minutes"];
    EXPECT_EQ(minutes["source"], measured);
    EXPECT_GT(minutes["source"].get<std::int64_t>(),
              Assess({runs})["minutes"]["source"].get<std::int64_t>());
}

} // namespace
} // namespace vrd
