#include "testkit/report_builder.h"
#include "tests/core/temp_folder.h"
#include "tools/vrdtool/batch.h"
#include "tools/vrdtool/commands.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace vrd {
namespace {

namespace fs = std::filesystem;
using test::LevelRecord;
using test::Line;

const std::string kHyphens(39, '-');

class Vrdtool : public test::TempFolderTest {
  protected:
    nlohmann::ordered_json Show(const std::string& file, int expectedStatus, bool plain = false) {
        std::ostringstream out, err;
        EXPECT_EQ(RunShow({file, plain}, true, out, err), expectedStatus) << err.str();
        return nlohmann::ordered_json::parse(out.str());
    }
};

// "ab" and a line feed as table entries 0, 1 and 2.
std::string EncodedAbLines() {
    return std::string("ab\n@x") + "1"
                                   "01"
                                   "001"
                                   "1"
                                   "001"
                                   "1";
}

const std::string kReport = Line("Chantier Rue des Lilas") + Line("SN1") +
                            Line("1 minute Leq Log") + LevelRecord("10:00", "80") +
                            LevelRecord("10:01", "59") + Line("") + "\n";

TEST_F(Vrdtool, ShowJsonHoldsTheWholeStateAfterOpening) {
    const std::string path = Put("day.txt", kReport);
    const nlohmann::ordered_json json = Show(path, 0);
    std::vector<std::string> keys;
    for (const auto& item : json.items())
        keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"file", "report", "caption", "site", "serial",
                                              "lists", "minute_lines", "leq5", "leq10", "chart",
                                              "error", "error_stage"}));
    EXPECT_EQ(json["file"], path);
    EXPECT_EQ(json["caption"], path);
    EXPECT_EQ(json["report"], kReport);
    EXPECT_EQ(json["site"], "Chantier Rue des Lilas\n");
    EXPECT_EQ(json["serial"], "SN1\n");
    EXPECT_EQ(json["lists"].size(), 7u);
    EXPECT_EQ(json["lists"]["List_Leq1"].size(), 7u);
    EXPECT_EQ(json["lists"]["List_Leq1"][6], LevelRecord("10:00", "80").substr(0, 34));
    EXPECT_EQ(json["lists"]["List_event"].size(), 0u);
    EXPECT_EQ(json["minute_lines"], LevelRecord("10:00", "80") + LevelRecord("10:01", "59"));
    EXPECT_EQ(json["leq5"], 74);
    EXPECT_TRUE(json["error"].is_null());
    EXPECT_TRUE(json["error_stage"].is_null());
    EXPECT_EQ(json["chart"], nlohmann::ordered_json::array({{"12/05/2011-10h", " 80"}}));
}

TEST_F(Vrdtool, FailuresStillPrintTheStateAsItStands) {
    nlohmann::ordered_json json = Show((folder_ / "missing.vrd").string(), 1);
    EXPECT_EQ(json["error_stage"], "read");
    EXPECT_EQ(json["report"], "");
    EXPECT_EQ(json["site"], "name"); // the labels keep their designed texts
    EXPECT_EQ(json["serial"], "serial");

    json = Show(Put("bad.vrd", "no table end here"), 1);
    EXPECT_EQ(json["error_stage"], "decode");

    json = Show(Put("long.vrd", "ab@x"
                                "1" +
                                    std::string(256, '0') +
                                    "1"
                                    "1"),
                1);
    EXPECT_EQ(json["error_stage"], "decode");
    EXPECT_EQ(json["report"], "a");

    json = Show(Put("nolevels.txt", "S\nN\n\n\n"), 1);
    EXPECT_EQ(json["error_stage"], "parse");
    EXPECT_EQ(json["lists"]["List_Leq5"].size(), 3u);
}

TEST_F(Vrdtool, BytesAboveAsciiSurviveAsTheSameCodePoints) {
    const nlohmann::ordered_json json = Show(Put("accents.txt", "Caf\xe9 \xff\nS\n\n"), 1);
    EXPECT_EQ(json["site"], "Caf\u00e9 \u00ff\n");
}

TEST_F(Vrdtool, EncodedFilesAreRecognisedByTheirNameInAnyCase) {
    EXPECT_EQ(Show(Put("x.VRD", EncodedAbLines()), 1)["report"], "ab\na\n");
    EXPECT_EQ(Show(Put("x.vrd", EncodedAbLines()), 1, true)["report"], EncodedAbLines());
}

