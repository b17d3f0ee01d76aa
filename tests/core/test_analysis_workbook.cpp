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

// What the cell at reference ("K2") of a sheet's XML holds, its number or its text without the
// tags around it; "" for a cell not written.
std::string CellOf(const std::string& sheet, const std::string& reference) {
    const std::size_t at = sheet.find("<c r=\"" + reference + "\"");
    const std::size_t open = sheet.find('>', at);
    if (at == std::string::npos || open == std::string::npos || sheet[open - 1] == '/')
        return "";
    std::string text;
    bool inTag = false;
    for (std::size_t i = open + 1; i < sheet.size() && sheet.compare(i, 4, "</c>") != 0; ++i) {
        if (sheet[i] == '<' || sheet[i] == '>')
            inTag = sheet[i] == '<';
        else if (!inTag)
            text += sheet[i];
    }
    return text;
}

class AssessmentSheet : public test::TempFolderTest {
  protected:
    // Writes the workbook; the XML of its sheet list and of its third sheet.
    void Write(const AnalysisResult& result, const AssessmentResult* assessment,
               const WorkbookLabels& labels = {}) {
        const std::string path = (folder_ / "assessed.xlsx").string();
        ASSERT_EQ(WriteAnalysisWorkbook(path, result, labels, assessment), std::nullopt);
        book_ = Unzipped(path, "xl/workbook.xml");
        sheet_ = Unzipped(path, "xl/worksheets/sheet3.xml");
        styles_ = Unzipped(path, "xl/styles.xml");
    }
    // The cells of row in columns A on, joined by "|".
    std::string Row(int row, std::size_t columns) const {
        std::string cells;
        for (std::size_t column = 0; column < columns; ++column)
            cells += (column > 0 ? "|" : "") +
                     CellOf(sheet_,
                            std::string(1, static_cast<char>('A' + column)) + std::to_string(row));
        return cells;
    }
    std::string book_;
    std::string sheet_;
    std::string styles_;
};

TEST_F(AssessmentSheet, IsLeftOutWithoutAnAssessment) {
    Write(Analyse(SeriesOfMinuteLines(Records({60, 62}, 600)), {}), nullptr);
    EXPECT_NE(book_.find("name=\"Hours\""), std::string::npos) << book_;
    EXPECT_EQ(book_.find("Assessment"), std::string::npos);
    EXPECT_TRUE(sheet_.empty());
}

// A Thursday morning: 100 minutes at 50 dB, then 20 at 62 dB while the source runs; the night
// that follows has no minute.
TEST_F(AssessmentSheet, OfAFrenchStandardListsThePeriodsWithMinutesThenThePooledRows) {
    const Minute start = test::At("2011-05-12T08:00");
    const MinuteSeries series =
        SeriesOfMinuteLines(test::ConstantLevel(start, start + 100, 50) +
                            test::ConstantLevel(start + 100, start + 120, 62));
    AnalysisSettings settings;
    settings.toTime = MillisOf(test::At("2011-05-13T06:00"));
    AddMarks(settings, {{MarkKind::Source, test::Minutes(start + 100, start + 120), ""}});
    const AssessmentResult assessment =
        Assess(series, settings, {Standard::FrNeighbourhood, false});
    WorkbookLabels labels;
    labels.assessment = "Évaluation";
    labels.verdicts[3] = "Non conforme";
    Write(Analyse(series, settings), &assessment, labels);
    EXPECT_NE(book_.find("name=\"Évaluation\""), std::string::npos) << book_;
    EXPECT_EQ(Row(1, 12), "Date|Period|Source (min)|Ambient (dB)|Residual (dB)|Indicator|"
                          "Emergence (dB)|Term (dB)|Limit (dB)|Margin (dB)|Verdict|Notes");
    EXPECT_EQ(Row(2, 12), "40675|Day|20|62|50|Leq|12|4|9|-3|Non conforme|");
    // The empty night is not listed; its pooled row has no figures, only its verdict.
    EXPECT_EQ(Row(3, 12), "Overall|Day|20|62|50|Leq|12|4|9|-3|Non conforme|");
    EXPECT_EQ(Row(4, 12), "Overall|Night|0||||||||No data|");
    EXPECT_EQ(Row(5, 1), "");
}

