#include "tools/vrdtool/assess_command.h"

#include "tests/core/minute_records.h"
#include "tests/core/temp_folder.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <sstream>

namespace vrd {
namespace {

using test::At;
using test::ConstantLevel;

// A plain report of a Thursday morning: 100 minutes at 50 dB from 08:00, then 20 at 62 dB while
// a fan runs, and a quiet hour at night.
std::string MorningReport() {
    const Minute start = At("2011-05-12T08:00");
    return "Chantier\n110487\n1 minute Leq Log\n" + ConstantLevel(start, start + 100, 50) +
           ConstantLevel(start + 100, start + 120, 62) +
           ConstantLevel(At("2011-05-13T01:00"), At("2011-05-13T02:00"), 35) + "\n";
}

std::vector<std::string> KeysOf(const nlohmann::ordered_json& object) {
    std::vector<std::string> keys;
    for (const auto& item : object.items())
        keys.push_back(item.key());
    return keys;
}

class VrdtoolAssess : public test::TempFolderTest {
  protected:
    int Run(AssessArguments arguments) {
        out_.str("");
        err_.str("");
        return RunAssess(arguments, out_, err_);
    }
    nlohmann::ordered_json Json(AssessArguments arguments, int expectedStatus = 0) {
        arguments.json = true;
        EXPECT_EQ(Run(arguments), expectedStatus) << err_.str();
        return nlohmann::ordered_json::parse(out_.str());
    }
    AssessArguments Morning(const char* standard) {
        AssessArguments arguments;
        arguments.files = {Put("morning.txt", MorningReport())};
        arguments.standard = standard;
        arguments.sources = {"2011-05-12T09:40/2011-05-12T10:00"};
        return arguments;
    }
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(VrdtoolAssess, EmergenceJsonHoldsExactlyItsKeys) {
    AssessArguments arguments = Morning("fr-neighbourhood");
    arguments.excludes = {"2011-05-13T01:50/2011-05-13T02:10"};
    const nlohmann::ordered_json json = Json(arguments);
    EXPECT_EQ(KeysOf(json),
              (std::vector<std::string>{"files", "from", "to", "standard", "indoors", "minutes",
                                        "marks_outside", "periods", "overall", "worst", "errors"}));
    EXPECT_EQ(json["from"], "2011-05-12T08:00");
    EXPECT_EQ(json["to"], "2011-05-13T02:00");
    EXPECT_EQ(json["standard"], "fr-neighbourhood");
    EXPECT_EQ(json["indoors"], false);
    EXPECT_EQ(json["minutes"].dump(),
              R"({"measured":170,"source":20,"residual":150,"excluded":10})");
    EXPECT_EQ(json["marks_outside"], 0);
    ASSERT_EQ(json["periods"].size(), 2u);
    EXPECT_EQ(json["periods"][0].dump(),
              R"({"date":"2011-05-12","period":"day","source_minutes":20,"residual_minutes":100,)"
              R"("ambient_leq":62,"ambient_l50":62,"indicator":"leq","ambient":62,)"
              R"("residual":50,"emergence":12,"term":4,"limit":9,"margin":-3,)"
              R"("verdict":"exceeds","conclusive":true,"notes":[]})");
    EXPECT_EQ(json["periods"][1].dump(),
              R"({"date":"2011-05-12","period":"night","source_minutes":0,"residual_minutes":50,)"
              R"("ambient_leq":null,"ambient_l50":null,"indicator":null,"ambient":null,)"
              R"("residual":null,"emergence":null,"term":null,"limit":null,"margin":null,)"
              R"("verdict":"no_data","conclusive":null,"notes":[]})");
    EXPECT_EQ(KeysOf(json["overall"]), (std::vector<std::string>{"day", "night"}));
    EXPECT_EQ(
        KeysOf(json["overall"]["day"]),
        (std::vector<std::string>{"source_minutes", "residual_minutes", "ambient_leq",
                                  "ambient_l50", "indicator", "ambient", "residual", "emergence",
                                  "term", "limit", "margin", "verdict", "conclusive", "notes"}));
    EXPECT_EQ(json["overall"]["day"]["emergence"], 12.0);
    EXPECT_EQ(json["worst"], json["periods"][0]);
    EXPECT_EQ(json["errors"].dump(), "[]");
}

TEST_F(VrdtoolAssess, BackgroundJsonHoldsExactlyItsKeys) {
    AssessArguments arguments = Morning("bs4142");
    arguments.indoors = true;
    const nlohmann::ordered_json json = Json(arguments);
    EXPECT_EQ(KeysOf(json),
              (std::vector<std::string>{"files", "from", "to", "standard", "indoors", "minutes",
                                        "marks_outside", "intervals", "background", "errors"}));
    EXPECT_EQ(json["indoors"], true);
    // 08:00 .. 23:00 by the hour, then 23:00 .. 02:00 by the quarter hour.
    ASSERT_EQ(json["intervals"].size(), 15u + 12u);
    EXPECT_EQ(json["intervals"][0].dump(),
              R"({"start":"2011-05-12T08:00","length":60,"period":"day","minutes":60,"l90":50})");
    // 09:00 .. 10:00 lost 20 minutes to the fan: 40 are too few.
    EXPECT_EQ(json["intervals"][1]["minutes"], 40);
    EXPECT_TRUE(json["intervals"][1]["l90"].is_null());
    EXPECT_EQ(
        json["intervals"][15].dump(),
        R"({"start":"2011-05-12T23:00","length":15,"period":"night","minutes":0,"l90":null})");
    EXPECT_EQ(json["intervals"][23]["l90"], 35.0);
    EXPECT_EQ(json["background"].dump(),
              R"({"day":{"count":1,"mode":50,"mode_count":1,"median":50,)"
              R"("histogram":[{"level":50,"count":1}]},)"
              R"("night":{"count":4,"mode":35,"mode_count":4,"median":35,)"
              R"("histogram":[{"level":35,"count":4}]}})");
}

TEST_F(VrdtoolAssess, TheSummaryTabulatesThePeriods) {
    ASSERT_EQ(Run(Morning("fr-icpe")), 0) << err_.str();
    const std::string text = out_.str();
    for (const char* expected :
         {"standard:   fr-icpe\n", "minutes:    180 measured: 20 source, 160 residual; 0 excluded",
          "2011-05-12 day     20    62.0    50.0     leq       12.0      5     exceeds\n",
          "2011-05-12 night   0     -       -        -         -         -     no_data\n",
          "overall    day     20    62.0", "worst:      2011-05-12 day, margin -7.0 dB (exceeds)"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;

    ASSERT_EQ(Run(Morning("bs4142")), 0) << err_.str();
    EXPECT_NE(out_.str().find("background, night: 4 intervals with an L90, mode 35 dB, median "
                              "35.0 dB\n  35 dB  " +
                              std::string(50, '#') + " 4\n"),
              std::string::npos)
        << out_.str();
    EXPECT_NE(out_.str().find("not, the LA90"), std::string::npos);
}

// An hour of 56 dB from 08:00 over two of 49 dB, and a night whose residual hour at 51 dB is
// louder than its source hour at 40.
std::string HourOverResidual() {
    return "Chantier\n110487\n1 minute Leq Log\n" +
           ConstantLevel(At("2011-05-12T08:00"), At("2011-05-12T09:00"), 56) +
           ConstantLevel(At("2011-05-12T09:00"), At("2011-05-12T11:00"), 49) +
           ConstantLevel(At("2011-05-12T23:00"), At("2011-05-13T00:00"), 51) +
           ConstantLevel(At("2011-05-13T00:00"), At("2011-05-13T01:00"), 40) + "\n";
}

TEST_F(VrdtoolAssess, WorkedByHandNotConclusiveAndNotes) {
    AssessArguments arguments;
    arguments.files = {Put("hour.txt", HourOverResidual())};
    arguments.standard = "fr-neighbourhood";
    arguments.sources = {"2011-05-12T08:00/2011-05-12T09:00", "2011-05-13T00:00/2011-05-13T01:00"};
    nlohmann::ordered_json json = Json(arguments);
    ASSERT_EQ(json["periods"].size(), 2u);
    // Emergence 7 against 5 + 3 for T = 60 min: compliant by 1 dB, not conclusive.
    const std::string day =
        R"({"source_minutes":60,"residual_minutes":120,"ambient_leq":56,"ambient_l50":56,)"
        R"("indicator":"leq","ambient":56,"residual":49,"emergence":7,"term":3,"limit":8,)"
        R"("margin":1,"verdict":"compliant","conclusive":false,"notes":[]})";
    EXPECT_EQ(json["periods"][0].dump(), R"({"date":"2011-05-12","period":"day",)" + day.substr(1));
    EXPECT_EQ(json["overall"]["day"].dump(), day);
    // 40 - 51 = -11 dB at night: compliant, with the note.
    EXPECT_EQ(json["periods"][1]["emergence"], -11);
    EXPECT_EQ(json["periods"][1]["verdict"], "compliant");
    EXPECT_EQ(json["periods"][1]["conclusive"], true);
    EXPECT_EQ(json["periods"][1]["notes"].dump(), R"(["residual_above_ambient"])");
    EXPECT_EQ(json["overall"]["night"]["notes"].dump(), R"(["residual_above_ambient"])");
    EXPECT_EQ(json["worst"]["date"], "2011-05-12");

    ASSERT_EQ(Run(arguments), 0) << err_.str();
    const std::string text = out_.str();
    for (const char* expected :
         {"2011-05-12 day     60    56.0    49.0     leq       7.0       8     not conclusive "
          "(compliant)\n",
          "2011-05-12 night   60    40.0    51.0     leq       -11.0     6     compliant "
          "[residual_above_ambient]\n",
          "overall    day     60    56.0    49.0     leq       7.0       8     not conclusive "
          "(compliant)\n",
          "worst:      2011-05-12 day, margin 1.0 dB (not conclusive, compliant)\n",
          "residual_above_ambient: the residual is louder than the ambient"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    EXPECT_EQ(text.find("short_residual"), std::string::npos);

    // A residual of 29 minutes is short, one of 30 is not.
    for (const auto& [to, notes] : {std::pair{"2011-05-12T09:29", R"(["short_residual"])"},
                                    std::pair{"2011-05-12T09:30", "[]"}}) {
        arguments.residuals = {std::string("2011-05-12T09:00/") + to};
        json = Json(arguments);
        EXPECT_EQ(json["periods"][0]["notes"].dump(), notes) << to;
        EXPECT_EQ(json["overall"]["day"]["notes"].dump(), notes) << to;
    }
    arguments.residuals = {"2011-05-12T09:00/2011-05-12T09:29"};
    ASSERT_EQ(Run(arguments), 0);
    EXPECT_NE(out_.str().find("short_residual: fewer than 30 residual minutes\n"),
              std::string::npos)
        << out_.str();
}

TEST_F(VrdtoolAssess, AMarkAYearAfterTheDataChangesNoFigureAndIsWarned) {
    AssessArguments arguments;
    arguments.files = {Put("hour.txt", HourOverResidual())};
    arguments.standard = "fr-neighbourhood";
    arguments.sources = {"2011-05-12T08:00/2011-05-12T09:00"};
    nlohmann::ordered_json before = Json(arguments);
    EXPECT_EQ(err_.str(), "");
    arguments.residuals = {"2012-05-12T08:00/2012-05-12T09:00"};
    arguments.excludes = {"2012-05-13T08:00/2012-05-13T09:00"};
    nlohmann::ordered_json after = Json(arguments);
    EXPECT_EQ(after["marks_outside"], 2);
    EXPECT_EQ(err_.str(), "vrdtool: 2 marks lie outside the reports' minutes: "
                          "2012-05-12T08:00/2012-05-12T09:00 2012-05-13T08:00/2012-05-13T09:00\n");
    after["marks_outside"] = 0;
    EXPECT_EQ(after, before);

    arguments.excludes.clear();
    ASSERT_EQ(Run(arguments), 0);
    EXPECT_EQ(err_.str(), "vrdtool: 1 mark lies outside the reports' minutes: "
                          "2012-05-12T08:00/2012-05-12T09:00\n");
}

TEST_F(VrdtoolAssess, TheModeOfUniqueLevelsIsNotRepresentative) {
    // Day hours of 40, 41 and 42 dB: each level once, mode_count 1.
    const Minute start = At("2011-05-12T08:00");
    AssessArguments arguments;
    arguments.files = {Put("hours.txt", "Chantier\n110487\n1 minute Leq Log\n" +
                                            ConstantLevel(start, start + 60, 40) +
                                            ConstantLevel(start + 60, start + 120, 41) +
                                            ConstantLevel(start + 120, start + 180, 42) + "\n")};
    arguments.standard = "bs4142";
    const nlohmann::ordered_json json = Json(arguments);
    EXPECT_EQ(json["background"]["day"]["mode"], 40);
    EXPECT_EQ(json["background"]["day"]["mode_count"], 1);
    EXPECT_EQ(json["background"]["day"]["median"], 41.0);
    ASSERT_EQ(Run(arguments), 0);
    EXPECT_NE(out_.str().find("background, day: 3 intervals with an L90, mode 40 dB (not "
                              "representative: no level repeats), median 41.0 dB\n"),
              std::string::npos)
        << out_.str();
}

TEST_F(VrdtoolAssess, AFileThatFailsIsReportedAndTheRestAssessed) {
    AssessArguments arguments = Morning("fr-neighbourhood");
    const std::string bad = Put("bad.vrd", "no code table here");
    arguments.files.push_back(bad);
    const nlohmann::ordered_json json = Json(arguments, 1);
    EXPECT_EQ(json["minutes"]["source"], 20);
    ASSERT_EQ(json["errors"].size(), 1u);
    EXPECT_EQ(json["errors"][0]["file"], bad);
    EXPECT_NE(err_.str().find("vrdtool: " + bad + ": "), std::string::npos) << err_.str();
}

TEST_F(VrdtoolAssess, MistakesInTheOptionsNameTheOption) {
    AssessArguments arguments = Morning("");
    EXPECT_EQ(Run(arguments), 2);
    EXPECT_EQ(err_.str(),
              "vrdtool: --standard: is required: fr-neighbourhood, fr-icpe or bs4142\n");
    arguments.standard = "fr";
    EXPECT_EQ(Run(arguments), 2);
    EXPECT_NE(
        err_.str().find("--standard: expects fr-neighbourhood, fr-icpe or bs4142, not \"fr\""),
        std::string::npos);
    arguments.standard = "bs4142";
    arguments.residuals = {"2011-05-12T09:59/2011-05-12T11:00"};
    EXPECT_EQ(Run(arguments), 2);
    EXPECT_NE(err_.str().find("--source: the source interval 2011-05-12T09:40/2011-05-12T10:00 "
                              "overlaps the residual interval 2011-05-12T09:59/2011-05-12T11:00 "
                              "of --residual"),
              std::string::npos)
        << err_.str();
    EXPECT_EQ(out_.str(), "");
}

TEST_F(VrdtoolAssess, ExitStatusOfTheProgram) {
    const std::string tool = VRDTOOL_PATH;
    const auto run = [&](const std::string& arguments) {
        const int status =
            std::system((tool + " assess " + arguments + " >/dev/null 2>&1").c_str());
        return WEXITSTATUS(status);
    };
    const std::string file = Put("morning.txt", MorningReport());
    const std::string marks = Put("marks.txt", "source 2011-05-12T09:40/2011-05-12T10:00 the fan\n"
                                               "residual 2011-05-12T08:00/2011-05-12T09:40\n");
    EXPECT_EQ(run(file + " --standard fr-neighbourhood --indoors --marks-file " + marks), 0);
    EXPECT_EQ(run(file + " --standard fr-icpe --exclude-file " + marks + " --json"), 0);
    EXPECT_EQ(run(file + " /nonexistent.vrd --standard bs4142"), 1);
    EXPECT_EQ(run(file), 2);
    EXPECT_EQ(run(file + " --standard bs4142 --threshold 65"), 2);
    EXPECT_EQ(run("--standard bs4142"), 2);
}

} // namespace
} // namespace vrd

namespace vrd {
namespace {

class VrdtoolAssessOfExports : public test::TempFolderTest {};

TEST_F(VrdtoolAssessOfExports, Bs4142SaysTheBackgroundComesFromTheMetersLa90) {
    std::string csv = "Time;LAeq;LAF90\n";
    const Millis start = MillisOf(test::At("2025-03-22T10:00"));
    for (int s = 0; s < 3600; ++s) {
        std::string time = FormatMillis(start + s * kMillisPerSecond);
        time[10] = ' ';
        csv += time + ";50,5;" + (s % 2 == 0 ? "31,0" : "33,0") + "\n";
    }
    AssessArguments arguments;
    arguments.files = {Put("hour.csv", csv)};
    arguments.standard = "bs4142";
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(RunAssess(arguments, out, err), 0) << err.str();
    EXPECT_NE(out.str().find("the mean of the meter's LA90"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("32 dB"), std::string::npos) << out.str();

    // Without the LA90 column the background is a statistical level of the seconds, said so.
    arguments.l90Column = "none";
    std::ostringstream withoutL90;
    ASSERT_EQ(RunAssess(arguments, withoutL90, err), 0) << err.str();
    EXPECT_NE(withoutL90.str().find("the Leq values of its 1 s samples"), std::string::npos)
        << withoutL90.str();
    EXPECT_EQ(withoutL90.str().find("1-minute"), std::string::npos) << withoutL90.str();
}

} // namespace
} // namespace vrd
