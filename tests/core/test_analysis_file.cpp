#include "options/analysis_file.h"
#include "options/report_paths.h"

#include "tests/core/minute_records.h"
#include "tests/core/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vrd {
namespace {

using test::At;

// The example of the file's description: a source mark, the periods of the default preset.
constexpr const char* kWeek = R"({"format": "vrd-analysis", "version": 1,
 "files": ["week19.vrd", "../logs/week20.vrd"],
 "plain": false, "from": "2011-05-12T07:00", "to": null,
 "threshold": 65, "preset": null, "periods": [7, 19, 23], "penalties": [5, 10],
 "min_coverage": 0.5, "standard": "fr-neighbourhood", "indoors": false, "who": null,
 "marks": [{"kind": "source", "from": "2011-05-12T08:00", "to": "2011-05-12T09:30",
            "reason": "breaker"}]})";

AnalysisDocument Parsed(std::string_view bytes, const std::string& path = "/a/b/week.vrda") {
    const AnalysisFileRead read = ParseAnalysisFile(bytes, path);
    EXPECT_TRUE(read.document) << read.error;
    return read.document.value_or(AnalysisDocument{});
}

std::string Formatted(const AnalysisDocument& document,
                      const std::string& path = "/a/b/week.vrda") {
    const AnalysisFileBytes written = FormatAnalysisFile(document, path);
    EXPECT_FALSE(written.error) << *written.error;
    return written.bytes;
}

std::string ErrorOf(std::string_view bytes) {
    const AnalysisFileRead read = ParseAnalysisFile(bytes, "week.vrda");
    EXPECT_FALSE(read.document) << bytes;
    return read.error;
}

TEST(AnalysisFile, TheExampleReadsWithItsReportsFromItsFolder) {
    const AnalysisDocument document = Parsed(kWeek);
    EXPECT_EQ(document.files, (std::vector<std::string>{"/a/b/week19.vrd", "/a/logs/week20.vrd"}));
    EXPECT_EQ(document.fromTime, MillisOf(At("2011-05-12T07:00")));
    EXPECT_FALSE(document.toTime);
    EXPECT_EQ(document.threshold, 65.0);
    EXPECT_EQ(document.preset, "");
    EXPECT_EQ(document.standard, Standard::FrNeighbourhood);
    ASSERT_EQ(document.marks.size(), 1u);
    EXPECT_EQ(document.marks[0].kind, MarkKind::Source);
    EXPECT_EQ(document.marks[0].span.end, MillisOf(At("2011-05-12T09:30")));
    EXPECT_EQ(document.marks[0].reason, "breaker");
    // Read from a relative path, the reports stay relative to the current folder.
    EXPECT_EQ(Parsed(kWeek, "week.vrda").files,
              (std::vector<std::string>{"week19.vrd", "../logs/week20.vrd"}));
    EXPECT_EQ(Parsed(kWeek, "x/week.vrda").files,
              (std::vector<std::string>{"x/week19.vrd", "logs/week20.vrd"}));
}

TEST(AnalysisFile, OnlyTheFormatIsNeededAndTheRestTakesItsDefaults) {
    const AnalysisDocument document = Parsed(R"({"format": "vrd-analysis"})");
    const AnalysisDocument defaults;
    EXPECT_TRUE(document.files.empty());
    EXPECT_FALSE(document.plain || document.fromTime || document.toTime || document.threshold);
    EXPECT_EQ(document.preset, "eu");
    EXPECT_EQ(document.periods.night, defaults.periods.night);
    EXPECT_EQ(document.minimumCoverage, kDefaultMinimumCoverage);
    EXPECT_FALSE(document.standard || document.indoors || document.who);
    EXPECT_TRUE(document.marks.empty() && document.otherKeys.empty());
    // A preset sets its periods; periods alone are set by hand.
    EXPECT_EQ(Parsed(R"({"format": "vrd-analysis", "preset": "us-ldn"})").periods.evening, 22);
    const AnalysisDocument byHand = Parsed(R"({"format": "vrd-analysis", "periods": [6, 18, 22]})");
    EXPECT_EQ(byHand.preset, "");
    EXPECT_EQ(byHand.periods.day, 6);
    EXPECT_EQ(byHand.periods.nightPenalty, 10);
    // A mark without a kind is an exclusion, as in a marks file.
    const AnalysisDocument mark = Parsed(
        R"({"format": "vrd-analysis", "marks": [{"from": "2011-05-12T08:00", "to": "2011-05-12T09:00"}]})");
    ASSERT_EQ(mark.marks.size(), 1u);
    EXPECT_EQ(mark.marks[0].kind, MarkKind::Exclude);
    EXPECT_EQ(mark.marks[0].reason, "");
}

