// vrdtool stats and assess with --analysis: the file gives what the options would, the options
// given beside it win, and a file that cannot be used is a usage error that names it and its key.

#include "tools/vrdtool/assess_command.h"
#include "tools/vrdtool/stats_command.h"

#include "tests/core/minute_records.h"
#include "tests/core/temp_folder.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace vrd {
namespace {

using test::At;
using test::ConstantLevel;

// A Thursday: 50 dB from 07:00, a fan at 62 dB from 09:40 to 10:00, rain at 70 dB at 15:00.
std::string ThursdayReport() {
    const Minute start = At("2011-05-12T07:00");
    return "Chantier\n110487\n1 minute Leq Log\n" + ConstantLevel(start, start + 160, 50) +
           ConstantLevel(start + 160, start + 180, 62) +
           ConstantLevel(start + 180, At("2011-05-12T15:00"), 51) +
           ConstantLevel(At("2011-05-12T15:00"), At("2011-05-12T16:00"), 70) +
           ConstantLevel(At("2011-05-12T16:00"), At("2011-05-13T02:00"), 44) + "\n";
}

constexpr const char* kThursday = R"({"format": "vrd-analysis", "version": 1,
  "files": ["logs/thursday.txt"], "plain": true, "from": "2011-05-12T08:00", "to": null,
  "threshold": 60, "preset": "fr", "standard": "fr-neighbourhood", "who": "road",
  "marks": [{"kind": "exclude", "from": "2011-05-12T15:00", "to": "2011-05-12T16:00", "reason": "rain"},
            {"kind": "source", "from": "2011-05-12T09:40", "to": "2011-05-12T10:00", "reason": "fan"}]})";

class VrdtoolAnalysisFile : public test::TempFolderTest {
  protected:
    void SetUp() override {
        test::TempFolderTest::SetUp();
        std::filesystem::create_directories(folder_ / "logs");
        report_ = Put("logs/thursday.txt", ThursdayReport());
        analysis_ = Put("thursday.vrda", kThursday);
    }

    // The same analysis given as options.
    template <typename Arguments> Arguments AsOptions() const {
        Arguments arguments;
        arguments.files = {report_};
        arguments.plain = true;
        arguments.from = "2011-05-12T08:00";
        arguments.excludes = {"2011-05-12T15:00/2011-05-12T16:00"};
        arguments.sources = {"2011-05-12T09:40/2011-05-12T10:00"};
        return arguments;
    }
    template <typename Arguments> Arguments FromFile() const {
        Arguments arguments;
        arguments.analysis = analysis_;
        return arguments;
    }

    int Stats(StatsArguments arguments) {
        Clear();
        arguments.json = true;
        return RunStats(arguments, out_, err_);
    }
    int Assess(AssessArguments arguments) {
        Clear();
        arguments.json = true;
        return RunAssess(arguments, out_, err_);
    }
    void Clear() {
        out_.str("");
        err_.str("");
    }
    nlohmann::json Out() const { return nlohmann::json::parse(out_.str()); }

