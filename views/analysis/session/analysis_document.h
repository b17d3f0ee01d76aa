#pragma once
// The analysis window's state as the document of an analysis file, and back: the reports, the
// settings, the standard and the marks the session holds.

#include "analysis/report_for_analysis.h"
#include "options/analysis_file.h"

#include <vector>

class AnalysisSession;

// The document of what session holds; what the session does not hold (whether the reports are
// read as plain ones, absolute paths, the keys kept from the file) comes from base.
vrd::AnalysisDocument SessionDocument(const AnalysisSession& session, vrd::AnalysisDocument base);

// The files the document names, each opened as OpenReportForAnalysis opens it (a CSV export by
// the columns the document keeps for it); progress is offered the bytes of each export read.
std::vector<vrd::ReportForAnalysis> OpenDocumentFiles(const vrd::AnalysisDocument& document,
                                                      const vrd::Progress& progress = {});
// The files put into session in place of what it held, under the document's settings; a file of
// another step than the first with samples stays in the list with that as its failure.
void PutDocumentInSession(AnalysisSession& session, const vrd::AnalysisDocument& document,
                          std::vector<vrd::ReportForAnalysis> files);

// Opens the document's reports into session (one that cannot be opened stays in the list with
// its failure) under the document's settings, in place of what session held.
void OpenDocumentInSession(AnalysisSession& session, const vrd::AnalysisDocument& document);