TEST(AnalysisFile, SaveOpenSaveGivesTheSameBytesWithUnknownKeysKept) {
    AnalysisDocument document = Parsed(R"({"format": "vrd-analysis", "version": 1,
        "comment": "the bakery, week 19", "files": ["week19.vrd"],
        "client": {"name": "Mairie", "ref": [1, 2.5, null]}, "threshold": 62.5})");
    EXPECT_EQ(document.otherKeys, (std::vector<std::pair<std::string, std::string>>{
                                      {"comment", "\"the bakery, week 19\""},
                                      {"client", R"({"name":"Mairie","ref":[1,2.5,null]})"}}));
    document.marks = {
        {MarkKind::Exclude, test::Minutes("2011-05-12T14:00", "2011-05-12T16:30"), "rain"},
        {MarkKind::Residual, test::Minutes("2011-05-13T02:00", "2011-05-13T04:30"),
         "la boulangerie fermée \"lundi\""}};
    document.standard = Standard::Bs4142;
    document.who = WhoSource::Aircraft;
    document.indoors = true;
    document.plain = true;
    document.toTime = MillisOf(At("2011-05-20T00:00"));
    document.minimumCoverage = 0.75;
    const std::string saved = Formatted(document);
    const std::string again = Formatted(Parsed(saved));
    EXPECT_EQ(again, saved);
    EXPECT_EQ(Formatted(Parsed(again)), saved);
    // The keys in their fixed order, the kept ones after; whole numbers without a fraction.
    const std::string expectedStart = "{\n  \"format\": \"vrd-analysis\",\n  \"version\": 1,\n"
                                      "  \"files\": [\n    \"week19.vrd\"\n  ],\n"
                                      "  \"plain\": true,\n  \"from\": null,\n"
                                      "  \"to\": \"2011-05-20T00:00\",\n  \"threshold\": 62.5,\n"
                                      "  \"preset\": \"eu\",\n  \"periods\": [\n    7,\n";
    EXPECT_EQ(saved.substr(0, expectedStart.size()), expectedStart);
    EXPECT_NE(saved.find("\"penalties\": [\n    5,\n    10\n  ],\n  \"min_coverage\": 0.75,\n"),
              std::string::npos);
    EXPECT_NE(saved.find("\"comment\": \"the bakery, week 19\",\n  \"client\": {"),
              std::string::npos);
    EXPECT_NE(saved.find("fermée \\\"lundi\\\""), std::string::npos);
    EXPECT_EQ(saved.back(), '\n');
    document.threshold = 65;
    EXPECT_NE(Formatted(document).find("\"threshold\": 65,"), std::string::npos);
}

TEST(AnalysisFile, AReasonInAnotherEncodingKeepsItsLetters) {
    AnalysisDocument document;
    document.marks = {{MarkKind::Exclude, test::Minutes("2011-05-12T14:00", "2011-05-12T15:00"),
                       "pluie d'\xE9t\xE9"}}; // Latin-1, as an old marks file may hold it
    const AnalysisDocument read = Parsed(Formatted(document));
    EXPECT_EQ(read.marks.at(0).reason, "pluie d'\xC3\xA9t\xC3\xA9");
}