    std::string report_;
    std::string analysis_;
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(VrdtoolAnalysisFile, TheFileGivesWhatItsOptionsWould) {
    StatsArguments stats = AsOptions<StatsArguments>();
    stats.threshold = "60";
    stats.preset = "fr";
    stats.who = "road";
    ASSERT_EQ(Stats(stats), 0) << err_.str();
    const std::string byOptions = out_.str();
    ASSERT_EQ(Stats(FromFile<StatsArguments>()), 0) << err_.str();
    EXPECT_EQ(out_.str(), byOptions);
    EXPECT_EQ(Out()["files"], nlohmann::json::array({report_}));
    EXPECT_EQ(Out()["periods"]["preset"], "fr");
    EXPECT_EQ(Out()["minutes"]["excluded"], 60);

    AssessArguments assess = AsOptions<AssessArguments>();
    assess.standard = "fr-neighbourhood";
    ASSERT_EQ(Assess(assess), 0) << err_.str();
    const std::string assessedByOptions = out_.str();
    ASSERT_EQ(Assess(FromFile<AssessArguments>()), 0) << err_.str();
    EXPECT_EQ(out_.str(), assessedByOptions);
    EXPECT_EQ(Out()["minutes"]["source"], 20);
}

TEST_F(VrdtoolAnalysisFile, OptionsBesideTheFileOverrideIt) {
    StatsArguments stats = FromFile<StatsArguments>();
    stats.threshold = "55";
    stats.from = "2011-05-12T07:00";
    stats.periods = "7,19,23"; // by hand: no longer the preset's
    stats.excludes = {"2011-05-12T07:00/2011-05-12T08:00"};
    ASSERT_EQ(Stats(stats), 0) << err_.str();
    nlohmann::json json = Out();
    EXPECT_EQ(json["threshold"], 55.0);
    EXPECT_EQ(json["from"], "2011-05-12T07:00");
    EXPECT_EQ(json["periods"]["day"], 7);
    EXPECT_TRUE(json["periods"]["preset"].is_null());
    EXPECT_EQ(json["minutes"]["excluded"], 120); // the file's rain and the hour given

    // FILEs given replace the file's reports.
    const std::string other = Put(
        "other.txt", "Chantier\n110487\n1 minute Leq Log\n" +
                         ConstantLevel(At("2011-05-14T08:00"), At("2011-05-14T09:00"), 40) + "\n");
    stats = FromFile<StatsArguments>();
    stats.files = {other};
    stats.preset = "uk";
    ASSERT_EQ(Stats(stats), 0) << err_.str();
    json = Out();
    EXPECT_EQ(json["files"], nlohmann::json::array({other}));
    EXPECT_EQ(json["periods"]["preset"], "uk");
    EXPECT_EQ(json["minutes"]["measured"], 60);

    AssessArguments assess = FromFile<AssessArguments>();
    assess.standard = "bs4142";
    ASSERT_EQ(Assess(assess), 0) << err_.str();
    EXPECT_EQ(Out()["standard"], "bs4142");
    // A mark given that overlaps one of the file's is named with where each came from.
    assess = FromFile<AssessArguments>();
    assess.residuals = {"2011-05-12T09:00/2011-05-12T09:45"};
    EXPECT_EQ(Assess(assess), 2);
    EXPECT_EQ(err_.str(), "vrdtool: " + analysis_ +
                              ": marks[1]: the source interval 2011-05-12T09:40/2011-05-12T10:00 "
                              "overlaps the residual interval 2011-05-12T09:00/2011-05-12T09:45 "
                              "of --residual; a minute is heard with the source or without it, "
                              "not both\n");
}

TEST_F(VrdtoolAnalysisFile, AReportTheFileNamesThatIsMissingIsNamedAndTheRestAnalysed) {
    const std::string both = Put("both.vrda", R"({"format": "vrd-analysis", "plain": true,
        "files": ["logs/thursday.txt", "logs/friday.txt"]})");
    StatsArguments stats;
    stats.analysis = both;
    EXPECT_EQ(Stats(stats), 1);
    EXPECT_EQ(Out()["minutes"]["measured"], 1140);
    EXPECT_EQ(err_.str().rfind("vrdtool: " + (folder_ / "logs/friday.txt").string() + ": ", 0), 0u)
        << err_.str();
}

