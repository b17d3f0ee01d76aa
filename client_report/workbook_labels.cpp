#include "client_report/workbook_labels.h"

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

    labels.assessment = Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Assessment"));
    const std::string period = Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Period"));
    labels.emergenceColumns = {
        labels.dayColumns[0],
        period,
        Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Source minutes")),
        Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Ambient")),
        Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Residual")),
        Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Indicator")),
        Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Emergence")),
        Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Term")),
        Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Limit")),
        Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Margin")),
        Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Verdict")),
        Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Conclusive"))};
    labels.overall = Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Overall"));
    labels.intervalColumns = {
        labels.hourColumns[0], Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Length (min)")),
        period, Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Residual minutes")), "L90"};
    labels.backgroundColumns = {period,
                                Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Intervals")),
                                Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Mode")),
                                Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Median"))};
    labels.periodLabels = {Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Day")),
                           Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Holiday")),
                           Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Night"))};
    labels.verdicts = {Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "No data")),
                       Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Below the gate")),
                       Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Compliant")),
                       Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Exceeds"))};
    labels.yes = Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "Yes"));
    labels.no = Tr(language, QT_TRANSLATE_NOOP("AnalysisWorkbook", "No"));
    return labels;
}
