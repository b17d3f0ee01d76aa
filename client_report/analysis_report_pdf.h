#pragma once
// The printed report of an analysis, for a client: site, serial, the files analysed, the analysed
// period and the settings, the exclusions with their reasons, the chart over the range the window
// shows (drawn as vectors), the figures of the whole period, the assessment when one is chosen,
// then the table of days over as many pages as it needs. Every page carries the site and period
// above, the files and its number below. The same pages go to a PDF file and to a printer.

#include "views/common/language.h"

#include <QString>

class ReportChartSource;
class AnalysisSession;
class QPagedPaintDevice;

// Paints every page on device (a QPdfWriter or a QPrinter), every text in language whatever the
// window's; returns the number of pages.
int PaintAnalysisReport(QPagedPaintDevice& device, const AnalysisSession& session,
                        ReportChartSource& chart, Language language);

// Writes the report to path, whole or not at all; on failure returns false with the reason.
bool WriteAnalysisPdf(const QString& path, const AnalysisSession& session, ReportChartSource& chart,
                      Language language, QString& reason);
