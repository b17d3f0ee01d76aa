#include "views/analysis/workbook_labels.h"

#include <QCoreApplication>

namespace {

std::string Tr(Language language, const char* source) {
    return Translated(language, "AnalysisWorkbook", source).toStdString();
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
    return labels;
}