TEST_F(VrdtoolAnalysisFile, AFileThatCannotBeUsedIsAUsageErrorNamingItAndItsKey) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"not json", "not a JSON document: "},
        {R"({"format": "vrd-report"})", "format: expects \"vrd-analysis\""},
        {R"({"format": "vrd-analysis", "version": 2})", "version: 2 is newer"},
        {R"({"format": "vrd-analysis", "threshold": "65"})", "threshold: expects"},
        {R"({"format": "vrd-analysis", "marks": [{"from": "2011-05-12T09:00", "to": "2011-05-12T09:00"}]})",
         "marks[0].to: "},
        {R"({"format": "vrd-analysis", "files": []})", ""},
    };
    for (const auto& [bytes, expected] : cases) {
        const std::string bad = Put("bad.vrda", bytes);
        const auto before = std::distance(std::filesystem::directory_iterator(folder_),
                                          std::filesystem::directory_iterator());
        StatsArguments stats;
        stats.analysis = bad;
        EXPECT_EQ(Stats(stats), 2) << bytes;
        EXPECT_EQ(out_.str(), "") << bytes;
        if (expected.empty())
            EXPECT_EQ(err_.str(), "vrdtool: FILE: is required: " + bad +
                                      " names no report, and no FILE was given\n");
        else
            EXPECT_EQ(err_.str().rfind("vrdtool: " + bad + ": " + expected, 0), 0u) << err_.str();
        AssessArguments assess;
        assess.analysis = bad;
        EXPECT_EQ(Assess(assess), 2) << bytes;
        EXPECT_EQ(Read(bad), bytes);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_),
                                std::filesystem::directory_iterator()),
                  before);
    }
    StatsArguments missing;
    missing.analysis = (folder_ / "none.vrda").string();
    EXPECT_EQ(Stats(missing), 2);
    EXPECT_EQ(err_.str().rfind("vrdtool: " + missing.analysis + ": ", 0), 0u) << err_.str();
    EXPECT_EQ(Stats(StatsArguments{}), 2);
    EXPECT_EQ(err_.str(), "vrdtool: FILE: is required: the reports to analyse\n");
}

TEST_F(VrdtoolAnalysisFile, AssessWithoutAStandardAnywhereAsksForOne) {
    const std::string none =
        Put("none.vrda", R"({"format": "vrd-analysis", "files": ["logs/thursday.txt"]})");
    AssessArguments assess;
    assess.analysis = none;
    EXPECT_EQ(Assess(assess), 2);
    EXPECT_EQ(err_.str(), "vrdtool: --standard: is required: fr-neighbourhood, fr-icpe or "
                          "bs4142\n");
}

// A meter's export whose LAFmax column the user chose in the window: vrdtool reads that column
// from the file's "columns", and --level-column typed beside it wins.
TEST_F(VrdtoolAnalysisFile, TheColumnsKeptForAnExportAreReadAndAnOptionBesideWins) {
    std::string csv = "Date;Heure;LAeq;LAFmax\n";
    for (int s = 0; s < 60; ++s)
        csv +=
            "12/05/2011;10:00:" + std::string(s < 10 ? "0" : "") + std::to_string(s) + ";50;70\n";
    const std::string meter = Put("logs/meter.csv", csv);
    const std::string analysis = Put("meter.vrda", R"({"format": "vrd-analysis",
        "files": ["logs/meter.csv"], "columns": {"logs/meter.csv": {"level": "LAFmax"}}})");
    StatsArguments stats;
    stats.analysis = analysis;
    ASSERT_EQ(Stats(stats), 0) << err_.str();
    EXPECT_EQ(Out()["files"], nlohmann::json::array({meter}));
    EXPECT_EQ(Out()["overall"]["leq"], 70.0);
    stats.levelColumn = "LAeq";
    ASSERT_EQ(Stats(stats), 0) << err_.str();
    EXPECT_EQ(Out()["overall"]["leq"], 50.0);
    // Without the key the LAeq is found.
    const std::string plain =
        Put("found.vrda", R"({"format": "vrd-analysis", "files": ["logs/meter.csv"]})");
    StatsArguments found;
    found.analysis = plain;
    ASSERT_EQ(Stats(found), 0) << err_.str();
    EXPECT_EQ(Out()["overall"]["leq"], 50.0);
}

} // namespace
} // namespace vrd
