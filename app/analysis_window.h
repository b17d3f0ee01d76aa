#pragma once
// The analysis window as the main window opens it: over the report read last, with the file
// dialogs of the program.

#include "report/opened_report.h"

class FileDialogs;
class frmAnalysis;

// Puts the minutes of report into the window (replacing what it analysed), with the site and
// serial its labels show, as a new analysis of no file; unsaved changes of the analysis shown
// are asked about first, and kept when the user cancels.
void ShowReportInAnalysis(frmAnalysis& window, const vrd::OpenedReport& report);

// Lets the window ask dialogs for its paths, offering every file type of a request. A name saved
// without the suffix of a type offered gets that of the type chosen.
void UseFileDialogs(frmAnalysis& window, FileDialogs& dialogs);