TEST(AnalysisFile, SettingsComeAndGoWithTheDocument) {
    AnalysisDocument document = Parsed(kWeek);
    document.marks.push_back(
        {MarkKind::Exclude, test::Minutes("2011-05-12T14:00", "2011-05-12T16:30"), "rain"});
    const AnalysisSettings settings = DocumentSettings(document);
    ASSERT_EQ(settings.exclusions.size(), 1u);
    EXPECT_EQ(settings.exclusions[0].reason, "rain");
    ASSERT_EQ(settings.marks.size(), 1u);
    EXPECT_EQ(settings.marks[0].kind, MarkKind::Source);
    EXPECT_EQ(settings.threshold, 65.0);
    AnalysisDocument back = document;
    PutSettings(back, settings);
    ASSERT_EQ(back.marks.size(), 2u);
    EXPECT_EQ(back.marks[0].reason, "rain"); // exclusions first
    EXPECT_EQ(back.marks[1].reason, "breaker");
    // Periods changed by hand after a preset leave the preset.
    AnalysisSettings changed = settings;
    changed.preset = "eu";
    PutSettings(back, changed);
    EXPECT_EQ(back.preset, "eu");
    changed.periods.night = 22;
    PutSettings(back, changed);
    EXPECT_EQ(back.preset, "");
}

TEST(AnalysisFile, EveryMistakeNamesItsKey) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"{\"format\": \"vrd-analysis\",", "not a JSON document: parse error at line 1, column"},
        {"", "not a JSON document: "},
        // Found by fuzz_analysis_file: the parser throws another exception for it.
        {R"({"format": "vrd-analysis", "threshold": 1E999})",
         "not a JSON document: number overflow parsing '1E999'"},
        {"[1, 2]", "expects a JSON object with \"format\": \"vrd-analysis\", not [1,2]"},
        {"{}", "format: is missing"},
        {R"({"format": "vrd-report"})", "format: expects \"vrd-analysis\", not \"vrd-report\""},
        {R"({"format": "vrd-analysis", "version": 2})",
         "version: 2 is newer than this program reads (1)"},
        {R"({"format": "vrd-analysis", "version": "1"})", "version: expects a whole number"},
        {R"({"format": "vrd-analysis", "files": "week.vrd"})", "files: expects a list"},
        {R"({"format": "vrd-analysis", "files": ["a.vrd", 3]})",
         "files[1]: expects the path of a report, not 3"},
        {R"({"format": "vrd-analysis", "files": [""]})", "files[0]: expects the path"},
        {R"({"format": "vrd-analysis", "plain": "no"})", "plain: expects true or false"},
        {R"({"format": "vrd-analysis", "from": "2011-05-12 07:00"})",
         "from: expects a time yyyy-mm-ddThh:mm[:ss], not \"2011-05-12 07:00\""},
        {R"({"format": "vrd-analysis", "from": "2011-05-12T07:00", "to": "2011-05-12T07:00"})",
         "to: \"2011-05-12T07:00\" must be after from"},
        {R"({"format": "vrd-analysis", "threshold": "65"})",
         "threshold: expects a level in dB or null, not \"65\""},
        {R"({"format": "vrd-analysis", "preset": "de"})",
         "preset: expects eu, fr, it, uk, us-ldn or us-cnel or null, not \"de\""},
        {R"({"format": "vrd-analysis", "preset": "eu", "periods": [6, 18, 22]})",
         "periods: [6,18,22] are not those of the preset \"eu\""},
        {R"({"format": "vrd-analysis", "periods": [7, 19]})", "periods: expects [D, E, N]"},
        {R"({"format": "vrd-analysis", "periods": [7, 23, 19]})", "periods: "},
        {R"({"format": "vrd-analysis", "penalties": [5, "10"]})", "penalties: expects [PE, PN]"},
        {R"({"format": "vrd-analysis", "min_coverage": 1.5})",
         "min_coverage: expects a share from 0 to 1, not 1.5"},
        {R"({"format": "vrd-analysis", "standard": "iso1996"})", "standard: expects"},
        {R"({"format": "vrd-analysis", "indoors": 1})", "indoors: expects true or false"},
        {R"({"format": "vrd-analysis", "who": "trams"})", "who: expects road, rail"},
        {R"({"format": "vrd-analysis", "marks": {}})", "marks: expects a list of marks"},
        {R"({"format": "vrd-analysis", "marks": [{"from": "2011-05-12T08:00", "to": "2011-05-12T09:00"},
            {"from": "2011-05-12T08:00", "to": "2011-05-12T09:00"},
            {"from": "2011-13-01T00:00", "to": "2011-05-12T09:00"}]})",
         "marks[2].from: expects a time yyyy-mm-ddThh:mm[:ss], not \"2011-13-01T00:00\""},
        {R"({"format": "vrd-analysis", "marks": [{"from": "2011-05-12T09:00", "to": "2011-05-12T08:00"}]})",
         "marks[0].to: \"2011-05-12T08:00\" must be after its from \"2011-05-12T09:00\""},
        {R"({"format": "vrd-analysis", "marks": [{"from": "2011-05-12T09:00"}]})",
         "marks[0].to: is missing"},
        {R"({"format": "vrd-analysis", "marks": [{"from": null, "to": "2011-05-12T08:00"}]})",
         "marks[0].from: expects a time yyyy-mm-ddThh:mm[:ss], not null"},
        {R"({"format": "vrd-analysis", "marks": [{"kind": "rain", "from": "2011-05-12T08:00", "to": "2011-05-12T09:00"}]})",
         "marks[0].kind: expects exclude, source or residual, not \"rain\""},
        {R"({"format": "vrd-analysis", "marks": [{"from": "2011-05-12T08:00", "to": "2011-05-12T09:00", "reason": 7}]})",
         "marks[0].reason: expects a text, not 7"},
        {R"({"format": "vrd-analysis", "marks": [
            {"kind": "residual", "from": "2011-05-12T08:00", "to": "2011-05-12T09:00"},
            {"kind": "source", "from": "2011-05-12T08:30", "to": "2011-05-12T10:00"}]})",
         "marks[1]: the source interval 2011-05-12T08:30/2011-05-12T10:00 overlaps the residual "
         "interval 2011-05-12T08:00/2011-05-12T09:00 of marks[0]"},
    };
    for (const auto& [bytes, expected] : cases)
        EXPECT_EQ(ErrorOf(bytes).substr(0, expected.size()), expected) << bytes;
}

