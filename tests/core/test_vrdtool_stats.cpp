#include "tools/vrdtool/stats_command.h"

#include "tests/core/comma_locale.h"
#include "tests/core/minute_records.h"
#include "tests/core/temp_folder.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

namespace vrd {
namespace {

using test::At;
using test::InACommaLocale;

// A plain report of an evening hour at 60 dB with a gap at 19:30, and a night minute at 80 dB.
std::string EveningReport() {
    std::string minutes;
    for (Minute m = At("2011-05-12T19:00"); m < At("2011-05-12T20:00"); ++m)
        minutes += m == At("2011-05-12T19:30") ? test::GapAt(m) : test::LevelAt(m, 60);
    minutes += test::LevelAt(At("2011-05-12T23:00"), 80);
    return "Chantier\n110487\n1 minute Leq Log\n" + minutes + "\n";
}

class VrdtoolStats : public test::TempFolderTest {
  protected:
    int Run(StatsArguments arguments) {
        out_.str("");
        err_.str("");
        return RunStats(arguments, out_, err_);
    }
    nlohmann::json Json(StatsArguments arguments, int expectedStatus = 0) {
        arguments.json = true;
        EXPECT_EQ(Run(arguments), expectedStatus) << err_.str();
        return nlohmann::json::parse(out_.str());
    }
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(VrdtoolStats, JsonHoldsExactlyTheKeysOfTheResult) {
    StatsArguments arguments;
    arguments.files = {Put("evening.txt", EveningReport())};
    arguments.threshold = "70";
    const nlohmann::json json = Json(arguments);

    const nlohmann::ordered_json ordered = nlohmann::ordered_json::parse(out_.str());
    std::vector<std::string> keys;
    for (const auto& item : ordered.items())
        keys.push_back(item.key());
    EXPECT_EQ(keys,
              (std::vector<std::string>{"files", "from", "to", "periods", "threshold", "minutes",
                                        "overall", "lday", "levening", "lnight", "lden", "days",
                                        "hours", "exceedance", "who", "errors"}));
    std::vector<std::string> overall;
    for (const auto& item : ordered["overall"].items())
        overall.push_back(item.key());
    EXPECT_EQ(overall, (std::vector<std::string>{"leq", "lmax", "lmin", "l1", "l5", "l10", "l50",
                                                 "l90", "l95", "l99", "coverage"}));
    EXPECT_EQ(json["from"], "2011-05-12T19:00");
    EXPECT_EQ(json["to"], "2011-05-12T23:01");
    EXPECT_EQ(json["periods"], nlohmann::json::parse(R"({"day":7,"evening":19,"night":23,
        "evening_penalty":5.0,"night_penalty":10.0,"preset":"eu"})"));
    EXPECT_TRUE(json["who"].is_null());
    EXPECT_EQ(json["minutes"], nlohmann::json::parse(R"({"period":241,"excluded":0,"measured":60,
        "gaps":1,"unreadable":0,"duplicate":0})"));
    EXPECT_EQ(json["exceedance"], nlohmann::json::parse(R"({"minutes":1,"events":1,"longest":1})"));
    EXPECT_EQ(json["overall"]["lmax"], 80);
    EXPECT_EQ(json["overall"]["l90"], 60.0);
    EXPECT_DOUBLE_EQ(json["overall"]["coverage"].get<double>(), 60.0 / 241);
    EXPECT_EQ(json["levening"], 60.0);
    EXPECT_TRUE(json["lday"].is_null());
    EXPECT_TRUE(json["lden"].is_null());
    ASSERT_EQ(json["days"].size(), 1u);
    EXPECT_EQ(json["days"][0]["date"], "2011-05-12");
    EXPECT_DOUBLE_EQ(json["days"][0]["coverage_evening"].get<double>(), 59.0 / 240);
    EXPECT_EQ(json["lnight"], 80.0);
    ASSERT_EQ(json["hours"].size(), 5u);
    EXPECT_EQ(json["hours"][1], nlohmann::json::parse(R"({"start":"2011-05-12T20:00","leq":null,
        "lmax":null,"lmin":null,"minutes":0})"));
    EXPECT_EQ(json["hours"][4], nlohmann::json::parse(R"({"start":"2011-05-12T23:00","leq":80.0,
        "lmax":80,"lmin":80,"minutes":1})"));
    EXPECT_EQ(json["errors"], nlohmann::json::array());
}

TEST_F(VrdtoolStats, NoRecordAndNoOptionGivesNulls) {
    StatsArguments arguments;
    arguments.files = {Put("empty.txt", "Chantier\n110487\n1 minute Leq Log\n\n")};
    // The open itself stops at the maxima it cannot list, which the analysis reports.
    const nlohmann::json json = Json(arguments, 1);
    EXPECT_EQ(json["errors"][0]["stage"], "parse");
    EXPECT_TRUE(json["from"].is_null());
    EXPECT_TRUE(json["to"].is_null());
    EXPECT_TRUE(json["threshold"].is_null());
    EXPECT_TRUE(json["exceedance"].is_null());
    EXPECT_TRUE(json["overall"]["coverage"].is_null());
    EXPECT_EQ(json["days"], nlohmann::json::array());
}

TEST_F(VrdtoolStats, AFileThatFailsIsReportedAndTheRestAnalysed) {
    StatsArguments arguments;
    const std::string bad = Put("bad.vrd", "no code table here");
    arguments.files = {Put("evening.txt", EveningReport()), bad};
    const nlohmann::json json = Json(arguments, 1);
    EXPECT_EQ(json["minutes"]["measured"], 60);
    ASSERT_EQ(json["errors"].size(), 1u);
    EXPECT_EQ(json["errors"][0]["file"], bad);
    EXPECT_EQ(json["errors"][0]["stage"], "decode");
    EXPECT_NE(err_.str().find("vrdtool: " + bad + ": "), std::string::npos) << err_.str();
}

// A meter's seconds are not minutes: the summary names the step and gives times in seconds.
TEST_F(VrdtoolStats, ASummaryOfSecondsSpeaksOfSamplesAndSeconds) {
    std::string csv = "Time;LAeq\n";
    for (int second = 0; second < 10; ++second)
        csv += "2025-03-22 07:00:0" + std::to_string(second) + ";" +
               (second >= 3 && second < 6 ? "70,5" : "50") + "\n";
    StatsArguments arguments;
    arguments.files = {Put("meter.csv", csv)};
    arguments.threshold = "60";
    ASSERT_EQ(Run(arguments), 0) << err_.str();
    EXPECT_NE(out_.str().find("step:       1 s (10 samples measured)\n"), std::string::npos)
        << out_.str();
    EXPECT_NE(out_.str().find("above 60.0 dB: 3 seconds in 1 events, the longest 3 seconds\n"),
              std::string::npos)
        << out_.str();
}

TEST_F(VrdtoolStats, ExclusionsFromOptionsAndFiles) {
    StatsArguments arguments;
    arguments.files = {Put("evening.txt", EveningReport())};
    arguments.excludes = {"2011-05-12T19:00/2011-05-12T19:10"};
    arguments.excludeFiles = {Put("rain.txt", "2011-05-12T19:05/2011-05-12T19:20 rain\n"
                                              "2011-05-12T23:00/2011-05-12T23:01 a lorry\n")};
    const nlohmann::json json = Json(arguments);
    EXPECT_EQ(json["minutes"]["excluded"], 21);
    EXPECT_EQ(json["minutes"]["measured"], 39);
    EXPECT_EQ(json["overall"]["lmax"], 60);
}

TEST_F(VrdtoolStats, SourceAndResidualMarksChangeNoFigure) {
    StatsArguments arguments;
    arguments.files = {Put("evening.txt", EveningReport())};
    arguments.excludes = {"2011-05-12T19:00/2011-05-12T19:10"};
    const nlohmann::json plain = Json(arguments);
    arguments.sources = {"2011-05-12T19:20/2011-05-12T19:40"};
    arguments.marksFiles = {Put("marks.txt", "residual 2011-05-12T19:40/2011-05-12T20:00\n")};
    EXPECT_EQ(Json(arguments), plain);
}

TEST_F(VrdtoolStats, MarksOutsideTheReportsAreWarnedAndChangeNothing) {
    StatsArguments arguments;
    arguments.files = {Put("evening.txt", EveningReport())};
    arguments.distribution = true;
    const nlohmann::json plain = Json(arguments);
    EXPECT_EQ(err_.str(), "");
    // Ends where the records begin; begins a year later.
    arguments.sources = {"2011-05-12T18:00/2011-05-12T19:00"};
    arguments.excludes = {"2012-05-12T19:00/2012-05-12T20:00"};
    EXPECT_EQ(Json(arguments), plain);
    EXPECT_EQ(err_.str(), "vrdtool: 2 marks lie outside the reports' minutes: "
                          "2011-05-12T18:00/2011-05-12T19:00 2012-05-12T19:00/2012-05-12T20:00\n");
    arguments.json = false;
    EXPECT_EQ(Run(arguments), 0);
    EXPECT_NE(err_.str().find("2 marks lie outside"), std::string::npos);
}

TEST_F(VrdtoolStats, PresetsNameTheCombinedLevel) {
    StatsArguments arguments;
    arguments.files = {
        Put("day.txt", "Chantier\n110487\n1 minute Leq Log\n" +
                           test::ConstantLevel(At("2011-05-12T07:00"), At("2011-05-13T07:00"), 60) +
                           "\n")};
    arguments.preset = "uk";
    nlohmann::json json = Json(arguments);
    EXPECT_EQ(json["periods"], nlohmann::json::parse(R"({"day":7,"evening":23,"night":23,
        "evening_penalty":0,"night_penalty":0,"preset":"uk"})"));
    // No evening: its level and coverage are null, and LAeq,24h of a constant level is that level.
    EXPECT_TRUE(json["levening"].is_null());
    EXPECT_TRUE(json["days"][0]["coverage_evening"].is_null());
    EXPECT_NEAR(json["lden"].get<double>(), 60.0, 1e-9);
    ASSERT_EQ(Run(arguments), 0) << err_.str();
    EXPECT_NE(out_.str().find("LAeq,24h: 60.0 dB"), std::string::npos) << out_.str();
    EXPECT_NE(out_.str().find("no evening"), std::string::npos) << out_.str();
    EXPECT_NE(out_.str().find("100.0/-/100.0"), std::string::npos) << out_.str();
    arguments.csv = "days";
    ASSERT_EQ(Run(arguments), 0) << err_.str();
    EXPECT_NE(out_.str().find("2011-05-12,60.0,,60.0,60.0,100.0,,100.0\r\n"), std::string::npos)
        << out_.str();

    arguments.csv.clear();
    arguments.preset = "us-cnel";
    ASSERT_EQ(Run(arguments), 0) << err_.str();
    EXPECT_NE(out_.str().find("CNEL: "), std::string::npos) << out_.str();
    arguments.preset.clear();
    arguments.periods = "7,19,23";
    EXPECT_TRUE(Json(arguments)["periods"]["preset"].is_null());
}

TEST_F(VrdtoolStats, WhoGuidelinesBesideLdenAndLnight) {
    StatsArguments arguments;
    arguments.files = {Put("evening.txt", EveningReport())};
    arguments.who = "wind";
    const nlohmann::json json = Json(arguments);
    // No Lden without a day; wind has no night guideline.
    EXPECT_EQ(json["who"], nlohmann::json::parse(R"({"source":"wind","lden_guideline":45,
        "lnight_guideline":null,"lden_excess":null,"lnight_excess":null})"));
    arguments.who = "aircraft";
    EXPECT_EQ(Json(arguments)["who"]["lnight_excess"], 40.0);
    ASSERT_EQ(Run(arguments), 0) << err_.str();
    EXPECT_NE(out_.str().find("WHO 2018:   aircraft, Lden - against 45.0 dB; Lnight 80.0 dB "
                              "against 40.0 dB (+40.0)"),
              std::string::npos)
        << out_.str();

    // No file read: the guidelines still, beside no level.
    arguments.files = {Put("bad.vrd", "no code table here")};
    EXPECT_EQ(Json(arguments, 1)["who"], nlohmann::json::parse(R"({"source":"aircraft",
        "lden_guideline":45,"lnight_guideline":40,"lden_excess":null,"lnight_excess":null})"));
    EXPECT_EQ(Run(arguments), 1);
    EXPECT_NE(out_.str().find("WHO 2018:   aircraft, Lden - against 45.0 dB; Lnight - against "
                              "40.0 dB\n"),
              std::string::npos)
        << out_.str();
}

TEST_F(VrdtoolStats, CsvTablesForASpreadsheet) {
    StatsArguments arguments;
    arguments.files = {Put("evening.txt", EveningReport())};
    arguments.csv = "days";
    ASSERT_EQ(Run(arguments), 0) << err_.str();
    EXPECT_EQ(out_.str(), "date,lday,levening,lnight,lden,coverage_day_percent,"
                          "coverage_evening_percent,coverage_night_percent\r\n"
                          "2011-05-12,,60.0,80.0,,0.0,24.6,0.2\r\n");
    arguments.csv = "hours";
    ASSERT_EQ(Run(arguments), 0) << err_.str();
    EXPECT_EQ(out_.str(), "start,leq,lmax,lmin,minutes\r\n"
                          "2011-05-12 19:00,60.0,60.0,60.0,59\r\n"
                          "2011-05-12 20:00,,,,0\r\n"
                          "2011-05-12 21:00,,,,0\r\n"
                          "2011-05-12 22:00,,,,0\r\n"
                          "2011-05-12 23:00,80.0,80.0,80.0,1\r\n");
}

TEST_F(VrdtoolStats, TheSummaryShowsTheFiguresWithOneDecimal) {
    StatsArguments arguments;
    arguments.files = {Put("evening.txt", EveningReport())};
    arguments.threshold = "62.5";
    ASSERT_EQ(Run(arguments), 0) << err_.str();
    const std::string text = out_.str();
    for (const char* expected : {"Lmax: 80.0 dB", "Levening: 60.0 dB", "Lden: -",
                                 "above 62.5 dB: 1 minutes in 1 events", "2011-05-12  -"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
}

// 19:00-20:00 at 60 dB but for the gap at 19:30, 23:00 at 80 dB.
TEST_F(VrdtoolStats, TheDistributionFollowsTheSummaryAndJoinsTheJson) {
    StatsArguments arguments;
    arguments.files = {Put("evening.txt", EveningReport())};
    ASSERT_EQ(Run(arguments), 0) << err_.str();
    const std::string summary = out_.str();
    arguments.distribution = true;
    ASSERT_EQ(Run(arguments), 0) << err_.str();
    ASSERT_EQ(out_.str().substr(0, summary.size()), summary);
    const std::string table = out_.str().substr(summary.size());
    EXPECT_EQ(table.substr(0, table.find("61 ")),
              "\ndistribution of the minute levels: minutes at each level, % of the minutes above "
              "it\n"
              "level  all\n"
              "dB      minutes  % above\n"
              "60           59      1.7\n");
    EXPECT_NE(table.find("\n80            1      0.0\n"), std::string::npos) << table;
    EXPECT_NE(table.find("\nL10/L50/L90 all:      60.0 / 60.0 / 60.0 dB (60 minutes)\n"),
              std::string::npos)
        << table;

    // Marked, the source and the residual minutes beside all of them.
    arguments.sources = {"2011-05-12T23:00/2011-05-12T23:01"};
    ASSERT_EQ(Run(arguments), 0) << err_.str();
    EXPECT_NE(out_.str().find("\n80            1      0.0        1      0.0        0      0.0\n"),
              std::string::npos)
        << out_.str();
    Json(arguments);
    const nlohmann::ordered_json ordered = nlohmann::ordered_json::parse(out_.str());
    EXPECT_EQ(std::prev(ordered.end(), 2).key(), "distribution");
    const nlohmann::json distribution = nlohmann::json::parse(out_.str())["distribution"];
    EXPECT_EQ(distribution["all"]["minutes"], 60);
    EXPECT_EQ(distribution["all"]["levels"].size(), 21u);
    EXPECT_EQ(distribution["all"]["levels"][0],
              nlohmann::json::parse(R"({"level":60,"minutes":59,"above":0.016666666666666666})"));
    EXPECT_EQ(distribution["source"]["l90"], 80.0);
    EXPECT_EQ(distribution["residual"]["minutes"], 59);

    arguments.sources.clear();
    EXPECT_TRUE(Json(arguments)["distribution"]["source"].is_null());

    arguments.json = false;
    arguments.csv = "days";
    EXPECT_EQ(Run(arguments), 2);
    EXPECT_EQ(err_.str(), "vrdtool: --distribution: cannot be given with --csv\n");
}

// vrdview reads these options after Qt has set the user's locale: a decimal comma there must not
// turn "62.5" down, nor read "62,5".
TEST_F(InACommaLocale, TheOptionsReadNumbersWithAPoint) {
    StatsArguments arguments;
    arguments.files = {"evening.txt"};
    arguments.threshold = "62.5";
    arguments.penalties = "5,10.5";
    const StatsRequestRead read = ReadStatsArguments(arguments);
    ASSERT_TRUE(read.request) << read.error;
    ASSERT_TRUE(read.request->settings.threshold);
    EXPECT_EQ(*read.request->settings.threshold, 62.5);
    EXPECT_EQ(read.request->settings.periods.nightPenalty, 10.5);
    arguments.threshold = "62,5";
    EXPECT_FALSE(ReadStatsArguments(arguments).request);
}

TEST_F(VrdtoolStats, MistakesInTheOptionsNameTheOption) {
    const std::string file = Put("evening.txt", EveningReport());
    const auto error = [&](void (*set)(StatsArguments&)) {
        StatsArguments arguments;
        arguments.files = {file};
        set(arguments);
        EXPECT_EQ(Run(arguments), 2);
        EXPECT_EQ(out_.str(), "");
        return err_.str();
    };
    EXPECT_NE(error([](StatsArguments& a) { a.from = "2011-05-12 19:00"; }).find("--from: expects"),
              std::string::npos);
    EXPECT_NE(error([](StatsArguments& a) {
                  a.from = "2011-05-12T19:00";
                  a.to = "2011-05-12T19:00";
              }).find("--from: 2011-05-12T19:00 must be before --to"),
              std::string::npos);
    EXPECT_NE(
        error([](StatsArguments& a) { a.excludes = {"2011-05-12T19:00"}; }).find("--exclude:"),
        std::string::npos);
    EXPECT_NE(error([](StatsArguments& a) { a.threshold = "loud"; }).find("--threshold:"),
              std::string::npos);
    EXPECT_NE(error([](StatsArguments& a) { a.periods = "7,23,19"; }).find("--periods:"),
              std::string::npos);
    EXPECT_NE(error([](StatsArguments& a) { a.periods = "7,19,24"; }).find("--periods:"),
              std::string::npos);
    EXPECT_NE(error([](StatsArguments& a) { a.periods = "7,19"; }).find("--periods:"),
              std::string::npos);
    EXPECT_NE(error([](StatsArguments& a) { a.penalties = "5"; }).find("--penalties:"),
              std::string::npos);
    EXPECT_NE(error([](StatsArguments& a) { a.csv = "weeks"; }).find("--csv:"), std::string::npos);
    EXPECT_NE(
        error([](StatsArguments& a) { a.preset = "de"; }).find("--preset: expects one of eu,"),
        std::string::npos);
    EXPECT_NE(error([](StatsArguments& a) {
                  a.preset = "fr";
                  a.penalties = "5,10";
              })
                  .find("--preset: sets the periods and penalties, so it cannot be given with "
                        "--penalties"),
              std::string::npos);
    EXPECT_NE(error([](StatsArguments& a) { a.who = "trams"; }).find("--who: expects"),
              std::string::npos);
    EXPECT_NE(error([](StatsArguments& a) { a.sources = {"soon"}; }).find("--source: expects"),
              std::string::npos);
    EXPECT_NE(error([](StatsArguments& a) {
                  a.residuals = {"2011-05-12T19:00"};
              }).find("--residual: expects"),
              std::string::npos);
    EXPECT_NE(error([](StatsArguments& a) {
                  a.marksFiles = {"/nonexistent/marks.txt"};
              }).find("--marks-file: /nonexistent/marks.txt: "),
              std::string::npos);
    EXPECT_NE(error([](StatsArguments& a) {
                  a.excludeFiles = {"/nonexistent/rain.txt"};
              }).find("--exclude-file: /nonexistent/rain.txt: "),
              std::string::npos);
}

TEST_F(VrdtoolStats, ABadExclusionFileNamesItsLine) {
    StatsArguments arguments;
    arguments.files = {Put("evening.txt", EveningReport())};
    const std::string rain = Put("rain.txt", "2011-05-12T19:05/2011-05-12T19:20 rain\nsoon\n");
    arguments.excludeFiles = {rain};
    EXPECT_EQ(Run(arguments), 2);
    EXPECT_NE(err_.str().find(rain + ": line 2: "), std::string::npos) << err_.str();
}

TEST_F(VrdtoolStats, OverlappingSourceAndResidualMarksAreNamed) {
    StatsArguments arguments;
    arguments.files = {Put("evening.txt", EveningReport())};
    const std::string marks =
        Put("marks.txt", "# the fan\n"
                         "residual 2011-05-12T19:30/2011-05-12T19:50 closed\n");
    arguments.sources = {"2011-05-12T19:00/2011-05-12T19:40"};
    arguments.marksFiles = {marks};
    EXPECT_EQ(Run(arguments), 2);
    EXPECT_EQ(err_.str(), "vrdtool: --source: the source interval "
                          "2011-05-12T19:00/2011-05-12T19:40 overlaps the residual interval "
                          "2011-05-12T19:30/2011-05-12T19:50 of --marks-file " +
                              marks +
                              "; a minute is heard with the source or without it, not both\n");
    // Touching is no overlap.
    arguments.sources = {"2011-05-12T19:00/2011-05-12T19:30"};
    EXPECT_EQ(Run(arguments), 0) << err_.str();
}

TEST_F(VrdtoolStats, ExitStatusOfTheProgram) {
    const std::string tool = VRDTOOL_PATH;
    const auto run = [&](const std::string& arguments) {
        const int status = std::system((tool + " stats " + arguments + " >/dev/null 2>&1").c_str());
        return WEXITSTATUS(status);
    };
    const std::string file = Put("evening.txt", EveningReport());
    EXPECT_EQ(run(file + " --json --threshold 65.5"), 0);
    EXPECT_EQ(run(file + " /nonexistent.vrd"), 1);
    EXPECT_EQ(run(file + " --loudness 3"), 2);
    EXPECT_EQ(run(""), 2);
    EXPECT_EQ(run(file + " --json --csv days"), 2);
    EXPECT_EQ(run(file + " --preset uk --who road"), 0);
    EXPECT_EQ(run(file + " --marks-file " +
                  Put("marks.txt", "source 2011-05-12T19:00/2011-05-12T19:30\n")),
              0);
    // The standard is the assessment's, not an option of stats.
    EXPECT_EQ(run(file + " --standard bs4142"), 2);
}

} // namespace
} // namespace vrd

namespace vrd {
namespace {

// The evening report's hour as a meter's 1-s export: each minute's 60 seconds at its level, the
// gap minute missing, with a semicolon and decimal commas.
std::string EveningSeconds() {
    std::string csv = "Date;Heure;LAeq (dB)\n";
    for (Minute m = test::At("2011-05-12T19:00"); m < test::At("2011-05-12T20:00"); ++m) {
        if (m == test::At("2011-05-12T19:30"))
            continue;
        for (int s = 0; s < 60; ++s) {
            const std::string time = FormatMillis(MillisOf(m) + s * kMillisPerSecond);
            csv += "12/05/2011;" + time.substr(11) + ";60,0\n";
        }
    }
    for (int s = 0; s < 60; ++s)
        csv += "12/05/2011;23:00:" + std::string(s < 10 ? "0" : "") + std::to_string(s) + ";80,0\n";
    return csv;
}

class VrdtoolStatsOfExports : public test::TempFolderTest {
  protected:
    nlohmann::json Json(StatsArguments arguments) {
        arguments.json = true;
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunStats(arguments, out, err), 0) << err.str();
        return nlohmann::json::parse(out.str());
    }
};

TEST_F(VrdtoolStatsOfExports, ASecondExportGivesTheReportsFiguresInSeconds) {
    StatsArguments report;
    report.files = {Put("evening.txt", EveningReport())};
    report.threshold = "70";
    StatsArguments seconds;
    seconds.files = {Put("evening.levels", EveningSeconds())};
    seconds.csvLevels = true;
    seconds.threshold = "70";
    const nlohmann::json minutes = Json(report);
    const nlohmann::json json = Json(seconds);
    const auto near = [](const nlohmann::json& a, const nlohmann::json& b) {
        ASSERT_EQ(a.is_null(), b.is_null());
        if (!a.is_null()) {
            EXPECT_NEAR(a.get<double>(), b.get<double>(), 1e-9);
        }
    };
    for (const char* key : {"lday", "levening", "lnight", "lden"})
        near(json[key], minutes[key]);
    near(json["overall"]["leq"], minutes["overall"]["leq"]);
    near(json["overall"]["l90"], minutes["overall"]["l90"]);
    EXPECT_EQ(json["overall"]["coverage"], minutes["overall"]["coverage"]);
    EXPECT_EQ(json["step"], 1);
    EXPECT_EQ(json["seconds"]["period"], 60 * minutes["minutes"]["period"].get<int>());
    EXPECT_EQ(json["seconds"]["measured"], 60 * minutes["minutes"]["measured"].get<int>());
    EXPECT_EQ(json["seconds"]["samples"], 60 * minutes["minutes"]["measured"].get<int>());
    EXPECT_EQ(json["exceedance"]["seconds"], 60);
    EXPECT_EQ(json["exceedance"]["events"], 1);
    EXPECT_EQ(json.count("minutes"), 0u);
}

TEST_F(VrdtoolStatsOfExports, TheColumnOptionsAreReadAndTheirMistakesNamed) {
    const std::string path = Put("bands.csv", "Time,63 Hz,125 Hz\n2025-03-22 00:00:00,40,41\n"
                                              "2025-03-22 00:00:01,41,42\n");
    StatsArguments arguments;
    arguments.files = {path};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunStats(arguments, out, err), 1);
    EXPECT_NE(err.str().find(path + ": no column holds"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("--level-column"), std::string::npos);

    arguments.levelColumn = "125 Hz";
    EXPECT_EQ(Json(arguments)["overall"]["lmax"], 42);

    arguments.stamp = "middle";
    std::ostringstream refused;
    EXPECT_EQ(RunStats(arguments, out, refused), 2);
    EXPECT_NE(refused.str().find("--stamp: expects start or end"), std::string::npos);
}

} // namespace
} // namespace vrd