// 56 dB for an hour over 49 dB: emergence 7 for a limit of 5 + 3, within 2 dB, so not conclusive
// and leaning to compliant in smaller letters; a night of 20 source minutes at 44 dB over a
// residual of 52 dB, the residual louder, measured 25 minutes: both notes.
TEST_F(AssessmentSheet, WordsANotConclusiveVerdictWithItsSideAndTheNotesOfARow) {
    const Minute day = test::At("2011-05-12T09:00");
    const Minute night = test::At("2011-05-12T23:00");
    const MinuteSeries series = SeriesOfMinuteLines(
        test::ConstantLevel(day, day + 60, 49) + test::ConstantLevel(day + 60, day + 120, 56) +
        test::ConstantLevel(night, night + 25, 52) +
        test::ConstantLevel(night + 25, night + 45, 44));
    AnalysisSettings settings;
    AddMarks(settings, {{MarkKind::Source, test::Minutes(day + 60, day + 120), ""},
                        {MarkKind::Residual, test::Minutes(day, day + 60), ""},
                        {MarkKind::Source, test::Minutes(night + 25, night + 45), ""},
                        {MarkKind::Residual, test::Minutes(night, night + 25), ""}});
    const AssessmentResult assessment =
        Assess(series, settings, {Standard::FrNeighbourhood, false});
    WorkbookLabels labels;
    labels.dateFormat = "dd/mm/yyyy";
    Write(Analyse(series, settings), &assessment, labels);
    EXPECT_EQ(Row(2, 12), "40675|Day|60|56|49|Leq|7|3|8|1|Not conclusive compliant|");
    // The leaning is a run of its own, in the smaller letters.
    EXPECT_NE(sheet_.find("<r><rPr><sz val=\"9\"/>"), std::string::npos) << sheet_;
    EXPECT_EQ(Row(3, 12), "40675|Night|20|44|52|Leq|-8|4|7|15|Compliant|"
                          "Residual louder than ambient; Residual measured under 30 min");
    EXPECT_NE(styles_.find("formatCode=\"dd/mm/yyyy\""), std::string::npos) << styles_;
}

// 08:00-09:00 residual at 45 dB, 09:00-09:30 residual too few for an L90, 10:00-10:10 source only.
TEST_F(AssessmentSheet, OfBs4142ListsTheIntervalsThenTheBackground) {
    const Minute start = test::At("2011-05-12T08:00");
    const MinuteSeries series =
        SeriesOfMinuteLines(test::ConstantLevel(start, start + 90, 45) +
                            test::ConstantLevel(start + 120, start + 130, 70));
    AnalysisSettings settings;
    AddMarks(settings, {{MarkKind::Source, test::Minutes(start + 120, start + 130), ""}});
    const AssessmentResult assessment = Assess(series, settings, {Standard::Bs4142, false});
    Write(Analyse(series, settings), &assessment);
    EXPECT_EQ(Row(1, 5), "Start|Length (min)|Period|Residual (min)|L90 (dB)");
    EXPECT_EQ(Row(2, 5).substr(0, 10), "40675.3333");
    EXPECT_EQ(Row(2, 5).substr(Row(2, 5).find('|')), "|60|Day|60|45");
    EXPECT_EQ(Row(3, 5).substr(Row(3, 5).find('|')), "|60|Day|30|");
    // The source's hour holds no residual minute: not listed. A blank row, then the background.
    EXPECT_EQ(Row(4, 4), "|||");
    EXPECT_EQ(Row(5, 4), "Period|Intervals with an L90|Mode (dB)|Median (dB)");
    EXPECT_EQ(Row(6, 4), "Day|1|45|45");
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
