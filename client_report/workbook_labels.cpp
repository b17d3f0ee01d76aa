#include "client_report/workbook_labels.h"

#include "views/texts/assessment_columns.h"
#include "views/texts/assessment_text.h"

#include <QCoreApplication>

namespace {

std::string Tr(Language language, const char* source) {
    return Translated(language, "AnalysisWorkbook", source).toStdString();
}

// A cell's words begin with a capital, as a heading of a spreadsheet's column does.
std::string Capitalised(const QString& text) {
    return text.isEmpty() ? std::string()
                          : QString(text.left(1).toUpper() + text.mid(1)).toStdString();
}

} // namespace

vrd::WorkbookLabels WorkbookLabelsIn(Language language) {
    vrd::WorkbookLabels labels;
    // The level indicators keep the names of the European directive in every language.
    labels.days = Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Days"));
    labels.hours = Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Hours"));
    labels.dayColumns[0] = Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Date"));
    labels.dayColumns[5] = Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Day coverage"));
    labels.dayColumns[6] = Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Evening coverage"));
    labels.dayColumns[7] = Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Night coverage"));
    labels.hourColumns[0] = Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Start"));
    labels.hourColumns[4] = Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Minutes"));
    if (language == Language::French) {
        labels.dateFormat = "dd/mm/yyyy";
        labels.minuteFormat = "dd/mm/yyyy hh:mm";
    }

    // The assessment's columns are named as the window's tab and the report name them.
    labels.assessment = Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Assessment"));
    for (int column = 0; column < kEmergenceColumns; ++column)
        labels.emergenceColumns[static_cast<std::size_t>(column)] =
            EmergenceColumnName(static_cast<EmergenceColumn>(column), language).toStdString();
    labels.overall = Capitalised(PooledRowText(language));
    for (int column = 0; column < kIntervalColumns; ++column)
        labels.intervalColumns[static_cast<std::size_t>(column)] =
            IntervalColumnName(static_cast<IntervalColumn>(column), language).toStdString();
    for (std::size_t column = 0; column < labels.backgroundColumns.size(); ++column)
        labels.backgroundColumns[column] =
            BackgroundColumnName(static_cast<BackgroundColumn>(column), language).toStdString();
    labels.periodLabels = {Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Day")),
                           Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Holiday")),
                           Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Night"))};
    for (std::size_t i = 0; i < labels.verdicts.size(); ++i) {
        const auto wording = static_cast<vrd::VerdictWording>(i);
        labels.verdicts[i] = Capitalised(VerdictWordingText(wording, language));
        labels.leanings[i] = VerdictLeaningText(wording, language).toStdString();
    }
    for (std::size_t i = 0; i < labels.notes.size(); ++i)
        labels.notes[i] =
            NoteText(static_cast<vrd::EmergenceNote>(i), vrd::Standard::FrNeighbourhood, language)
                .toStdString();
    return labels;
}
