#pragma once
// The analysis window as the main window opens it: over the report read last, the file dialogs
// of the program, and the site and serial the results window shows.

#include "report/declaration.h"

class FileDialogs;
class frmAnalysis;
class frmArray;

// Puts the report read last into the window (replacing what it analysed), with the site and
// serial of results when it is open.
void ShowReportInAnalysis(frmAnalysis& window, const vrd::Declaration& state,
                          const frmArray* results);

// Lets the window ask dialogs for its paths.
void UseFileDialogs(frmAnalysis& window, FileDialogs& dialogs);
