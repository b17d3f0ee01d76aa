#pragma once
// What the printed report says of its reports and figures. It is handed to a client, so it names
// only the reports that gave the analysis minutes (why another file failed to open is the user's
// business, shown in the window), and every figure carries its unit.

#include "analysis/analyse.h"
#include "analysis/report_for_analysis.h"
#include "views/common/language.h"

#include <QList>
#include <QString>

#include <vector>

// The reports that gave the analysis minutes, in the order given: those that opened, and those
// whose parse stopped after some records. A file that could not be read, decoded or parsed at all
// is left out.
std::vector<const vrd::ReportForAnalysis*>
ReportsAnalysed(const std::vector<vrd::ReportForAnalysis>& reports);

// The path of a report as given.
QString ReportPath(const vrd::ReportForAnalysis& report);
// The reports in a few words for the foot of a page: "week 1.vrd", "week 1.vrd + 3 more", or
// empty for none.
QString ReportFilesInBrief(const std::vector<const vrd::ReportForAnalysis*>& reports,
                           Language language);
// The first site (or serial) that one of the reports names; empty when none does.
QString ReportSite(const std::vector<const vrd::ReportForAnalysis*>& reports);
QString ReportSerial(const std::vector<const vrd::ReportForAnalysis*>& reports);

// A text of the report in its language; source is marked with
// QT_TRANSLATE_NOOP("AnalysisReport", source).
QString ReportTr(Language language, const char* source);

// "63.4 dB"; empty for a missing level.
QString DecibelText(std::optional<double> level, Language language);

// "2011-05-12 00:00 to 2011-05-14 00:00" ("12/05/2011 00:00 au 14/05/2011 00:00"); "no minute"
// for an empty period.
QString PeriodText(vrd::Interval period, Language language);

struct ReportFigure {
    QString name;
    QString value; // with its unit; "–" where there is nothing to give
};
// The figures of the whole analysed period (whose ends the report gives above them): its
// coverage and minutes, Leq, Lmax, Lmin, L1 to L99, Lday, Levening, Lnight and Lden (named as the
// preset calls it), with a WHO source its guidelines and the levels less them, and with a
// threshold the minutes and events above it.
QList<ReportFigure> ReportFigures(const vrd::AnalysisResult& result, Language language);
