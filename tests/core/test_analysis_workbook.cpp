// The spreadsheet of an analysis and the running levels of the analysis chart: spreadsheet dates,
// a workbook that is a whole archive or nothing, and running levels that are the parse's own.

#include "analysis/analyse.h"
#include "analysis/minute_marks.h"
#include "analysis/report_for_analysis.h"
#include "export/analysis_workbook.h"
#include "report/declaration.h"
#include "report/parse_report.h"
#include "report/report_lists.h"
#include "temp_folder.h"
#include "tests/core/minute_records.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <regex>

namespace vrd {
namespace {

Minute At(int year, int month, int day, int hour, int minute) {
    return StartOfDay(DayFromCivil({year, month, day})) + hour * 60 + minute;
}

TEST(SpreadsheetDate, CountsDaysFromTheEndOf1899WithTheTimeAsFraction) {
    EXPECT_EQ(SpreadsheetDate(At(1900, 3, 1, 0, 0)), 61.0);
    EXPECT_EQ(SpreadsheetDate(At(2011, 5, 12, 0, 0)), 40675.0);
    EXPECT_EQ(SpreadsheetDate(At(2011, 5, 12, 18, 0)), 40675.75);
    EXPECT_DOUBLE_EQ(SpreadsheetDate(At(2011, 5, 12, 13, 0)), 40675.0 + 13.0 / 24);
}

// "12/05/2011 - hh:mm    Leq <  LL dBA" records, or gap records for a negative level.
std::string Records(const std::vector<int>& levels, int firstMinute = 0) {
    std::string lines;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const int minute = firstMinute + static_cast<int>(i);
        char text[64];
        if (levels[i] < 0)
            std::snprintf(text, sizeof text, "12/05/2011 - %02d:%02d                 \n",
                          minute / 60, minute % 60);
        else
            std::snprintf(text, sizeof text, "12/05/2011 - %02d:%02d    Leq < %3d dBA\n",
                          minute / 60, minute % 60, levels[i]);
        lines += text;
    }
    return lines;
}

class AnalysisWorkbook : public test::TempFolderTest {};

TEST_F(AnalysisWorkbook, IsAZipArchiveWrittenWholeOrNotAtAll) {
    const MinuteSeries series = SeriesOfMinuteLines(Records({60, 62, -1, 70, 71}, 600));
    const AnalysisResult result = Analyse(series, {});
    std::string reason;
    const std::optional<std::string> bytes = BuildAnalysisWorkbook(result, reason);
    ASSERT_TRUE(bytes) << reason;
    EXPECT_EQ(bytes->substr(0, 2), "PK");

    const std::string path = (folder_ / "tables.xlsx").string();
    EXPECT_EQ(WriteAnalysisWorkbook(path, result), std::nullopt);
    EXPECT_EQ(Read(path), *bytes);

    // No folder to write into: a reason, and nothing made.
    const std::string nowhere = (folder_ / "missing" / "tables.xlsx").string();
    const std::optional<std::string> failure = WriteAnalysisWorkbook(nowhere, result);
    ASSERT_TRUE(failure);
    EXPECT_FALSE(failure->empty());
    EXPECT_FALSE(std::filesystem::exists(folder_ / "missing"));
}

// The names are the caller's, in its reader's language; one that no sheet can take, or the same
// name twice, is refused with the name rather than written as a broken workbook.
TEST_F(AnalysisWorkbook, TakesItsNamesFromTheCallerAndRefusesOnesNoSheetTakes) {
    const AnalysisResult result = Analyse(SeriesOfMinuteLines(Records({60, 62}, 600)), {});
    WorkbookLabels labels;
    labels.days = "Jours";
    labels.hours = "Heures";
    labels.dayColumns[6] = "Taux de couverture soirée";
    std::string reason;
    EXPECT_TRUE(BuildAnalysisWorkbook(result, reason, labels)) << reason;
    for (const std::string& refused :
         {std::string("Jours/nuits"), std::string("Heures"), std::string(32, 'J')}) {
        labels.days = refused;
        reason.clear();
        EXPECT_FALSE(BuildAnalysisWorkbook(result, reason, labels)) << refused;
        EXPECT_NE(reason.find(refused), std::string::npos) << reason;
    }
}

TEST_F(AnalysisWorkbook, OfAnEmptyAnalysisHasItsHeadersOnly) {
    std::string reason;
    EXPECT_TRUE(BuildAnalysisWorkbook(Analyse(MinuteSeries{}, {}), reason)) << reason;
}

// A member of an archive as unzip gives it; empty when it has none.
std::string Unzipped(const std::string& archive, const std::string& member) {
    const std::string command = "unzip -p '" + archive + "' '" + member + "' 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string text;
    if (pipe == nullptr)
        return text;
    char buffer[4096];
    for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, read);
    ::pclose(pipe);
    return text;
}