// The problem of each mistake, as the window words it, and its English word for word.
TEST(AnalysisFile, EveryMistakeIsAKindWithItsValuesAndItsEnglish) {
    using Kind = AnalysisFileProblemKind;
    using Expect = AnalysisFileExpectation;
    struct Case {
        std::string bytes;
        Kind kind;
        std::string key;
        std::string value;
        std::string detail;
        std::string english;
    };
    const std::string head = R"({"format": "vrd-analysis", )";
    const std::vector<Case> cases = {
        {"", Kind::NotJson, "", "",
         "parse error at line 1, column 1: syntax error while parsing value - unexpected end of "
         "input; expected '[', '{', or a literal",
         "not a JSON document: parse error at line 1, column 1: syntax error while parsing value "
         "- unexpected end of input; expected '[', '{', or a literal"},
        {"[1, 2]", Kind::NotAnObject, "", "[1,2]", "",
         "expects a JSON object with \"format\": \"vrd-analysis\", not [1,2]"},
        {"{}", Kind::FormatMissing, "format", "", "",
         "format: is missing: this is no analysis file, whose \"format\" is \"vrd-analysis\""},
        {head + R"("version": 2})", Kind::VersionTooNew, "version", "2", "",
         "version: 2 is newer than this program reads (1): open it with a newer version of the "
         "program"},
        {head + R"("from": "2011-05-12T08:00", "to": "2011-05-12T07:00"})", Kind::ToNotAfterFrom,
         "to", "\"2011-05-12T07:00\"", "\"2011-05-12T08:00\"",
         "to: \"2011-05-12T07:00\" must be after from \"2011-05-12T08:00\""},
        {head + R"("preset": null, "periods": [7, 23, 19]})", Kind::PeriodsOutOfOrder, "periods",
         "[7,23,19]", "",
         "periods: the day, evening and night hours must be increasing within 0..23, the day "
         "before the evening (an empty evening has evening = night), not [7,23,19]"},
        {head + R"("preset": "fr", "periods": [7, 19, 23]})", Kind::NotThePresetsPeriods, "periods",
         "[7,19,23]", "fr",
         "periods: [7,19,23] are not those of the preset \"fr\": give \"preset\": null to set "
         "them by hand"},
        // Penalties of another preset beside its name, and no periods: the penalties are named.
        {head + R"("preset": "fr", "penalties": [5, 9]})", Kind::NotThePresetsPeriods, "penalties",
         "[5,9]", "fr",
         "penalties: [5,9] are not those of the preset \"fr\": give \"preset\": null to set them "
         "by hand"},
        {head + R"("marks": [{"from": "2011-05-12T09:00"}]})", Kind::MarkEndMissing, "marks[0].to",
         "", "", "marks[0].to: is missing: a mark needs its from and its to"},
        {head + R"("marks": [{"from": "2011-05-12T09:00", "to": "2011-05-12T08:00"}]})",
         Kind::MarkToNotAfterFrom, "marks[0].to", "\"2011-05-12T08:00\"", "\"2011-05-12T09:00\"",
         "marks[0].to: \"2011-05-12T08:00\" must be after its from \"2011-05-12T09:00\""},
        {head + R"("marks": [{"from": "2011-05-12T08:00", "to": "2011-05-12T09:00",
            "reason": ["a very long reason that goes on and on and on and on and on", 5]}]})",
         Kind::Expected, "marks[0].reason",
         "[\"a very long reason that goes on and on and on and on an...", "",
         "marks[0].reason: expects a text, not [\"a very long reason that goes on and on and on "
         "and on an..."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        const AnalysisFileRead read = ParseAnalysisFile(c.bytes, "week.vrda");
        ASSERT_TRUE(read.problem);
        EXPECT_EQ(read.problem->kind, c.kind);
        EXPECT_EQ(read.problem->key, c.key);
        EXPECT_EQ(read.problem->value, c.value);
        EXPECT_EQ(read.problem->detail, c.detail);
        EXPECT_EQ(read.error, c.english);
        EXPECT_EQ(AnalysisFileProblemText(*read.problem), c.english);
    }

    // What was expected instead, with the names to choose from where there are some.
    const std::vector<std::tuple<std::string, Expect, std::string>> expected = {
        {R"({"format": "vrd-report"})", Expect::FormatName,
         "format: expects \"vrd-analysis\", not \"vrd-report\""},
        {head + R"("version": 0})", Expect::Version,
         "version: expects a whole number from 1, not 0"},
        {head + R"("files": "week.vrd"})", Expect::ReportList,
         "files: expects a list of the paths of reports, not \"week.vrd\""},
        {head + R"("files": ["a.vrd", 3]})", Expect::ReportPath,
         "files[1]: expects the path of a report, not 3"},
        {head + R"("indoors": 1})", Expect::TrueOrFalse, "indoors: expects true or false, not 1"},
        {head + R"("to": 5})", Expect::MinuteTime,
         "to: expects a time yyyy-mm-ddThh:mm[:ss], not 5"},
        {head + R"("threshold": "65"})", Expect::Level,
         "threshold: expects a level in dB or null, not \"65\""},
        {head + R"("min_coverage": 1.5})", Expect::Share,
         "min_coverage: expects a share from 0 to 1, not 1.5"},
        {head + R"("who": "trams"})", Expect::NameOrNull,
         "who: expects road, rail, aircraft or wind or null, not \"trams\""},
        {head + R"("periods": [24, 23, 19]})", Expect::PeriodHours,
         "periods: expects [D, E, N], the hours that start the day, the evening and the night, "
         "not [24,23,19]"},
        {head + R"("penalties": [5, "10"]})", Expect::Penalties,
         "penalties: expects [PE, PN], the evening and night penalties in dB, not [5,\"10\"]"},
        {head + R"("marks": {}})", Expect::MarkList, "marks: expects a list of marks, not {}"},
        {head + R"("marks": [3]})", Expect::MarkObject,
         "marks[0]: expects a mark {\"kind\", \"from\", \"to\", \"reason\"}, not 3"},
        {head +
             R"("marks": [{"kind": "rain", "from": "2011-05-12T08:00", "to": "2011-05-12T09:00"}]})",
         Expect::KindName, "marks[0].kind: expects exclude, source or residual, not \"rain\""},
    };
    for (const auto& [bytes, what, english] : expected) {
        SCOPED_TRACE(bytes);
        const AnalysisFileRead read = ParseAnalysisFile(bytes, "week.vrda");
        ASSERT_TRUE(read.problem);
        EXPECT_EQ(read.problem->kind, Kind::Expected);
        EXPECT_EQ(read.problem->expected, what);
        EXPECT_EQ(read.error, english);
    }
    const AnalysisFileRead preset = ParseAnalysisFile(head + R"("preset": "de"})", "week.vrda");
    ASSERT_TRUE(preset.problem);
    EXPECT_EQ(preset.problem->names,
              (std::vector<std::string>{"eu", "fr", "it", "uk", "us-ldn", "us-cnel"}));
    EXPECT_EQ(preset.error,
              "preset: expects eu, fr, it, uk, us-ldn or us-cnel or null, not \"de\"");

    const AnalysisFileRead overlap = ParseAnalysisFile(head + R"("marks": [
        {"kind": "residual", "from": "2011-05-12T08:00", "to": "2011-05-12T09:00"},
        {"kind": "source", "from": "2011-05-12T08:30", "to": "2011-05-12T10:00"}]})",
                                                       "week.vrda");
    ASSERT_TRUE(overlap.problem);
    EXPECT_EQ(overlap.problem->kind, Kind::MarksOverlap);
    EXPECT_EQ(overlap.problem->key, "marks[1]");
    EXPECT_EQ(overlap.problem->number, 0);
    EXPECT_EQ(overlap.problem->source, (test::Minutes("2011-05-12T08:30", "2011-05-12T10:00")));
    EXPECT_EQ(overlap.problem->residual, (test::Minutes("2011-05-12T08:00", "2011-05-12T09:00")));
    EXPECT_EQ(overlap.error, "marks[1]: the source interval 2011-05-12T08:30/2011-05-12T10:00 "
                             "overlaps the residual interval 2011-05-12T08:00/2011-05-12T09:00 "
                             "of marks[0]; a minute is heard with the source or without it, not "
                             "both");
}