TEST_F(Vrdtool, ExportsWriteWhatSaveAsWrites) {
    const std::string input = Put("day.vrd", EncodedAbLines());
    std::ostringstream out, err;
    ASSERT_EQ(RunExport({input, false}, ExportFormat::Text, "", out, err), 0) << err.str();
    EXPECT_EQ(out.str(), "ab\na\n\r\n");

    const fs::path csv = folder_ / "day decrypt.csv";
    ASSERT_EQ(RunExport({input, false}, ExportFormat::Csv, csv.string(), out, err), 0);
    EXPECT_EQ(Read(csv), "ab\n\r\n");
}

TEST_F(Vrdtool, AFailedExportLeavesTheExistingOutputAlone) {
    const std::string kept = Put("kept.txt", "precious");
    std::ostringstream out, err;
    EXPECT_EQ(RunExport({Put("bad.vrd", "no table"), false}, ExportFormat::Text, kept, out, err),
              1);
    EXPECT_EQ(Read(kept), "precious");
    EXPECT_NE(err.str().find("bad.vrd: no \"@\""), std::string::npos) << err.str();
    EXPECT_EQ(out.str(), "");
}

// The summary once took the line after a heading found again in the lists, so a report line that
// read like the heading gave a maximum the failed parse never listed.
TEST_F(Vrdtool, TheSummaryShowsOnlyMaximaThatTheParseListed) {
    const std::string report = Line("S") + Line("N") + Line("1 minute Leq Log") +
                               LevelRecord("10:00", "80") + Line("1 minute Leq Log Max         ") +
                               Line(kHyphens) + LevelRecord("10:01", "6x") + "\n";
    std::ostringstream out, err;
    EXPECT_EQ(RunShow({Put("looks like it.txt", report), false}, false, out, err), 1);
    EXPECT_NE(out.str().find("maximum 1 minute:   (none)\n"), std::string::npos) << out.str();

    std::ostringstream good, goodErr;
    EXPECT_EQ(RunShow({Put("day.txt", kReport), false}, false, good, goodErr), 0);
    EXPECT_NE(good.str().find("maximum 1 minute:   12/05/2011 - 10:00    Leq <  80 dB\n"),
              std::string::npos)
        << good.str();
}

TEST_F(Vrdtool, ExitStatusOfTheProgram) {
    const std::string tool = VRDTOOL_PATH;
    const auto run = [&](const std::string& arguments) {
        const int status = std::system((tool + " " + arguments + " >/dev/null 2>&1").c_str());
        return WEXITSTATUS(status);
    };
    EXPECT_EQ(run("--help"), 0);
    EXPECT_EQ(run(""), 2);
    EXPECT_EQ(run("show"), 2);
    EXPECT_EQ(run("frobnicate x"), 2);
    EXPECT_EQ(run("show " + Put("ok.txt", kReport)), 0);
    EXPECT_EQ(run("show /nonexistent.vrd"), 1);
    EXPECT_EQ(run("txt " + Put("ok.txt", kReport) + " -o /dev/null"), 0);
}

} // namespace
} // namespace vrd

namespace vrd {
namespace {

TEST(VrdtoolBatch, OutputsAreNamedLikeTheirInputs) {
    EXPECT_EQ(BatchOutputPath("out", "/data/day 1.vrd", ExportFormat::Csv), "out/day 1.csv");
    EXPECT_EQ(BatchOutputPath("out/", "day.VRD", ExportFormat::Text), "out/day.txt");
    EXPECT_EQ(BatchOutputPath("out", "noextension", ExportFormat::Csv), "out/noextension.csv");
    EXPECT_EQ(BatchOutputPath("out", "dir.d/.hidden", ExportFormat::Csv), "out/.hidden.csv");
}

TEST_F(Vrdtool, BatchConvertsTheRestAfterAFailureAndNeverOverwritesItsInputs) {
    const std::string good = Put("good.vrd", EncodedAbLines());
    const std::string sameName = Put("good.txt", "other report\n\n");
    const std::string bad = Put("bad.vrd", "no table");
    fs::create_directories(folder_ / "out");
    std::ostringstream out, err;
    EXPECT_EQ(RunBatchExport({bad, good, sameName}, false, ExportFormat::Csv,
                             (folder_ / "out").string(), out, err),
              1);
    EXPECT_EQ(Read(folder_ / "out" / "good.csv"), "ab\n\r\n"); // the first of the two names
    EXPECT_FALSE(fs::exists(folder_ / "out" / "bad.csv"));
    EXPECT_NE(out.str().find(good + " -> "), std::string::npos) << out.str();
    EXPECT_NE(err.str().find(sameName + ": an earlier file"), std::string::npos) << err.str();

    // A text export into the reports' own folder would replace good.txt with itself.
    std::ostringstream out2, err2;
    EXPECT_EQ(RunBatchExport({sameName}, false, ExportFormat::Text, folder_.string(), out2, err2),
              1);
    EXPECT_EQ(Read(sameName), "other report\n\n");
}

} // namespace
} // namespace vrd