// What the cell at reference ("K2") of a sheet's XML holds, its number or its text; "" for a cell
// not written.
std::string CellOf(const std::string& sheet, const std::string& reference) {
    const std::regex cell("<c r=\"" + reference +
                          "\"[^>]*>(?:<v>([^<]*)</v>|<is><t[^>]*>([^<]*)</t></is>)");
    std::smatch found;
    if (!std::regex_search(sheet, found, cell))
        return "";
    return found[1].matched ? found[1].str() : found[2].str();
}

class AssessmentSheet : public test::TempFolderTest {
  protected:
    // The XML of the workbook's sheet list and of its third sheet.
    std::pair<std::string, std::string> Written(const AnalysisResult& result,
                                                const AssessmentResult* assessment,
                                                const WorkbookLabels& labels = {}) {
        const std::string path = (folder_ / "assessed.xlsx").string();
        EXPECT_EQ(WriteAnalysisWorkbook(path, result, labels, assessment), std::nullopt);
        return {Unzipped(path, "xl/workbook.xml"), Unzipped(path, "xl/worksheets/sheet3.xml")};
    }
};

TEST_F(AssessmentSheet, IsLeftOutWithoutAnAssessment) {
    const AnalysisResult result = Analyse(SeriesOfMinuteLines(Records({60, 62}, 600)), {});
    const auto [book, third] = Written(result, nullptr);
    EXPECT_NE(book.find("name=\"Days\""), std::string::npos) << book;
    EXPECT_NE(book.find("name=\"Hours\""), std::string::npos);
    EXPECT_EQ(book.find("Assessment"), std::string::npos);
    EXPECT_TRUE(third.empty());
}

// A Thursday morning: 100 minutes at 50 dB, then 20 at 62 dB while the source runs; the night
// that follows has no minute.
TEST_F(AssessmentSheet, OfAFrenchStandardListsThePeriodsWithMinutesThenThePooledRows) {
    const Minute start = test::At("2011-05-12T08:00");
    const MinuteSeries series =
        SeriesOfMinuteLines(test::ConstantLevel(start, start + 100, 50) +
                            test::ConstantLevel(start + 100, start + 120, 62));
    AnalysisSettings settings;
    settings.to = test::At("2011-05-13T06:00");
    AddMarks(settings, {{MarkKind::Source, {start + 100, start + 120}, ""}});
    const AssessmentResult assessment =
        Assess(series, settings, {Standard::FrNeighbourhood, false});
    WorkbookLabels labels;
    labels.assessment = "Évaluation";
    labels.verdicts[3] = "Non conforme";
    const auto [book, sheet] = Written(Analyse(series, settings), &assessment, labels);
    EXPECT_NE(book.find("name=\"Évaluation\""), std::string::npos) << book;

    EXPECT_EQ(CellOf(sheet, "K1"), "Verdict");
    EXPECT_EQ(CellOf(sheet, "A2"), "40675");
    EXPECT_EQ(CellOf(sheet, "B2"), "Day");
    EXPECT_EQ(CellOf(sheet, "C2"), "20");
    EXPECT_EQ(CellOf(sheet, "D2"), "62");
    EXPECT_EQ(CellOf(sheet, "E2"), "50");
    EXPECT_EQ(CellOf(sheet, "F2"), "Leq");
    EXPECT_EQ(CellOf(sheet, "G2"), "12");
    EXPECT_EQ(CellOf(sheet, "H2"), "4");
    EXPECT_EQ(CellOf(sheet, "I2"), "9");
    EXPECT_EQ(CellOf(sheet, "J2"), "-3");
    EXPECT_EQ(CellOf(sheet, "K2"), "Non conforme");
    EXPECT_EQ(CellOf(sheet, "L2"), "Yes");
    // The empty night is not listed; its pooled row has no figures, only its verdict.
    EXPECT_EQ(CellOf(sheet, "A3"), "Overall");
    EXPECT_EQ(CellOf(sheet, "B3"), "Day");
    EXPECT_EQ(CellOf(sheet, "G3"), "12");
    EXPECT_EQ(CellOf(sheet, "B4"), "Night");
    EXPECT_EQ(CellOf(sheet, "D4"), "");
    EXPECT_EQ(CellOf(sheet, "L4"), "");
    EXPECT_EQ(CellOf(sheet, "K4"), "No data");
    EXPECT_EQ(CellOf(sheet, "A5"), "");
}