class AnalysisFileOnDisk : public test::TempFolderTest {};

TEST_F(AnalysisFileOnDisk, AFileThatCannotBeReadIsNamedWithTheReason) {
    const std::string missing = (folder_ / "none.vrda").string();
    const AnalysisFileRead read = ReadAnalysisFile(missing);
    EXPECT_FALSE(read.document);
    EXPECT_EQ(read.error.rfind(missing + ": ", 0), 0u) << read.error;
    ASSERT_TRUE(read.problem);
    EXPECT_EQ(read.problem->kind, AnalysisFileProblemKind::CannotRead);
    ASSERT_TRUE(read.problem->failure);
    EXPECT_EQ(read.problem->failure->kind, FailureKind::System);
    EXPECT_EQ(read.error, missing + ": " + AnalysisFileProblemText(*read.problem));
    const std::string bad = Put("bad.vrda", R"({"format": "vrd-analysis", "plain": 0})");
    EXPECT_EQ(ReadAnalysisFile(bad).error, bad + ": plain: expects true or false, not 0");
    // The problem leaves the file to whoever shows it.
    EXPECT_EQ(ReadAnalysisFile(bad).problem->key, "plain");
    EXPECT_TRUE(ReadAnalysisFile(Put("good.VRDA", R"({"format": "vrd-analysis"})")).document);
}

