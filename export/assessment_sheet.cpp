#include "export/assessment_sheet.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace vrd {

namespace {

bool Listed(const BackgroundInterval& interval) {
    return interval.l90 || interval.minutes > 0;
}

std::int64_t ListedIntervals(const AssessmentResult& assessment) {
    std::int64_t listed = 0;
    for (const BackgroundInterval& interval : assessment.IntervalsWithMinutes())
        listed += Listed(interval) ? 1 : 0;
    return listed;
}

const std::string& LabelText(const WorkbookLabels& labels, PeriodLabel label) {
    return labels.periodLabels[static_cast<std::size_t>(label)];
}

void WriteText(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const std::string& text) {
    worksheet_write_string(sheet, row, column, text.c_str(), nullptr);
}

// The verdict's words, and after them in smaller letters the side a not-conclusive one leans to.
void WriteVerdict(lxw_worksheet* sheet, const WorkbookFormats& formats, lxw_row_t row,
                  lxw_col_t column, VerdictWording wording, const WorkbookLabels& labels) {
    const auto at = static_cast<std::size_t>(wording);
    const std::string& words = labels.verdicts[at];
    const std::string& leaning = labels.leanings[at];
    if (leaning.empty() || words.empty()) {
        WriteText(sheet, row, column, words);
        return;
    }
    const std::string after = " " + leaning;
    lxw_rich_string_tuple own{nullptr, const_cast<char*>(words.c_str())};
    lxw_rich_string_tuple smaller{formats.smaller, const_cast<char*>(after.c_str())};
    lxw_rich_string_tuple* fragments[] = {&own, &smaller, nullptr};
    if (worksheet_write_rich_string(sheet, row, column, fragments, nullptr) != LXW_NO_ERROR)
        WriteText(sheet, row, column, words + after);
}

std::string NotesOf(const EmergenceNotes& notes, const WorkbookLabels& labels) {
    std::string text;
    for (const EmergenceNote note : notes.List())
        text += (text.empty() ? "" : "; ") + labels.notes[static_cast<std::size_t>(note)];
    return text;
}

// Columns 1 on of a row of emergence figures; column 0 is the date's or "Overall".
void WriteFigures(lxw_worksheet* sheet, const WorkbookFormats& formats, lxw_row_t row,
                  PeriodLabel label, const EmergenceFigures& figures,
                  const WorkbookLabels& labels) {
    WriteText(sheet, row, 1, LabelText(labels, label));
    worksheet_write_number(sheet, row, 2, static_cast<double>(figures.sourceMinutes), nullptr);
    WriteOptional(sheet, row, 3, figures.ambient, formats.level);
    WriteOptional(sheet, row, 4, figures.residual, formats.level);
    // The indicators keep their names in every language.
    if (figures.indicator)
        WriteText(sheet, row, 5, *figures.indicator == Indicator::L50 ? "L50" : "Leq");
    WriteOptional(sheet, row, 6, figures.emergence, formats.level);
    // Whole decibels, written as the levels beside them are.
    WriteOptional(sheet, row, 7, figures.term, formats.level);
    WriteOptional(sheet, row, 8, figures.limit, formats.level);
    WriteOptional(sheet, row, 9, figures.margin, formats.level);
    WriteVerdict(sheet, formats, row, 10, WordingOf(figures), labels);
    const std::string notes = NotesOf(figures.notes, labels);
    if (!notes.empty())
        WriteText(sheet, row, 11, notes);
}

void WriteEmergence(lxw_worksheet* sheet, const WorkbookFormats& formats,
                    const AssessmentResult& assessment, const WorkbookLabels& labels) {
    WriteHeader(sheet, formats, labels.emergenceColumns,
                {12, 10, 10, 10, 10, 10, 10, 8, 8, 8, 18, 30});
    lxw_row_t row = 1;
    for (const EmergencePeriod& period : assessment.PeriodsWithMinutes()) {
        worksheet_write_number(sheet, row, 0, SpreadsheetDate(StartOfDay(period.date)),
                               formats.date);
        WriteFigures(sheet, formats, row, period.label, period.figures, labels);
        ++row;
    }
    for (const LabelEmergence& overall : assessment.overall) {
        WriteText(sheet, row, 0, labels.overall);
        WriteFigures(sheet, formats, row, overall.label, overall.figures, labels);
        ++row;
    }
}

void WriteBackground(lxw_worksheet* sheet, const WorkbookFormats& formats,
                     const AssessmentResult& assessment, const WorkbookLabels& labels) {
    // The columns fit the names of both tables.
    std::array<double, 5> widths = {17, 10, 10, 10, 8};
    for (std::size_t i = 0; i < labels.backgroundColumns.size(); ++i)
        widths[i] =
            std::max(widths[i], static_cast<double>(Utf8Length(labels.backgroundColumns[i])));
    WriteHeader(sheet, formats, labels.intervalColumns, widths);

    lxw_row_t row = 1;
    for (const BackgroundInterval& interval : assessment.IntervalsWithMinutes()) {
        if (!Listed(interval))
            continue;
        worksheet_write_number(sheet, row, 0, SpreadsheetDate(interval.start), formats.dateTime);
        worksheet_write_number(sheet, row, 1, static_cast<double>(interval.length), nullptr);
        WriteText(sheet, row, 2, LabelText(labels, interval.label));
        worksheet_write_number(sheet, row, 3, static_cast<double>(interval.minutes), nullptr);
        WriteOptional(sheet, row, 4, interval.l90, formats.level);
        ++row;
    }
    row += 1; // a blank row between the tables
    WriteHeaderRow(sheet, formats, row++, labels.backgroundColumns);
    for (const BackgroundLevel& background : assessment.background) {
        WriteText(sheet, row, 0, LabelText(labels, background.label));
        worksheet_write_number(sheet, row, 1, static_cast<double>(background.count), nullptr);
        WriteOptional(sheet, row, 2, background.mode, nullptr);
        WriteOptional(sheet, row, 3, background.median, formats.level);
        ++row;
    }
}

} // namespace

std::int64_t AssessmentSheetRows(const AssessmentResult& assessment) {
    if (assessment.settings.standard == Standard::Bs4142)
        return 1 + ListedIntervals(assessment) + 2 +
               static_cast<std::int64_t>(assessment.background.size());
    return 1 + static_cast<std::int64_t>(assessment.PeriodsWithMinutes().size() +
                                         assessment.overall.size());
}

void WriteAssessmentSheet(lxw_worksheet* sheet, const WorkbookFormats& formats,
                          const AssessmentResult& assessment, const WorkbookLabels& labels) {
    if (assessment.settings.standard == Standard::Bs4142)
        WriteBackground(sheet, formats, assessment, labels);
    else
        WriteEmergence(sheet, formats, assessment, labels);
}

} // namespace vrd