// 08:00-09:00 residual at 45 dB, 09:00-09:30 residual too few for an L90, 10:00-10:10 source only.
TEST_F(AssessmentSheet, OfBs4142ListsTheIntervalsThenTheBackground) {
    const Minute start = test::At("2011-05-12T08:00");
    const MinuteSeries series =
        SeriesOfMinuteLines(test::ConstantLevel(start, start + 90, 45) +
                            test::ConstantLevel(start + 120, start + 130, 70));
    AnalysisSettings settings;
    AddMarks(settings, {{MarkKind::Source, {start + 120, start + 130}, ""}});
    const AssessmentResult assessment = Assess(series, settings, {Standard::Bs4142, false});
    const auto [book, sheet] = Written(Analyse(series, settings), &assessment);
    EXPECT_NE(book.find("name=\"Assessment\""), std::string::npos) << book;

    EXPECT_EQ(CellOf(sheet, "A1"), "Start");
    EXPECT_EQ(CellOf(sheet, "A2").substr(0, 10), "40675.3333");
    EXPECT_EQ(CellOf(sheet, "B2"), "60");
    EXPECT_EQ(CellOf(sheet, "C2"), "Day");
    EXPECT_EQ(CellOf(sheet, "D2"), "60");
    EXPECT_EQ(CellOf(sheet, "E2"), "45");
    EXPECT_EQ(CellOf(sheet, "D3"), "30");
    EXPECT_EQ(CellOf(sheet, "E3"), "");
    // The source's hour holds no residual minute: not listed. A blank row, then the background.
    EXPECT_EQ(CellOf(sheet, "A4"), "");
    EXPECT_EQ(CellOf(sheet, "A5"), "Period");
    EXPECT_EQ(CellOf(sheet, "D5"), "Median");
    EXPECT_EQ(CellOf(sheet, "A6"), "Day");
    EXPECT_EQ(CellOf(sheet, "B6"), "1");
    EXPECT_EQ(CellOf(sheet, "C6"), "45");
    EXPECT_EQ(CellOf(sheet, "D6"), "45");
}

// The running levels the chart draws are those the parse left, minute by minute: the last of
// them is the state the parse ends with.
TEST(RunningLevelsOfMinuteLines, AgreeWithTheParseAndResetAtGaps) {
    const std::vector<int> levels = {60, 75, 80, 64, 90, 55, -1, 70, 71, 72, 88, 59, 61, 62};
    const std::string lines = Records(levels);
    const std::vector<RunningMinute> running = RunningLevelsOfMinuteLines(lines);
    ASSERT_EQ(running.size(), levels.size() - 1);
    EXPECT_EQ(running.front().minute, At(2011, 5, 12, 0, 0));
    EXPECT_EQ(running[6].minute, At(2011, 5, 12, 0, 7)); // after the gap at 00:06

    for (std::size_t end = 1; end <= levels.size(); ++end) {
        const std::vector<int> head(levels.begin(), levels.begin() + static_cast<long>(end));
        if (head.back() < 0)
            continue;
        Declaration state;
        ReportLists lists;
        state.DecodedReport =
            "Site\nSN\n1 minute Leq Log\n" + std::string(39, '-') + "\n" + Records(head) + "\n";
        ASSERT_FALSE(ParseReport(state, lists, kTrimPlain));
        const std::vector<RunningMinute> partial = RunningLevelsOfMinuteLines(Records(head));
        ASSERT_FALSE(partial.empty());
        EXPECT_EQ(partial.back().leq5, state.Running.Leq5) << end;
        EXPECT_EQ(partial.back().leq10, state.Running.Leq10) << end;
    }
}

TEST(RunningLevelsOfMinuteLines, SkipUnreadableRecords) {
    std::string lines = Records({60, 61});
    lines += "32/05/2011 - 00:02    Leq <  70 dBA\n"; // no such date: fed, but not drawn
    lines += "12/05/2011 - 00:03    Leq <  xx dBA\n"; // no level: skipped
    lines += Records({62}, 4);
    const std::vector<RunningMinute> running = RunningLevelsOfMinuteLines(lines);
    ASSERT_EQ(running.size(), 3u);
    EXPECT_EQ(running[2].minute, At(2011, 5, 12, 0, 4));
}

} // namespace
} // namespace vrd