TEST(ReportPaths, SavedRelativeToTheAnalysisUnlessTheyShareNoFolder) {
    EXPECT_EQ(StoredReportPath("/home/m/logs/w.vrd", "/home/m/logs/week.vrda", false), "w.vrd");
    EXPECT_EQ(StoredReportPath("/home/m/logs/w.vrd", "/home/m/analyses/week.vrda", false),
              "../logs/w.vrd");
    EXPECT_EQ(StoredReportPath("/media/usb/w.vrd", "/home/m/week.vrda", false), "/media/usb/w.vrd");
    EXPECT_EQ(StoredReportPath("/home/m/logs/w.vrd", "/home/m/logs/week.vrda", true),
              "/home/m/logs/w.vrd");
    EXPECT_EQ(ResolveReportPath("/media/usb/w.vrd", "/home/m/week.vrda"), "/media/usb/w.vrd");
    EXPECT_EQ(ResolveReportPath("../logs/w.vrd", "/home/m/an/week.vrda"), "/home/m/logs/w.vrd");
    // Relative to the current folder on both sides.
    const std::string here = std::filesystem::current_path().string();
    EXPECT_EQ(StoredReportPath("logs/w.vrd", "week.vrda", false), "logs/w.vrd");
    EXPECT_EQ(StoredReportPath(here + "/w.vrd", "an/week.vrda", false), "../w.vrd");
}

