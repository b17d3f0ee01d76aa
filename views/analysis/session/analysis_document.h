#pragma once
// The analysis window's state as the document of an analysis file, and back: the reports, the
// settings, the standard and the marks the session holds.

#include "options/analysis_file.h"

class AnalysisSession;

// The document of what session holds; what the session does not hold (whether the reports are
// read as plain ones, absolute paths, the keys kept from the file) comes from base.
vrd::AnalysisDocument SessionDocument(const AnalysisSession& session, vrd::AnalysisDocument base);

// Opens the document's reports into session (one that cannot be opened stays in the list with
// its failure) under the document's settings, in place of what session held.
void OpenDocumentInSession(AnalysisSession& session, const vrd::AnalysisDocument& document);