TEST(ReportPaths, AFileOfAbsolutePathsIsSavedAsItCame) {
    const std::string week = "/home/m/logs/week.vrda";
    const AnalysisDocument absolute =
        Parsed(R"({"format": "vrd-analysis", "files": ["/home/m/logs/w.vrd"]})", week);
    EXPECT_TRUE(absolute.absolutePaths);
    EXPECT_NE(Formatted(absolute, week).find("\"/home/m/logs/w.vrd\""), std::string::npos);
    const AnalysisDocument mixed =
        Parsed(R"({"format": "vrd-analysis", "files": ["w.vrd", "/home/m/x.vrd"]})", week);
    EXPECT_FALSE(mixed.absolutePaths);
    EXPECT_NE(Formatted(mixed, week).find("\"../x.vrd\""), std::string::npos);
}

TEST(ReportPaths, APathThatIsNotUtf8IsRefusedNotMangled) {
    AnalysisDocument document;
    document.files = {"/home/m/r\xE9sum\xE9.vrd"};
    const AnalysisFileBytes written = FormatAnalysisFile(document, "/home/m/week.vrda");
    ASSERT_TRUE(written.error);
    EXPECT_EQ(*written.error, "files[0]: the path r\u00e9sum\u00e9.vrd is not UTF-8, which an "
                              "analysis file cannot hold");
    ASSERT_TRUE(written.problem);
    EXPECT_EQ(written.problem->kind, AnalysisFileProblemKind::PathNotUtf8);
    EXPECT_EQ(written.problem->key, "files[0]");
    EXPECT_EQ(written.problem->detail, "r\u00e9sum\u00e9.vrd");
    EXPECT_TRUE(written.bytes.empty());
}

TEST(AnalysisFile, TheNameEndsInVrdaInAnyCase) {
    EXPECT_TRUE(IsAnalysisFileName("week.vrda"));
    EXPECT_TRUE(IsAnalysisFileName("/x/WEEK.VRDA"));
    EXPECT_FALSE(IsAnalysisFileName("week.vrd"));
    EXPECT_FALSE(IsAnalysisFileName("vrda"));
}

} // namespace
} // namespace vrd
